// A sequence of late-bound gets, puts and calls and of the container's notifications,
// all taken from the input, against one placed control whose events may have their
// arguments changed by the host; then its saved set, loaded into a fresh control and
// saved again, must come out the same.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "leddisplay/control/Dispatch.h"
#include "leddisplay/control/PropertyTable.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/raster/StdFont.h"

using namespace led;
using core::Variant;

namespace {

// Bounds that keep one input quick: the number of steps, the text of a caption, the
// size of a font and of the control's extent.
constexpr int kMaxSteps = 64;
constexpr size_t kMaxText = 48;
constexpr double kMaxPoints = 72;
constexpr float kMaxExtentTwips = 240 * 15;

double AnyDouble(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0:
      return std::numeric_limits<double>::quiet_NaN();
    case 1:
      return in.ConsumeBool() ? HUGE_VAL : -HUGE_VAL;
    case 2:
      return in.ConsumeIntegralInRange<int32_t>(-70000, 70000) / 4.0;
    default:
      return in.ConsumeFloatingPoint<double>();
  }
}

host::FontPtr AnyFont(FuzzedDataProvider& in) {
  static const char* const kFamilies[] = {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono",
                                          "No Such Family"};
  const std::string name = in.ConsumeBool() ? kFamilies[in.ConsumeIntegralInRange(0, 3)]
                                            : in.ConsumeRandomLengthString(16);
  const double points = in.ConsumeIntegralInRange(1, int(kMaxPoints * 4)) / 4.0;
  host::FontPtr font;
  try {
    font = platform::StdFont::Create(name.empty() ? "DejaVu Sans" : name, points);
  } catch (const core::RuntimeError& e) {
    fuzz::ExpectClearError(e, {380});
    font = platform::StdFont::Create("DejaVu Sans", points);
  }
  font->SetBold(in.ConsumeBool() ? core::kTrue : core::kFalse);
  font->SetItalic(in.ConsumeBool() ? core::kTrue : core::kFalse);
  font->SetUnderline(in.ConsumeBool() ? core::kTrue : core::kFalse);
  font->SetStrikethrough(in.ConsumeBool() ? core::kTrue : core::kFalse);
  return font;
}

host::PicturePtr AnyPicture(FuzzedDataProvider& in) {
  const int32_t width = in.ConsumeIntegralInRange(0, 12);
  const int32_t height = in.ConsumeIntegralInRange(0, 12);
  platform::Image image(width, height);
  for (auto& pixel : image.pixels) pixel = in.ConsumeIntegral<uint32_t>();
  return platform::BitmapPicture::FromImage(std::move(image));
}

Variant AnyValue(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 10)) {
    case 0:
      return Variant();
    case 1:
      return Variant::FromInteger(in.ConsumeIntegral<int16_t>());
    case 2:
      return Variant::FromLong(in.ConsumeIntegral<int32_t>());
    case 3:
      return Variant::FromSingle(in.ConsumeFloatingPoint<float>());
    case 4:
      return Variant::FromDouble(AnyDouble(in));
    case 5:
      return Variant::FromBoolean(in.ConsumeIntegral<int16_t>());
    case 6:
      return Variant::FromString(in.ConsumeRandomLengthString(kMaxText));
    case 7:
      return Variant::FromObject(nullptr);
    case 8:
      return Variant::FromObject(AnyFont(in));
    case 9:
      return Variant::FromObject(AnyPicture(in));
    default:
      return Variant::FromInteger(in.ConsumeIntegralInRange<int16_t>(-4, 40));
  }
}

float AnyCoordinate(FuzzedDataProvider& in) {
  if (in.ConsumeIntegralInRange(0, 15) == 0) return std::numeric_limits<float>::quiet_NaN();
  return in.ConsumeFloatingPointInRange<float>(-3000, 3000);
}

