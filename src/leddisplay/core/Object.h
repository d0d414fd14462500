#pragma once
/// @file
/// Base of every object a Variant can hold (the host's fonts and pictures), so that
/// core needs nothing of the host.
#include <memory>

namespace led::core {

/// Polymorphic base so a Variant can hold and release any host object.
class Object {
 public:
  virtual ~Object() = default;
};

/// A shared object reference; null is the object "none".
using ObjectPtr = std::shared_ptr<Object>;

}  // namespace led::core
