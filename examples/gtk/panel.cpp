// A GTK 4 window with two displays of the host kit (LedArea.h): a set point on a slider,
// fitted to its area in the theme's colours, whose digits flash while "Edit" is checked,
// and a stopwatch on a timer; the displays' events show in a label. `gtk_panel --grab FILE` writes
// the window's first frame as PNG, in device pixels, and exits.
#include <gtk/gtk.h>

#include <cmath>
#include <string>
#include <string_view>

#include "LedArea.h"

namespace {

using led::core::kSystemColorBit;
namespace platform = led::platform;

const char* grabPath = nullptr;
bool grabbed = false;

// The area, in a frame titled `name`; the display's input events show in `events` (its
// Change events would hide them: the stopwatch raises ten a second).
GtkWidget* Framed(LedArea& area, bool fit, const std::string& name, GtkWidget* events) {
  area.Attach(fit);
  area.host.GetForm().OnEvent([name, events](int32_t, const std::string& event, auto args) {
    if (event == "Change") return;
    std::string text = name + ": " + event;
    for (const led::host::EventArg& arg : args) text += " " + arg.name + "=" + arg.value.ToString();
    gtk_label_set_text(GTK_LABEL(events), text.c_str());
  });
  GtkWidget* frame = gtk_frame_new(name.c_str());
  gtk_frame_set_child(GTK_FRAME(frame), area.widget);
  return frame;
}

// At the second frame (the first is laid out and drawn by then), writes the window as
// drawn, in device pixels, to grabPath, and closes it.
gboolean Grab(GtkWidget* window, GdkFrameClock*, gpointer) {
  static int frames = 0;
  if (++frames < 2) return G_SOURCE_CONTINUE;
  const int scale = gtk_widget_get_scale_factor(window);
  const int width = gtk_widget_get_width(window), height = gtk_widget_get_height(window);
  GdkPaintable* paintable = gtk_widget_paintable_new(window);
  GtkSnapshot* snapshot = gtk_snapshot_new();
  gtk_snapshot_scale(snapshot, float(scale), float(scale));
  gdk_paintable_snapshot(paintable, snapshot, width, height);
  GskRenderNode* node = gtk_snapshot_free_to_node(snapshot);
  const graphene_rect_t bounds =
      GRAPHENE_RECT_INIT(0, 0, float(width * scale), float(height * scale));
  GskRenderer* renderer = gtk_native_get_renderer(GTK_NATIVE(window));
  GdkTexture* texture = gsk_renderer_render_texture(renderer, node, &bounds);
  grabbed = gdk_texture_save_to_png(texture, grabPath);
  g_object_unref(texture), gsk_render_node_unref(node), g_object_unref(paintable);
  gtk_window_destroy(GTK_WINDOW(window));
  return G_SOURCE_REMOVE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string_view(argv[1]) == "--grab") grabPath = argv[2];
  gtk_init();
  LedArea setPoint, stopwatch;
  led::control::LEDDisplay& sp = setPoint.host.Control();
  sp.SetCaptionUpper("Supply");
  sp.SetCaptionLow("volts");
  sp.SetDecimals(1);
  sp.SetLeadingZeros(led::core::kFalse);
  sp.SetBackColor(kSystemColorBit | platform::kColorButtonFace);  // the theme's colours
  sp.SetCaptionUpperForeColor(kSystemColorBit | platform::kColorButtonText);
  sp.SetCaptionLowForeColor(kSystemColorBit | platform::kColorButtonText);
  sp.SetOnColor(kSystemColorBit | platform::kColorHighlight);
  sp.SetOffColor(kSystemColorBit | platform::kColorButtonShadow);
  led::control::LEDDisplay& sw = stopwatch.host.Control();  // the test draws it with the tool
  sw.SetAutoSize(led::core::kTrue);
  sw.SetBorderStyle(led::model::BorderNone);
  sw.SetLeadingPlusMinus(led::core::kFalse);
  sw.SetDecimals(1);
  sw.SetOnColor(0x60FF40);
  sw.SetOffColor(0x103000);

  GtkWidget* window = gtk_window_new();
  gtk_window_set_title(GTK_WINDOW(window), "leddisplay in GTK 4");
  gtk_window_set_default_size(GTK_WINDOW(window), 640, 280);
  GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 12);
  for (auto margin : {gtk_widget_set_margin_start, gtk_widget_set_margin_end,
                      gtk_widget_set_margin_top, gtk_widget_set_margin_bottom})
    margin(column, 12);
  gtk_window_set_child(GTK_WINDOW(window), column);
  GtkWidget* row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
  GtkWidget* events = gtk_label_new("Click a display, or type while it has the focus");
  gtk_box_append(GTK_BOX(row), Framed(setPoint, true, "Set point", events));
  gtk_box_append(GTK_BOX(row), Framed(stopwatch, false, "Stopwatch", events));
  GtkWidget* slider = gtk_scale_new_with_range(GTK_ORIENTATION_HORIZONTAL, 0, 99.9, 0.1);
  g_signal_connect(
      slider, "value-changed", G_CALLBACK(+[](GtkRange* range, LedArea* area) {
        area->host.Control().SetValue(std::round(gtk_range_get_value(range) * 10) / 10);
        area->Refresh();
      }),
      &setPoint);
  gtk_range_set_value(GTK_RANGE(slider), 12.5);
  // While editing, the set point's whole row flashes.
  GtkWidget* edit = gtk_check_button_new_with_label("Edit");
  g_signal_connect(edit, "toggled", G_CALLBACK(+[](GtkCheckButton* button, LedArea* area) {
                     area->SetFlashCells(gtk_check_button_get_active(button) ? -1 : 0);
                   }),
                   &setPoint);
  GtkWidget* controls = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
  gtk_widget_set_hexpand(slider, true);
  gtk_box_append(GTK_BOX(controls), slider);
  gtk_box_append(GTK_BOX(controls), edit);
  for (GtkWidget* child : {row, controls, events}) gtk_box_append(GTK_BOX(column), child);

  if (grabPath)
    gtk_widget_add_tick_callback(window, Grab, nullptr, nullptr);
  else  // tenths of seconds
    g_timeout_add(100, G_SOURCE_FUNC(+[](LedArea* area) {
                    led::control::LEDDisplay& display = area->host.Control();
                    display.SetValue(std::fmod(std::round(display.Value() * 10) + 1, 10000) / 10);
                    area->Refresh();
                    return G_SOURCE_CONTINUE;
                  }),
                  &stopwatch);
  bool done = false;
  g_signal_connect_swapped(window, "destroy", G_CALLBACK(+[](bool* d) { *d = true; }), &done);
  gtk_window_present(GTK_WINDOW(window));
  while (!done) g_main_context_iteration(nullptr, true);
  if (grabPath && !grabbed) g_printerr("gtk_panel: cannot write %s\n", grabPath);
  return grabPath && !grabbed ? 1 : 0;
}
