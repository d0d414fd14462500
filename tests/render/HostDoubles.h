#pragma once
// Doubles at the host boundary for the render tests: a caption label whose size is
// set by the test (so layout arithmetic is exact, whatever the fonts), and a GDI
// wrapper that counts the memory device contexts made and deleted.
#include <cstdint>
#include <span>
#include <string>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/host/Gdi.h"
#include "leddisplay/host/Label.h"

namespace led::render {

class FixedLabel : public host::Label {
 public:
  std::string Caption() override { return caption; }
  void SetCaption(const std::string& c) override { caption = c; }
  core::OleColor ForeColor() override { return foreColor; }
  void SetForeColor(core::OleColor c) override { foreColor = c; }
  int16_t Alignment() override { return alignment; }
  void SetAlignment(int16_t a) override { alignment = a; }
  host::FontPtr Font() override { return font; }
  void SetFont(host::FontPtr f) override { font = std::move(f); }
  float Width() override { return width; }
  float Height() override { return height; }
  float Left() override { return left; }
  void SetLeft(float l) override {
    if (refuseLeft) throw core::RuntimeError(core::kInvalidPropertyValue);
    left = l;
  }
  float Top() override { return top; }
  void SetTop(float t) override { top = t; }

  std::string caption;
  core::OleColor foreColor = 0;
  int16_t alignment = 0;
  host::FontPtr font;
  float width = 40;
  float height = 13;
  float left = -1;
  float top = -1;
  bool refuseLeft = false;
};

class CountingGdi : public host::Gdi {
 public:
  explicit CountingGdi(host::Gdi& inner) : inner_(inner) {}

  int32_t CreateCompatibleDC(int32_t hdc) override {
    const int32_t dc = inner_.CreateCompatibleDC(hdc);
    if (dc != 0) ++created;
    return dc;
  }
  int32_t SelectObject(int32_t hdc, int32_t object) override {
    return inner_.SelectObject(hdc, object);
  }
  int32_t BitBlt(int32_t hdcDest, int32_t x, int32_t y, int32_t width, int32_t height,
                 int32_t hdcSrc, int32_t xSrc, int32_t ySrc, uint32_t rop) override {
    return inner_.BitBlt(hdcDest, x, y, width, height, hdcSrc, xSrc, ySrc, rop);
  }
  int32_t DeleteDC(int32_t hdc) override {
    const int32_t ok = inner_.DeleteDC(hdc);
    if (ok != 0) ++deleted;
    return ok;
  }
  int32_t GradientFill(int32_t hdc, std::span<const host::TriVertex> vertices,
                       std::span<const host::GradientMeshRect> mesh, uint32_t mode) override {
    return inner_.GradientFill(hdc, vertices, mesh, mode);
  }
  core::OleColor GetSysColor(int32_t index) override {
    lastSysColorIndex = index;
    return inner_.GetSysColor(index);
  }

  int created = 0;
  int deleted = 0;
  int32_t lastSysColorIndex = -1;

 private:
  host::Gdi& inner_;
};

}  // namespace led::render
