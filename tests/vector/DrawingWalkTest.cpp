// The one walk every painter takes over a drawing: clips told before their shapes and
// ended once, polygons of one colour and clip that follow each other joined.
#include "leddisplay/platform/vector/DrawingWalk.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace led::platform {
namespace {

class Told : public DrawingSink {
 public:
  void Clip(const std::optional<PixelRect>& clip) override {
    calls.push_back(clip ? "clip " + std::to_string(clip->right) : "no clip");
  }
  void Fill(const Polygon& p) override {
    calls.push_back("fill " + std::to_string(p.color) + " x" + std::to_string(p.outlines.size()));
  }
  void Shade(const Gradient&) override { calls.push_back("shade"); }
  void Place(const Picture&) override { calls.push_back("place"); }
  void Write(const TextRun&) override { calls.push_back("write"); }
  std::vector<std::string> calls;
};

TEST(DrawingWalk, ClipsComeBeforeTheirShapesAndPolygonsOfOneColourAreOnePath) {
  const Polygon red = RectanglePolygon({0, 0, 2, 2}, 1), blue = RectanglePolygon({2, 0, 4, 2}, 2);
  const PixelRect clip{0, 0, 9, 9};
  Drawing drawing{10, 10, {}, {}};
  drawing.shapes = {{red, {}},   {red, {}},          {red, clip}, {red, clip},    {blue, clip},
                    {red, clip}, {Gradient{}, clip}, {red, clip}, {TextRun{}, {}}};
  Told told;
  WalkDrawing(drawing, told);
  EXPECT_EQ(told.calls,
            (std::vector<std::string>{"fill 1 x2", "clip 9", "fill 1 x2", "fill 2 x1", "fill 1 x1",
                                      "shade", "fill 1 x1", "no clip", "write"}));
  // A drawing that ends inside a clip has it ended.
  drawing.shapes = {{blue, clip}};
  told.calls.clear();
  WalkDrawing(drawing, told);
  EXPECT_EQ(told.calls, (std::vector<std::string>{"clip 9", "fill 2 x1", "no clip"}));
}

}  // namespace
}  // namespace led::platform
