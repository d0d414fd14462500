// Internal: not installed.
#pragma once
// What a setter does after storing its value: the property's notification, the render
// pass, the resize handling (caption layout and its render), the control's back colour
// put on the surface again, the height fitted when AutoSize is on (and the display drawn
// again when that changed the height); and the shapes the setters take, named by their
// steps.
#include <cstdint>

namespace led::control {

enum class SetterStep : uint8_t { Notify, Render, Layout, BackColor, FitHeight };

namespace steps {
using enum SetterStep;
inline constexpr SetterStep kRenderNotify[] = {Render, Notify};
inline constexpr SetterStep kNotifyRender[] = {Notify, Render};
inline constexpr SetterStep kNotifyRenderFitHeight[] = {Notify, Render, FitHeight};
inline constexpr SetterStep kNotifyRenderLayout[] = {Notify, Render, Layout};
inline constexpr SetterStep kNotifyBackColorRender[] = {Notify, BackColor, Render};
inline constexpr SetterStep kLayoutNotify[] = {Layout, Notify};
inline constexpr SetterStep kNotify[] = {Notify};
}  // namespace steps

}  // namespace led::control
