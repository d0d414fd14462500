// FontRenderer: font lookup (fontconfig), the face cache, line layout and glyph
// blending (FreeType). Measuring and drawing share one layout, so a label's size is
// exactly the extent its text is drawn in.
#include "leddisplay/platform/text/FontRenderer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <string_view>
#include <tuple>
#include <vector>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/core/Text.h"
#include "leddisplay/platform/text/LruCache.h"

namespace led::platform {

namespace {

constexpr const char* kFallbackFamily = "DejaVu Sans";
// Largest em size, in pixels, a text is laid out at; beyond it one glyph's bitmap
// alone would take tens of megabytes.
constexpr double kMaxPixelSize = 2048.0;

bool IsGenericFamily(const std::string& family) {
  const std::string f = core::AsciiLowered(family);
  return f == "sans" || f == "sans-serif" || f == "serif" || f == "monospace" || f == "mono";
}

std::vector<std::u32string> SplitLines(const std::string& text) {
  std::vector<std::u32string> lines;
  size_t start = 0;
  while (true) {
    const size_t end = text.find('\n', start);
    std::string line =
        text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(core::DecodeUtf8(line));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

struct Glyph {
  FT_UInt index;
  FT_Pos x;  // pen position, 26.6
};

struct LineLayout {
  std::vector<Glyph> glyphs;
  FT_Pos width = 0;  // 26.6
};

// What a face at its current size gives every line: pixels.
struct LineMetrics {
  int32_t lineHeight;
  int32_t ascent;
  int32_t thickness;        // of underline and strikethrough
  int32_t underlineOffset;  // below the baseline
  int32_t strikeOffset;     // above the baseline
};

// The left end of a line `lineWidth` wide in a box at x, by alignment (0 left, 1 right,
// 2 centre).
int64_t LineLeft(int32_t x, int32_t boxWidth, int64_t lineWidth, int alignment) {
  if (alignment == 1) return int64_t{x} + boxWidth - lineWidth;
  if (alignment == 2) return int64_t{x} + (int64_t{boxWidth} - lineWidth) / 2;
  return x;
}

// Whole pixels from 26.6, saturating: a long caption may be wider than 32-bit pixels.
int32_t CeilPixels(FT_Pos v) {
  return static_cast<int32_t>(std::clamp<int64_t>((int64_t{v} + 63) >> 6, INT32_MIN, INT32_MAX));
}

}  // namespace

struct FontRenderer::Impl {
  struct Face {
    FT_Face face = nullptr;
    bool synthBold = false;
    bool synthItalic = false;
    FT_F26Dot6 size = 0;  // the em in 26.6 pixels
  };
  // A glyph of a face at one size: its advance, and once drawn its coverage (rows of
  // `width` bytes, the top-left pixel `left` right of the pen and `top` above the
  // baseline). Captions are drawn on every frame with the same few glyphs: loading and
  // rendering them is the cost of drawing them.
  struct GlyphKey {
    FT_Face face;
    FT_F26Dot6 size;
    bool bold;
    bool italic;
    FT_UInt index;
    bool operator==(const GlyphKey&) const = default;
  };
  struct GlyphKeyHash {
    size_t operator()(const GlyphKey& k) const {
      size_t h = std::hash<const void*>{}(k.face);
      for (const size_t part : {size_t(k.size), size_t(k.index), size_t(k.bold) * 2 + k.italic})
        h = h * 1000003u ^ part;
      return h;
    }
  };
  struct CachedGlyph {
    FT_Pos advance = 0;
    bool loaded = false;  // FreeType loaded it (else it draws nothing and takes no room)
    bool drawn = false;   // the coverage is here
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t rows = 0;
    std::vector<uint8_t> coverage;
  };
  struct Resolved {
    std::string file;
    int index = 0;
    std::string family;
  };

  using FacePtr = std::unique_ptr<FT_FaceRec_, decltype(&FT_Done_Face)>;
  // Family names come from users, so the lookups they cause are bounded; the faces are
  // as few as the installed files, but each holds its file's tables.
  static constexpr size_t kMaxResolved = 64;
  static constexpr size_t kMaxFaces = 16;

  std::mutex mutex;
  FT_Library library = nullptr;
  FcConfig* config = nullptr;
  LruCache<std::string, Resolved> resolved{kMaxResolved};  // family|bold|italic
  LruCache<std::string, FacePtr> faces{kMaxFaces};         // file#index
  // Recent measurements: labels are measured on every size request, with the same
  // text most of the time.
  // A measurement's key, with the strings it names; the map is searched with one that
  // only refers to them, so that finding a long caption copies nothing.
  template <class String>
  struct Key {
    double points;
    double dpi;
    bool bold;
    bool italic;
    String family;
    String text;
    auto View() const {
      return std::tuple(points, dpi, bold, italic, std::string_view(family),
                        std::string_view(text));
    }
  };
  using MeasureKey = Key<std::string>;
  struct KeyLess {
    using is_transparent = void;
    template <class A, class B>
    bool operator()(const Key<A>& a, const Key<B>& b) const {
      return a.View() < b.View();
    }
  };
  std::map<MeasureKey, TextSize, KeyLess> measured;
  static constexpr size_t kMaxMeasured = 512;
  // Glyphs kept, and the largest kept with its coverage (a huge caption's glyphs are
  // rendered each time rather than held).
  static constexpr size_t kMaxGlyphs = 1024;
  static constexpr int64_t kMaxKeptGlyphPixels = 128 * 128;
  LruCache<GlyphKey, CachedGlyph, GlyphKeyHash> glyphs{kMaxGlyphs};
  CachedGlyph unkept;  // a glyph too large to keep, as last drawn

  Impl() {
    if (FT_Init_FreeType(&library) != 0)
      throw core::RuntimeError(core::kInvalidCall, "FreeType could not be initialised");
    config = FcInitLoadConfigAndFonts();
  }
  ~Impl() {
    faces.Clear();  // before the library they belong to
    FT_Done_FreeType(library);
    if (config) FcConfigDestroy(config);
  }

  // The best match of fontconfig, or nothing when its family is not the one asked for.
  bool Match(const std::string& family, bool bold, bool italic, bool acceptAny, Resolved& out) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return false;

    bool found = false;
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
      const std::string wanted = core::AsciiLowered(family);
      FcChar8* name = nullptr;
      std::string firstName;
      bool sameFamily = false;
      for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        const std::string n = reinterpret_cast<const char*>(name);
        if (i == 0) firstName = n;
        if (core::AsciiLowered(n) == wanted) sameFamily = true;
      }
      if (sameFamily || acceptAny) {
        int index = 0;
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        out = {reinterpret_cast<const char*>(file), index, firstName};
        found = true;
      }
    }
    FcPatternDestroy(match);
    return found;
  }

