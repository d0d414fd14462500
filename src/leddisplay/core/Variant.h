#pragma once
/// @file
/// The value that crosses the programmable interface and the property bag: empty,
/// 16-bit, 32-bit, single, double, 16-bit Boolean, string, or an object reference
/// (possibly none). Conversions follow the usual late-bound rules: numeric strings
/// convert, other text raises 13, a result out of range raises 6, floating values
/// round to nearest with halves to even, zero is False and anything else True.
#include <cstdint>
#include <string>
#include <variant>

#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/Object.h"

namespace led::core {

/// What a Variant holds.
enum class VariantType { Empty, Integer, Long, Single, Double, Boolean, String, Object };

/// A value of one of the types above; default-constructed it is Empty.
class Variant {
 public:
  Variant() = default;
  /// A Variant of that type holding `v`.
  ///@{
  static Variant FromInteger(int16_t v);
  static Variant FromLong(int32_t v);
  static Variant FromSingle(float v);
  static Variant FromDouble(double v);
  static Variant FromBoolean(Boolean v);
  static Variant FromString(std::string v);
  ///@}
  /// An object reference; a null pointer is the object "none".
  static Variant FromObject(ObjectPtr v);

  /// The type held.
  VariantType type() const { return type_; }
  /// Holds nothing (type Empty).
  bool IsEmpty() const { return type_ == VariantType::Empty; }
  /// The name of the type as a late-bound host shows it ("Integer", "Long", ...).
  const char* TypeName() const;

  /// Conversions; each throws RuntimeError 13 or 6 as described above. ToString writes
  /// Booleans as "True"/"False" and Empty as ""; an object raises 13.
  ///@{
  int16_t ToInteger() const;
  int32_t ToLong() const;
  float ToSingle() const;
  double ToDouble() const;
  Boolean ToBoolean() const;
  std::string ToString() const;
  ///@}
  /// The object held; 13 when the Variant holds no object reference (an empty
  /// Variant converts to none).
  ObjectPtr ToObject() const;

  /// Same type and same value (objects: same reference; doubles: NaN equals NaN).
  bool operator==(const Variant& other) const;

 private:
  using Storage =
      std::variant<std::monostate, int16_t, int32_t, float, double, std::string, ObjectPtr>;
  Variant(VariantType type, Storage value) : type_(type), value_(std::move(value)) {}
  /// The numeric value of any numeric, Boolean, empty or numeric-string Variant.
  double Numeric() const;

  VariantType type_ = VariantType::Empty;
  Storage value_;
};

}  // namespace led::core
