#include "leddisplay/platform/form/FormContainer.h"

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/core/Text.h"
#include "leddisplay/platform/raster/StdFont.h"

namespace led::platform {

FormContainer::FormContainer() : ambient_(std::make_shared<StdFont>()) {}

void FormContainer::PropertyChanged(const std::string& name) {
  if (propertyChanged_) propertyChanged_(name);
}

void FormContainer::RaiseEvent(int32_t dispid, const std::string& name,
                               std::span<host::EventArg> args) {
  if (event_) event_(dispid, name, args);
}

host::FontPtr FormContainer::AmbientFont() {
  return StdFont::CopyOf(*ambient_);
}

core::Variant FormContainer::ExtenderProperty(const std::string& name) {
  if (core::EqualsIgnoringCase(name, "Left")) return core::Variant::FromSingle(left_);
  if (core::EqualsIgnoringCase(name, "Top")) return core::Variant::FromSingle(top_);
  throw core::RuntimeError(core::kNotSupported);
}

core::Variant FormContainer::ParentProperty(const std::string& name) {
  if (core::EqualsIgnoringCase(name, "ScaleMode")) return core::Variant::FromInteger(scaleMode_);
  if (core::EqualsIgnoringCase(name, "Picture")) return core::Variant::FromObject(picture_);
  throw core::RuntimeError(core::kNotSupported);
}

void FormContainer::SetAmbientFont(const host::Font& font) {
  ambient_ = StdFont::CopyOf(font);
}

void FormContainer::SetPlace(float left, float top) {
  left_ = left;
  top_ = top;
}

void FormContainer::SetScaleMode(int16_t mode) {
  scaleMode_ = mode;
}

}  // namespace led::platform
