#pragma once
/// @file
/// A drawing surface kept as an image of its inner area (0xAARRGGBB words, always
/// opaque where the surface itself paints), with the border drawn around it on composition.
///
/// Extent: kept in whole pixels. A width or height set in twips becomes
/// twips / TwipsPerPixel rounded to nearest (halves to even); the getter gives
/// pixels * TwipsPerPixel. A set that lands on the current pixel count changes nothing
/// and calls no resize handler; any other calls it synchronously before returning. NaN,
/// negative values and extents whose inner image would exceed 32767 pixels on a side or
/// 64 Mi pixels in all are refused with error 380 and change nothing. Changing the twips
/// per pixel keeps the pixel extent.
///
/// Border: BorderStyle 0 draws none; 1 draws a 1-pixel frame line (Appearance 0, flat)
/// or a 2-pixel sunken edge (Appearance 1, 3D), each as thick again under a border zoom
/// (SetBorderZoom; the sunken edge's outer ring takes an odd pixel). Inner size = extent - 2 *
/// thickness, never below 0. When the inner size changes the kept image keeps its top-left content;
/// new area shows the back colour.
///
/// Line: end points are converted to pixels and rounded to nearest, halves up (toward
/// +infinity, so that lines one unit apart land on adjacent pixels); both end pixels are
/// painted. Between them, along the longer axis a (the x axis on a tie),
/// walking from the end with the smaller a, the other coordinate is
/// b0 + floor((2 * i * (b1 - b0) + n) / (2 * n)) at step i of n, so a line and its
/// reverse paint the same pixels. Pixels outside the image are clipped. A pen wider than
/// one pixel paints a w x w square for each pixel, offset by -(w - 1) / 2. Coordinates
/// that are not finite or lie beyond +-2^31 pixels give error 6. Lines draws a batch as
/// its Line calls would: a refused line ends it after the lines before it.
///
/// Colours: a system colour (bit 31) is looked up in the surface's system colour table
/// (SystemColors' process-wide one, read at each use, until SetSystemColors gives it one
/// of its own); otherwise the low 24 bits are used. A line colour map, when set, maps
/// each line's resolved colour before it is painted. With the disabled look set
/// (SetDisabledLook), while Enabled is False each line is painted halfway toward the
/// unlit colour it names (DisabledLineColor), after the map; captions on the surface then
/// draw in its grey text colour (17). Cls fills with the back colour and draws the
/// picture 1:1 at (0, 0), blended by its alpha. Setting BackColor or Picture clears as Cls does.
/// The image is kept whatever AutoRedraw says (there is no window to draw onto directly).
///
/// Scale modes: 0 user (as pixels), 1 twips, 2 points, 3 pixels, 4 characters (120 x 240
/// twips), 5 inches, 6 millimetres, 7 centimetres; ScaleX/ScaleY also take 8 (himetric).
/// Starting state: extent 0 x 0, pixels, AutoRedraw True, DrawWidth 1, BackColor 0
/// (black), Appearance 1, BorderStyle 0, Enabled True, MousePointer 0, 15 twips per pixel.
///
/// A surface made to keep no pixels (Pixels::kNone) is all of the above but the image:
/// for a host that keeps its drawing otherwise (VectorSurface records it as shapes). Its
/// Inner() stays 0 x 0 (InnerWidth/InnerHeight give the inner size), Line, Lines and Cls
/// paint nothing (a line's refused ends still give 6), its hDC holds that empty image (a
/// GDI call onto it succeeds and paints nothing), Compose raises 5, and its inner area may
/// reach kMaxShapeSide pixels on a side, with no cap on the total.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "leddisplay/host/Surface.h"
#include "leddisplay/platform/raster/Image.h"
#include "leddisplay/platform/raster/SystemColors.h"

namespace led::platform {

/// The largest inner image: pixels on a side, and pixels in all.
///@{
inline constexpr int64_t kMaxInnerSide = 32767;
inline constexpr int64_t kMaxInnerPixels = int64_t{64} * 1024 * 1024;
///@}
/// The largest inner area of a surface that keeps no pixels, on a side: 2^23 - 1, the
/// largest coordinate vector painters hold exactly (Cairo's 24.8 fixed point).
inline constexpr int64_t kMaxShapeSide = 8388607;

/// One side of the border: a rectangle of the extent's pixels (it may be empty or reach
/// outside the extent, which clips it) and its colour.
struct BorderSide {
  PixelRect rect;  ///< in pixels of the whole control
  Pixel pixel;     ///< the colour, resolved
};

/// A host::Surface with no window of its own: it draws into a kept image by the rules
/// in this file's description; a host that shows it paints Compose() onto its window.
class RasterSurface : public host::Surface {
 public:
  /// What the surface keeps of its drawing: the image, or nothing (see above).
  enum class Pixels {
    kKept,  ///< the image, by the rules above
    kNone   ///< no image: for a host that keeps its drawing otherwise
  };

