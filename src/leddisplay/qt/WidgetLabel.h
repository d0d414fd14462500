#pragma once
// A caption label drawn with Qt's own text: its font object is shown as a QFont and
// measured with QFontMetrics on the widget, so the label is as wide as its text and as
// high as a line of it (whole pixels, rounded up). Sizes and places are in the surface's current
// scale; Alignment outside 0..2 is refused with 380, no font with 91.
#include <QPainter>
#include <QWidget>
#include <string>

#include "leddisplay/host/Label.h"
#include "leddisplay/host/Surface.h"

namespace led::qt {

class WidgetLabel : public host::Label {
 public:
  WidgetLabel(QWidget& widget, host::Surface& surface, std::string caption);

  std::string Caption() override { return caption_; }
  void SetCaption(const std::string& caption) override;
  core::OleColor ForeColor() override { return foreColor_; }
  void SetForeColor(core::OleColor color) override;
  int16_t Alignment() override { return alignment_; }
  void SetAlignment(int16_t alignment) override;
  host::FontPtr Font() override { return font_; }
  void SetFont(host::FontPtr font) override;
  float Width() override;
  float Height() override;
  float Left() override;
  void SetLeft(float left) override;
  float Top() override;
  void SetTop(float top) override;

  // The text's box in the widget's pixels, offset by the origin (the inner area's corner).
  QRect PixelRect(int originX, int originY);
  // Draws the text in ForeColor (system colours resolved) at its place.
  void Draw(QPainter& painter, int originX, int originY);

 private:
  QSize PixelSize();

  QWidget& widget_;
  host::Surface& surface_;
  std::string caption_;
  core::OleColor foreColor_ = 0;
  int16_t alignment_ = 0;
  host::FontPtr font_;
  float leftPx_ = 0;
  float topPx_ = 0;
};

}  // namespace led::qt
