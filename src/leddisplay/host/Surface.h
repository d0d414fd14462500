#pragma once
/// @file
/// The control's base object: its window and drawing surface. Every operation may
/// fail by throwing core::RuntimeError. Coordinates and inner sizes are in the current
/// scale mode; the extent (Width, Height) is in twips.
#include <cstdint>
#include <span>

#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/OleColor.h"
#include "leddisplay/host/Picture.h"

namespace led::host {

/// One Line call, for the batched form Lines.
struct LineCall {
  /// The end points, in the current scale.
  ///@{
  float x1, y1, x2, y2;
  ///@}
  core::OleColor color;  ///< An OLE colour; system colours allowed.
};

/// The scale modes every surface takes, by number; a surface may take more.
enum ScaleModes : int16_t { kScaleUser = 0, kScaleTwips = 1, kScalePoints = 2, kScalePixels = 3 };

/// The control's window as the host provides it: one per control, drawn on by the
/// renderer and sized by the control.
class Surface {
 public:
  virtual ~Surface() = default;

  /// Pen width in pixels for later lines.
  virtual void SetDrawWidth(int16_t width) = 0;
  /// The unit of coordinates and inner sizes: a ScaleModes value or another mode the
  /// surface takes.
  ///@{
  virtual int16_t ScaleMode() = 0;
  virtual void SetScaleMode(int16_t mode) = 0;
  ///@}
  /// Inner size in the current scale.
  ///@{
  virtual float ScaleWidth() = 0;
  virtual float ScaleHeight() = 0;
  ///@}
  /// A horizontal / vertical length converted from scale mode `from` to `to`.
  ///@{
  virtual float ScaleX(float value, int16_t from, int16_t to) = 0;
  virtual float ScaleY(float value, int16_t from, int16_t to) = 0;
  ///@}

  /// A line between absolute points of the current scale, either order.
  virtual void Line(float x1, float y1, float x2, float y2, core::OleColor color) = 0;
  /// The lines in order, drawn as that many Line calls would draw them: an error ends the
  /// batch after the lines before it. The default makes those Line calls.
  virtual void Lines(std::span<const LineCall> lines) {
    for (const LineCall& l : lines) Line(l.x1, l.y1, l.x2, l.y2, l.color);
  }
  /// Erases all drawing: the back colour shows and, when set, the picture.
  virtual void Cls() = 0;
  /// Whether drawing persists in the kept image that repaints the window; a surface
  /// may keep the image whatever this says.
  ///@{
  virtual core::Boolean AutoRedraw() = 0;
  virtual void SetAutoRedraw(core::Boolean on) = 0;
  ///@}
  /// Device context of the kept image, for the Gdi subset.
  virtual int32_t hDC() = 0;

  /// The border's look: 0 flat, 1 3D.
  ///@{
  virtual int16_t Appearance() = 0;
  virtual void SetAppearance(int16_t appearance) = 0;
  ///@}
  /// 0 no border, 1 a fixed single border.
  ///@{
  virtual int16_t BorderStyle() = 0;
  virtual void SetBorderStyle(int16_t style) = 0;
  ///@}
  /// The colour Cls fills with (an OLE colour; system colours allowed).
  ///@{
  virtual core::OleColor BackColor() = 0;
  virtual void SetBackColor(core::OleColor color) = 0;
  ///@}
  /// Whether the window takes mouse and keyboard input.
  ///@{
  virtual core::Boolean Enabled() = 0;
  virtual void SetEnabled(core::Boolean enabled) = 0;
  ///@}
  /// The cursor over the window by number: 0 the default, 99 the MouseIcon.
  ///@{
  virtual int16_t MousePointer() = 0;
  virtual void SetMousePointer(int16_t pointer) = 0;
  ///@}
  /// The cursor image shown while MousePointer is 99; may be null.
  ///@{
  virtual PicturePtr MouseIcon() = 0;
  virtual void SetMouseIcon(PicturePtr icon) = 0;
  ///@}
  /// The image Cls draws at the inner area's top-left, under later drawing; may be null.
  ///@{
  virtual PicturePtr Picture() = 0;
  virtual void SetPicture(PicturePtr picture) = 0;
  ///@}
  /// The window's handle: a number that identifies this surface.
  virtual int32_t hWnd() = 0;

  /// The control's extent in twips. Setting a new value delivers the container's
  /// Resize notification before returning; setting the current value delivers none.
  ///@{
  virtual float Width() = 0;
  virtual void SetWidth(float twips) = 0;
  virtual float Height() = 0;
  virtual void SetHeight(float twips) = 0;
  ///@}

  /// Twips in one screen pixel, horizontally / vertically (15 at 96 pixels an inch).
  ///@{
  virtual float TwipsPerPixelX() = 0;
  virtual float TwipsPerPixelY() = 0;
  ///@}
};

}  // namespace led::host