  /// A surface in the starting state, keeping its pixels or none.
  explicit RasterSurface(Pixels pixels = Pixels::kKept);
  ~RasterSurface() override;
  RasterSurface(const RasterSurface&) = delete;
  RasterSurface& operator=(const RasterSurface&) = delete;

  /// Called inside SetWidth/SetHeight when the extent changes.
  void SetResizeHandler(std::function<void()> handler);
  /// Screen metrics; both must be finite and positive (380 otherwise).
  void SetTwipsPerPixel(float x, float y);

  /// The kept image of the inner area; the same object for the surface's lifetime,
  /// resized with the inner size (0 x 0 throughout when the surface keeps no pixels).
  const Image& Inner() const {
    Settle();
    return *inner_;
  }
  /// The inner area's size in pixels: the kept image's, where there is one.
  ///@{
  int32_t InnerWidth() const { return innerWidth_; }
  int32_t InnerHeight() const { return innerHeight_; }
  ///@}
  /// Whether the surface keeps its pixels (Pixels::kKept).
  bool KeepsPixels() const { return pixels_ == Pixels::kKept; }
  /// The most pixels of the inner area on a side: kMaxInnerSide, or kMaxShapeSide for a
  /// surface that keeps no pixels.
  int64_t MaxInnerSide() const { return KeepsPixels() ? kMaxInnerSide : kMaxShapeSide; }
  /// Pixels of border on each side: 0, 1 (flat) or 2 (3D), each zoomed.
  int32_t BorderThickness() const;
  /// Draws the border `zoom` times as thick (core::ZoomLength's rule: 2 pixels at 1.5
  /// are 3), as a control drawn at that zoom (control::LEDDisplay::SetZoom) counts it;
  /// the extent is kept, the inner size follows. Not finite or not above 0, or an inner
  /// image too large, raises 380 and changes nothing. Starts at 1.
  void SetBorderZoom(double zoom);
  /// The whole control: border plus inner image, extent-sized; 5 for a surface that
  /// keeps no pixels.
  Image Compose() const;
  /// The same into `out`, keeping its allocation where it is large enough.
  void ComposeInto(Image& out) const;
  /// The border as Compose() draws it: its sides in drawing order (a later side covers
  /// an earlier one where they meet); none without a border.
  std::vector<BorderSide> BorderSides() const;
  /// The pixels a width or height set in twips would give (the rule above); what the
  /// setters refuse raises 380 here too.
  ///@{
  int32_t PixelsFromTwipsX(float twips) const { return ExtentFromTwips(twips, twipsPerPixelX_); }
  int32_t PixelsFromTwipsY(float twips) const { return ExtentFromTwips(twips, twipsPerPixelY_); }
  ///@}
  /// The extent in whole pixels, border included.
  ///@{
  int32_t ExtentPixelsX() const { return extentX_; }
  int32_t ExtentPixelsY() const { return extentY_; }
  ///@}
  /// Sets the extent in pixels, with the same checks and notification as SetWidth/SetHeight.
  void SetExtentPixels(int32_t width, int32_t height);
  /// A count that advances with every Cls, Line, Lines, change of the inner image's
  /// size, of the border's look, of the surface's own system colours and of Enabled: a
  /// composition that may have changed since a host last looked.
  uint64_t Generation() const { return generation_; }

  /// The system colours this surface draws with from now on. Changes nothing drawn.
  void SetSystemColors(const SystemColorSet& table);
  /// The RGB value of system colour `index` on this surface; 0 outside 0..30.
  core::OleColor SystemColor(int32_t index) const;
  /// A colour as this surface draws it (see Colours above), as an RGB value.
  core::OleColor Resolve(core::OleColor color) const;
  /// Lines are painted in map(their resolved colour) from now on; an empty map paints
  /// the resolved colour (the starting state). Changes nothing drawn.
  void SetLineColorMap(std::function<core::OleColor(core::OleColor rgb)> map);

  /// Shows the disabled look (see Colours above) from now on, toward `unlitColor()` (an
  /// OLE colour, resolved here); a change of Enabled calls `changed` (a host redraws
  /// there: the look applies to lines drawn after it). Empty functions take it away.
  void SetDisabledLook(std::function<core::OleColor()> unlitColor, std::function<void()> changed);
  /// Whether lines and captions now draw in the disabled look.
  bool ShowsDisabledLook() const { return !core::IsTrue(enabled_) && disabledToward_; }
  /// The pixel a line of `color` paints now: resolved, then mapped, then in the disabled
  /// look when it shows.
  Pixel LinePixel(core::OleColor color) const;
  /// Pixels per unit of a scale mode along one axis; modes 0..8, others give 5.
  double PixelsPerUnit(int16_t mode, bool vertical) const;