void Step(FuzzedDataProvider& in, apps::HostedControl& hosted) {
  control::LEDDisplay& display = hosted.Control();
  const auto properties = control::PropertyTable();
  const auto extensions = control::ExtensionPropertyTable();
  const auto member = [&] {
    // Mostly a member of the tables (both interfaces); sometimes a name to look up, which
    // may be unknown.
    if (in.ConsumeIntegralInRange(0, 7) == 0)
      return control::GetIDOfName(in.ConsumeRandomLengthString(24));
    const size_t count = properties.size() + extensions.size();
    const size_t index = in.ConsumeIntegralInRange<size_t>(0, count);
    if (index < properties.size()) return properties[index].dispid;
    if (index < count) return extensions[index - properties.size()].dispid;
    return control::MethodTable()[0].dispid;
  };
  switch (in.ConsumeIntegralInRange(0, 12)) {
    case 0:
    case 1:
      control::Invoke(display, member(), control::InvokeKind::PropertyGet, {});
      break;
    case 2:
    case 3:
    case 4: {
      const int32_t dispid = member();
      const Variant value = AnyValue(in);
      const auto kind =
          in.ConsumeBool() ? control::InvokeKind::PropertyPut : control::InvokeKind::PropertyPutRef;
      control::Invoke(display, dispid, kind, std::span(&value, 1));
      break;
    }
    case 5: {
      const int32_t dispid = member();
      std::vector<Variant> args(in.ConsumeIntegralInRange(0, 2));
      for (auto& arg : args) arg = AnyValue(in);
      const auto kind = static_cast<control::InvokeKind>(in.ConsumeIntegralInRange(0, 3));
      control::Invoke(display, dispid, kind, args);
      break;
    }
    case 6: {
      platform::RasterSurface& surface = hosted.Form().Surface();
      surface.SetWidth(in.ConsumeFloatingPointInRange<float>(-15, kMaxExtentTwips));
      surface.SetHeight(in.ConsumeFloatingPointInRange<float>(-15, kMaxExtentTwips));
      break;
    }
    case 7:
      in.ConsumeBool() ? display.Show() : display.Paint();
      break;
    case 8:
      in.ConsumeBool() ? display.Click() : display.DblClick();
      break;
    case 9: {
      int16_t keyCode = in.ConsumeIntegral<int16_t>(), shift = in.ConsumeIntegral<int16_t>();
      in.ConsumeBool() ? display.KeyDown(keyCode, shift) : display.KeyUp(keyCode, shift);
      break;
    }
    case 10: {
      int16_t keyAscii = in.ConsumeIntegral<int16_t>();
      display.KeyPress(keyAscii);
      break;
    }
    default: {
      int16_t button = in.ConsumeIntegral<int16_t>(), shift = in.ConsumeIntegral<int16_t>();
      float x = AnyCoordinate(in), y = AnyCoordinate(in);
      switch (in.ConsumeIntegralInRange(0, 2)) {
        case 0:
          display.MouseDown(button, shift, x, y);
          break;
        case 1:
          display.MouseMove(button, shift, x, y);
          break;
        default:
          display.MouseUp(button, shift, x, y);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  fuzz::FuzzedControl first;
  // The host program's event handler sometimes changes an argument, as a key filter does.
  first.OnEvent([&in](int32_t, const std::string&, std::span<host::EventArg> args) {
    if (!args.empty() && in.ConsumeIntegralInRange(0, 3) == 0)
      args[in.ConsumeIntegralInRange<size_t>(0, args.size() - 1)].value = AnyValue(in);
  });
  first.Control().InitProperties();
  for (int step = 0; step < kMaxSteps && in.remaining_bytes() > 0; ++step) {
    try {
      Step(in, first);
    } catch (const core::RuntimeError& e) {
      fuzz::ExpectClearError(e, {5, 6, 13, 91, 380, 438, 450});
    }
  }
  fuzz::ExpectSavedSetSurvives(first);
  return 0;
}
