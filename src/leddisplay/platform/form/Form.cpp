#include "leddisplay/platform/form/Form.h"

#include "leddisplay/platform/io/Png.h"
#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/text/TextLabel.h"

namespace led::platform {

Form::Form() : Form(std::make_unique<RasterSurface>(), GdiTable::Instance()) {}

Form::Form(std::unique_ptr<RasterSurface> surface, host::Gdi& gdi)
    : surface_(std::move(surface)),
      lowerCaption_(std::make_unique<TextLabel>(*surface_, "Label1")),
      upperCaption_(std::make_unique<TextLabel>(*surface_, "Label2")),
      host_(std::make_unique<host::Host>(
          host::Host{*surface_, *lowerCaption_, *upperCaption_, container_, gdi})) {
  // Copies of the lists are called, so that a subscriber added meanwhile waits its turn.
  surface_->SetResizeHandler([this] {
    const auto subscribers = resized_;
    for (const auto& handler : subscribers) handler();
  });
  container_.OnPropertyChanged([this](const std::string& name) {
    const auto subscribers = propertyChanged_;
    for (const auto& handler : subscribers) handler(name);
  });
  container_.OnEvent(
      [this](int32_t dispid, const std::string& name, std::span<host::EventArg> args) {
        const auto subscribers = events_;
        for (const auto& handler : subscribers) handler(dispid, name, args);
      });
  surface_->SetExtentPixels(kStartWidth, kStartHeight);
}

Form::~Form() = default;

void Form::OnResize(std::function<void()> handler) {
  if (handler) resized_.push_back(std::move(handler));
}

void Form::OnPropertyChanged(FormContainer::PropertyChangedHandler handler) {
  if (handler) propertyChanged_.push_back(std::move(handler));
}

void Form::OnEvent(FormContainer::EventHandler handler) {
  if (handler) events_.push_back(std::move(handler));
}

void Form::SetContainerPicture(host::PicturePtr picture) {
  container_.SetPicture(std::move(picture));
}

void Form::SetContainerScaleMode(int16_t mode) {
  container_.SetScaleMode(mode);
}

void Form::SetPlace(float left, float top) {
  container_.SetPlace(left, top);
}

void Form::SetTwipsPerPixel(float twipsPerPixel) {
  surface_->SetTwipsPerPixel(twipsPerPixel, twipsPerPixel);
}

// Labels are children of the surface: they are drawn into its inner area (inside the
// border), clipped by it, straight onto the composed image.
void Form::DrawWhole(Image& image) const {
  surface_->ComposeInto(image);
  const int32_t border = surface_->BorderThickness();
  const Image& inner = surface_->Inner();
  const PixelRect innerArea{border, border, border + inner.width, border + inner.height};
  lowerCaption_->DrawOnto(image, border, border, innerArea);
  upperCaption_->DrawOnto(image, border, border, innerArea);
}

Image Form::Snapshot() const {
  Image image;
  DrawWhole(image);
  return image;
}

const Image& Form::Frame() {
  const std::array<uint64_t, 3> now = {surface_->Generation(), lowerCaption_->Generation(),
                                       upperCaption_->Generation()};
  if (frameGenerations_ != now) {
    DrawWhole(frame_);
    frameGenerations_ = now;
  }
  return frame_;
}

void Form::WriteSnapshotPng(const std::string& path) const {
  WritePngFile(path, Snapshot());
}

}  // namespace led::platform
