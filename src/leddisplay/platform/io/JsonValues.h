// Internal: not installed.
#pragma once
// JSON forms shared by the recorder, the property file and the command-line tool.
//   font:    {"name":..,"size":8.25,"bold":false,"italic":false,"underline":false,
//             "strikethrough":false,"weight":400,"charset":0}   (size in points)
//   picture: {"width":..,"height":..}, or null for none
//   colour:  an unsigned 32-bit number
//   single:  an integer when integral, else the shortest decimal that reads back as
//            the same float; double: a number. Non-finite values of either are the
//            strings "NaN", "Infinity" and "-Infinity".
// Readers raise core::RuntimeError 380 whose description says what is wrong.
#include <memory>

#include <nlohmann/json.hpp>

#include "leddisplay/core/OleColor.h"
#include "leddisplay/core/Variant.h"
#include "leddisplay/host/Font.h"
#include "leddisplay/host/Picture.h"
#include "leddisplay/platform/raster/StdFont.h"

namespace led::platform {

// The functions that build or read fonts and doubles work on nlohmann::json and on
// nlohmann::ordered_json (the property file keeps its order).
template <class Json = nlohmann::json>
Json FontToJson(const host::Font& font);
// "name" and "size" are required; the other attributes default to false, 400 (700
// when bold) and 0. Bold is applied before weight, so a given weight wins.
template <class Json>
std::shared_ptr<StdFont> FontFromJson(const Json& json);

nlohmann::json PictureToJson(const host::PicturePtr& picture);
nlohmann::json ColorToJson(core::OleColor color);

nlohmann::json SingleToJson(float value);
template <class Json = nlohmann::json>
Json DoubleToJson(double value);
// A number or one of the three non-finite strings.
template <class Json>
double DoubleFromJson(const Json& json);

// A value as a record shows it: numbers as above, Booleans as true/false, strings,
// fonts and pictures as above, other objects and Empty as null.
nlohmann::json VariantToJson(const core::Variant& value);

}  // namespace led::platform
