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
#include <vector>

#include "QtTestSupport.h"
#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/qt/LEDDisplayWidget.h"

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

TEST(Sizing, AutoSizeFixesTheSizeToWhatIsShown) {
  LEDDisplayWidget widget;
  widget.setDigits(6);
  widget.setAutoSize(true);
  EXPECT_EQ(widget.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
  EXPECT_EQ(widget.minimumSize(), widget.maximumSize());
  EXPECT_EQ(widget.size(), widget.sizeHint());
  const int sixDigits = widget.width();
  widget.setDigits(3);
  EXPECT_LT(widget.width(), sixDigits);
  EXPECT_EQ(widget.grab().size(), widget.size());

  widget.setAutoSize(false);
  EXPECT_EQ(widget.sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
  widget.resize(300, 120);
  EXPECT_EQ(widget.size(), QSize(300, 120));
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
