// Qt input becomes the control's events, raised as signals whose by-reference
// arguments a directly connected slot may change; Change and over range as signals.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "leddisplay/widgets/LEDDisplayWidget.h"

namespace led::qt {
namespace {

// A parent that records the keys reaching it.
class KeyWatcher : public QWidget {
 public:
  std::vector<int> keys;

 protected:
  void keyPressEvent(QKeyEvent* event) override { keys.push_back(event->key()); }
};

void Press(QWidget& widget, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&widget, &event);
}

void Mouse(QWidget& widget, QEvent::Type type, QPointF at, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
  QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, modifiers);
  QApplication::sendEvent(&widget, &event);
}

TEST(Events, KeysArriveAsCodesWithShiftStateAndTypedCharacters) {
  LEDDisplayWidget widget;
  std::vector<std::string> seen;
  const auto log = [&](const char* what) {
    return [&seen, what](int& code, int& shift) {
      seen.push_back(std::string(what) + " " + std::to_string(code) + " " + std::to_string(shift));
    };
  };
  QObject::connect(&widget, &LEDDisplayWidget::keyDown, log("down"));
  QObject::connect(&widget, &LEDDisplayWidget::keyPress,
                   [&](int& ascii) { seen.push_back("press " + std::to_string(ascii)); });
  QObject::connect(&widget, &LEDDisplayWidget::keyUp, log("up"));
  Press(widget, Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier, "A");
  Press(widget, Qt::Key_F2, Qt::AltModifier, "");
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);
  QApplication::sendEvent(&widget, &release);
  EXPECT_EQ(seen, (std::vector<std::string>{"down 65 3", "press 65", "down 113 4", "up 37 0"}));
}

TEST(Events, AKeyPressHandlerSettingKeyAsciiToZeroSwallowsTheKey) {
  KeyWatcher parent;
  auto* widget = new LEDDisplayWidget(&parent);
  Press(*widget, Qt::Key_X, Qt::NoModifier, "x");
  EXPECT_EQ(parent.keys, std::vector<int>{Qt::Key_X});  // not handled: it goes on

  QObject::connect(widget, &LEDDisplayWidget::keyPress, [](int& ascii) {
    if (ascii == 'y') ascii = 0;
  });
  Press(*widget, Qt::Key_Y, Qt::NoModifier, "y");
  Press(*widget, Qt::Key_Z, Qt::NoModifier, "z");
  EXPECT_EQ(parent.keys, (std::vector<int>{Qt::Key_X, Qt::Key_Z}));
}

TEST(Events, AHandlerValueTheControlCannotTakeIsReportedNotThrown) {
  LEDDisplayWidget widget;
  std::vector<int> errors;
  QObject::connect(&widget, &LEDDisplayWidget::errorOccurred,
                   [&](int number, const QString&) { errors.push_back(number); });
  QObject::connect(&widget, &LEDDisplayWidget::keyPress, [](int& ascii) { ascii = 1 << 20; });
  Press(widget, Qt::Key_Q, Qt::NoModifier, "q");
  EXPECT_EQ(errors, std::vector<int>{LEDDisplayWidget::Overflow});
}

TEST(Events, MouseButtonsShiftAndPointsInsideTheBorderAlikeAtEachRatioHiDpi) {
  LEDDisplayWidget widget;  // 3D border: 2 pixels
  std::vector<std::string> seen;
  const auto log = [&](const char* what) {
    return [&seen, what](int& button, int& shift, double& x, double& y) {
      seen.push_back(std::string(what) + " " + std::to_string(button) + " " +
                     std::to_string(shift) + " " + std::to_string(int(x)) + "," +
                     std::to_string(int(y)));
    };
  };
  QObject::connect(&widget, &LEDDisplayWidget::mouseDown, log("down"));
  QObject::connect(&widget, &LEDDisplayWidget::mouseMove, log("move"));
  QObject::connect(&widget, &LEDDisplayWidget::mouseUp, log("up"));
  QObject::connect(&widget, &LEDDisplayWidget::clicked, [&] { seen.push_back("click"); });
  QObject::connect(&widget, &LEDDisplayWidget::doubleClicked, [&] { seen.push_back("dblclick"); });

  Mouse(widget, QEvent::MouseButtonPress, {12, 22}, Qt::RightButton, Qt::AltModifier);
  Mouse(widget, QEvent::MouseButtonRelease, {12, 22}, Qt::RightButton, Qt::AltModifier);
  Mouse(widget, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::ShiftModifier);
  Mouse(widget, QEvent::MouseMove, {7, 8}, Qt::LeftButton);
  Mouse(widget, QEvent::MouseButtonRelease, {7, 8}, Qt::LeftButton);
  Mouse(widget, QEvent::MouseButtonDblClick, {7, 8}, Qt::LeftButton);
  Mouse(widget, QEvent::MouseButtonRelease, {7, 8}, Qt::LeftButton);
  Mouse(widget, QEvent::MouseButtonPress, {3, 3}, Qt::MiddleButton, Qt::ControlModifier);
  EXPECT_EQ(seen, (std::vector<std::string>{"down 2 4 10,20", "up 2 4 10,20", "down 1 1 3,4",
                                            "move 1 0 5,6", "up 1 0 5,6", "click", "dblclick",
                                            "up 1 0 5,6", "down 4 2 1,1"}));

  // Fitted at twice its size, the same places in the display give the same numbers.
  LEDDisplayWidget fitted;
  fitted.setFitToSize(true);
  fitted.resize(354, 126);
  fitted.show();  // laid out as shown
  seen.clear();
  QObject::connect(&fitted, &LEDDisplayWidget::mouseDown, log("down"));
  QObject::connect(&fitted, &LEDDisplayWidget::mouseUp, log("up"));
  Mouse(fitted, QEvent::MouseButtonPress, {10, 12}, Qt::LeftButton, Qt::ShiftModifier);
  Mouse(fitted, QEvent::MouseButtonRelease, {14, 16}, Qt::LeftButton);
  EXPECT_EQ(seen, (std::vector<std::string>{"down 1 1 3,4", "up 1 0 5,6"}));
}

TEST(Events, ChangeAndOverflowFollowTheValue) {
  LEDDisplayWidget widget;  // 4 digits, 3 decimals: one integer place
  int changes = 0, overflows = 0;
  std::vector<bool> overRange;  // overRangeChanged's arguments
  QObject::connect(&widget, &LEDDisplayWidget::changed, [&] { ++changes; });
  QObject::connect(&widget, &LEDDisplayWidget::overflow, [&] { ++overflows; });
  QObject::connect(&widget, &LEDDisplayWidget::overRangeChanged,
                   [&](bool over) { overRange.push_back(over); });
  widget.setValue(1.5);
  widget.setValue(1.5);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(widget.overRange());
  widget.setValue(12.5);  // shown without the mark, still too wide
  EXPECT_TRUE(widget.overRange());
  widget.setValue(99.0);
  EXPECT_EQ(overflows, 2);
  widget.setDigits(6);  // now it fits
  EXPECT_FALSE(widget.overRange());
  widget.setDigits(4);  // and no longer
  EXPECT_EQ(overflows, 3);
  widget.setValue(std::numeric_limits<double>::quiet_NaN());
  EXPECT_TRUE(widget.overRange());
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(overRange, (std::vector<bool>{true, false, true}));
}

}  // namespace
}  // namespace led::qt
