// Internal: not installed.
#pragma once
// The container a widget gives its control. PropertyChanged and RaiseEvent reach the
// widget through callbacks, synchronously, with event arguments by reference. The
// ambient font is the widget's font(), a new object on every request (DejaVu Sans 8 pt
// when that font cannot be a font object). The extender's
// Left and Top are the display box's place in the widget's parent in twips (the
// widget's place plus the box's corner, SetBox; the parent's ScaleMode is 1, twips). The
// parent's Picture is what the parent shows behind the widget, at the surface's pixels:
// the texture of its window brush (enlarged without smoothing to the device pixel ratio,
// as the parent paints it), else a picture of its window colour covering the parent and
// the widget's place in it (none when that would pass 64 Mi pixels); none without a
// parent widget. Names match without regard to case; others raise 438.
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
  double ratio_ = 1;
  QPoint origin_;
  // The parent's picture as last made, kept while its texture (or, without one, its
  // colour and size) and the ratio stay the same.
  struct PictureKey {
    qint64 texture = 0;
    QRgb color = 0;
    QSize size;
    bool operator==(const PictureKey&) const = default;
  };
  PictureKey pictureKey_;
  host::PicturePtr picture_;
};

}  // namespace led::qt
