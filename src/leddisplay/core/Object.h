#pragma once
/// @file
/// Base of every object a Variant can hold (the host's fonts and pictures), so that
/// core needs nothing of the host.
#include <memory>

namespace led::core {

class Object {
 public:
  virtual ~Object() = default;
};

using ObjectPtr = std::shared_ptr<Object>;

}  // namespace led::core
