#pragma once
/// @file
/// The container's store of a control's saved properties. Keys match without regard
/// to case.
#include <string>

#include "leddisplay/core/Variant.h"

namespace led::host {

/// Saved properties by key: what the control reads on loading and writes on saving.
class PropertyBag {
 public:
  virtual ~PropertyBag() = default;
  /// The stored value for key, or `defaultValue` unchanged when there is none.
  virtual core::Variant ReadProperty(const std::string& key, const core::Variant& defaultValue) = 0;
  /// Stores value under key; an entry equal to its default may be left out.
  virtual void WriteProperty(const std::string& key, const core::Variant& value,
                             const core::Variant& defaultValue) = 0;
};

}  // namespace led::host
