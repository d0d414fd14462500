#pragma once
// A caption label drawn with Qt's own text: its font object is shown as a QFont and
// measured with QFontMetrics on the widget, so the label is as wide as its text and as
// high as a line of it (whole pixels, rounded up). Every change repaints the widget.
#include <QPainter>
#include <QWidget>
#include <string>

#include "leddisplay/host/Surface.h"
#include "leddisplay/platform/PlacedLabel.h"

namespace led::qt {

class WidgetLabel : public platform::PlacedLabel {
 public:
  WidgetLabel(QWidget& widget, host::Surface& surface, std::string caption);

  int32_t PixelWidth() override { return PixelSize().width(); }
  int32_t PixelHeight() override { return PixelSize().height(); }

  // The text's box in the widget's pixels, offset by the origin (the inner area's corner).
  QRect PixelRect(int originX, int originY);
  // Draws the text in ForeColor (system colours resolved) at its place.
  void Draw(QPainter& painter, int originX, int originY);

 private:
  QSize PixelSize();
  void Changed() override { widget_.update(); }

  QWidget& widget_;
};

}  // namespace led::qt
