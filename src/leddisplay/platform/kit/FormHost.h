#pragma once
/// @file
/// A display in a view of any toolkit, drawn headless: a control on a Form (its
/// surface, captions and container), placed in the view by the kit's rules
/// (Placement.h), shown with the disabled look (DisabledLook.h) and the toolkit's
/// palette (Palette.h), fed input at view points (ViewPoint.h, InputSequence.h). The
/// host paints Frame() at the placement's origin, in device pixels, whenever
/// Generation() moved, and calls Place when the view's size or ratio changes.
///
/// Example (a toolkit's resize, draw and click handlers):
///
///     led::platform::kit::FormHost display;
///     display.Control().SetValue(12.5);
///     display.Place({width, height}, scale, /*fit=*/true);
///     const led::platform::Image& frame = display.Frame();  // paint at Placed().originX, Y
///     display.Press(led::platform::kit::kButtonLeft, 0, x, y);
#include <cstdint>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/kit/InputConventions.h"
#include "leddisplay/platform/kit/InputSequence.h"
#include "leddisplay/platform/kit/Palette.h"
#include "leddisplay/platform/kit/Placement.h"
#include "leddisplay/platform/raster/Image.h"

namespace led::platform::kit {

/// One control on its own form, for a toolkit's view.
class FormHost {
 public:
  /// A new control (its first values) on a form at ratio 1, laid out at the start extent.
  FormHost();
  FormHost(const FormHost&) = delete;
  FormHost& operator=(const FormHost&) = delete;

  control::LEDDisplay& Control() { return control_; }  ///< The control.
  Form& GetForm() { return form_; }                    ///< Its form: subscribe to its events there.

  /// Places the control in a view of `view` logical pixels at device ratio `ratio`
  /// (above 0; 380 otherwise, nothing changes): auto-sized when the control's AutoSize
  /// is on, else fitted when `fit`, else following the view. Sets the surface's twips per
  /// pixel, the zoom, the border zoom, the extent and the captions' scale, and lays out.
  const Placement& Place(PixelSize view, double ratio, bool fit);
  /// The last placement (the start extent at ratio 1 before the first Place).
  const Placement& Placed() const { return placed_; }
  /// The view size the display would like at the last placement's ratio: AutoViewSize,
  /// or the start extent when the control gives none.
  PixelSize NaturalSize();

  /// The control as seen (Form::Frame), device pixels, to paint at the placement's origin.
  const Image& Frame() {
    framed_ = Generation();
    return form_.Frame();
  }
  /// Whether Frame() would differ from what the last call gave: a host asks after it
  /// changed the control, and repaints when so.
  bool FrameChanged() const { return Generation() != framed_; }
  /// Moves whenever Frame() would change (Form::Generation).
  uint64_t Generation() const { return form_.Generation(); }

  /// The toolkit's colours as the surface's system colours (over the process-wide
  /// table); the control redraws.
  void SetPalette(const Palette& palette);

  /// Input at view points (logical pixels): codes as InputConventions.h gives them.
  ///@{
  bool KeyDown(int16_t keyCode, int16_t shift, int16_t keyAscii);
  void KeyUp(int16_t keyCode, int16_t shift);
  void Press(int16_t button, int16_t shift, double viewX, double viewY);
  void Move(int16_t buttons, int16_t shift, double viewX, double viewY);
  void Release(int16_t button, int16_t shift, double viewX, double viewY, bool inside);
  void DoubleClick(int16_t button, int16_t shift, double viewX, double viewY);
  ///@}

 private:
  ControlPoint PointOf(double viewX, double viewY);

  Form form_;
  control::LEDDisplay control_;
  InputSequence input_;
  Placement placed_;
  double ratio_ = 1;
  uint64_t framed_ = ~uint64_t{0};  // the generation of the last Frame()
};

}  // namespace led::platform::kit
