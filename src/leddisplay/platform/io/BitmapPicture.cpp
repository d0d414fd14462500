#include "leddisplay/platform/io/BitmapPicture.h"

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/Png.h"
#include "leddisplay/platform/raster/GdiTable.h"

namespace led::platform {

std::shared_ptr<BitmapPicture> BitmapPicture::FromImage(Image image) {
  if (image.width < 0 || image.height < 0 ||
      image.pixels.size() != size_t(image.width) * size_t(image.height))
    throw core::RuntimeError(core::kInvalidPicture,
                             "Invalid picture: image: pixel buffer does not match its size");
  return std::shared_ptr<BitmapPicture>(
      new BitmapPicture(std::make_shared<Image>(std::move(image))));
}

std::shared_ptr<BitmapPicture> BitmapPicture::FromPngFile(const std::string& path) {
  return FromImage(ReadPngFile(path));
}

BitmapPicture::BitmapPicture(std::shared_ptr<Image> image)
    : image_(std::move(image)), handle_(GdiTable::Instance().RegisterBitmap(image_)) {}

BitmapPicture::~BitmapPicture() {
  GdiTable::Instance().ReleaseBitmap(handle_);
}

}  // namespace led::platform
