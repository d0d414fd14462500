// LEDDisplay's lifecycle: first placement, load, save and termination.
//
// Sections: the saved keys with their defaults (one table, used by both save and
// load), the load steps in their order, then the four handlers.
//
// None of the handlers traps an error: a failing step ends the handler, everything
// before it stays applied. Loading goes straight to members, labels and the base
// object (no setter, no layout, no drawing), except the mouse icon, which goes
// through its setter and so notifies "MouseIcon".
#include <string>
#include <string_view>
#include <vector>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/control/ValueConversions.h"
#include "leddisplay/core/RuntimeError.h"

namespace led::control {

namespace {

using core::Variant;

// What the load and save steps reach: the control's public face and its insides.
struct Target {
  LEDDisplay& control;
  model::ControlState& state;
  host::Host& host;
  host::FontPtr& lowFont;
  host::FontPtr& upperFont;
};

// `value` when the setters' check of it (`accepted`) holds; else the load stops at its
// key with 380, as the setter refuses it.
template <class T>
T Accepted(T value, bool accepted) {
  if (!accepted) throw core::RuntimeError(core::kInvalidPropertyValue);
  return value;
}

// --- Saved keys --------------------------------------------------------------------

struct SavedKey {
  std::string_view key;
  Variant defaultValue;  // unused when ambientDefault
  bool ambientDefault;   // the container's ambient font, fetched at each use
  Variant (*save)(Target&);
};

Variant Int(int16_t v) {
  return Variant::FromInteger(v);
}
Variant Bool(core::Boolean v) {
  return Variant::FromBoolean(v);
}
Variant Color(core::OleColor v) {
  return FromColor(v);
}
Variant Text(std::string_view v) {
  return Variant::FromString(std::string(v));
}
// A 32-bit member's first value, which the saved set passes as a 16-bit default.
Variant Short(int32_t v) {
  return Variant::FromInteger(static_cast<int16_t>(v));
}

// The saved property set, in the order it is written. Each default is the same on
// writing and reading, so an entry a bag leaves out reads back as the same value.
const std::vector<SavedKey>& SavedKeys() {
  static const model::ControlState f = model::FirstValues();
  static const model::Extensions e = f.Extended;
  static const std::vector<SavedKey> keys = {
      {"Appearance", Short(f.StoredAppearance), false,
       [](Target& t) { return Int(t.host.surface.Appearance()); }},
      {"AutoSize", Bool(f.StoredAutoSize), false,
       [](Target& t) { return Bool(t.state.StoredAutoSize); }},
      {"BorderStyle", Short(f.StoredBorderStyle), false,
       [](Target& t) { return Int(t.host.surface.BorderStyle()); }},
      {"BackColor", Color(f.StoredBackColor), false,
       [](Target& t) { return Color(t.state.StoredBackColor); }},
      {"BackGroundStyle", Short(f.StoredBackGroundStyle), false,
       [](Target& t) { return Variant::FromLong(t.state.StoredBackGroundStyle); }},
      {"BackGroundG1", Color(f.StoredBackGroundG1), false,
       [](Target& t) { return Color(t.state.StoredBackGroundG1); }},
      {"BackGroundG2", Color(f.StoredBackGroundG2), false,
       [](Target& t) { return Color(t.state.StoredBackGroundG2); }},
      {"CaptionLow", Text(model::kLoadedCaptionLow), false,
       [](Target& t) { return Variant::FromString(t.host.lowerCaption.Caption()); }},
      {"CaptionLowForeColor", Color(model::kFirstCaptionForeColor), false,
       [](Target& t) { return Color(t.host.lowerCaption.ForeColor()); }},
      {"CaptionLowPosition", Short(f.StoredCaptionLowPosition), false,
       [](Target& t) { return Variant::FromLong(t.state.StoredCaptionLowPosition); }},
      {"CaptionUpper", Text(model::kLoadedCaptionUpper), false,
       [](Target& t) { return Variant::FromString(t.host.upperCaption.Caption()); }},
      {"CaptionUpperForeColor", Color(model::kFirstCaptionForeColor), false,
       [](Target& t) { return Color(t.host.upperCaption.ForeColor()); }},
      {"CaptionUpperPosition", Short(f.StoredCaptionUpperPosition), false,
       [](Target& t) { return Variant::FromLong(t.state.StoredCaptionUpperPosition); }},
      // The labels' fonts are saved, not the held caption fonts.
      {"CaptionLowFont", Variant(), true,
       [](Target& t) { return Variant::FromObject(t.host.lowerCaption.Font()); }},
      {"CaptionUpperFont", Variant(), true,
       [](Target& t) { return Variant::FromObject(t.host.upperCaption.Font()); }},
      {"Enabled", Bool(model::kFirstEnabled), false,
       [](Target& t) { return Bool(t.host.surface.Enabled()); }},
      {"OnColor", Color(f.StoredOnColor), false,
       [](Target& t) { return Color(t.state.StoredOnColor); }},
      {"OffColor", Color(f.StoredOffColor), false,
       [](Target& t) { return Color(t.state.StoredOffColor); }},
      {"Decimals", Int(f.StoredDecimals), false,
       [](Target& t) { return Int(t.state.StoredDecimals); }},
      {"DecimalPointSize", Int(f.StoredDecimalPointSize), false,
       [](Target& t) { return Int(t.state.StoredDecimalPointSize); }},
      {"ShowAllDecimalPoints", Bool(f.StoredShowAllDecimalPoints), false,
       [](Target& t) { return Bool(t.state.StoredShowAllDecimalPoints); }},
      {"Digits", Int(f.StoredDigits), false, [](Target& t) { return Int(t.state.StoredDigits); }},
      {"MouseIcon", Variant::FromObject(nullptr), false,
       [](Target& t) { return Variant::FromObject(t.control.MouseIcon()); }},
      {"MousePointer", Int(model::kFirstMousePointer), false,
       [](Target& t) { return Int(t.host.surface.MousePointer()); }},
      {"LeadingZeros", Bool(f.StoredLeadingZeros), false,
       [](Target& t) { return Bool(t.state.StoredLeadingZeros); }},
      {"LeadingPlusMinus", Bool(f.StoredLeadingPlusMinus), false,
       [](Target& t) { return Bool(t.state.StoredLeadingPlusMinus); }},
      {"SegmentWidth", Int(f.StoredSegmentWidth), false,
       [](Target& t) { return Int(t.state.StoredSegmentWidth); }},
      {"DigitWidth", Int(f.StoredDigitWidth), false,
       [](Target& t) { return Int(t.state.StoredDigitWidth); }},
      {"DigitHeight", Int(f.StoredDigitHeight), false,
       [](Target& t) { return Int(t.state.StoredDigitHeight); }},
      {"DigitLeftMargin", Int(f.StoredDigitLeftMargin), false,
       [](Target& t) { return Int(t.state.StoredDigitLeftMargin); }},
      {"DigitUpperMargin", Int(f.StoredDigitUpperMargin), false,
       [](Target& t) { return Int(t.state.StoredDigitUpperMargin); }},
      {"DigitSpacing", Int(f.StoredDigitSpacing), false,
       [](Target& t) { return Int(t.state.StoredDigitSpacing); }},
      // The key is spelled with a lower-case g, unlike the property.
      {"PictureBackground", Variant::FromObject(nullptr), false,
       [](Target& t) { return Variant::FromObject(t.host.surface.Picture()); }},
      {"SegmentSeperation", Int(f.StoredSegmentSeperation), false,
       [](Target& t) { return Int(t.state.StoredSegmentSeperation); }},
      {"Transparent", Bool(f.StoredTransparent), false,
       [](Target& t) { return Bool(t.state.StoredTransparent); }},
      {"UseOverRange", Bool(f.StoredUseOverRange), false,
       [](Target& t) { return Bool(t.state.StoredUseOverRange); }},
      {"Value", Int(static_cast<int16_t>(f.StoredValue)), false,
       [](Target& t) { return Variant::FromDouble(t.state.StoredValue); }},
      // Beyond the published interface; at their first values they are left out, so a
      // control that uses none of them saves the keys above alone.
      {"FlashCells", Variant::FromLong(e.FlashCells), false,
       [](Target& t) { return Variant::FromLong(t.state.Extended.FlashCells); }},
      {"FlashInterval", Variant::FromLong(e.FlashInterval), false,
       [](Target& t) { return Variant::FromLong(t.state.Extended.FlashInterval); }},
      {"UseLimits", Bool(e.UseLimits), false,
       [](Target& t) { return Bool(t.state.Extended.UseLimits); }},
      {"LowLimit", Variant::FromDouble(e.LowLimit), false,
       [](Target& t) { return Variant::FromDouble(t.state.Extended.LowLimit); }},
      {"HighLimit", Variant::FromDouble(e.HighLimit), false,
       [](Target& t) { return Variant::FromDouble(t.state.Extended.HighLimit); }},
      {"LowColor", Color(e.LowColor), false,
       [](Target& t) { return Color(t.state.Extended.LowColor); }},
      {"HighColor", Color(e.HighColor), false,
       [](Target& t) { return Color(t.state.Extended.HighColor); }},
      {"Slant", Variant::FromDouble(e.Slant), false,
       [](Target& t) { return Variant::FromDouble(t.state.Extended.Slant); }},
      {"Text", Variant::FromString(e.Text), false,
       [](Target& t) { return Variant::FromString(t.state.Extended.Text); }},
      {"SegmentStyle", Int(e.SegmentStyle), false,
       [](Target& t) { return Int(t.state.Extended.SegmentStyle); }},
  };
  return keys;
}

// Keys that are read but never written, with their defaults.
const std::vector<SavedKey>& ReadOnlyKeys() {
  static const model::ControlState f = model::FirstValues();
  static const std::vector<SavedKey> keys = {
      // Matches the entry written as "BackColor": the bag ignores letter case.
      {"Backcolor", Color(f.StoredBackColor), false, nullptr},
      // The upper label's alignment starts as its position does.
      {"CaptionUpperAlignment", Short(f.StoredCaptionUpperPosition), false, nullptr},
  };
  return keys;
}

const SavedKey& KeyNamed(std::string_view key) {
  for (const auto* table : {&SavedKeys(), &ReadOnlyKeys()})
    for (const SavedKey& k : *table)
      if (k.key == key) return k;
  throw core::RuntimeError(core::kInvalidCall);  // a load step names an unlisted key
}

Variant DefaultOf(const SavedKey& key, Target& t) {
  if (key.ambientDefault) return Variant::FromObject(t.host.container.AmbientFont());
  return key.defaultValue;
}

// --- Load steps ----------------------------------------------------------------------

struct LoadStep {
  std::string_view key;
  void (*apply)(Target&, const Variant&);
};

// The load order. Some keys are read twice: a caption position goes to the label's
// text alignment and to the member; a font key to the label and to the held font.
constexpr LoadStep kLoadSteps[] = {
    {"Appearance",
     [](Target& t, const Variant& v) {
       t.host.surface.SetAppearance(v.ToInteger());
       t.state.StoredAppearance = t.host.surface.Appearance();
     }},
    {"AutoSize", [](Target& t, const Variant& v) { t.state.StoredAutoSize = v.ToBoolean(); }},
    {"BorderStyle",
     [](Target& t, const Variant& v) {
       t.host.surface.SetBorderStyle(v.ToInteger());
       t.state.StoredBorderStyle = t.host.surface.BorderStyle();
     }},
    {"BackGroundStyle",
     [](Target& t, const Variant& v) { t.state.StoredBackGroundStyle = v.ToLong(); }},
    {"BackGroundG1", [](Target& t, const Variant& v) { t.state.StoredBackGroundG1 = ToColor(v); }},
    {"BackGroundG2", [](Target& t, const Variant& v) { t.state.StoredBackGroundG2 = ToColor(v); }},
    {"CaptionLow",
     [](Target& t, const Variant& v) { t.host.lowerCaption.SetCaption(v.ToString()); }},
    {"CaptionLowPosition",
     [](Target& t, const Variant& v) { t.host.lowerCaption.SetAlignment(v.ToInteger()); }},
    {"CaptionLowForeColor",
     [](Target& t, const Variant& v) { t.host.lowerCaption.SetForeColor(ToColor(v)); }},
    {"CaptionLowPosition",
     [](Target& t, const Variant& v) { t.state.StoredCaptionLowPosition = v.ToLong(); }},
    {"CaptionUpper",
     [](Target& t, const Variant& v) { t.host.upperCaption.SetCaption(v.ToString()); }},
    {"CaptionUpperAlignment",
     [](Target& t, const Variant& v) { t.host.upperCaption.SetAlignment(v.ToInteger()); }},
    {"CaptionUpperForeColor",
     [](Target& t, const Variant& v) { t.host.upperCaption.SetForeColor(ToColor(v)); }},
    {"CaptionUpperPosition",
     [](Target& t, const Variant& v) { t.state.StoredCaptionUpperPosition = v.ToLong(); }},
    {"CaptionLowFont", [](Target& t, const Variant& v) { t.host.lowerCaption.SetFont(ToFont(v)); }},
    {"CaptionLowFont", [](Target& t, const Variant& v) { t.lowFont = ToFont(v); }},
    {"CaptionUpperFont",
     [](Target& t, const Variant& v) { t.host.upperCaption.SetFont(ToFont(v)); }},
    {"CaptionUpperFont", [](Target& t, const Variant& v) { t.upperFont = ToFont(v); }},
    {"Enabled", [](Target& t, const Variant& v) { t.host.surface.SetEnabled(v.ToBoolean()); }},
    {"BackColor", [](Target& t, const Variant& v) { t.state.StoredBackColor = ToColor(v); }},
    {"Backcolor", [](Target& t, const Variant& v) { t.host.surface.SetBackColor(ToColor(v)); }},
    {"OnColor", [](Target& t, const Variant& v) { t.state.StoredOnColor = ToColor(v); }},
    {"OffColor", [](Target& t, const Variant& v) { t.state.StoredOffColor = ToColor(v); }},
    {"Decimals", [](Target& t, const Variant& v) { t.state.StoredDecimals = v.ToInteger(); }},
    {"DecimalPointSize",
     [](Target& t, const Variant& v) { t.state.StoredDecimalPointSize = v.ToInteger(); }},
    {"ShowAllDecimalPoints",
     [](Target& t, const Variant& v) { t.state.StoredShowAllDecimalPoints = v.ToBoolean(); }},
    {"Digits", [](Target& t, const Variant& v) { t.state.StoredDigits = v.ToInteger(); }},
    {"LeadingZeros",
     [](Target& t, const Variant& v) { t.state.StoredLeadingZeros = v.ToBoolean(); }},
    {"LeadingPlusMinus",
     [](Target& t, const Variant& v) { t.state.StoredLeadingPlusMinus = v.ToBoolean(); }},
    {"DigitWidth", [](Target& t, const Variant& v) { t.state.StoredDigitWidth = v.ToInteger(); }},
    {"DigitHeight", [](Target& t, const Variant& v) { t.state.StoredDigitHeight = v.ToInteger(); }},
    {"DigitLeftMargin",
     [](Target& t, const Variant& v) { t.state.StoredDigitLeftMargin = v.ToInteger(); }},
    {"DigitUpperMargin",
     [](Target& t, const Variant& v) { t.state.StoredDigitUpperMargin = v.ToInteger(); }},
    {"DigitSpacing",
     [](Target& t, const Variant& v) { t.state.StoredDigitSpacing = v.ToInteger(); }},
    {"PictureBackground",
     [](Target& t, const Variant& v) { t.host.surface.SetPicture(ToPicture(v)); }},
    {"MouseIcon", [](Target& t, const Variant& v) { t.control.SetMouseIcon(ToPicture(v)); }},
    {"MousePointer",
     [](Target& t, const Variant& v) { t.host.surface.SetMousePointer(v.ToInteger()); }},
    {"SegmentWidth",
     [](Target& t, const Variant& v) { t.state.StoredSegmentWidth = v.ToInteger(); }},
    {"SegmentSeperation",
     [](Target& t, const Variant& v) { t.state.StoredSegmentSeperation = v.ToInteger(); }},
    {"Transparent", [](Target& t, const Variant& v) { t.state.StoredTransparent = v.ToBoolean(); }},
    {"UseOverRange",
     [](Target& t, const Variant& v) { t.state.StoredUseOverRange = v.ToBoolean(); }},
    {"Value", [](Target& t, const Variant& v) { t.state.StoredValue = ToValueDouble(v); }},
    // Beyond the published interface, checked as their setters check them: the limits
    // once both are read (LowLimit first), so a file with LowLimit above HighLimit stops
    // at HighLimit.
    {"FlashCells", [](Target& t, const Variant& v) { t.state.Extended.FlashCells = v.ToLong(); }},
    {"FlashInterval",
     [](Target& t, const Variant& v) {
       const int32_t ms = v.ToLong();
       t.state.Extended.FlashInterval = Accepted(ms, model::IsFlashInterval(ms));
     }},
    {"UseLimits", [](Target& t, const Variant& v) { t.state.Extended.UseLimits = v.ToBoolean(); }},
    {"LowLimit", [](Target& t, const Variant& v) { t.state.Extended.LowLimit = v.ToDouble(); }},
    {"HighLimit",
     [](Target& t, const Variant& v) {
       const double high = v.ToDouble();
       t.state.Extended.HighLimit =
           Accepted(high, model::AreLimits(t.state.Extended.LowLimit, high));
     }},
    {"LowColor", [](Target& t, const Variant& v) { t.state.Extended.LowColor = ToColor(v); }},
    {"HighColor", [](Target& t, const Variant& v) { t.state.Extended.HighColor = ToColor(v); }},
    {"Slant",
     [](Target& t, const Variant& v) {
       const double degrees = v.ToDouble();
       t.state.Extended.Slant = Accepted(degrees, model::IsSlant(degrees));
     }},
    {"Text", [](Target& t, const Variant& v) { t.state.Extended.Text = v.ToString(); }},
    {"SegmentStyle",
     [](Target& t, const Variant& v) {
       const int16_t style = v.ToInteger();
       t.state.Extended.SegmentStyle = Accepted(style, model::IsSegmentStyle(style));
     }},
};

}  // namespace

// --- Handlers ------------------------------------------------------------------------

void LEDDisplay::InitProperties() {
  // Every stored member takes its first value at once; the render pass's working
  // members stay as they are. Then the host's objects take theirs, in order.
  const model::ControlState first = model::FirstValues();
  model::ControlState next = first;
  next.GradientBounds = state_.GradientBounds;
  next.SizingInProgress = state_.SizingInProgress;
  next.LastChangeValue = state_.LastChangeValue;
  state_ = next;

  host::Surface& surface = host_.surface;
  surface.SetAppearance(static_cast<int16_t>(first.StoredAppearance));
  surface.SetBorderStyle(static_cast<int16_t>(first.StoredBorderStyle));
  surface.SetBackColor(first.StoredBackColor);

  host_.lowerCaption.SetCaption(std::string(model::kFirstCaption));
  host_.lowerCaption.SetAlignment(static_cast<int16_t>(first.StoredCaptionLowPosition));
  host_.lowerCaption.SetForeColor(model::kFirstCaptionForeColor);
  host_.upperCaption.SetCaption(std::string(model::kFirstCaption));
  host_.upperCaption.SetAlignment(static_cast<int16_t>(first.StoredCaptionUpperPosition));
  host_.upperCaption.SetForeColor(model::kFirstCaptionForeColor);

  // Four separate requests: the labels and the held fonts each get their own object.
  host_.lowerCaption.SetFont(host_.container.AmbientFont());
  host_.upperCaption.SetFont(host_.container.AmbientFont());
  lowerCaptionFont_ = host_.container.AmbientFont();
  upperCaptionFont_ = host_.container.AmbientFont();

  surface.SetPicture(nullptr);
}

void LEDDisplay::ReadProperties(host::PropertyBag& bag) {
  Target target{*this, state_, host_, lowerCaptionFont_, upperCaptionFont_};
  for (const LoadStep& step : kLoadSteps) {
    const SavedKey& key = KeyNamed(step.key);
    const std::string name(step.key);
    step.apply(target, bag.ReadProperty(name, DefaultOf(key, target)));
  }
}

void LEDDisplay::WriteProperties(host::PropertyBag& bag) {
  Target target{*this, state_, host_, lowerCaptionFont_, upperCaptionFont_};
  for (const SavedKey& key : SavedKeys()) {
    const Variant value = key.save(target);
    bag.WriteProperty(std::string(key.key), value, DefaultOf(key, target));
  }
}

void LEDDisplay::Terminate() {
  host_.surface.SetPicture(nullptr);
  lowerCaptionFont_ = nullptr;
  upperCaptionFont_ = nullptr;
}

}  // namespace led::control
