// Internal: not installed.
#pragma once
// The item's picture, uploaded as its texture. DrawPicture draws the display box and
// captions (ControlHost::Paint) into an image of the item's device pixels, over `ground`
// (transparent around a fitted box when `ground` is). Matte gives, from one drawing made
// over black and again over white, that drawing over nothing: where the two agree the
// pixel is opaque, where the white shows through its alpha falls by the difference
// (each channel's, averaged), so the control's transparent background and the edges of
// anti-aliased captions blend with whatever the scene has under the item.
#include <QColor>
#include <QImage>
#include <QSize>

#include "leddisplay/qt/ControlHost.h"

namespace led::quick {

QImage DrawPicture(qt::ControlHost& host, QSize viewSize, const QColor& ground);
// Both images of one size and format; the result keeps their device pixel ratio.
QImage Matte(const QImage& overBlack, const QImage& overWhite);

}  // namespace led::quick
