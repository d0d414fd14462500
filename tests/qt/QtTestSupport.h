#pragma once
// Shared pieces of the Qt front ends' tests (the widget's, the item's): property sets
// written as text, a dozen of them applied to the raster form's control (published names,
// table setters) or to a front end (its Qt properties), and pixel comparison with a mask.
#include <gtest/gtest.h>

#include <QImage>
#include <QObject>
#include <QPalette>
#include <QRect>
#include <QVariant>
#include <string>
#include <utility>
#include <vector>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/core/Variant.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/kit/Placement.h"
#include "leddisplay/platform/raster/Image.h"

namespace led::test {

// Property sets in order: published name, value.
using PropertySets = std::vector<std::pair<std::string, core::Variant>>;

// "Name=value; Name=value" as sets, each value written as `leddisplay render --set`
// reads it: `&H00FFFF`, `True`, `"text"`, `font "DejaVu Sans" 9`.
PropertySets Sets(const std::string& text);

struct Configuration {
  std::string title;
  PropertySets sets;
  bool overPicture = false;
  bool captions = false;
};

// Every set but the first starts with AutoSize True. Caption fonts are DejaVu Sans in
// sizes whose line height FreeType and Qt measure alike, so both hosts size the same.
const std::vector<Configuration>& Configurations();

// A configuration's title as a test name: its letters and digits.
std::string ConfigurationName(const ::testing::TestParamInfo<size_t>& info);

// A palette whose roles hold the classic system colours, so that a widget given it
// draws as the raster form (which keeps the classic table) does.
QPalette ClassicPalette();

// Runs the event loop for `ms` milliseconds (timers fire, events are delivered).
void RunEvents(int ms);

// A container picture of diagonal colour bands.
QImage BandPicture(int width, int height);

// The control on a raster form, placed like a new widget: 177 x 63 pixels, first
// values, then the sets, then Show. At a zoom the form is a screen of that many pixels
// to the widget's: the extent, the control's zoom and the captions' resolution grow
// with it (twips per pixel 15 / zoom).
class FormControl {
 public:
  explicit FormControl(const Configuration& configuration, double zoom = 1);
  QImage Snapshot() const;
  platform::Form& Form() { return form_; }
  control::LEDDisplay& Control() { return control_; }

 private:
  platform::Form form_;
  control::LEDDisplay control_;
};

// The form's control placed as a Qt host places it in a view of `size` host pixels at
// `ratio` by `sizing` (platform/kit/Placement.h: zoom, extent, captions' scale), then
// shown. Gives the box and its corner, centred in the host's device pixels.
struct FittedBox {
  QSize box;
  QPoint origin;
};
FittedBox PlaceAsAQtHost(FormControl& form, QSize size, double ratio, platform::kit::Sizing sizing);
// Fitting: autoSize off, then placed as above (the zoom asserted above `ratio`).
FittedBox FitAsAQtHost(FormControl& form, QSize size, int ratio);

// The sets as a Qt host's (the widget's, the item's) properties: the Qt name and value,
// or for a system colour, which has no QColor, the ColorProperty and raw value for
// setOleColor. A name the host's meta-object lacks is a test failure.
struct QtSet {
  std::string name;
  QVariant value;
  int colorProperty = -1;
  quint32 oleColor = 0;
};
std::vector<QtSet> QtSets(const QMetaObject& meta, const PropertySets& sets);

// Applies the sets through a Qt host's properties.
template <class Host>
void Apply(Host& host, const PropertySets& sets) {
  for (const QtSet& set : QtSets(*host.metaObject(), sets)) {
    if (set.colorProperty >= 0)
      host.setOleColor(typename Host::ColorProperty(set.colorProperty), set.oleColor);
    else
      host.setProperty(set.name.c_str(), set.value);
  }
}

// The platform image as an opaque QImage, built pixel by pixel here rather than by the
// widget's own code so that a comparison with the widget's pixels checks that code.
QImage QImageOf(const platform::Image& image);
// The key of an enumeration property's current value ("Gradient_V").
std::string EnumKey(const QObject& object, const char* property);

// The form's caption boxes in its pixels, widened by a pixel for anti-aliased edges (a
// scaled caption's by three across).
std::vector<QRect> FormCaptionBoxes(platform::Form& form);

// The caption boxes of both hosts in device pixels of the form (the Qt host's times
// `ratio`, less the display box's corner `origin`), widened by a pixel for anti-aliased
// edges.
template <class Host>
std::vector<QRect> CaptionMask(Host& host, platform::Form& form, double ratio,
                               QPoint origin = QPoint()) {
  std::vector<QRect> mask = FormCaptionBoxes(form);
  for (const QRect& r : {host.captionLowRect(), host.captionUpperRect()})
    if (!r.isEmpty())
      mask.push_back(QRect(r.topLeft() * ratio - origin, r.size() * ratio).adjusted(-1, -1, 1, 1));
  return mask;
}

// Pixels that differ outside the mask rectangles (in `a`'s pixels); sizes must agree.
// Describes the first few differences in `report`.
int Differences(const QImage& a, const QImage& b, const std::vector<QRect>& mask,
                std::string& report);

// Switches the platform's accessibility on or off, as an assistive tool that starts or
// stops listening does; false when this build cannot (without Qt's platform headers).
bool ListenLikeAnAssistiveTool(bool on);

}  // namespace led::test
