#pragma once
/// @file
/// One container window holding one control: the control's raster surface, its two
/// caption labels (the lower, traced as "Label1", and the upper, "Label2") and
/// the container. Host() bundles them with the process-wide GDI table. The snapshot is
/// the whole control as seen on screen: border, kept image and both labels on top. The
/// surface starts at kStartWidth x kStartHeight pixels, 15 twips each.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "leddisplay/host/Host.h"
#include "leddisplay/platform/form/FormContainer.h"
#include "leddisplay/platform/raster/Image.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/text/TextLabel.h"

namespace led::platform {

/// The extent of a new display in view pixels (the first values' AutoSize extent at 15
/// twips a pixel): the size a host gives a control before it knows better.
///@{
inline constexpr int32_t kStartWidth = 177;
inline constexpr int32_t kStartHeight = 63;
///@}

/// A headless form with one control's host: draw, resize, snapshot, all in memory.
class Form {
 public:
  Form();
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  host::Host& Host() { return *host_; }                 ///< The bundle to hand to the control.
  RasterSurface& Surface() { return *surface_; }        ///< The control's surface.
  TextLabel& LowerCaption() { return *lowerCaption_; }  ///< "Label1".
  TextLabel& UpperCaption() { return *upperCaption_; }  ///< "Label2".
  FormContainer& Container() { return container_; }     ///< The control's container.

  /// Subscribers, each called in the order it was added (a handler added while they are
  /// called is called from the next time on): the resize ones inside every extent change
  /// of the surface (the container's Resize), the others as FormContainer's handlers are.
  /// An event's by-reference arguments pass from one subscriber to the next, and the
  /// control reads back what the last left.
  ///@{
  void OnResize(std::function<void()> handler);
  void OnPropertyChanged(FormContainer::PropertyChangedHandler handler);
  void OnEvent(FormContainer::EventHandler handler);
  ///@}
  /// Advances whenever the snapshot may have changed: the surface's Generation (the
  /// control clears, draws on or resizes it; every render pass starts with a clear) or a
  /// caption's (PlacedLabel::Generation). A host that saw it move since it last showed
  /// the snapshot shows it anew.
  uint64_t Generation() const {
    return surface_->Generation() + lowerCaption_->Generation() + upperCaption_->Generation();
  }

  /// The container's picture (its parent property "Picture"); null for none.
  void SetContainerPicture(host::PicturePtr picture);
  /// The container's scale mode (its parent property "ScaleMode").
  void SetContainerScaleMode(int16_t mode);
  /// The control's place in the container's scale (the extender's Left and Top).
  void SetPlace(float left, float top);
  /// Screen metrics of both axes.
  void SetTwipsPerPixel(float twipsPerPixel);

  /// The control as seen on screen: border, kept image and both labels.
  Image Snapshot() const;
  /// The snapshot, kept: composed anew only when the surface's Generation or a caption's
  /// (PlacedLabel::Generation) moved since the last call, into the same pixels when the
  /// size stayed. Valid until the next call or the form's end. A change of the
  /// process-wide system colours shows from the next drawing on.
  const Image& Frame();
  /// Writes the snapshot as PNG, as WritePngFile does (errors 75 and 481 as it raises them).
  void WriteSnapshotPng(const std::string& path) const;

 protected:
  /// A form whose control draws on `surface` and through `gdi`, which must outlive the
  /// form (a host of its own may keep it in its surface).
  Form(std::unique_ptr<RasterSurface> surface, host::Gdi& gdi);

 private:
  /// Composes the snapshot into `image`, reusing its pixels when the size is the same.
  void DrawWhole(Image& image) const;

  std::unique_ptr<RasterSurface> surface_;
  std::unique_ptr<TextLabel> lowerCaption_;
  std::unique_ptr<TextLabel> upperCaption_;
  FormContainer container_;
  std::unique_ptr<host::Host> host_;
  std::vector<std::function<void()>> resized_;
  std::vector<FormContainer::PropertyChangedHandler> propertyChanged_;
  std::vector<FormContainer::EventHandler> events_;
  Image frame_;
  std::optional<std::array<uint64_t, 3>> frameGenerations_;  // surface, lower, upper
};

}  // namespace led::platform
