#include "leddisplay/qt/Pictures.h"

#include <cstring>

#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/raster/GdiTable.h"

namespace led::qt {

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
