// The form: its host bundle, the container's callbacks and properties, and the
// snapshot of the whole control with its captions.
#include <gtest/gtest.h>

#include "leddisplay/core/OleColor.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/io/Png.h"
#include "leddisplay/platform/raster/GdiTable.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "leddisplay/platform/raster/SystemColors.h"
#include "support/ExpectRuntimeError.h"
#include "support/ScratchFolder.h"

namespace led::platform {
namespace {

using core::Variant;

TEST(Form, HostBundlesItsOwnParts) {
  Form form;
  host::Host& host = form.Host();
  EXPECT_EQ(&host.surface, &form.Surface());
  EXPECT_EQ(&host.lowerCaption, &form.LowerCaption());
  EXPECT_EQ(&host.upperCaption, &form.UpperCaption());
  EXPECT_EQ(&host.container, &form.Container());
  EXPECT_EQ(&host.gdi, &GdiTable::Instance());
  EXPECT_EQ(form.LowerCaption().Caption(), "Label1");
  EXPECT_EQ(form.UpperCaption().Caption(), "Label2");
}

TEST(Form, NotificationsAndEventsReachTheHostInOrderWithArgumentsByReference) {
  Form form;
  std::vector<std::string> seen;
  form.OnPropertyChanged([&](const std::string& name) { seen.push_back("changed " + name); });
  form.OnEvent([&](int32_t dispid, const std::string& name, std::span<host::EventArg> args) {
    seen.push_back("event " + std::to_string(dispid) + " " + name);
    for (auto& arg : args)
      if (arg.name == "KeyAscii") arg.value = Variant::FromInteger(0);
  });
  // A second subscriber of each kind, after the first: it sees what the first wrote.
  form.OnEvent([&](int32_t, const std::string& name, std::span<host::EventArg> args) {
    seen.push_back("second " + name + (args.empty() ? "" : " " + args[0].value.ToString()));
  });
  form.OnPropertyChanged([&](const std::string& name) { seen.push_back("second " + name); });
  auto& container = form.Host().container;
  host::EventArg keyAscii[1] = {{"KeyAscii", Variant::FromInteger(97)}};
  container.RaiseEvent(4, "KeyPress", keyAscii);
  container.PropertyChanged("Value");
  container.RaiseEvent(6, "Change", {});
  EXPECT_EQ(keyAscii[0].value, Variant::FromInteger(0));
  EXPECT_EQ(seen,
            (std::vector<std::string>{"event 4 KeyPress", "second KeyPress 0", "changed Value",
                                      "second Value", "event 6 Change", "second Change"}));
}

TEST(Form, AmbientFontIsANewObjectOnEveryRequest) {
  Form form;
  auto& container = form.Host().container;
  const auto a = container.AmbientFont(), b = container.AmbientFont();
  EXPECT_NE(a, b);
  EXPECT_EQ(a->Name(), "DejaVu Sans");
  EXPECT_EQ(a->Size(), 80000);
  a->SetSize(500000);  // a caller's change stays with its copy
  EXPECT_EQ(container.AmbientFont()->Size(), 80000);
  form.Container().SetAmbientFont(*StdFont::Create("DejaVu Serif", 10));
  EXPECT_EQ(container.AmbientFont()->Name(), "DejaVu Serif");
}

TEST(Form, ExtenderAndParentPropertiesByName) {
  Form form;
  auto& container = form.Host().container;
  EXPECT_EQ(container.ParentProperty("ScaleMode"), Variant::FromInteger(1));
  EXPECT_EQ(container.ParentProperty("Picture").ToObject(), nullptr);
  form.SetPlace(100, 60.5f);
  form.SetContainerScaleMode(3);
  const auto picture = BitmapPicture::FromImage(Image(2, 2));
  form.SetContainerPicture(picture);
  EXPECT_EQ(container.ExtenderProperty("Left"), Variant::FromSingle(100));
  EXPECT_EQ(container.ExtenderProperty("top"), Variant::FromSingle(60.5f));
  EXPECT_EQ(container.ParentProperty("scalemode"), Variant::FromInteger(3));
  EXPECT_EQ(container.ParentProperty("Picture").ToObject(), picture);
  for (const char* name : {"Width", "Lef", ""}) {
    EXPECT_RUNTIME_ERROR(container.ExtenderProperty(name), core::kNotSupported) << name;
    EXPECT_RUNTIME_ERROR(container.ParentProperty(name), core::kNotSupported) << name;
  }
}

TEST(Form, ResizeHandlerRunsInsideTheExtentSet) {
  Form form;
  int resizes = 0;
  float widthSeen = 0;
  form.OnResize([&] {
    ++resizes;
    widthSeen = form.Surface().ScaleWidth();
  });
  form.OnResize([&] { resizes += 10; });
  form.SetTwipsPerPixel(10);
  const uint64_t before = form.Generation();
  form.Host().surface.SetWidth(1000);
  EXPECT_EQ(resizes, 11);
  EXPECT_EQ(widthSeen, 100.0f);
  // The drawing changed: resized, then cleared and drawn on; reads change nothing.
  const uint64_t resized = form.Generation();
  EXPECT_GT(resized, before);
  (void)form.Snapshot();
  EXPECT_EQ(form.Generation(), resized);
  form.Host().surface.Cls();
  form.Host().surface.Line(0, 0, 5, 5, 0xFFFFFF);
  EXPECT_EQ(form.Generation(), resized + 2);
}

// Counts pixels of one colour inside and outside a rectangle of the snapshot.
struct Count {
  int inside = 0, outside = 0;
};
Count CountColour(const Image& image, Pixel colour, int32_t left, int32_t top, int32_t right,
                  int32_t bottom) {
  Count c;
  for (int32_t y = 0; y < image.height; ++y)
    for (int32_t x = 0; x < image.width; ++x)
      if (image.at(x, y) == colour)
        (x >= left && x < right && y >= top && y < bottom ? c.inside : c.outside)++;
  return c;
}

TEST(Form, SnapshotComposesBorderImageAndCaptions) {
  Form form;
  auto& surface = form.Surface();
  surface.SetAppearance(1);
  surface.SetBorderStyle(1);
  surface.SetExtentPixels(173, 63);
  surface.SetBackColor(0);
  auto& label = form.UpperCaption();
  label.SetCaption("HHHH");
  label.SetForeColor(0x00FF00);
  label.SetLeft(20);
  label.SetTop(5);
  form.LowerCaption().SetCaption("");

  const Image shot = form.Snapshot();
  EXPECT_EQ(shot.width, 173);
  EXPECT_EQ(shot.height, 63);
  const int32_t b = surface.BorderThickness();
  ASSERT_EQ(b, 2);
  const Count green = CountColour(shot, OpaquePixel(0x00FF00), 20 + b, 5 + b,
                                  20 + b + label.PixelWidth(), 5 + b + label.PixelHeight());
  EXPECT_GT(green.inside, 10);
  EXPECT_EQ(green.outside, 0);
  EXPECT_EQ(surface.Inner().at(22, 10), OpaquePixel(0));  // the kept image is untouched

  // A system colour is the surface's own, not the process table's.
  SystemColorSet table = CurrentSystemColors();
  table[kColorButtonText] = 0x00FF00;
  surface.SetSystemColors(table);
  label.SetForeColor(core::kSystemColorBit | kColorButtonText);
  EXPECT_EQ(CountColour(form.Snapshot(), OpaquePixel(0x00FF00), 0, 0, 173, 63).inside,
            green.inside);
}

TEST(Form, CaptionsAreClippedToTheInnerArea) {
  Form form;
  auto& surface = form.Surface();
  surface.SetAppearance(0);
  surface.SetBorderStyle(1);
  surface.SetExtentPixels(40, 20);
  auto& label = form.LowerCaption();
  label.SetCaption("HHHHHHHH");
  label.SetForeColor(0x0000FF);
  label.SetLeft(20);  // runs past the right edge and the bottom
  label.SetTop(9);
  const Image shot = form.Snapshot();
  const Count red = CountColour(shot, OpaquePixel(0x0000FF), 1, 1, 39, 19);
  EXPECT_GT(red.inside, 0);
  EXPECT_EQ(red.outside, 0);  // none on the frame line
}

TEST(Form, WritesTheSnapshotAsPng) {
  Form form;
  form.Surface().SetExtentPixels(30, 12);
  form.LowerCaption().SetForeColor(0xFFFFFF);
  test::ScratchFolder folder;
  const std::string path = folder.Path("form.png");
  form.WriteSnapshotPng(path);
  const Image read = ReadPngFile(path);
  EXPECT_EQ(read.width, 30);
  EXPECT_EQ(read.pixels, form.Snapshot().pixels);
}

}  // namespace
}  // namespace led::platform