  Resolved Resolve(const std::string& family, bool bold, bool italic) {
    const std::string key = family + (bold ? "|b" : "|") + (italic ? "i" : "");
    if (const Resolved* known = resolved.Find(key)) return *known;
    Resolved r;
    if (!config || (!Match(family, bold, italic, IsGenericFamily(family), r) &&
                    !Match(kFallbackFamily, bold, italic, true, r)))
      throw core::RuntimeError(core::kInvalidPropertyValue,
                               "Invalid property value: no font installed for \"" + family + "\"");
    return resolved.Insert(key, r);
  }

  // The em size in 26.6 pixels. Sizes are given in 26.6 pixels at 72 dpi, so that a
  // fractional resolution works.
  static FT_F26Dot6 CharSize(const TextStyle& style, double dpi) {
    const double pixels = style.points * (dpi > 0 && std::isfinite(dpi) ? dpi : 96.0) / 72.0;
    if (!(pixels > 0 && pixels <= kMaxPixelSize))
      throw core::RuntimeError(core::kInvalidPropertyValue,
                               "Invalid property value: font size out of range at this resolution");
    return std::max<FT_F26Dot6>(1, static_cast<FT_F26Dot6>(std::lround(pixels * 64.0)));
  }

  Face Open(const TextStyle& style, double dpi) {
    const Resolved r = Resolve(style.family, style.bold, style.italic);
    const std::string key = r.file + "#" + std::to_string(r.index);
    FT_Face face = nullptr;
    if (const FacePtr* known = faces.Find(key)) {
      face = known->get();
    } else {
      if (FT_New_Face(library, r.file.c_str(), r.index, &face) != 0)
        throw core::RuntimeError(core::kInvalidPropertyValue,
                                 "Invalid property value: font file \"" + r.file + "\" unreadable");
      faces.Insert(key, FacePtr(face, FT_Done_Face));
      glyphs.Clear();  // a face it drops may leave its address to the next one
    }
    const FT_F26Dot6 size = CharSize(style, dpi);
    if (FT_Set_Char_Size(face, 0, size, 72, 72) != 0)
      throw core::RuntimeError(core::kInvalidPropertyValue,
                               "Invalid property value: font size not available");
    Face f{face, style.bold && !(face->style_flags & FT_STYLE_FLAG_BOLD),
           style.italic && !(face->style_flags & FT_STYLE_FLAG_ITALIC), size};
    if (f.synthItalic) {
      FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};  // about 12 degrees
      FT_Set_Transform(face, &shear, nullptr);
    } else {
      FT_Set_Transform(face, nullptr, nullptr);
    }
    return f;
  }

  bool LoadGlyph(const Face& f, FT_UInt index) {
    if (FT_Load_Glyph(f.face, index, FT_LOAD_DEFAULT) != 0) return false;
    if (f.synthBold) FT_GlyphSlot_Embolden(f.face->glyph);
    return true;
  }

  // The glyph's entry, its advance known; valid until the next glyph is asked for.
  CachedGlyph& Glyph(const Face& f, FT_UInt index) {
    const GlyphKey key{f.face, f.size, f.synthBold, f.synthItalic, index};
    if (CachedGlyph* known = glyphs.Find(key)) return *known;
    CachedGlyph glyph;
    glyph.loaded = LoadGlyph(f, index);
    if (glyph.loaded) glyph.advance = f.face->glyph->advance.x;
    return glyphs.Insert(key, std::move(glyph));
  }

  // The glyph with its coverage, or null when FreeType draws none in grey levels.
  const CachedGlyph* DrawnGlyph(const Face& f, FT_UInt index) {
    CachedGlyph& glyph = Glyph(f, index);
    if (!glyph.loaded) return nullptr;
    if (glyph.drawn) return &glyph;
    if (!LoadGlyph(f, index)) return nullptr;
    FT_GlyphSlot slot = f.face->glyph;
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return nullptr;
    const FT_Bitmap& bm = slot->bitmap;
    if (bm.pixel_mode != FT_PIXEL_MODE_GRAY) return nullptr;
    const bool keep = int64_t{bm.width} * bm.rows <= kMaxKeptGlyphPixels;
    CachedGlyph& out = keep ? glyph : unkept;
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.width = int32_t(bm.width);
    out.rows = int32_t(bm.rows);
    out.coverage.resize(size_t(bm.width) * bm.rows);
    for (unsigned row = 0; row < bm.rows; ++row)
      std::copy_n(bm.buffer + ptrdiff_t(row) * bm.pitch, bm.width,
                  out.coverage.data() + size_t(row) * bm.width);
    out.drawn = keep;
    return &out;
  }

  LineMetrics Metrics(const Face& f) {
    const FT_Size_Metrics& metrics = f.face->size->metrics;
    LineMetrics m{};
    m.lineHeight = CeilPixels(metrics.height);
    m.ascent = CeilPixels(metrics.ascender);
    m.thickness = std::max<int32_t>(
        1, static_cast<int32_t>(
               std::lround(FT_MulFix(f.face->underline_thickness, metrics.y_scale) / 64.0)));
    m.underlineOffset = std::max<int32_t>(
        1, static_cast<int32_t>(
               std::lround(-FT_MulFix(f.face->underline_position, metrics.y_scale) / 64.0)));
    m.strikeOffset = m.ascent * 3 / 10;
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(f.face, FT_SFNT_OS2));
        os2 && os2->yStrikeoutPosition > 0) {
      m.strikeOffset = static_cast<int32_t>(
          std::lround(FT_MulFix(os2->yStrikeoutPosition, metrics.y_scale) / 64.0));
    }
    return m;
  }

  LineLayout Layout(const Face& f, const std::u32string& line) {
    LineLayout layout;
    FT_UInt previous = 0;
    FT_Pos pen = 0;
    for (char32_t cp : line) {
      FT_UInt index = FT_Get_Char_Index(f.face, cp);
      if (previous && index && FT_HAS_KERNING(f.face)) {
        FT_Vector kern{0, 0};
        FT_Get_Kerning(f.face, previous, index, FT_KERNING_DEFAULT, &kern);
        pen += kern.x;
      }
      layout.glyphs.push_back({index, pen});
      if (const CachedGlyph& glyph = Glyph(f, index); glyph.loaded) pen += glyph.advance;
      previous = index;
    }
    layout.width = pen;
    return layout;
  }
};

