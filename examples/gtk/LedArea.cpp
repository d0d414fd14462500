#include "LedArea.h"

#include <cmath>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "leddisplay/platform/kit/InputConventions.h"

namespace kit = led::platform::kit;

namespace {

// The frame as an image of device pixels at the placement's origin; a copy, since GTK
// replays the drawing later.
void Draw(GtkDrawingArea*, cairo_t* cr, int, int, gpointer data) {
  LedArea& a = *static_cast<LedArea*>(data);
  const led::platform::Image& frame = a.host.Frame();
  cairo_surface_t* image =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, frame.width, frame.height);
  for (int32_t y = 0; y < frame.height; ++y)
    std::memcpy(cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image),
                &frame.pixels[size_t(y) * frame.width], frame.width * sizeof(frame.pixels[0]));
  cairo_surface_mark_dirty(image);
  const double scale = gtk_widget_get_scale_factor(a.widget);
  cairo_surface_set_device_scale(image, scale, scale);
  cairo_set_source_surface(cr, image, a.host.Placed().originX / scale,
                           a.host.Placed().originY / scale);
  cairo_paint(cr);
  cairo_surface_destroy(image);
}

// Whether the controller's event is a press (or a release), and its modifiers.
std::pair<bool, int16_t> PressAndShift(GtkEventController* controller) {
  const GdkEventType type =
      gdk_event_get_event_type(gtk_event_controller_get_current_event(controller));
  const GdkModifierType state = gtk_event_controller_get_current_event_state(controller);
  return {type == GDK_BUTTON_PRESS || type == GDK_KEY_PRESS,
          kit::ShiftOf(state & GDK_SHIFT_MASK, state & GDK_CONTROL_MASK, state & GDK_ALT_MASK)};
}

// A press or a release of one of the control's buttons.
void Clicked(GtkGesture* gesture, int presses, double x, double y, LedArea* a) {
  const int16_t button =
      kit::ButtonOfNumber(int(gtk_gesture_single_get_current_button(GTK_GESTURE_SINGLE(gesture))));
  if (button == 0) return;
  const auto [press, shift] = PressAndShift(GTK_EVENT_CONTROLLER(gesture));
  if (!press)
    a->host.Release(button, shift, x, y, gtk_widget_contains(a->widget, x, y));
  else if (presses == 2)
    a->host.DoubleClick(button, shift, x, y);
  else
    a->host.Press(button, shift, x, y);
  if (press) gtk_widget_grab_focus(a->widget);  // for the keys
  a->Refresh();
}

// A key down or up: the code names the key (its keyval without modifiers), KeyAscii the
// character typed. A key the control's handler swallowed goes no further.
gboolean Keyed(GtkEventControllerKey* keys, guint keyval, guint keycode, GdkModifierType,
               LedArea* a) {
  guint plain = 0;
  gdk_display_translate_key(gtk_widget_get_display(a->widget), keycode, GdkModifierType(0),
                            int(gtk_event_controller_key_get_group(keys)), &plain, nullptr, nullptr,
                            nullptr);
  const char* name = gdk_keyval_name(plain);
  const int16_t code = name ? kit::KeyCodeOfName(name) : 0;
  const auto [press, shift] = PressAndShift(GTK_EVENT_CONTROLLER(keys));
  const gunichar typed = gdk_keyval_to_unicode(keyval);
  if (code == 0) return false;  // a key the control has no code for
  bool swallowed = false;
  if (press)
    swallowed = a->host.KeyDown(code, shift, int16_t(typed <= 0xFFFF ? typed : 0));
  else
    a->host.KeyUp(code, shift);
  a->Refresh();
  return swallowed;
}

