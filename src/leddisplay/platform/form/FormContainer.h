#pragma once
/// @file
/// The container of one control on a form. PropertyChanged and RaiseEvent reach the
/// host program through callbacks, synchronously and in order; event arguments are
/// passed on by reference, so what the handler changes is what the raiser reads back.
/// AmbientFont returns a new StdFont on every request (DejaVu Sans 8 pt until set).
/// Extender properties "Left" and "Top" are the control's place in the container's
/// scale; parent properties "ScaleMode" (Integer, twips 1 at the start) and "Picture"
/// (a picture object or none). Names match without regard to case; others raise 438.
#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "leddisplay/host/Container.h"
#include "leddisplay/host/Picture.h"

namespace led::platform {

/// The form's container: callbacks to the host program and settable ambient,
/// extender and parent properties.
class FormContainer : public host::Container {
 public:
  /// Receives the name of a persisted property that changed.
  using PropertyChangedHandler = std::function<void(const std::string&)>;
  /// Receives a raised event: its dispid, its name and its by-reference arguments.
  using EventHandler =
      std::function<void(int32_t dispid, const std::string& name, std::span<host::EventArg>)>;

  FormContainer();

  void PropertyChanged(const std::string& name) override;
  /// Calls the event handler, if one is set.
  void RaiseEvent(int32_t dispid, const std::string& name, std::span<host::EventArg> args) override;
  host::FontPtr AmbientFont() override;
  core::Variant ExtenderProperty(const std::string& name) override;
  core::Variant ParentProperty(const std::string& name) override;

  /// Sets the one handler of property changes (none at the start).
  void OnPropertyChanged(PropertyChangedHandler handler) { propertyChanged_ = std::move(handler); }
  /// Sets the one handler of events (none at the start).
  void OnEvent(EventHandler handler) { event_ = std::move(handler); }
  /// The ambient font's attributes are copied; later requests give copies of them.
  void SetAmbientFont(const host::Font& font);
  /// The extender's "Left" and "Top".
  void SetPlace(float left, float top);
  /// The parent's "ScaleMode".
  void SetScaleMode(int16_t mode);
  /// The parent's "Picture"; null for none.
  void SetPicture(host::PicturePtr picture) { picture_ = std::move(picture); }

 private:
  PropertyChangedHandler propertyChanged_;
  EventHandler event_;
  host::FontPtr ambient_;
  float left_ = 0;
  float top_ = 0;
  int16_t scaleMode_ = 1;
  host::PicturePtr picture_;
};

}  // namespace led::platform
