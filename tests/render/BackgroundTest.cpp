// The background on the recorder: gradient directions and colours, the container copy
// and its source offset, and the step-by-step skipping of the copy.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RenderFixture.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/raster/SystemColors.h"
#include "leddisplay/render/Background.h"
#include "leddisplay/render/RenderPass.h"

namespace led::render {
namespace {

constexpr core::OleColor kRed = 0x0000FF;
constexpr core::OleColor kBlue = 0xFF0000;

json Vertex(int x, int y, int red, int green, int blue) {
  return {{"x", x}, {"y", y}, {"red", red}, {"green", green}, {"blue", blue}, {"alpha", 0}};
}

class BackgroundTest : public RenderTest {
 protected:
  BackgroundTest() {
    Surface().SetExtentPixels(100, 60);
    recorder.Clear();
  }
  ~BackgroundTest() override { platform::ResetSystemColors(); }

  // A container picture whose pixel (x, y) encodes its place.
  void GiveContainerPicture() {
    platform::Image image(400, 300);
    for (int32_t y = 0; y < image.height; ++y)
      for (int32_t x = 0; x < image.width; ++x) image.at(x, y) = platform::MakePixel(x % 256, y, 7);
    form.SetContainerPicture(platform::BitmapPicture::FromImage(std::move(image)));
  }
};

TEST_F(BackgroundTest, GradientDirections) {
  state.StoredBackGroundG1 = kRed;
  state.StoredBackGroundG2 = kBlue;
  struct Case {
    int32_t style;
    int mode;
    json topLeft, bottomRight;
  };
  const Case cases[] = {
      // Vertical: the second colour at the top. Horizontal: the first at the left.
      {model::Gradient_V, 1, Vertex(0, 0, 0, 0, 0xFF00), Vertex(100, 60, 0xFF00, 0, 0)},
      {model::Gradient_H, 0, Vertex(0, 0, 0xFF00, 0, 0), Vertex(100, 60, 0, 0, 0xFF00)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    state.StoredBackGroundStyle = c.style;
    const json fill = {
        {"call", "GradientFill"}, {"mode", c.mode}, {"vertices", {c.topLeft, c.bottomRight}}};
    EXPECT_EQ(Recorded(PaintBackground), std::vector<json>{fill});
    EXPECT_EQ(state.GradientBounds.Right, 100);
    EXPECT_EQ(state.GradientBounds.Bottom, 60);
  }
}

TEST_F(BackgroundTest, StandardPaintsNothingButRefreshesTheRectangle) {
  state.StoredBackGroundStyle = model::Standard;
  state.GradientBounds = {5, 5, 5, 5};
  PaintBackground(display);
  EXPECT_TRUE(Calls().empty());
  const model::GradientArea& r = state.GradientBounds;
  EXPECT_EQ((std::vector<int32_t>{r.Left, r.Top, r.Right, r.Bottom}),
            (std::vector<int32_t>{0, 0, 100, 60}));
}

TEST_F(BackgroundTest, SystemColoursAreResolvedOnEveryPaint) {
  state.StoredBackGroundStyle = model::Gradient_H;
  state.StoredBackGroundG1 = 0x8000000F;  // button face
  platform::SetSystemColor(platform::kColorButtonFace, 0x00FF00);
  PaintBackground(display);
  platform::SetSystemColor(platform::kColorButtonFace, 0x000080);
  PaintBackground(display);
  const std::vector<json> fills = Calls("GradientFill");
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[0]["vertices"][0]["green"], 0xFF00);
  EXPECT_EQ(fills[1]["vertices"][0]["green"], 0);
  EXPECT_EQ(fills[1]["vertices"][0]["red"], 0x8000);
}

// A colour that cannot be converted must not blank the display: unused under Standard,
// and under a gradient style it costs only the gradient.
TEST_F(BackgroundTest, UnconvertibleGradientColourKeepsTheDigits) {
  for (int32_t style : {model::Standard, model::Gradient_V, model::Gradient_H}) {
    for (bool first : {true, false}) {
      SCOPED_TRACE(style);
      SCOPED_TRACE(first);
      state = model::FirstValues();
      state.StoredBackGroundStyle = style;
      (first ? state.StoredBackGroundG1 : state.StoredBackGroundG2) = 0x1000000;
      state.StoredValue = 1;
      const std::vector<json> calls = Recorded();
      EXPECT_TRUE(Named(calls, "GradientFill").empty());
      EXPECT_EQ(Named(calls, "Line").size(), 9u + 4u * 24u);
      EXPECT_EQ(ChangeCount(calls), 1);
    }
  }
}

TEST_F(BackgroundTest, TransparentCopiesFromUnderTheControl) {
  GiveContainerPicture();
  form.SetPlace(1500, 900);  // twips, at 15 twips per pixel
  state.StoredTransparent = core::kTrue;
  state.StoredBackGroundStyle = model::Gradient_V;  // not used when transparent
  state.GradientBounds = {1, 2, 3, 4};
  PaintBackground(display);
  // A memory context takes the container's bitmap, gives it back and goes.
  const std::vector<json> calls = Calls();
  ASSERT_EQ(calls.size(), 5u);
  EXPECT_EQ(calls[0]["call"], "CreateCompatibleDC");
  EXPECT_EQ(calls[1]["call"], "SelectObject");
  EXPECT_EQ(calls[2], json::parse(R"({"call": "BitBlt", "x": 0, "y": 0, "width": 100,
                                      "height": 60, "srcX": 100, "srcY": 60})"));
  EXPECT_EQ(calls[3]["call"], "SelectObject");
  EXPECT_EQ(calls[4]["call"], "DeleteDC");
  EXPECT_EQ(calls[1]["hdc"], calls[4]["hdc"]);
  EXPECT_EQ(calls[3]["hdc"], calls[4]["hdc"]);
  EXPECT_NE(calls[1]["object"], calls[3]["object"]);
  EXPECT_EQ(state.GradientBounds.Right, 3);
  EXPECT_EQ(gdi.created, 1);
  EXPECT_EQ(gdi.deleted, 1);
  EXPECT_EQ(PixelAt(0, 0), platform::MakePixel(100, 60, 7));
  EXPECT_EQ(PixelAt(99, 59), platform::MakePixel(199, 119, 7));
}

TEST_F(BackgroundTest, TransparentOffsetFollowsTheContainerScale) {
  GiveContainerPicture();
  form.SetContainerScaleMode(host::kScalePixels);
  form.SetPlace(20.5f, 11.5f);  // halves to even: 20 and 12
  state.StoredTransparent = core::kTrue;
  PaintBackground(display);
  const std::vector<json> copies = Calls("BitBlt");
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0]["srcX"], 20);
  EXPECT_EQ(copies[0]["srcY"], 12);
}