FontRenderer& FontRenderer::Instance() {
  static FontRenderer renderer;
  return renderer;
}

FontRenderer::FontRenderer() : impl_(std::make_unique<Impl>()) {}
FontRenderer::~FontRenderer() = default;

std::string FontRenderer::FontFile(const std::string& family, bool bold, bool italic) {
  std::lock_guard lock(impl_->mutex);
  return impl_->Resolve(family, bold, italic).file;
}

std::string FontRenderer::ResolvedFamily(const std::string& family, bool bold, bool italic) {
  std::lock_guard lock(impl_->mutex);
  return impl_->Resolve(family, bold, italic).family;
}

TextSize FontRenderer::Measure(const TextStyle& style, const std::string& text, double dpi) {
  std::lock_guard lock(impl_->mutex);
  const Impl::Key<std::string_view> probe{style.points, dpi,          style.bold,
                                          style.italic, style.family, text};
  if (const auto it = impl_->measured.find(probe); it != impl_->measured.end()) return it->second;

  const auto face = impl_->Open(style, dpi);
  TextSize size;
  size.lineHeight = CeilPixels(face.face->size->metrics.height);
  const auto lines = SplitLines(text);
  for (const auto& line : lines)
    size.width = std::max(size.width, CeilPixels(impl_->Layout(face, line).width));
  size.height = static_cast<int32_t>(
      std::min<int64_t>(int64_t{size.lineHeight} * static_cast<int64_t>(lines.size()), INT32_MAX));
  if (impl_->measured.size() >= Impl::kMaxMeasured) impl_->measured.clear();
  impl_->measured.emplace(
      Impl::MeasureKey{style.points, dpi, style.bold, style.italic, style.family, text}, size);
  return size;
}

