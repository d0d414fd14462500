#include "leddisplay/qt/Pictures.h"

#include <cstring>

#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/raster/GdiTable.h"

namespace led::qt {

host::PicturePtr PictureFromImage(const QImage& image) {
  if (image.isNull()) return nullptr;
  const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
  platform::Image pixels(rgba.width(), rgba.height());
  for (int y = 0; y < rgba.height(); ++y)
    std::memcpy(&pixels.at(0, y), rgba.constScanLine(y), size_t(rgba.width()) * 4);
  return platform::BitmapPicture::FromImage(std::move(pixels));
}

QImage ToQImage(const host::PicturePtr& picture) {
  if (!picture || picture->Handle() == 0) return {};
  const auto bitmap = platform::GdiTable::Instance().BitmapOf(picture->Handle());
  if (!bitmap || bitmap->width == 0 || bitmap->height == 0 ||
      bitmap->pixels.size() != size_t(bitmap->width) * size_t(bitmap->height))
    return {};
  QImage image(bitmap->width, bitmap->height, QImage::Format_RGBA8888);
  for (int y = 0; y < bitmap->height; ++y)
    std::memcpy(image.scanLine(y), &bitmap->at(0, y), size_t(bitmap->width) * 4);
  return image;
}

}  // namespace led::qt