// The theme's named colours as the palette's roles; the roles the theme has no colour for
// keep their system colours. A flat theme's frame line is the 3D edge's shadow side, its
// window colour the lit side.
void UseThemeColours(LedArea& a) {
  using R = kit::PaletteRole;
  const std::pair<const char*, std::vector<R>> names[] = {
      {"theme_bg_color", {R::Window, R::Button, R::Light, R::Midlight}},
      {"theme_fg_color", {R::WindowText, R::ButtonText}},
      {"theme_base_color", {R::Base}},
      {"theme_text_color", {R::Text}},
      {"theme_selected_bg_color", {R::Highlight}},
      {"theme_selected_fg_color", {R::HighlightText}},
      {"insensitive_fg_color", {R::DisabledText}},
      {"borders", {R::Dark, R::Shadow}}};
  const auto byte = [](double channel) { return uint8_t(std::lround(channel * 255)); };
  kit::Palette palette;
  for (const auto& [name, roles] : names) {
    GdkRGBA c;
    if (gtk_style_context_lookup_color(gtk_widget_get_style_context(a.widget), name, &c))
      for (const R role : roles)
        palette.Set(role, led::core::Rgb(byte(c.red), byte(c.green), byte(c.blue)));
  }
  a.host.SetPalette(palette);
}

// The clock's tick: the phase it is now, repainted, and the timer armed for the next
// change (none while nothing flashes or the area is hidden).
void KeepTime(LedArea* a) {
  if (a->flashTimer != 0) g_source_remove(a->flashTimer);
  a->flashTimer = 0;
  if (!gtk_widget_get_mapped(a->widget)) return;
  const std::optional<int64_t> next =
      a->clock.Tick(a->host.Control(), g_get_monotonic_time() / 1000);
  a->Refresh();
  if (!next) return;
  a->flashTimer = g_timeout_add(guint(*next), G_SOURCE_FUNC(+[](LedArea* area) {
                                  area->flashTimer = 0;
                                  KeepTime(area);
                                  return G_SOURCE_REMOVE;
                                }),
                                a);
}

void StopTime(LedArea* a) {
  if (a->flashTimer != 0) g_source_remove(a->flashTimer);
  a->flashTimer = 0;
}

void Place(LedArea* a) {
  const int width = gtk_widget_get_width(a->widget), height = gtk_widget_get_height(a->widget);
  a->host.Place({width, height}, gtk_widget_get_scale_factor(a->widget),
                gtk_widget_get_hexpand(a->widget));
  a->Refresh();
}

}  // namespace

void LedArea::Attach(bool fit) {
  const auto area = GTK_DRAWING_AREA(widget);
  gtk_drawing_area_set_draw_func(area, Draw, this, nullptr);
  gtk_drawing_area_set_content_width(area, host.NaturalSize().width);
  gtk_drawing_area_set_content_height(area, host.NaturalSize().height);
  gtk_widget_set_hexpand(widget, fit);
  gtk_widget_set_vexpand(widget, fit);
  gtk_widget_set_focusable(widget, true);
  g_signal_connect_swapped(area, "resize", G_CALLBACK(Place), this);
  g_signal_connect_swapped(area, "notify::scale-factor", G_CALLBACK(Place), this);
  g_signal_connect_swapped(area, "map", G_CALLBACK(KeepTime), this);
  g_signal_connect_swapped(area, "unmap", G_CALLBACK(StopTime), this);
  GtkGesture* click = gtk_gesture_click_new();
  gtk_gesture_single_set_button(GTK_GESTURE_SINGLE(click), 0);  // every button
  g_signal_connect(click, "pressed", G_CALLBACK(Clicked), this);
  g_signal_connect(click, "released", G_CALLBACK(Clicked), this);
  gtk_widget_add_controller(widget, GTK_EVENT_CONTROLLER(click));
  GtkEventController* keys = gtk_event_controller_key_new();
  g_signal_connect(keys, "key-pressed", G_CALLBACK(Keyed), this);
  g_signal_connect(keys, "key-released", G_CALLBACK(Keyed), this);
  gtk_widget_add_controller(widget, keys);
  UseThemeColours(*this);
}

void LedArea::Refresh() {
  if (host.FrameChanged()) gtk_widget_queue_draw(widget);
}

void LedArea::SetFlashCells(int32_t mask) {
  host.Control().SetFlashCells(mask);
  KeepTime(this);
}
