#pragma once
/// @file
/// A picture object over a bitmap of the GDI table: registered on creation, released on
/// destruction. Its image changes only when drawn into through a device context.
#include <memory>
#include <string>

#include "leddisplay/host/Picture.h"
#include "leddisplay/platform/raster/Image.h"

namespace led::platform {

/// A picture that owns its image, registered with the GDI table for its lifetime.
class BitmapPicture : public host::Picture {
 public:
  /// Registers the image as a bitmap. An image whose pixel buffer does not match its size
  /// gives core::RuntimeError 481.
  static std::shared_ptr<BitmapPicture> FromImage(Image image);
  /// Reads a PNG file (errors as ReadPngFile).
  static std::shared_ptr<BitmapPicture> FromPngFile(const std::string& path);

  ~BitmapPicture() override;
  BitmapPicture(const BitmapPicture&) = delete;
  BitmapPicture& operator=(const BitmapPicture&) = delete;

  int32_t Handle() const override { return handle_; }  ///< The GDI table's bitmap handle.
  /// Size in pixels.
  ///@{
  int32_t Width() const override { return image_->width; }
  int32_t Height() const override { return image_->height; }
  ///@}
  /// The image, as last drawn into.
  const Image& Bitmap() const { return *image_; }

 private:
  explicit BitmapPicture(std::shared_ptr<Image> image);

  std::shared_ptr<Image> image_;
  int32_t handle_ = 0;
};

}  // namespace led::platform