namespace {

// The pixels of an image that drawing may change: a clip rectangle within the image.
struct Area {
  int64_t left, top, right, bottom;
  bool Empty() const { return left >= right || top >= bottom; }
};

// Mixes `ink` over p by coverage, channel by channel; alpha grows by the coverage.
void Blend(Pixel& p, uint8_t coverage, Pixel ink) {
  const uint32_t c = coverage, inv = 255 - coverage;
  auto mix = [&](int shift) {
    const uint32_t src = (ink >> shift) & 0xFF, dst = (p >> shift) & 0xFF;
    return ((src * c + dst * inv + 127) / 255) << shift;
  };
  const uint32_t alpha = c + (((p >> 24) & 0xFF) * inv + 127) / 255;
  p = mix(0) | mix(8) | mix(16) | (alpha << 24);
}

// Positions are 64-bit: a text's far lines and glyphs may lie beyond 32-bit pixels.
void FillRows(Image& image, const Area& area, int64_t x0, int64_t x1, int64_t y, int32_t thickness,
              Pixel ink) {
  x0 = std::max(x0, area.left);
  x1 = std::min(x1, area.right);
  const int64_t y1 = std::min(y + thickness, area.bottom);
  for (int64_t row = std::max(y, area.top); row < y1; ++row)
    for (int64_t x = x0; x < x1; ++x) Blend(image.at(int32_t(x), int32_t(row)), 255, ink);
}

// Blends a glyph's coverage (`rows` rows of `width` bytes) whose top-left pixel is at
// (gx, gy), only where it meets `area`.
void BlendCoverage(Image& image, const Area& area, const uint8_t* coverage, int32_t width,
                   int32_t rows, int64_t gx, int64_t gy, Pixel ink) {
  const int64_t x0 = std::max(gx, area.left), x1 = std::min(gx + int64_t{width}, area.right);
  const int64_t y0 = std::max(gy, area.top), y1 = std::min(gy + int64_t{rows}, area.bottom);
  for (int64_t y = y0; y < y1; ++y) {
    const uint8_t* src = coverage + (y - gy) * width;
    Pixel* row = &image.at(0, int32_t(y));
    for (int64_t x = x0; x < x1; ++x)
      if (const uint8_t coverage = src[x - gx]) Blend(row[x], coverage, ink);
  }
}

}  // namespace

