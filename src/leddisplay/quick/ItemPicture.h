// Internal: not installed.
#pragma once
// The item's picture, uploaded as its texture: the display box and captions
// (ControlHost::Paint) drawn into `picture`, made an image of the item's device pixels
// (its pixels kept when the size is), over nothing: transparent around a fitted box,
// behind transparent digits and at the edges of anti-aliased captions, so that they
// blend with whatever the scene has under the item.
#include <QColor>
#include <QImage>
#include <QSize>

#include "leddisplay/qt/ControlHost.h"

namespace led::quick {

void DrawPicture(qt::ControlHost& host, QSize viewSize, QImage& picture);

}  // namespace led::quick
