#include "leddisplay/qt/Conversions.h"

#include <algorithm>
#include <cstring>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/StdFont.h"

namespace led::qt {

// ---- Colours ------------------------------------------------------------------------

QColor ToQColor(core::OleColor color, const platform::RasterSurface& surface) {
  const core::OleColor rgb = surface.Resolve(color);
  return QColor(core::RedOf(rgb), core::GreenOf(rgb), core::BlueOf(rgb));
}

core::OleColor FromQColor(const QColor& color) {
  if (!color.isValid())
    throw core::RuntimeError(core::kInvalidPropertyValue, "Invalid property value: no colour");
  const QColor rgb = color.toRgb();
  if (rgb.alpha() != 255)
    throw core::RuntimeError(core::kInvalidPropertyValue,
                             "Invalid property value: the colour is not opaque (alpha " +
                                 std::to_string(rgb.alpha()) + ")");
  return core::Rgb(uint8_t(rgb.red()), uint8_t(rgb.green()), uint8_t(rgb.blue()));
}

// ---- Fonts --------------------------------------------------------------------------

QFont ToQFont(const host::Font& font) {
  QFont q(QString::fromStdString(font.Name()));
  q.setPointSizeF(static_cast<double>(font.Size()) / 10000.0);
  q.setWeight(QFont::Weight(std::clamp<int>(font.Weight(), 1, 1000)));
  q.setItalic(core::IsTrue(font.Italic()));
  q.setUnderline(core::IsTrue(font.Underline()));
  q.setStrikeOut(core::IsTrue(font.Strikethrough()));
  return q;
}

host::FontPtr FontFromQFont(const QFont& font) {
  const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
  host::FontPtr made = platform::StdFont::Create(font.family().toStdString(), points);
  made->SetWeight(static_cast<int16_t>(font.weight()));
  made->SetItalic(core::ToBoolean(font.italic()));
  made->SetUnderline(core::ToBoolean(font.underline()));
  made->SetStrikethrough(core::ToBoolean(font.strikeOut()));
  return made;
}

// ---- Pictures -----------------------------------------------------------------------

host::PicturePtr PictureFromImage(const QImage& image) {
  if (image.isNull()) return nullptr;
  // Format_ARGB32 holds our pixel words, unpremultiplied: rows are copied as they are.
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  platform::Image pixels(argb.width(), argb.height());
  for (int y = 0; y < argb.height(); ++y)
    std::memcpy(&pixels.at(0, y), argb.constScanLine(y), size_t(argb.width()) * 4);
  return platform::BitmapPicture::FromImage(std::move(pixels));
}

QImage ToQImage(const host::PicturePtr& picture) {
  if (!picture || picture->Handle() == 0) return {};
  const auto bitmap = platform::GdiTable::Instance().BitmapOf(picture->Handle());
  if (!bitmap || bitmap->width == 0 || bitmap->height == 0 ||
      bitmap->pixels.size() != size_t(bitmap->width) * size_t(bitmap->height))
    return {};
  QImage image(bitmap->width, bitmap->height, QImage::Format_ARGB32);
  for (int y = 0; y < bitmap->height; ++y)
    std::memcpy(image.scanLine(y), &bitmap->at(0, y), size_t(bitmap->width) * 4);
  return image;
}

}  // namespace led::qt