void FontRenderer::Draw(Image& image, int32_t x, int32_t y, int32_t boxWidth, int alignment,
                        const TextStyle& style, const std::string& text, double dpi, uint32_t rgb,
                        const PixelRect& clip) {
  const Pixel ink = OpaquePixel(rgb);
  const Area area{std::max<int64_t>(clip.left, 0), std::max<int64_t>(clip.top, 0),
                  std::min<int64_t>(clip.right, image.width),
                  std::min<int64_t>(clip.bottom, image.height)};
  if (area.Empty()) return;
  std::lock_guard lock(impl_->mutex);
  const auto face = impl_->Open(style, dpi);
  const FT_Size_Metrics& metrics = face.face->size->metrics;
  const LineMetrics m = impl_->Metrics(face);
  const int32_t lineHeight = m.lineHeight;
  // How far a glyph's ink can reach from its pen position: the font's bounding box, plus
  // one em for what synthetic bold and slant add.
  const int64_t em = metrics.x_ppem;
  const int64_t inkLeft = (FT_MulFix(face.face->bbox.xMin, metrics.x_scale) >> 6) - em - 1;
  const int64_t inkRight = ((FT_MulFix(face.face->bbox.xMax, metrics.x_scale) + 63) >> 6) + em + 1;

  const auto lines = SplitLines(text);
  for (size_t n = 0; n < lines.size(); ++n) {
    const int64_t top = int64_t{y} + static_cast<int64_t>(n) * lineHeight;
    // Lines well outside the area are skipped; one line of margin keeps glyphs that
    // reach beyond their line.
    if (top - lineHeight >= area.bottom) break;
    if (top + 2 * int64_t{lineHeight} < area.top) continue;
    const LineLayout layout = impl_->Layout(face, lines[n]);
    const int64_t lineWidth = CeilPixels(layout.width);
    const int64_t left = LineLeft(x, boxWidth, lineWidth, alignment);
    const int64_t baseline = top + m.ascent;

    for (const Glyph& g : layout.glyphs) {
      const int64_t pen = left + ((int64_t{g.x} + 32) >> 6);
      if (pen + inkRight <= area.left || pen + inkLeft >= area.right) continue;
      const Impl::CachedGlyph* glyph = impl_->DrawnGlyph(face, g.index);
      if (!glyph) continue;
      BlendCoverage(image, area, glyph->coverage.data(), glyph->width, glyph->rows,
                    pen + glyph->left, baseline - glyph->top, ink);
    }
    if (style.underline)
      FillRows(image, area, left, left + lineWidth, baseline + m.underlineOffset, m.thickness, ink);
    if (style.strikethrough)
      FillRows(image, area, left, left + lineWidth, baseline - m.strikeOffset, m.thickness, ink);
  }
}

TextPlacement FontRenderer::Place(int32_t x, int32_t y, int32_t boxWidth, int alignment,
                                  const TextStyle& style, const std::string& text, double dpi) {
  std::lock_guard lock(impl_->mutex);
  const auto face = impl_->Open(style, dpi);
  const Impl::Resolved resolved = impl_->Resolve(style.family, style.bold, style.italic);
  TextPlacement placed;
  placed.fontFile = resolved.file;
  placed.faceIndex = resolved.index;
  placed.family = resolved.family;
  placed.pixelSize = static_cast<double>(impl_->CharSize(style, dpi)) / 64.0;
  placed.emboldened = face.synthBold;
  placed.slanted = face.synthItalic;
  const LineMetrics m = impl_->Metrics(face);
  const auto lines = SplitLines(text);
  for (size_t n = 0; n < lines.size(); ++n) {
    const int64_t top = int64_t{y} + static_cast<int64_t>(n) * m.lineHeight;
    const LineLayout layout = impl_->Layout(face, lines[n]);
    const int64_t lineWidth = CeilPixels(layout.width);
    const int64_t left = LineLeft(x, boxWidth, lineWidth, alignment);
    PlacedLine line{lines[n], top + m.ascent, {}};
    for (const Glyph& g : layout.glyphs) line.glyphs.push_back({g.index, left + ((g.x + 32) >> 6)});
    const auto bar = [&](int64_t barTop) {
      placed.bars.push_back(
          {int32_t(std::clamp<int64_t>(left, INT32_MIN, INT32_MAX)),
           int32_t(std::clamp<int64_t>(barTop, INT32_MIN, INT32_MAX)),
           int32_t(std::clamp<int64_t>(left + lineWidth, INT32_MIN, INT32_MAX)),
           int32_t(std::clamp<int64_t>(barTop + m.thickness, INT32_MIN, INT32_MAX))});
    };
    if (style.underline && lineWidth > 0) bar(line.baseline + m.underlineOffset);
    if (style.strikethrough && lineWidth > 0) bar(line.baseline - m.strikeOffset);
    placed.lines.push_back(std::move(line));
  }
  return placed;
}

}  // namespace led::platform
