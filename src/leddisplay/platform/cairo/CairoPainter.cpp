// PaintDrawing: polygons, gradients, pictures, text runs and their fonts, as a sink of
// the drawing walk.
#include "leddisplay/platform/cairo/CairoPainter.h"

#include <cairo.h>

#include "leddisplay/platform/cairo/CairoHandles.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "leddisplay/core/Text.h"
#include "leddisplay/platform/vector/DrawingWalk.h"

namespace led::platform {

namespace {

void SetColor(cairo_t* cr, Pixel p) {
  cairo_set_source_rgb(cr, ((p >> 16) & 0xFF) / 255.0, ((p >> 8) & 0xFF) / 255.0,
                       (p & 0xFF) / 255.0);
}

void AddColorStop(cairo_pattern_t* pattern, double offset, Pixel p) {
  cairo_pattern_add_color_stop_rgb(pattern, offset, ((p >> 16) & 0xFF) / 255.0,
                                   ((p >> 8) & 0xFF) / 255.0, (p & 0xFF) / 255.0);
}

void AddPolygonPath(cairo_t* cr, const Polygon& polygon) {
  for (const std::vector<Point>& outline : polygon.outlines) {
    if (outline.empty()) continue;
    cairo_move_to(cr, outline[0].x, outline[0].y);
    for (size_t i = 1; i < outline.size(); ++i) cairo_line_to(cr, outline[i].x, outline[i].y);
    cairo_close_path(cr);
  }
}

void PaintGradient(cairo_t* cr, const Gradient& g) {
  const CairoPattern pattern(cairo_pattern_create_linear(g.from.x, g.from.y, g.to.x, g.to.y));
  AddColorStop(pattern.get(), 0.0, g.first);
  AddColorStop(pattern.get(), 1.0, g.last);
  cairo_pattern_set_extend(pattern.get(), CAIRO_EXTEND_PAD);
  cairo_set_source(cr, pattern.get());
  cairo_rectangle(cr, g.area.left, g.area.top, g.area.right - g.area.left,
                  g.area.bottom - g.area.top);
  cairo_fill(cr);
}

// The image in Cairo's premultiplied pixels; without alpha when every pixel is opaque.
CairoSurface ImageSurface(const Image& image) {
  bool opaque = true;
  for (Pixel p : image.pixels) opaque = opaque && (p >> 24) == 0xFF;
  CairoSurface surface(cairo_image_surface_create(opaque ? CAIRO_FORMAT_RGB24 : CAIRO_FORMAT_ARGB32,
                                                  image.width, image.height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return surface;
  cairo_surface_flush(surface.get());
  unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int32_t y = 0; y < image.height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * size_t(stride));
    for (int32_t x = 0; x < image.width; ++x) {
      const Pixel p = image.at(x, y);
      const uint32_t a = p >> 24;
      const auto scaled = [&](int shift) {
        return ((((p >> shift) & 0xFF) * a + 127) / 255) << shift;
      };
      row[x] = a == 0xFF ? p : (a << 24) | scaled(16) | scaled(8) | scaled(0);
    }
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

void PaintPicture(cairo_t* cr, const Picture& picture) {
  const CairoSurface image = ImageSurface(picture.image);
  cairo_set_source_surface(cr, image.get(), picture.left, picture.top);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_rectangle(cr, picture.left, picture.top, picture.image.width, picture.image.height);
  cairo_fill(cr);
}

// Cairo's FreeType faces of the font files a drawing uses, made once a drawing.
class Faces {
 public:
  cairo_font_face_t* Of(const TextRun& run) {
    const auto key = std::tuple(run.fontFile, run.faceIndex, run.emboldened, run.slanted);
    if (const auto it = faces_.find(key); it != faces_.end()) return it->second.get();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(run.fontFile.c_str()));
    FcPatternAddInteger(pattern, FC_INDEX, run.faceIndex);
    CairoFontFace face(cairo_ft_font_face_create_for_pattern(pattern));
    FcPatternDestroy(pattern);
    unsigned int synthesize = 0;
    if (run.emboldened) synthesize |= CAIRO_FT_SYNTHESIZE_BOLD;
    if (run.slanted) synthesize |= CAIRO_FT_SYNTHESIZE_OBLIQUE;
    if (synthesize != 0) cairo_ft_font_face_set_synthesize(face.get(), synthesize);
    return faces_.emplace(key, std::move(face)).first->second.get();
  }

 private:
  std::map<std::tuple<std::string, int32_t, bool, bool>, CairoFontFace> faces_;
};

void PaintText(cairo_t* cr, Faces& faces, const TextRun& run) {
  cairo_set_font_face(cr, faces.Of(run));
  cairo_set_font_size(cr, run.pixelSize);
  SetColor(cr, run.color);
  std::string text;
  std::vector<cairo_glyph_t> glyphs;
  std::vector<cairo_text_cluster_t> clusters;
  for (size_t i = 0; i < run.line.glyphs.size(); ++i) {
    const PlacedGlyph& g = run.line.glyphs[i];
    glyphs.push_back({g.index, double(g.x), double(run.line.baseline)});
    const std::string bytes =
        i < run.line.text.size() ? core::EncodeUtf8(run.line.text[i]) : std::string();
    text += bytes;
    clusters.push_back({int(bytes.size()), 1});
  }
  cairo_show_text_glyphs(cr, text.data(), int(text.size()), glyphs.data(), int(glyphs.size()),
                         clusters.data(), int(clusters.size()), cairo_text_cluster_flags_t(0));
}

// The walk's parts as Cairo calls; a clip is a saved state, restored at its end.
class CairoSink : public DrawingSink {
 public:
  explicit CairoSink(cairo_t* cr) : cr_(cr) {}

  void Clip(const std::optional<PixelRect>& clip) override {
    if (clipped_) cairo_restore(cr_);
    clipped_ = clip.has_value();
    if (!clip) return;
    cairo_save(cr_);
    cairo_rectangle(cr_, clip->left, clip->top, clip->right - clip->left, clip->bottom - clip->top);
    cairo_clip(cr_);
  }
  void Fill(const Polygon& polygon) override {
    AddPolygonPath(cr_, polygon);
    SetColor(cr_, polygon.color);
    cairo_fill(cr_);
  }
  void Shade(const Gradient& gradient) override { PaintGradient(cr_, gradient); }
  void Place(const Picture& picture) override { PaintPicture(cr_, picture); }
  void Write(const TextRun& run) override { PaintText(cr_, faces_, run); }

 private:
  cairo_t* cr_;
  Faces faces_;
  bool clipped_ = false;
};

}  // namespace

void PaintDrawing(cairo_t* cr, const Drawing& drawing) {
  const CairoFontOptions options(cairo_font_options_create());
  cairo_font_options_set_hint_style(options.get(), CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options.get());
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  CairoSink sink(cr);
  WalkDrawing(drawing, sink);
}

}  // namespace led::platform
