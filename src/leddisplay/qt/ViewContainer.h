// Internal: not installed.
#pragma once
// The container a widget or Qt Quick item (its HostView) gives its control.
// PropertyChanged and RaiseEvent reach the host through callbacks, synchronously, with
// event arguments by reference. The ambient font is the view's font, a new object on
// every request (DejaVu Sans 8 pt when that font cannot be a font object). The
// extender's Left and Top are the display box's place in the view's parent in twips (the
// view's place plus the box's corner, SetBox; the parent's ScaleMode is 1, twips). The
// parent's Picture is what the parent shows behind the view, at the surface's pixels:
// the texture of its window brush (enlarged without smoothing to the device pixel ratio,
// as the parent paints it), else a picture of its window colour covering the parent and
// the view's place in it (none when that would pass 64 Mi pixels); none without a
// parent backdrop. Names match without regard to case; others raise 438.
#include <QPixmap>
#include <functional>
#include <span>
#include <string>

#include "leddisplay/host/Container.h"
#include "leddisplay/host/Picture.h"
#include "leddisplay/qt/HostView.h"

namespace led::qt {

class ViewContainer : public host::Container {
 public:
  using PropertyChangedHandler = std::function<void(const std::string&)>;
  using EventHandler = std::function<void(int32_t dispid, std::span<host::EventArg>)>;

  // `twipsPerPixel` gives the screen metric used for Left and Top.
  ViewContainer(HostView& view, std::function<float()> twipsPerPixel);

  void PropertyChanged(const std::string& name) override;
  void RaiseEvent(int32_t dispid, const std::string& name, std::span<host::EventArg> args) override;
  host::FontPtr AmbientFont() override;
  core::Variant ExtenderProperty(const std::string& name) override;
  core::Variant ParentProperty(const std::string& name) override;

  // The surface's pixels per view pixel, and the display box's corner in the view
  // in surface pixels.
  void SetBox(double ratio, QPoint origin);

  void OnPropertyChanged(PropertyChangedHandler handler) { propertyChanged_ = std::move(handler); }
  void OnEvent(EventHandler handler) { event_ = std::move(handler); }

 private:
  host::PicturePtr ParentPicture();

  HostView& view_;
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
