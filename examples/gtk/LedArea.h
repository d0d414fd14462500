#pragma once
// A display of the host kit in a GTK 4 drawing area: painted in device pixels, crisp at the
// widget's scale factor; placed on every resize, fitted to the area or at its natural size;
// fed the area's clicks and keys; in the theme's colours; its flashing cells timed by the
// kit's clock while it is shown.
#include <gtk/gtk.h>

#include <cstdint>

#include "leddisplay/platform/kit/FlashClock.h"
#include "leddisplay/platform/kit/FormHost.h"

struct LedArea {
  led::platform::kit::FormHost host;
  GtkWidget* widget = gtk_drawing_area_new();

  /// Connects the area; `fit`: the display fills it (else it asks for its natural size).
  /// The area must not outlive this.
  void Attach(bool fit);
  /// Repaints when the display changed since it was last painted: call after changing it.
  void Refresh();
  /// Sets the display's flashing cells (a mask; 0: none) and keeps their time: a one-shot
  /// timer for the clock's next phase change, while a cell flashes and the area is shown.
  void SetFlashCells(int32_t mask);

  led::platform::kit::FlashClock clock;
  guint flashTimer = 0;  // the armed one-shot timer, 0 when none
};
