// The widget as assistive tools and layouts see it: name and value, value-change
// events, automatic and layout-driven sizing, and what the parent shows behind a
// transparent display.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <cmath>
#include <vector>

#include "QtTestSupport.h"
#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/widgets/LEDDisplayWidget.h"

namespace led::qt {
namespace {

using test::Apply;
using test::ListenLikeAnAssistiveTool;
using test::Sets;

std::vector<QString> valueEvents;

void RecordUpdate(QAccessibleEvent* event) {
  if (event->type() == QAccessible::ValueChanged)
    valueEvents.push_back(static_cast<QAccessibleValueChangeEvent*>(event)->value().toString());
}

TEST(Accessible, CaptionsNameTheDisplayAndTheShownTextIsItsValue) {
  LEDDisplayWidget widget;
  Apply(widget, Sets("CaptionUpper=\"Supply\"; CaptionLow=\"volts\"; "
                     "Decimals=1; LeadingZeros=False; Value=-12.5"));
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&widget);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->role(), QAccessible::StaticText);
  EXPECT_EQ(face->text(QAccessible::Name), "Supply volts");
  EXPECT_EQ(face->text(QAccessible::Value), "-12.5");
  widget.setValue(0.5);
  EXPECT_EQ(face->text(QAccessible::Value), "+.5");  // the blank zero is not read out
  widget.setUseOverRange(true);
  widget.setValue(4321);
  EXPECT_EQ(face->text(QAccessible::Value), "over range");
  widget.setAccessibleName("Bus voltage");
  EXPECT_EQ(face->text(QAccessible::Name), "Bus voltage");
}

TEST(Accessible, EachChangeOfValueIsAnnouncedWhileAToolListens) {
  LEDDisplayWidget widget;
  widget.setDecimals(2);
  const auto previous = QAccessible::installUpdateHandler(&RecordUpdate);
  valueEvents.clear();
  widget.setValue(7);  // nobody listens: nothing is worked out or sent
  if (!ListenLikeAnAssistiveTool(true)) {
    QAccessible::installUpdateHandler(previous);
    GTEST_SKIP() << "built without Qt's platform headers to switch accessibility on";
  }
  widget.setValue(3.25);
  widget.setValue(3.25);
  widget.setValue(-1);
  widget.setUseOverRange(true);
  widget.setValue(12345);
  ListenLikeAnAssistiveTool(false);
  QAccessible::installUpdateHandler(previous);
  EXPECT_EQ(valueEvents, (std::vector<QString>{"+03.25", "-01.00", "over range"}));
}

