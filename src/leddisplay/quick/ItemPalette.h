// Internal: not installed.
#pragma once
// The palette a Qt Quick item's display takes its system colours from (border, 3D edge,
// focus, disabled captions): the item's own `palette`, which it inherits from its parent
// items and its window and which QML sets as `palette.dark: "#101010"` on the item or any
// item above it. Read through the palette's colour groups (active, inactive, disabled),
// over the application's palette for any role those do not give.
#include <QPalette>
#include <QQuickItem>

namespace led::quick {

QPalette ItemPalette(const QQuickItem& item);

}  // namespace led::quick
