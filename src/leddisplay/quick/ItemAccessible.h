// Internal: not installed.
#pragma once
// Assistive tools see a LEDDisplayItem as static text, as the widget (qt/Accessible.h):
// its name the one the QML author gave (`Accessible.name`), else its captions (upper, then
// lower, joined by a space); its description and value the text the display shows. While
// a tool listens, a caption's change is announced as a change of name, each new shown
// text as a change of value and description. The item takes its place among its window's
// accessible items through Qt Quick's Accessible attached object.
namespace led::quick {

class LEDDisplayItem;

// Installs the accessibility factory (once) and announces the item's changes.
void StartAccessibility(LEDDisplayItem& item);
// Joins the item to its window's accessible items; called when QML completed the item.
void JoinAccessibleTree(LEDDisplayItem& item);

}  // namespace led::quick
