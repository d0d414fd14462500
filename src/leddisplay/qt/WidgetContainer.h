// Internal: not installed.
#pragma once
// The container a widget gives its control. PropertyChanged and RaiseEvent reach the
// widget through callbacks, synchronously, with event arguments by reference. The
// ambient font is the widget's font(), a new object on every request (DejaVu Sans 8 pt
// when that font cannot be a font object). The extender's
// Left and Top are the display box's place in the widget's parent in twips (the
// widget's place plus the box's corner, SetBox; the parent's ScaleMode is 1, twips); the parent's
// Picture is the texture of the parent widget's window brush at the surface's pixels (enlarged
// without smoothing to the device pixel ratio, as the parent paints it), or none. Names match
// without regard to case; others raise 438.
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <span>
#include <string>

#include "leddisplay/host/Container.h"
#include "leddisplay/host/Picture.h"

namespace led::qt {

class WidgetContainer : public host::Container {
 public:
  using PropertyChangedHandler = std::function<void(const std::string&)>;
  using EventHandler = std::function<void(int32_t dispid, std::span<host::EventArg>)>;

  // `twipsPerPixel` gives the screen metric used for Left and Top.
  WidgetContainer(QWidget& widget, std::function<float()> twipsPerPixel);

  void PropertyChanged(const std::string& name) override;
  void RaiseEvent(int32_t dispid, const std::string& name, std::span<host::EventArg> args) override;
  host::FontPtr AmbientFont() override;
  core::Variant ExtenderProperty(const std::string& name) override;
  core::Variant ParentProperty(const std::string& name) override;

  // The surface's pixels per widget pixel, and the display box's corner in the widget
  // in surface pixels.
  void SetBox(double ratio, QPoint origin);

  void OnPropertyChanged(PropertyChangedHandler handler) { propertyChanged_ = std::move(handler); }
  void OnEvent(EventHandler handler) { event_ = std::move(handler); }

 private:
  host::PicturePtr ParentPicture();

  QWidget& widget_;
  std::function<float()> twipsPerPixel_;
  PropertyChangedHandler propertyChanged_;
  EventHandler event_;
  // The parent's texture as last converted, kept while the texture stays the same.
  double ratio_ = 1;
  QPoint origin_;
  qint64 pictureKey_ = 0;
  host::PicturePtr picture_;
};

}  // namespace led::qt
