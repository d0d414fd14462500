#pragma once
/// @file
/// A picture object: a bitmap known to the GDI subset by its handle. A handle of 0
/// means no picture.
#include <cstdint>
#include <memory>

#include "leddisplay/core/Object.h"

namespace led::host {

/// A picture the control draws or hands on: a bitmap handle and its size.
class Picture : public core::Object {
 public:
  /// The bitmap handle, usable with Gdi::SelectObject.
  virtual int32_t Handle() const = 0;
  /// Size in pixels.
  ///@{
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  ///@}
};

/// Pictures are shared: the control, its container and the property bag hold them.
using PicturePtr = std::shared_ptr<Picture>;

}  // namespace led::host
