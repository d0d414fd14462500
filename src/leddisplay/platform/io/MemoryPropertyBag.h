#pragma once
/// @file
/// A property bag held in memory. Keys match without regard to ASCII letter case; the
/// entries keep the order in which they were first written. A write whose value equals
/// its default (the same value: numbers of any numeric type compare as numbers, with
/// the sign of zero kept; fonts by their attributes; NaN equals NaN) removes the entry, so a later
/// read gives the default. Fonts are stored as copies and every read of a font returns a new copy;
/// other objects are kept by reference.
#include <string>
#include <vector>

#include "leddisplay/core/Variant.h"
#include "leddisplay/host/PropertyBag.h"

namespace led::platform {

/// The platform's property bag: entries in memory, in first-written order.
class MemoryPropertyBag : public host::PropertyBag {
 public:
  /// One stored property.
  struct Entry {
    std::string key;      ///< as first written
    core::Variant value;  ///< as last written
  };

  core::Variant ReadProperty(const std::string& key, const core::Variant& defaultValue) override;
  void WriteProperty(const std::string& key, const core::Variant& value,
                     const core::Variant& defaultValue) override;

  /// Stores value under key whatever its default (used when loading a file).
  void Store(const std::string& key, const core::Variant& value);
  /// Whether an entry for key is stored.
  bool Contains(const std::string& key) const;
  /// The stored entries, in first-written order.
  const std::vector<Entry>& Entries() const { return entries_; }

  /// Equality as the bag judges "equal to its default".
  static bool SameValue(const core::Variant& a, const core::Variant& b);

 private:
  std::vector<Entry>::iterator Find(const std::string& key);
  std::vector<Entry>::const_iterator Find(const std::string& key) const;

  std::vector<Entry> entries_;
};

}  // namespace led::platform