TEST_F(BackgroundTest, TransparentWithoutContainerPictureKeepsTheClearedSurface) {
  Surface().SetBackColor(0x336699);
  state.StoredTransparent = core::kTrue;
  state.StoredValue = 2;
  RenderDisplay(display);
  EXPECT_TRUE(Calls("BitBlt").empty());
  EXPECT_EQ(gdi.created, gdi.deleted);
  EXPECT_EQ(PixelAt(0, 0), platform::OpaquePixel(0x336699));
  EXPECT_EQ(ChangeCount(Calls()), 1);  // the pass went on to the end
}

// A picture whose bitmap the GDI table does not know cannot be selected.
class UnknownBitmap : public host::Picture {
 public:
  int32_t Handle() const override { return 0x7FFFFFF0; }
  int32_t Width() const override { return 10; }
  int32_t Height() const override { return 10; }
};

TEST_F(BackgroundTest, UnselectableBitmapCopiesNothingAndReleasesTheContext) {
  form.SetContainerPicture(std::make_shared<UnknownBitmap>());
  state.StoredTransparent = core::kTrue;
  CopyContainerBackground(display);
  EXPECT_TRUE(Calls("BitBlt").empty());
  EXPECT_EQ(Calls("DeleteDC").size(), 1u);
  EXPECT_EQ(gdi.created, 1);
  EXPECT_EQ(gdi.deleted, 1);
}

// A container whose extender has no place and whose parent has no scale mode.
class PlacelessContainer : public platform::FormContainer {
 public:
  core::Variant ExtenderProperty(const std::string&) override {
    throw core::RuntimeError(core::kNotSupported);
  }
  core::Variant ParentProperty(const std::string& name) override {
    if (name == "ScaleMode") throw core::RuntimeError(core::kNotSupported);
    return FormContainer::ParentProperty(name);
  }
};

TEST_F(BackgroundTest, FailingStepsOfTheCopyAreSkipped) {
  PlacelessContainer container;
  platform::Image image(50, 50, platform::MakePixel(9, 8, 7));
  container.SetPicture(platform::BitmapPicture::FromImage(std::move(image)));
  host::Host placeless{form.Host().surface, lowerCaption, upperCaption, container, gdi};
  platform::Recorder placelessRecorder{placeless};
  Display placelessDisplay{state, placelessRecorder.Host()};

  CopyContainerBackground(placelessDisplay);  // must not throw
  const std::vector<json> copies = Named(led::test::RecordedCalls(placelessRecorder), "BitBlt");
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0]["srcX"], 0);
  EXPECT_EQ(copies[0]["srcY"], 0);
  EXPECT_EQ(PixelAt(10, 10), platform::MakePixel(9, 8, 7));
  EXPECT_EQ(gdi.created, gdi.deleted);
}

}  // namespace
}  // namespace led::render
