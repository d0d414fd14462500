// Internal: not installed.
#pragma once
// Pictures between the control and Qt: a picture object is a bitmap of the platform's
// GDI table, so the control's drawing and copying read it like any other.
#include <QImage>

#include "leddisplay/host/Picture.h"

namespace led::qt {

// A new picture holding the image's pixels (converted to non-premultiplied RGBA); a
// null image gives no picture (nullptr).
host::PicturePtr PictureFromImage(const QImage& image);
// The picture's pixels; a null image when there is no picture, its handle names no
// bitmap, or the bitmap has no pixels.
QImage ToQImage(const host::PicturePtr& picture);

}  // namespace led::qt
