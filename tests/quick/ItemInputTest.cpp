// The item's events, focus, input and accessibility as a QML program meets them: the
// control's events reach QML handlers with their arguments, a handler swallows a key
// through the event object, keys need focus, and the focus frame, the mouse, touch and
// assistive tools work as for the widget.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QPointingDevice>
#include <QSignalSpy>
#include <QTest>

#include "QtTestSupport.h"
#include "QuickTestSupport.h"

namespace led::quick {
namespace {

using test::ShownQml;

// A root Item that logs what reaches the display's handlers into `log`, and keys that
// reach the root itself (not swallowed by the display) as "root <key>". The display's
// handlers swallow the root's `swallowCode` and `swallowAscii`, and leave the root's
// `writeCode` as a released key's code when it is not 0.
std::string Logged(const std::string& displayLines) {
  return R"(import QtQuick
import LedDisplay
Item {
  width: 200; height: 80
  id: root
  property string log: ""
  property int swallowCode: -1
  property int swallowAscii: -1
  property int writeCode: 0
  Keys.onPressed: (event) => log += "root " + event.key + ";"
  LEDDisplay {
    objectName: "display"
    onKeyDown: (event) => {
      log += "down " + event.keyCode + " " + event.shift + ";"
      if (event.keyCode === root.swallowCode) event.keyCode = 0
    }
    onKeyPress: (event) => {
      log += "press " + event.keyAscii + ";"
      if (event.keyAscii === root.swallowAscii) event.keyAscii = 0
    }
    onKeyUp: (event) => {
      log += "up " + event.keyCode + " " + event.shift + ";"
      if (root.writeCode !== 0) event.keyCode = root.writeCode
    }
    onMouseDown: (button, shift, x, y) => log += "down " + button + " " + shift + " " + x + "," + y + ";"
    onMouseMove: (button, shift, x, y) => log += "move " + button + " " + shift + " " + x + "," + y + ";"
    onMouseUp: (button, shift, x, y) => log += "up " + button + " " + shift + " " + x + "," + y + ";"
    onClicked: log += "click;"
    onDoubleClicked: log += "dblclick;"
)" + displayLines +
         "\n  }\n}";
}

std::string LogOf(ShownQml& shown) {
  return shown.Root()->property("log").toString().toStdString();
}

// Input as the window gets it (QTest's helpers would send the modifier keys' presses
// first, and take the application for a QApplication).
void Key(QWindow& window, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
         const QString& text = QString()) {
  QKeyEvent event(type, key, modifiers, text);
  QCoreApplication::sendEvent(&window, &event);
}

// A press holds `button` until its release; a move holds `held`.
void Mouse(QWindow& window, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::KeyboardModifiers modifiers = {}, Qt::MouseButtons held = {}) {
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) held = button;
  QMouseEvent event(type, at, window.mapToGlobal(at), button, held, modifiers);
  QCoreApplication::sendEvent(&window, &event);
}

void Click(QWindow& window, QPoint at) {
  Mouse(window, QEvent::MouseButtonPress, at, Qt::LeftButton);
  Mouse(window, QEvent::MouseButtonRelease, at, Qt::LeftButton);
}

// Keys reach the control only while the item has active focus, which it takes only when
// given: by `focus`, or by Tab and a click when it takes Tab stops (then the Tab's
// release is the first key it hears). A key no handler swallowed goes on to the root.
TEST(ItemKeys, ReachTheControlOnlyWithFocusAndAHandlerSwallowsThem) {
  struct Row {
    const char* lines;
    bool tab;             // Tab pressed first
    bool click;           // a click first
    const char* swallow;  // the root's property that swallows "A"
    std::string log;
  };
  const Row rows[] = {
      {"", false, true, nullptr, "down 1 0 8,8;up 1 0 8,8;click;"},
      {"focus: true", false, false, nullptr, "down 65 3;press 65;root 65;"},
      {"activeFocusOnTab: true", true, false, nullptr, "up 9 0;down 65 3;press 65;root 65;"},
      {"activeFocusOnTab: true", false, true, nullptr,
       "down 1 0 8,8;up 1 0 8,8;click;down 65 3;press 65;root 65;"},
      {"focus: true", false, false, "swallowAscii", "down 65 3;press 65;"},
      {"focus: true", false, false, "swallowCode", "down 65 3;"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.lines << " " << (row.swallow ? row.swallow : ""));
    ShownQml shown(Logged(row.lines));
    if (row.swallow) shown.Root()->setProperty(row.swallow, 65);
    ASSERT_TRUE(shown.ShowActive());
    if (row.tab) {
      Key(shown.Window(), QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
      Key(shown.Window(), QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, "\t");
    }
    if (row.click) Click(shown.Window(), QPoint(10, 10));
    Key(shown.Window(), QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier, "A");
    EXPECT_EQ(LogOf(shown), row.log);
  }
}

TEST(ItemKeys, ReleasesAndWhatAHandlerWroteReachTheControl) {
  ShownQml shown(Logged("focus: true"));
  shown.Root()->setProperty("writeCode", 1 << 20);
  LEDDisplayItem& display = *shown.Display("display");
  QSignalSpy errors(&display, &LEDDisplayItem::errorOccurred);
  ASSERT_TRUE(shown.ShowActive());
  Key(shown.Window(), QEvent::KeyPress, Qt::Key_F2, Qt::AltModifier);
  Key(shown.Window(), QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);
  EXPECT_EQ(LogOf(shown), "down 113 4;root " + std::to_string(Qt::Key_F2) + ";up 37 0;");
  ASSERT_EQ(errors.count(), 1);  // the code the handler left does not fit
  EXPECT_EQ(errors.at(0).at(0).toInt(), LEDDisplayItem::Overflow);
}

// The display's 3D border is 2 pixels: the control's points lie 2 pixels up and left.
TEST(ItemMouse, ButtonsShiftPointsClicksAndDoubleClicksAlikeAtEachRatioHiDpi) {
  ShownQml shown(Logged(""));
  ASSERT_TRUE(shown.ShowActive());
  QQuickWindow& window = shown.Window();
  Mouse(window, QEvent::MouseMove, {12, 22}, Qt::NoButton, Qt::AltModifier);
  Mouse(window, QEvent::MouseButtonPress, {12, 22}, Qt::RightButton, Qt::AltModifier);
  Mouse(window, QEvent::MouseButtonRelease, {12, 22}, Qt::RightButton, Qt::AltModifier);
  Mouse(window, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton, Qt::ShiftModifier);
  Mouse(window, QEvent::MouseMove, {7, 8}, Qt::NoButton, {}, Qt::LeftButton);
  Mouse(window, QEvent::MouseButtonRelease, {7, 8}, Qt::LeftButton);
  Mouse(window, QEvent::MouseButtonPress, {7, 8}, Qt::LeftButton);
  Mouse(window, QEvent::MouseButtonDblClick, {7, 8}, Qt::LeftButton);
  Mouse(window, QEvent::MouseButtonRelease, {7, 8}, Qt::LeftButton);
  Mouse(window, QEvent::MouseButtonPress, {3, 3}, Qt::MiddleButton, Qt::ControlModifier);
  Mouse(window, QEvent::MouseMove, {190, 3}, Qt::NoButton, {}, Qt::MiddleButton);
  Mouse(window, QEvent::MouseButtonRelease, {190, 3}, Qt::MiddleButton);  // beyond the item
  EXPECT_EQ(LogOf(shown),
            "move 0 4 10,20;down 2 4 10,20;up 2 4 10,20;down 1 1 3,4;move 1 0 5,6;up 1 0 5,6;"
            "click;down 1 0 5,6;dblclick;up 1 0 5,6;down 4 2 1,1;move 4 0 188,1;up 4 0 188,1;");
  EXPECT_FALSE(shown.Display("display")->hasActiveFocus());  // no focus from a click

  // Fitted at twice its size, the same places in the display give the same numbers.
  ShownQml fitted(Logged("fitToSize: true; width: 354; height: 126"));
  ASSERT_TRUE(fitted.ShowActive());
  Mouse(fitted.Window(), QEvent::MouseButtonPress, {10, 12}, Qt::LeftButton, Qt::ShiftModifier);
  Mouse(fitted.Window(), QEvent::MouseButtonRelease, {14, 16}, Qt::LeftButton);
  EXPECT_EQ(LogOf(fitted), "down 1 1 3,4;up 1 0 5,6;click;");
}

TEST(ItemMouse, ATouchPointIsTheLeftButton) {
  ShownQml shown(Logged(""));
  ASSERT_TRUE(shown.ShowActive());
  static QPointingDevice* screen = QTest::createTouchDevice();
  QTest::touchEvent(&shown.Window(), screen).press(0, QPoint(12, 12));
  QTest::touchEvent(&shown.Window(), screen).move(0, QPoint(14, 12));
  QTest::touchEvent(&shown.Window(), screen).release(0, QPoint(14, 12));
  // Then the mouse pointer's last place may bring a move without a button.
  const std::string touched = "down 1 0 10,10;move 1 0 12,10;up 1 0 12,10;click;";
  EXPECT_EQ(LogOf(shown).substr(0, touched.size()), touched);
}

// The frame is the palette's Highlight along the item's edge, over the border, while the
// item has active focus, and goes when focus leaves; where the display is drawn smaller
// than the item (autoSize given a larger width, fitToSize), along the display's edge.
TEST(ItemFocus, FramePixelsShowWhileTheItemHasActiveFocus) {
  const struct {
    const char* properties;
    int left, right;  // the framed box's columns
  } rows[] = {
      {"width: 177; height: 63", 0, 176},
      {"autoSize: true; width: 199", 11, 187},
      {"fitToSize: true; width: 199; height: 63", 11, 187},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.properties);
    ShownQml shown(Logged(std::string("focus: true; ") + row.properties));
    LEDDisplayItem& display = *shown.Display("display");
    ASSERT_TRUE(shown.ShowActive());
    ASSERT_TRUE(display.hasActiveFocus());
    const QColor highlight =
        QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight);
    const QImage framed = shown.Window().grabWindow();
    const int l = row.left, r = row.right, m = (l + r) / 2;
    for (const QPoint at : {QPoint(l, 0), QPoint(r, 30), QPoint(m, 62), QPoint(l, 62)})
      EXPECT_EQ(framed.pixelColor(at), highlight) << at.x() << "," << at.y();
    EXPECT_NE(framed.pixelColor(l + 1, 1), highlight);
    if (l > 0) {
      EXPECT_NE(framed.pixelColor(l - 1, 30), highlight);
    }
    display.setFocus(false);
    const QImage plain = shown.Window().grabWindow();
    EXPECT_NE(plain.pixelColor(l, 0), highlight);
    EXPECT_EQ(plain.pixelColor(l + 1, 1), framed.pixelColor(l + 1, 1));
  }
}

std::vector<std::string> announced;

void Record(QAccessibleEvent* event) {
  std::string line = event->type() == QAccessible::ValueChanged         ? "value "
                     : event->type() == QAccessible::NameChanged        ? "name "
                     : event->type() == QAccessible::DescriptionChanged ? "description "
                                                                        : "";
  if (line.empty()) return;
  line +=
      event->accessibleInterface()
          ->text(event->type() == QAccessible::NameChanged ? QAccessible::Name : QAccessible::Value)
          .toStdString();
  announced.push_back(line);
}

TEST(ItemAccessible, StaticTextNamedByTheCaptionsOrTheAuthorValuedByTheShownText) {
  ShownQml shown(R"(import QtQuick
import LedDisplay
Item {
  width: 400; height: 100
  LEDDisplay { objectName: "captioned"; captionUpper: "Supply"; captionLow: "volts"
               decimals: 1; leadingZeros: false; value: -12.5 }
  LEDDisplay { objectName: "named"; x: 200; captionUpper: "Supply"; Accessible.name: "Bus" }
})");
  shown.ShowActive();
  LEDDisplayItem& captioned = *shown.Display("captioned");
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&captioned);
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->role(), QAccessible::StaticText);
  EXPECT_EQ(face->text(QAccessible::Name), "Supply volts");
  EXPECT_EQ(face->text(QAccessible::Value), "-12.5");
  EXPECT_EQ(face->text(QAccessible::Description), "-12.5");
  captioned.setCaptionUpper("");
  EXPECT_EQ(face->text(QAccessible::Name), "volts");
  QAccessibleInterface* named = QAccessible::queryAccessibleInterface(shown.Display("named"));
  EXPECT_EQ(named->text(QAccessible::Name), "Bus");
  // Both are among the window's accessible items, under the root.
  QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&shown.Window());
  ASSERT_NE(window, nullptr);
  ASSERT_NE(face->parent(), nullptr);
  std::vector<QObject*> seen;
  for (QAccessibleInterface* up = face->parent(); up; up = up->parent())
    for (int i = 0; i < up->childCount(); ++i) seen.push_back(up->child(i)->object());
  EXPECT_NE(std::find(seen.begin(), seen.end(), &captioned), seen.end());
  EXPECT_EQ(face->rect().size(), captioned.size().toSize());
}

TEST(ItemAccessible, ChangesOfValueAndCaptionsAreAnnouncedWhileAToolListens) {
  ShownQml shown("import QtQuick\nimport LedDisplay\nLEDDisplay { decimals: 2 }");
  LEDDisplayItem& display = *shown.Display();
  const auto previous = QAccessible::installUpdateHandler(&Record);
  announced.clear();
  display.setValue(7);  // nobody listens: nothing is worked out or sent
  if (!test::ListenLikeAnAssistiveTool(true)) {
    QAccessible::installUpdateHandler(previous);
    GTEST_SKIP() << "built without Qt's platform headers to switch accessibility on";
  }
  display.setValue(3.25);
  display.setValue(3.25);
  display.setCaptionLow("amps");
  test::ListenLikeAnAssistiveTool(false);
  QAccessible::installUpdateHandler(previous);
  EXPECT_EQ(announced,
            (std::vector<std::string>{"value +03.25", "description +03.25", "name amps"}));
}

}  // namespace
}  // namespace led::quick