// With AutoSize the widget asks for what it shows; given more anyway, the display keeps
// its size, centred, the window's brush around it.
TEST(Sizing, AutoSizeFixesTheSizeToWhatIsShown) {
  LEDDisplayWidget widget;
  widget.setDigits(6);
  widget.setAutoSize(true);
  EXPECT_EQ(widget.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
  EXPECT_EQ(widget.size(), widget.sizeHint());
  const int sixDigits = widget.width();
  widget.setDigits(3);
  EXPECT_LT(widget.width(), sixDigits);
  EXPECT_EQ(widget.grab().size(), widget.size());
  const QImage alone = widget.grab().toImage();
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, QColor(1, 2, 3));
  widget.setPalette(palette);
  widget.resize(widget.size() + QSize(40, 20));
  const QImage given = widget.grab().toImage();
  EXPECT_EQ(given.copy(QRect(QPoint(20, 10), alone.size())), alone);
  EXPECT_EQ(given.pixelColor(0, 0), QColor(1, 2, 3));
  EXPECT_EQ(given.pixelColor(given.width() - 1, given.height() - 1), QColor(1, 2, 3));

  widget.setAutoSize(false);
  EXPECT_EQ(widget.sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
  widget.resize(300, 120);
  EXPECT_EQ(widget.size(), QSize(300, 120));
}

// An auto-sized widget is as many widget pixels at every device ratio as the raster
// form is pixels at ratio 1 (captions, hinted anew at each resolution, within a pixel),
// and the display fills it but for the pixels a fractional ratio's rounding leaves,
// which show the window's colour, not a row of the back colour. Run at ratios 1, 1.25,
// 1.5, 2 and 3 (tests/qt/CMakeLists.txt).
TEST(Sizing, AutoSizedItHasOneSizeAtEveryRatioHiDpi) {
  for (const test::Configuration& configuration : test::Configurations()) {
    if (configuration.sets.empty() || configuration.sets[0].first != "AutoSize") continue;
    SCOPED_TRACE(configuration.title);
    LEDDisplayWidget widget;
    QPalette palette = test::ClassicPalette();
    palette.setColor(QPalette::Window, QColor(0x33, 0x66, 0x99));
    widget.setPalette(palette);
    Apply(widget, configuration.sets);
    test::FormControl form(configuration);
    const platform::RasterSurface& surface = form.Form().Surface();
    const int slack = configuration.captions ? 1 : 0;
    EXPECT_LE(std::abs(widget.width() - surface.ExtentPixelsX()), slack);
    EXPECT_LE(std::abs(widget.height() - surface.ExtentPixelsY()), slack);
    const QImage grabbed = widget.grab().toImage();
    QRect drawn;
    for (int y = 0; y < grabbed.height(); ++y)
      for (int x = 0; x < grabbed.width(); ++x)
        if (grabbed.pixelColor(x, y) != QColor(0x33, 0x66, 0x99)) drawn |= QRect(x, y, 1, 1);
    const double ratio = widget.devicePixelRatioF();
    const int short_ = ratio == std::round(ratio) && !configuration.captions ? 0 : 3;
    EXPECT_TRUE(
        drawn.adjusted(-short_, -short_, short_, short_).contains(QRect(QPoint(), grabbed.size())))
        << drawn.width() << " x " << drawn.height() << " in " << grabbed.width() << " x "
        << grabbed.height();
  }
}

// Without AutoSize the hint is the extent AutoSize would give, also while the digits
// are zoomed to fit a larger widget: another widget with the same settings and AutoSize
// on takes exactly that size, as the fitted one does when AutoSize is turned on.
TEST(Sizing, WithoutAutoSizeTheHintIsWhatAutoSizeWouldGive) {
  for (const bool fit : {false, true}) {
    for (const char* sets : {"", "Digits=10", "Digits=3; LeadingPlusMinus=True; BorderStyle=0",
                             "CaptionUpper=\"Supply\"; CaptionLow=\"volts\"; Appearance=0",
                             "DigitHeight=80; DigitWidth=40; DigitSpacing=9"}) {
      SCOPED_TRACE(::testing::Message() << sets << (fit ? ", fitting" : ""));
      LEDDisplayWidget off, on;
      Apply(off, Sets(sets));
      Apply(on, Sets(sets));
      on.setAutoSize(true);
      off.setFitToSize(fit);
      const QSize given = fit ? QSize(900, 400) : QSize(40, 20);
      off.resize(given);  // the hint does not follow the size a layout gave
      EXPECT_EQ(off.sizeHint(), on.size());
      EXPECT_EQ(off.size(), given);
      off.setAutoSize(true);
      EXPECT_EQ(off.size(), on.size());
    }
  }
}

// A new widget alone in the window's layout, which has no margins.
LEDDisplayWidget* InLayout(QBoxLayout* layout) {
  layout->setContentsMargins(0, 0, 0, 0);
  auto* widget = new LEDDisplayWidget;
  layout->addWidget(widget);
  return widget;
}

TEST(Sizing, ALayoutHearsWhenTheHintChanges) {
  QWidget window;
  auto* layout = new QHBoxLayout(&window);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // the window follows the hints
  LEDDisplayWidget* widget = InLayout(layout);
  window.show();
  QApplication::processEvents();
  const int fourDigits = window.width();
  widget->setDigits(12);
  QApplication::processEvents();
  EXPECT_GT(window.width(), fourDigits);
  EXPECT_EQ(widget->size(), widget->sizeHint());
}

// Captions are measured once, then again whenever their text or the font's values
// change, also through the font object the control holds.
TEST(Sizing, ACaptionIsMeasuredAgainWhenItsFontChangesInPlace) {
  LEDDisplayWidget widget;
  widget.setCaptionUpper("Supply");
  control::LEDDisplay& control = widget.control();
  control.SetCaptionUpperFont(control.CaptionUpperFont());  // the label now shares it
  const QRect small = widget.captionUpperRect();
  control.CaptionUpperFont()->SetSize(240000);  // 24 pt
  widget.refresh();
  const QRect large = widget.captionUpperRect();
  EXPECT_GT(large.height(), 2 * small.height());
  EXPECT_GT(large.width(), 2 * small.width());
  widget.setCaptionUpper("S");
  EXPECT_LT(widget.captionUpperRect().width(), large.width() / 3);
}

// Run with the two-screen offscreen configuration (tests/qt/two-screens.json) and Qt's
// own scaling off: a window taken to the screen of twice the logical resolution gets
// captions twice as large in pixels, and AutoSize makes room for them.
TEST(TwoScreens, CaptionsAreMeasuredAgainOnAScreenOfAnotherResolution) {
  QScreen *ordinary = nullptr, *dense = nullptr;
  for (QScreen* screen : QGuiApplication::screens())
    (screen->logicalDotsPerInchY() > 100 ? dense : ordinary) = screen;
  if (ordinary == nullptr || dense == nullptr)
    GTEST_SKIP() << "needs the two-screen offscreen configuration";
  LEDDisplayWidget widget;
  widget.setAutoSize(true);
  widget.setCaptionUpper("Supply");
  widget.show();
  widget.windowHandle()->setScreen(ordinary);
  QApplication::processEvents();
  const QRect before = widget.captionUpperRect();
  const int heightBefore = widget.height();
  widget.windowHandle()->setScreen(dense);
  QApplication::processEvents();
  const QRect after = widget.captionUpperRect();
  EXPECT_NEAR(after.height(), 2 * before.height(), 2);
  EXPECT_NEAR(after.width(), 2 * before.width(), 3);
  EXPECT_EQ(widget.height(), heightBefore + after.height() - before.height());
}

TEST(Sizing, ALayoutSizesTheControl) {
  QWidget window;
  LEDDisplayWidget* widget = InLayout(new QVBoxLayout(&window));
  window.resize(320, 140);
  window.show();
  QApplication::processEvents();
  EXPECT_EQ(widget->size(), QSize(320, 140));
  const QImage image = widget->grab().toImage();
  ASSERT_EQ(image.size(), QSize(320, 140));
  EXPECT_EQ(image.pixelColor(310, 130), QColor(0, 0, 0));  // back colour out to the edge
}

// The parent's new palette reaches the widget, which redraws without being asked.
TEST(Sizing, ATransparentDisplayShowsTheParentsPictureElseItsWindowColour) {
  QWidget parent;
  parent.resize(300, 200);
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, QColor(30, 60, 90));
  parent.setPalette(palette);
  QImage texture(300, 200, QImage::Format_RGB32);
  texture.fill(QColor(200, 100, 50));
  auto* widget = new LEDDisplayWidget(&parent);
  widget->move(200, 150);  // reaching beyond the parent's lower right corner
  widget->setTransparent(true);
  const QImage behind = widget->grab().toImage();
  EXPECT_EQ(behind.pixelColor(170, 60), QColor(30, 60, 90));  // beyond the parent too
  EXPECT_EQ(behind.pixelColor(3, 3), QColor(30, 60, 90));
  widget->move(20, 10);
  palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(texture)));
  parent.setPalette(palette);
  EXPECT_EQ(widget->grab().toImage().pixelColor(170, 60), QColor(200, 100, 50));
}

}  // namespace
}  // namespace led::qt
