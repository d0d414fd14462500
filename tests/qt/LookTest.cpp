// The widget's look in its palette: system colours, border and 3D edge from the
// palette's roles, redrawn on a palette change; the disabled look; the focus frame.
#include <gtest/gtest.h>

#include <QApplication>

#include "QtTestSupport.h"
#include "leddisplay/qt/PaletteColors.h"
#include "leddisplay/widgets/LEDDisplayWidget.h"

namespace led::qt {
namespace {

// A dark palette whose roles all differ, so that each pixel names the role it came from.
QPalette DarkPalette() {
  QPalette palette(QColor(53, 53, 53), QColor(45, 45, 45));
  palette.setColor(QPalette::Dark, QColor(20, 20, 24));
  palette.setColor(QPalette::Light, QColor(90, 90, 96));
  palette.setColor(QPalette::Shadow, QColor(5, 5, 6));
  palette.setColor(QPalette::Midlight, QColor(70, 70, 75));
  palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(255, 0, 255));
  return palette;
}

TEST(Palette, TheClassicRolesGiveTheClassicTableAtEveryIndex) {
  platform::ResetSystemColors();
  EXPECT_EQ(SystemColorsOf(test::ClassicPalette()), platform::CurrentSystemColors());
}

TEST(Palette, SystemColoursGradientsAndTheEdgeTakeTheNewPaletteAtOnce) {
  LEDDisplayWidget widget;                                                   // 3D edge, 2 pixels
  ASSERT_TRUE(widget.setOleColor(LEDDisplayWidget::BackColor, 0x8000000F));  // button face
  widget.grab();
  widget.setPalette(DarkPalette());
  EXPECT_EQ(widget.backColor(), QColor(53, 53, 53));
  QImage image = widget.grab().toImage();
  const int w = image.width(), h = image.height();
  EXPECT_EQ(image.pixelColor(0, 0), QColor(20, 20, 24));          // Dark
  EXPECT_EQ(image.pixelColor(w - 1, h - 1), QColor(90, 90, 96));  // Light
  EXPECT_EQ(image.pixelColor(1, 1), QColor(5, 5, 6));             // Shadow
  EXPECT_EQ(image.pixelColor(w - 2, h - 2), QColor(70, 70, 75));  // Midlight
  EXPECT_EQ(image.pixelColor(2, 2), QColor(53, 53, 53));          // redrawn in Button

  // A gradient reads its system colours through the same palette.
  widget.setBackGroundStyle(LEDDisplayWidget::Gradient_V);
  ASSERT_TRUE(widget.setOleColor(LEDDisplayWidget::BackGroundG1, 0x80000010));  // shadow
  ASSERT_TRUE(widget.setOleColor(LEDDisplayWidget::BackGroundG2, 0x80000014));  // highlight
  image = widget.grab().toImage();
  EXPECT_EQ(image.pixelColor(2, 2), QColor(90, 90, 96));
  EXPECT_EQ(image.pixelColor(2, h - 3), QColor(20, 20, 24));
}

TEST(Look, DisabledDimsLitSegmentsTowardTheUnlitColourAndGreysTheCaptions) {
  QWidget parent;
  auto* widget = new LEDDisplayWidget(&parent);
  widget->setAutoSize(true);
  widget->setPalette(DarkPalette());
  widget->setOnColor(QColor(250, 100, 0));
  widget->setOffColor(QColor(50, 20, 10));
  widget->setBackColor(QColor(0, 0, 90));
  widget->setValue(-18.5);
  QFont big("DejaVu Sans");
  big.setPointSize(20);
  big.setBold(true);
  widget->setCaptionUpperFont(big);
  widget->setCaptionUpperForeColor(QColor(0, 255, 0));
  widget->setCaptionUpper("HIH");
  const QImage enabled = widget->grab().toImage();
  const QRect caption = widget->captionUpperRect();

  parent.setEnabled(false);  // a disabled parent disables the display too
  const QImage disabled = widget->grab().toImage();
  ASSERT_EQ(disabled.size(), enabled.size());
  int lit = 0, unlit = 0, captionGreen = 0, captionGrey = 0;
  for (int y = 0; y < enabled.height(); ++y)
    for (int x = 0; x < enabled.width(); ++x) {
      const QColor before = enabled.pixelColor(x, y), after = disabled.pixelColor(x, y);
      if (caption.contains(x, y)) {
        captionGreen += after == QColor(0, 255, 0);
        captionGrey += after == QColor(255, 0, 255);
      } else if (before == QColor(250, 100, 0)) {
        ++lit;
        EXPECT_EQ(after, QColor(150, 60, 5)) << x << "," << y;
      } else {
        unlit += before == QColor(50, 20, 10);
        EXPECT_EQ(after, before) << x << "," << y;
      }
    }
  EXPECT_GT(lit, 100);
  EXPECT_GT(unlit, 100);
  EXPECT_EQ(captionGreen, 0);
  EXPECT_GT(captionGrey, 10);

  parent.setEnabled(true);
  std::string report;
  EXPECT_EQ(test::Differences(widget->grab().toImage(), enabled, {}, report), 0) << report;
}

TEST(Look, NoFocusUnlessGivenAPolicyThenAHighlightFrameWhileFocused) {
  QWidget window;
  auto* widget = new LEDDisplayWidget(&window);
  widget->setPalette(DarkPalette());
  EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
  widget->setFocusPolicy(Qt::StrongFocus);
  window.show();
  window.activateWindow();
  widget->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(widget->hasFocus());
  QImage image = widget->grab().toImage();
  const int w = image.width(), h = image.height();
  for (const QPoint& p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
    EXPECT_EQ(image.pixelColor(p), QColor(42, 130, 218)) << p.x() << "," << p.y();
  EXPECT_EQ(image.pixelColor(1, 1), QColor(5, 5, 6));  // the inner ring stays

  widget->clearFocus();
  image = widget->grab().toImage();
  EXPECT_EQ(image.pixelColor(0, 0), QColor(20, 20, 24));
}

}  // namespace
}  // namespace led::qt
