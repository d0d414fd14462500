// Internal: not installed.
#pragma once
// libpng's error handling made safe for C++. libpng leaves a failing call by longjmp.
// Every call into libpng that can fail is made from a small function whose frame, like
// every frame the jump crosses, holds only trivially destructible objects; that function
// does setjmp and returns false when libpng jumps back. The message is kept here, to be
// thrown as an exception once back in ordinary C++ code. Warnings are ignored.
#include <png.h>

#include <cstdio>
#include <string>

namespace led::platform {

struct LibPngErrors {
  char message[200] = "unknown error";

  static void OnError(png_structp png, png_const_charp text) {
    auto* errors = static_cast<LibPngErrors*>(png_get_error_ptr(png));
    std::snprintf(errors->message, sizeof errors->message, "%s", text ? text : "unknown error");
    png_longjmp(png, 1);
  }
  static void OnWarning(png_structp, png_const_charp) {}

  std::string Message() const { return message; }
};

}  // namespace led::platform
