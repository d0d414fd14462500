// RasterSurface: scale conversions, the extent and border, drawing (lines, Cls), and
// composition of the whole control.
#include "leddisplay/platform/raster/RasterSurface.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/LinePixels.h"
#include "leddisplay/platform/raster/PixelKernels.h"

namespace led::platform {
namespace {

constexpr int16_t kScaleCharacters = 4, kScaleInches = 5, kScaleMillimetres = 6,
                  kScaleCentimetres = 7, kScaleHimetric = 8;

std::atomic<int32_t> nextWindow{0x10000};

[[noreturn]] void ThrowInvalidValue() {
  throw core::RuntimeError(core::kInvalidPropertyValue);
}

[[noreturn, gnu::cold, gnu::noinline]] void ThrowOverflow() {
  throw core::RuntimeError(core::kOverflow);
}

// Sloped lines and wide pens stay out of the loop over a batch, so that its common
// straight one-pixel case remains small.
[[gnu::noinline]] void DrawThinLine(Image& image, int64_t ax, int64_t ay, int64_t bx, int64_t by,
                                    Pixel pixel) {
  Rasterize(ax, ay, bx, by, 0, image.width - 1, 0, image.height - 1,
            [&](int64_t x, int64_t y) { image.at(int32_t(x), int32_t(y)) = pixel; });
}

// A square pen of side pw whose top-left corner lies `offset` pixels before the centre.
[[gnu::noinline]] void DrawWideLine(Image& image, int64_t ax, int64_t ay, int64_t bx, int64_t by,
                                    int64_t pw, Pixel pixel) {
  const int64_t w = image.width, h = image.height, offset = (pw - 1) / 2;
  Rasterize(ax, ay, bx, by, offset - pw + 1, w - 1 + offset, offset - pw + 1, h - 1 + offset,
            [&](int64_t x, int64_t y) {
              const int64_t left = std::max<int64_t>(x - offset, 0);
              const int64_t right = std::min<int64_t>(x - offset + pw, w);
              const int64_t top = std::max<int64_t>(y - offset, 0);
              const int64_t bottom = std::min<int64_t>(y - offset + pw, h);
              for (int64_t row = top; row < bottom; ++row)
                std::fill_n(&image.at(int32_t(left), int32_t(row)), right - left, pixel);
            });
}

int32_t Thickness(int16_t appearance, int16_t borderStyle, double zoom) {
  return core::ZoomLength(borderStyle == 0 ? 0 : (appearance == 0 ? 1 : 2), zoom);
}

}  // namespace

// ---- Construction -------------------------------------------------------------------

RasterSurface::RasterSurface(Pixels pixels)
    : pixels_(pixels),
      inner_(std::make_shared<Image>()),
      bitmap_(GdiTable::Instance().RegisterBitmap(inner_,
                                                  [this](bool covered) {
                                                    if (covered)
                                                      clearPending_ = false;
                                                    else
                                                      Settle();
                                                  })),
      hdc_(GdiTable::Instance().CreateBitmapDC(bitmap_)),
      hWnd_(nextWindow.fetch_add(1)) {}

RasterSurface::~RasterSurface() {
  GdiTable::Instance().DeleteDC(hdc_);
  GdiTable::Instance().ReleaseBitmap(bitmap_);
}

void RasterSurface::SetResizeHandler(std::function<void()> handler) {
  resizeHandler_ = std::move(handler);
}

void RasterSurface::SetTwipsPerPixel(float x, float y) {
  if (!(std::isfinite(x) && x > 0 && std::isfinite(y) && y > 0)) ThrowInvalidValue();
  twipsPerPixelX_ = x;
  twipsPerPixelY_ = y;
}

// ---- Scale --------------------------------------------------------------------------

double RasterSurface::PixelsPerUnit(int16_t mode, bool vertical) const {
  const double twipsPerPixel = vertical ? twipsPerPixelY_ : twipsPerPixelX_;
  double twipsPerUnit = 0;
  switch (mode) {
    case host::kScaleUser:
    case host::kScalePixels:
      return 1.0;
    case host::kScaleTwips:
      twipsPerUnit = 1;
      break;
    case host::kScalePoints:
      twipsPerUnit = 20;
      break;
    case kScaleCharacters:
      twipsPerUnit = vertical ? 240 : 120;
      break;
    case kScaleInches:
      twipsPerUnit = 1440;
      break;
    case kScaleMillimetres:
      twipsPerUnit = 1440 / 25.4;
      break;
    case kScaleCentimetres:
      twipsPerUnit = 1440 / 2.54;
      break;
    case kScaleHimetric:
      twipsPerUnit = 1440 / 2540.0;
      break;
    default:
      throw core::RuntimeError(core::kInvalidCall);
  }
  return twipsPerUnit / twipsPerPixel;
}

void RasterSurface::SetScaleMode(int16_t mode) {
  if (mode < 0 || mode > kScaleCentimetres) ThrowInvalidValue();
  scaleMode_ = mode;
}

float RasterSurface::ScaleWidth() {
  return float(innerWidth_ / PixelsPerUnit(scaleMode_, false));
}
float RasterSurface::ScaleHeight() {
  return float(innerHeight_ / PixelsPerUnit(scaleMode_, true));
}

float RasterSurface::ScaleX(float value, int16_t from, int16_t to) {
  const double ratio = PixelsPerUnit(from, false) / PixelsPerUnit(to, false);
  return from == to ? value : float(value * ratio);
}

float RasterSurface::ScaleY(float value, int16_t from, int16_t to) {
  const double ratio = PixelsPerUnit(from, true) / PixelsPerUnit(to, true);
  return from == to ? value : float(value * ratio);
}

// ---- Extent and border --------------------------------------------------------------

int32_t RasterSurface::BorderThickness() const {
  return Thickness(appearance_, borderStyle_, borderZoom_);
}

int32_t RasterSurface::ExtentFromTwips(float twips, float twipsPerPixel) const {
  if (!(twips >= 0)) ThrowInvalidValue();  // negative or NaN
  const double pixels = core::RoundHalfEven(double(twips) / twipsPerPixel);
  if (!(pixels <= double(MaxInnerSide() + 4))) ThrowInvalidValue();  // beyond any border
  return int32_t(pixels);
}

void RasterSurface::CheckInner(int64_t width, int64_t height) const {
  const int64_t side = MaxInnerSide();
  if (width > side || height > side) ThrowInvalidValue();
  if (KeepsPixels() && width * height > kMaxInnerPixels) ThrowInvalidValue();
}

float RasterSurface::Width() {
  return float(extentX_ * double(twipsPerPixelX_));
}
float RasterSurface::Height() {
  return float(extentY_ * double(twipsPerPixelY_));
}

void RasterSurface::SetWidth(float twips) {
  ApplyExtent(ExtentFromTwips(twips, twipsPerPixelX_), extentY_);
}

void RasterSurface::SetHeight(float twips) {
  ApplyExtent(extentX_, ExtentFromTwips(twips, twipsPerPixelY_));
}

void RasterSurface::SetExtentPixels(int32_t width, int32_t height) {
  if (width < 0 || height < 0) ThrowInvalidValue();
  ApplyExtent(width, height);
}

void RasterSurface::ApplyExtent(int32_t width, int32_t height) {
  const int32_t t = BorderThickness();
  CheckInner(std::max(0, width - 2 * t), std::max(0, height - 2 * t));
  if (width == extentX_ && height == extentY_) return;
  extentX_ = width;
  extentY_ = height;
  ResizeInner();
  // A copy, so that a handler replacing itself does not destroy the running call.
  if (const std::function<void()> handler = resizeHandler_) handler();
}

void RasterSurface::ResizeInner() {
  const int32_t t = BorderThickness();
  const int32_t width = std::max(0, extentX_ - 2 * t), height = std::max(0, extentY_ - 2 * t);
  if (width == innerWidth_ && height == innerHeight_) return;
  Settle();
  ++generation_;
  innerWidth_ = width;
  innerHeight_ = height;
  if (!KeepsPixels()) return;
  Image resized(width, height, OpaquePixel(Resolve(backColor_)));
  const int32_t keepX = std::min(width, inner_->width), keepY = std::min(height, inner_->height);
  if (keepX > 0)
    for (int32_t y = 0; y < keepY; ++y) std::copy_n(&inner_->at(0, y), keepX, &resized.at(0, y));
  *inner_ = std::move(resized);  // same object: the bitmap handle and hDC stay valid
}

void RasterSurface::SetAppearance(int16_t appearance) {
  SetEdge(appearance, borderStyle_);
}

void RasterSurface::SetBorderStyle(int16_t style) {
  SetEdge(appearance_, style);
}

void RasterSurface::SetBorderZoom(double zoom) {
  if (!(std::isfinite(zoom) && zoom > 0)) ThrowInvalidValue();
  const int32_t t = Thickness(appearance_, borderStyle_, zoom);
  CheckInner(std::max(0, extentX_ - 2 * t), std::max(0, extentY_ - 2 * t));
  borderZoom_ = zoom;
  ResizeInner();
}

void RasterSurface::SetEdge(int16_t appearance, int16_t style) {
  if (appearance < 0 || appearance > 1 || style < 0 || style > 1) ThrowInvalidValue();
  const int32_t t = Thickness(appearance, style, borderZoom_);
  CheckInner(std::max(0, extentX_ - 2 * t), std::max(0, extentY_ - 2 * t));
  appearance_ = appearance;
  borderStyle_ = style;
  ++generation_;  // the border's look, when its thickness stays
  ResizeInner();
}

// ---- Colours -------------------------------------------------------------------------

void RasterSurface::SetSystemColors(const SystemColorSet& table) {
  ++generation_;  // the border's colours
  systemColors_ = table;
}

core::OleColor RasterSurface::SystemColor(int32_t index) const {
  if (!systemColors_) return platform::SystemColor(index);
  return index >= 0 && index < kSystemColorCount ? (*systemColors_)[size_t(index)] : 0;
}

core::OleColor RasterSurface::Resolve(core::OleColor color) const {
  if (!core::IsSystemColor(color)) return color & 0xFFFFFFu;
  return systemColors_ ? ResolveColor(color, *systemColors_) : ResolveColor(color);
}

void RasterSurface::SetLineColorMap(std::function<core::OleColor(core::OleColor)> map) {
  lineColorMap_ = std::move(map);
}

Pixel RasterSurface::LinePixel(core::OleColor color) const {
  core::OleColor rgb = Resolve(color);
  if (lineColorMap_) rgb = lineColorMap_(rgb);
  if (ShowsDisabledLook()) rgb = DisabledLineColor(rgb, Resolve(disabledToward_()));
  return OpaquePixel(rgb);
}

void RasterSurface::SetDisabledLook(std::function<core::OleColor()> unlitColor,
                                    std::function<void()> changed) {
  disabledToward_ = std::move(unlitColor);
  enabledChanged_ = std::move(changed);
}

void RasterSurface::SetEnabled(core::Boolean enabled) {
  const bool changed = core::IsTrue(enabled) != core::IsTrue(enabled_);
  enabled_ = enabled;
  if (!changed) return;
  ++generation_;  // the captions' colour
  if (enabledChanged_) enabledChanged_();
}

core::OleColor DisabledLineColor(core::OleColor rgb, core::OleColor unlit) {
  const auto half = [](uint8_t a, uint8_t b) { return uint8_t((a + b + 1) / 2); };
  return core::Rgb(half(core::RedOf(rgb), core::RedOf(unlit)),
                   half(core::GreenOf(rgb), core::GreenOf(unlit)),
                   half(core::BlueOf(rgb), core::BlueOf(unlit)));
}

// ---- Other properties ---------------------------------------------------------------

void RasterSurface::SetDrawWidth(int16_t width) {
  if (width < 1) ThrowInvalidValue();
  drawWidth_ = width;
}

void RasterSurface::SetMousePointer(int16_t pointer) {
  if (!((pointer >= 0 && pointer <= 15) || pointer == 99)) ThrowInvalidValue();
  mousePointer_ = pointer;
}

void RasterSurface::SetBackColor(core::OleColor color) {
  backColor_ = color;
  Cls();
}

void RasterSurface::SetPicture(host::PicturePtr picture) {
  picture_ = std::move(picture);
  Cls();
}

// ---- Drawing ------------------------------------------------------------------------

void RasterSurface::Line(float x1, float y1, float x2, float y2, core::OleColor color) {
  const host::LineCall line{x1, y1, x2, y2, color};
  RasterSurface::Lines(std::span(&line, 1));
}

void RasterSurface::Lines(std::span<const host::LineCall> lines) {
  if (lines.empty()) return;
  Settle();
  ++generation_;
  // What every line shares is worked out once: the scale, the pen and the image.
  const bool pixels = scaleMode_ == host::kScalePixels || scaleMode_ == host::kScaleUser;
  const double kx = pixels ? 1.0 : PixelsPerUnit(scaleMode_, false);
  const double ky = pixels ? 1.0 : PixelsPerUnit(scaleMode_, true);
  Image& image = *inner_;
  const int64_t w = image.width, h = image.height;
  const bool empty = w == 0 || h == 0;
  Pixel* const data = image.pixels.data();
  const int64_t pen = drawWidth_;  // a local: pixel stores could otherwise change it
  // Colours are resolved when they change: a cell's lines come in runs of one colour.
  core::OleColor color = lines.front().color;
  Pixel pixel = LinePixel(color);
  for (const host::LineCall& l : lines) {
    if (l.color != color) {
      color = l.color;
      pixel = LinePixel(color);
    }
    std::array<int32_t, 4> ends;  // ax, ay, bx, by in pixels
    if (!(pixels ? PixelEnds(l, ends) : ScaledEnds(l, kx, ky, ends))) ThrowOverflow();
    if (empty) continue;
    const int64_t ax = ends[0], ay = ends[1], bx = ends[2], by = ends[3];
    if (pen != 1) {
      DrawWideLine(image, ax, ay, bx, by, pen, pixel);
    } else if (ay == by) {  // horizontal: one span
      if (ay < 0 || ay >= h) continue;
      const int64_t left = std::max<int64_t>(std::min(ax, bx), 0);
      const int64_t right = std::min<int64_t>(std::max(ax, bx), w - 1);
      if (left <= right) FillPixels(data + ay * w + left, size_t(right - left + 1), pixel);
    } else if (ax == bx) {  // vertical: one column
      if (ax < 0 || ax >= w) continue;
      const int64_t top = std::max<int64_t>(std::min(ay, by), 0);
      const int64_t bottom = std::min<int64_t>(std::max(ay, by), h - 1);
      // Four rows a step (bars are tall and thin); rows are reached from the column's
      // top, so that no pointer goes beyond the image.
      Pixel* p = data + ax;
      int64_t y = top;
      for (; y + 3 <= bottom; y += 4) {
        Pixel* q = p + y * w;
        q[0] = pixel;
        q[w] = pixel;
        q[2 * w] = pixel;
        q[3 * w] = pixel;
      }
      for (; y <= bottom; ++y) p[y * w] = pixel;
    } else {
      DrawThinLine(image, ax, ay, bx, by, pixel);
    }
  }
}

void RasterSurface::Cls() {
  ++generation_;
  if (!picture_ || picture_->Handle() == 0) {
    clearPixel_ = OpaquePixel(Resolve(backColor_));
    clearPending_ = true;
    return;
  }
  clearPending_ = false;
  Image& image = *inner_;
  FillPixels(image.pixels.data(), image.pixels.size(), OpaquePixel(Resolve(backColor_)));
  const std::shared_ptr<Image> bitmap = GdiTable::Instance().BitmapOf(picture_->Handle());
  if (!bitmap || bitmap->pixels.size() != size_t(bitmap->width) * size_t(bitmap->height)) return;
  BlendPicture(image, *bitmap);
}

// ---- Composition --------------------------------------------------------------------

std::vector<BorderSide> RasterSurface::BorderSides() const {
  std::vector<BorderSide> sides;
  // One ring of the border, inset by r and w pixels wide: the upper-left sides end
  // before the far corners, which belong to the lower-right sides.
  const auto ring = [&](int32_t r, int32_t w, core::OleColor upperLeft, core::OleColor lowerRight) {
    if (w <= 0) return;
    const Pixel ul = OpaquePixel(Resolve(upperLeft));
    const Pixel lr = OpaquePixel(Resolve(lowerRight));
    const int32_t right = extentX_ - r, bottom = extentY_ - r;  // exclusive
    sides.push_back({{r, r, right - w, r + w}, ul});
    sides.push_back({{r, r, r + w, bottom - w}, ul});
    sides.push_back({{r, bottom - w, right, bottom}, lr});
    sides.push_back({{right - w, r, right, bottom}, lr});
  };
  const core::OleColor system = core::kSystemColorBit;
  const int32_t t = BorderThickness();
  if (borderStyle_ == 1 && appearance_ == 0) {
    ring(0, t, system | kColorWindowFrame, system | kColorWindowFrame);
  } else if (borderStyle_ == 1) {  // sunken edge: the outer ring takes an odd pixel
    const int32_t outer = t - t / 2;
    ring(0, outer, system | kColorButtonShadow, system | kColorButtonHighlight);
    ring(outer, t / 2, system | kColor3DDarkShadow, system | kColor3DLight);
  }
  return sides;
}

Image RasterSurface::Compose() const {
  Image out;
  ComposeInto(out);
  return out;
}

void RasterSurface::FillPendingClear() const {
  clearPending_ = false;
  FillPixels(inner_->pixels.data(), inner_->pixels.size(), clearPixel_);
}

void RasterSurface::ComposeInto(Image& out) const {
  if (!KeepsPixels())
    throw core::RuntimeError(core::kInvalidCall,
                             core::RuntimeError::StandardDescription(core::kInvalidCall) +
                                 ": the surface keeps no pixels to compose");
  Settle();
  out.width = extentX_;
  out.height = extentY_;
  out.pixels.assign(size_t(extentX_) * size_t(extentY_), OpaquePixel(Resolve(backColor_)));
  for (const BorderSide& side : BorderSides()) {
    const int32_t left = std::max(side.rect.left, 0), right = std::min(side.rect.right, extentX_);
    for (int32_t y = std::max(side.rect.top, 0); y < std::min(side.rect.bottom, extentY_); ++y)
      if (left < right) std::fill(&out.at(left, y), &out.at(left, y) + (right - left), side.pixel);
  }
  const int32_t t = BorderThickness();
  if (inner_->width > 0)
    for (int32_t y = 0; y < inner_->height; ++y)
      std::copy_n(&inner_->at(0, y), inner_->width, &out.at(t, t + y));
}

}  // namespace led::platform
