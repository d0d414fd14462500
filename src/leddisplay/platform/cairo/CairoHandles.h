// Internal: not installed.
#pragma once
// Cairo's objects owned as unique pointers, each released by its own destroy call, so
// that no path (an early return, an exception) leaks or releases one twice.
#include <cairo.h>

#include <memory>

namespace led::platform {

template <class T, void (*Destroy)(T*)>
struct CairoRelease {
  void operator()(T* handle) const {
    if (handle) Destroy(handle);
  }
};

using CairoSurface =
    std::unique_ptr<cairo_surface_t, CairoRelease<cairo_surface_t, cairo_surface_destroy>>;
using CairoContext = std::unique_ptr<cairo_t, CairoRelease<cairo_t, cairo_destroy>>;
using CairoPattern =
    std::unique_ptr<cairo_pattern_t, CairoRelease<cairo_pattern_t, cairo_pattern_destroy>>;
using CairoFontFace =
    std::unique_ptr<cairo_font_face_t, CairoRelease<cairo_font_face_t, cairo_font_face_destroy>>;
using CairoFontOptions =
    std::unique_ptr<cairo_font_options_t,
                    CairoRelease<cairo_font_options_t, cairo_font_options_destroy>>;

}  // namespace led::platform
