// Internal: not installed.
#pragma once
// The control's values as Qt's and back: colours, fonts and pictures.
//
// Colours: a colour reads as the opaque QColor a surface draws it in: a plain colour
// (bit 31 clear) its red, green and blue, a system colour its entry in the surface's
// system colour table. A QColor becomes a plain colour; an invalid or not fully opaque
// QColor is refused with core::RuntimeError 380.
//
// Fonts: Name is the family, Size (points x 10000) the point size, Weight the weight
// (both on the 1..1000 scale; 0 reads as 1), and italic, underline and strikethrough
// carry over. Charset has no QFont counterpart: a font made from a QFont has charset 0.
// A QFont sized in pixels is taken at 96 dots per inch (12 px = 9 pt).
//
// Pictures: a picture object is a bitmap of the platform's GDI table, so the control's
// drawing and copying read it like any other.
#include <QColor>
#include <QFont>
#include <QImage>

#include "leddisplay/core/OleColor.h"
#include "leddisplay/host/Font.h"
#include "leddisplay/host/Picture.h"
#include "leddisplay/platform/raster/RasterSurface.h"

namespace led::qt {

QColor ToQColor(core::OleColor color, const platform::RasterSurface& surface);
core::OleColor FromQColor(const QColor& color);

QFont ToQFont(const host::Font& font);
// A new standard font object; a family or size it refuses gives core::RuntimeError 380.
host::FontPtr FontFromQFont(const QFont& font);

// A new picture holding the image's pixels (converted to non-premultiplied RGBA); a
// null image gives no picture (nullptr).
host::PicturePtr PictureFromImage(const QImage& image);
// The picture's pixels; a null image when there is no picture, its handle names no
// bitmap, or the bitmap has no pixels.
QImage ToQImage(const host::PicturePtr& picture);

}  // namespace led::qt