  /// Pen width in pixels for later lines.
  int16_t DrawWidth() const { return drawWidth_; }
  /// 1..32767; other values give 380.
  void SetDrawWidth(int16_t width) override;
  int16_t ScaleMode() override { return scaleMode_; }
  /// 0..7; other values give 380.
  void SetScaleMode(int16_t mode) override;
  float ScaleWidth() override;
  float ScaleHeight() override;
  /// Modes 0..8; others give 5.
  float ScaleX(float value, int16_t from, int16_t to) override;
  float ScaleY(float value, int16_t from, int16_t to) override;

  /// A batch is drawn as its Line calls would draw it. Line draws through
  /// RasterSurface::Lines, so a surface that draws otherwise overrides both.
  ///@{
  void Line(float x1, float y1, float x2, float y2, core::OleColor color) override;
  void Lines(std::span<const host::LineCall> lines) override;
  ///@}
  void Cls() override;
  core::Boolean AutoRedraw() override { return autoRedraw_; }
  void SetAutoRedraw(core::Boolean on) override { autoRedraw_ = on; }
  int32_t hDC() override { return hdc_; }

  int16_t Appearance() override { return appearance_; }
  void SetAppearance(int16_t appearance) override;  ///< 0..1, else 380
  int16_t BorderStyle() override { return borderStyle_; }
  void SetBorderStyle(int16_t style) override;  ///< 0..1, else 380
  core::OleColor BackColor() override { return backColor_; }
  void SetBackColor(core::OleColor color) override;
  core::Boolean Enabled() override { return enabled_; }
  void SetEnabled(core::Boolean enabled) override;
  int16_t MousePointer() override { return mousePointer_; }
  void SetMousePointer(int16_t pointer) override;  ///< 0..15 or 99, else 380
  host::PicturePtr MouseIcon() override { return mouseIcon_; }
  void SetMouseIcon(host::PicturePtr icon) override { mouseIcon_ = std::move(icon); }
  host::PicturePtr Picture() override { return picture_; }
  void SetPicture(host::PicturePtr picture) override;
  int32_t hWnd() override { return hWnd_; }

  float Width() override;
  void SetWidth(float twips) override;
  float Height() override;
  void SetHeight(float twips) override;
  float TwipsPerPixelX() override { return twipsPerPixelX_; }
  float TwipsPerPixelY() override { return twipsPerPixelY_; }

 private:
  int32_t ExtentFromTwips(float twips, float twipsPerPixel) const;
  /// Raises 380 when an inner area of that size is beyond the surface's limits.
  void CheckInner(int64_t width, int64_t height) const;
  void ApplyExtent(int32_t width, int32_t height);
  void ResizeInner();
  /// Cls without a picture puts its fill off until the image is next used: Settle does
  /// it then (every use of the image calls it first, the GDI table's too), and a gradient
  /// that paints the whole image drops it, so a gradient background is written once.
  void Settle() const {
    if (clearPending_) FillPendingClear();
  }
  void FillPendingClear() const;
  /// Takes a new appearance and border style together; refused (380) when either is out
  /// of range or the inner image they leave would be too large.
  void SetEdge(int16_t appearance, int16_t style);

  Pixels pixels_;
  std::shared_ptr<Image> inner_;
  int32_t innerWidth_ = 0;
  int32_t innerHeight_ = 0;
  mutable bool clearPending_ = false;
  Pixel clearPixel_ = 0;
  int32_t bitmap_ = 0;
  int32_t hdc_ = 0;
  int32_t hWnd_ = 0;
  int32_t extentX_ = 0;
  int32_t extentY_ = 0;
  float twipsPerPixelX_ = 15.0f;
  float twipsPerPixelY_ = 15.0f;
  int16_t drawWidth_ = 1;
  int16_t scaleMode_ = host::kScalePixels;
  core::Boolean autoRedraw_ = core::kTrue;
  int16_t appearance_ = 1;
  int16_t borderStyle_ = 0;
  double borderZoom_ = 1;
  uint64_t generation_ = 0;
  core::OleColor backColor_ = 0;
  core::Boolean enabled_ = core::kTrue;
  int16_t mousePointer_ = 0;
  host::PicturePtr mouseIcon_;
  host::PicturePtr picture_;
  std::function<void()> resizeHandler_;
  std::optional<SystemColorSet> systemColors_;  // none: the process-wide table
  std::function<core::OleColor(core::OleColor)> lineColorMap_;
  std::function<core::OleColor()> disabledToward_;
  std::function<void()> enabledChanged_;
};

/// A line colour in the disabled look: each channel (rgb + unlit + 1) / 2, so lit
/// segments dim while unlit ones stay exactly as they are. Both are RGB values.
core::OleColor DisabledLineColor(core::OleColor rgb, core::OleColor unlit);

}  // namespace led::platform
