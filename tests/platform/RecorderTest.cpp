// The recorder around a real form: the exact record of every logged call, what is not
// logged, order with nested calls, refused calls, and that calls still arrive.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/form/Form.h"
#include "leddisplay/platform/form/Recorder.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/raster/StdFont.h"
#include "support/ExpectRuntimeError.h"
#include "support/RecordedCalls.h"

namespace led::platform {
namespace {

using nlohmann::json;

json J(const char* text) {
  return json::parse(text);
}

class RecorderTest : public ::testing::Test {
 protected:
  Form form;
  Recorder recorder{form.Host()};
  host::Host& host = recorder.Host();

  // The last record, null when there is none.
  json Last() const {
    const std::vector<json> calls = led::test::RecordedCalls(recorder);
    return calls.empty() ? json() : calls.back();
  }
};

TEST_F(RecorderTest, SurfaceCallsHaveTheirRecordForms) {
  auto picture = BitmapPicture::FromImage(Image(4, 3));
  struct Case {
    std::function<void(host::Surface&)> call;
    json record;
  };
  const std::vector<Case> cases = {
      {[](auto& s) { s.Line(3, 3, 27, 3, 0xFFC0C0); },
       J(R"({"call":"Line","x1":3,"y1":3,"x2":27,"y2":3,"color":16761024})")},
      {[](auto& s) { s.Line(0.5f, 0.1f, -2.25f, 1e6f, 0x80000005u); },
       J(R"({"call":"Line","x1":0.5,"y1":0.1,"x2":-2.25,"y2":1000000,"color":2147483653})")},
      {[](auto& s) { s.Cls(); }, {{"call", "Cls"}}},
      {[](auto& s) { s.SetDrawWidth(1); }, {{"call", "DrawWidth"}, {"value", 1}}},
      {[](auto& s) { s.SetScaleMode(3); }, {{"call", "ScaleMode"}, {"value", 3}}},
      {[](auto& s) { s.SetAutoRedraw(core::kTrue); }, {{"call", "AutoRedraw"}, {"value", true}}},
      {[](auto& s) { s.SetWidth(2595); }, {{"call", "Width"}, {"value", 2595}}},
      {[](auto& s) { s.SetHeight(810); }, {{"call", "Height"}, {"value", 810}}},
      {[](auto& s) { s.SetBackColor(0); }, {{"call", "BackColor"}, {"value", 0}}},
      {[](auto& s) { s.SetAppearance(0); }, {{"call", "Appearance"}, {"value", 0}}},
      {[](auto& s) { s.SetBorderStyle(1); }, {{"call", "BorderStyle"}, {"value", 1}}},
      {[](auto& s) { s.SetEnabled(core::kFalse); }, {{"call", "Enabled"}, {"value", false}}},
      {[](auto& s) { s.SetMousePointer(2); }, {{"call", "MousePointer"}, {"value", 2}}},
      {[&](auto& s) { s.SetMouseIcon(picture); },
       {{"call", "MouseIcon"}, {"value", {{"width", 4}, {"height", 3}}}}},
      {[](auto& s) { s.SetPicture(nullptr); }, {{"call", "Picture"}, {"value", nullptr}}},
  };
  for (const auto& c : cases) {
    recorder.Clear();
    c.call(host.surface);
    ASSERT_EQ(recorder.Calls().size(), 1u) << c.record;
    EXPECT_EQ(Last(), c.record);
  }
}

TEST_F(RecorderTest, SinglesPrintAsIntegersOrTheirShortestDecimal) {
  host.surface.Line(3, 0.1f, 1.0f / 3.0f, -0.0f, 0);
  const json line = Last();
  EXPECT_TRUE(line["x1"].is_number_integer());
  EXPECT_EQ(line["y1"].dump(), "0.1");
  EXPECT_EQ(line["x2"].dump(), "0.33333334");
  EXPECT_TRUE(line["y2"].is_number_integer());
  host.surface.SetWidth(2595.5f);
  EXPECT_EQ(Last()["value"].dump(), "2595.5");
}

TEST_F(RecorderTest, LabelSetsAreNamedAfterTheirLabel) {
  host.upperCaption.SetLeft(1);
  EXPECT_EQ(Last(), (json{{"call", "Label2.Left"}, {"value", 1}}));
  host.lowerCaption.SetTop(48.5f);
  EXPECT_EQ(Last(), (json{{"call", "Label1.Top"}, {"value", 48.5}}));
  host.lowerCaption.SetCaption("Caption Lower");
  EXPECT_EQ(Last(), (json{{"call", "Label1.Caption"}, {"value", "Caption Lower"}}));
  host.upperCaption.SetForeColor(0xFFC0C0);
  EXPECT_EQ(Last(), (json{{"call", "Label2.ForeColor"}, {"value", 16761024}}));
  host.upperCaption.SetAlignment(2);
  EXPECT_EQ(Last(), (json{{"call", "Label2.Alignment"}, {"value", 2}}));
  host.lowerCaption.SetFont(StdFont::Create("DejaVu Sans", 8.25));
  EXPECT_EQ(Last(), J(R"({"call":"Label1.Font","value":{"name":"DejaVu Sans","size":8.25,)"
                      R"("bold":false,"italic":false,"underline":false,"strikethrough":false,)"
                      R"("weight":400,"charset":0}})"));
  EXPECT_EQ(form.LowerCaption().Caption(), "Caption Lower");  // forwarded
}

TEST_F(RecorderTest, ContainerAndGdiCallsHaveTheirRecordForms) {
  host.container.PropertyChanged("Value");
  EXPECT_EQ(Last(), (json{{"call", "PropertyChanged"}, {"name", "Value"}}));
  host.container.RaiseEvent(6, "Change", {});
  EXPECT_EQ(Last(), (json{{"call", "Event"}, {"name", "Change"}, {"args", json::object()}}));

  host.surface.SetWidth(150);
  host.surface.SetHeight(150);
  recorder.Clear();
  const host::TriVertex vertices[2] = {{0, 0, 57344, 57344, 57344, 0}, {10, 10, 0, 256, 512, 0}};
  const host::GradientMeshRect mesh[1] = {{0, 1}};
  host.gdi.GradientFill(host.surface.hDC(), vertices, mesh, host::kGradientFillRectV);
  EXPECT_EQ(Last(), J(R"({"call":"GradientFill","mode":1,"vertices":[)"
                      R"({"x":0,"y":0,"red":57344,"green":57344,"blue":57344,"alpha":0},)"
                      R"({"x":10,"y":10,"red":0,"green":256,"blue":512,"alpha":0}]})"));

  const int32_t dc = host.gdi.CreateCompatibleDC(host.surface.hDC());
  EXPECT_EQ(Last(), (json{{"call", "CreateCompatibleDC"}, {"hdc", host.surface.hDC()}}));
  host.gdi.SelectObject(dc, 12345);  // logged as passed, even a handle the table refuses
  EXPECT_EQ(Last(), (json{{"call", "SelectObject"}, {"hdc", dc}, {"object", 12345}}));
  host.gdi.BitBlt(host.surface.hDC(), 0, 0, 173, 63, dc, 100, 60, host::kSrcCopy);
  EXPECT_EQ(Last(),
            J(R"({"call":"BitBlt","x":0,"y":0,"width":173,"height":63,"srcX":100,"srcY":60})"));
  host.gdi.DeleteDC(dc);
  EXPECT_EQ(Last(), (json{{"call", "DeleteDC"}, {"hdc", dc}}));
  host.gdi.GetSysColor(5);  // reads nothing into the log
  EXPECT_EQ(recorder.Calls().size(), 5u);
}

TEST_F(RecorderTest, RecordsAreSingleLinesWithTheirKeysInReadingOrder) {
  host.surface.SetWidth(150);
  host.surface.SetHeight(150);
  recorder.Clear();
  host.surface.Line(3, 3, 27.5f, 3, 0xFFC0C0);
  host.lowerCaption.SetCaption(
      "a\xff"
      "b");  // not UTF-8: the bad byte is replaced
  host.upperCaption.SetFont(StdFont::Create("DejaVu Sans", 8.25));
  host::EventArg args[4] = {{"Shift", core::Variant::FromInteger(1)},
                            {"Button", core::Variant::FromInteger(2)},
                            {"Y", core::Variant::FromSingle(-3.25f)},
                            {"X", core::Variant::FromSingle(12.5f)}};
  host.container.RaiseEvent(-605, "MouseDown", args);
  const host::TriVertex vertices[2] = {{0, 0, 57344, 57344, 57344, 0}, {10, 10, 0, 256, 512, 0}};
  const host::GradientMeshRect mesh[1] = {{0, 1}};
  host.gdi.GradientFill(host.surface.hDC(), vertices, mesh, host::kGradientFillRectH);
  host.gdi.BitBlt(host.surface.hDC(), 1, 2, 3, 4, host.surface.hDC(), 5, 6, host::kSrcCopy);
  EXPECT_EQ(
      recorder.Calls(),
      (std::vector<std::string>{
          R"({"call":"Line","x1":3,"y1":3,"x2":27.5,"y2":3,"color":16761024})",
          "{\"call\":\"Label1.Caption\",\"value\":\"a\xEF\xBF\xBD"
          "b\"}",
          R"({"call":"Label2.Font","value":{"bold":false,"charset":0,"italic":false,)"
          R"("name":"DejaVu Sans","size":8.25,"strikethrough":false,"underline":false,)"
          R"("weight":400}})",
          R"({"call":"Event","name":"MouseDown","args":{"Button":2,"Shift":1,"X":12.5,"Y":-3.25}})",
          R"({"call":"GradientFill","mode":0,"vertices":[)"
          R"({"x":0,"y":0,"red":57344,"green":57344,"blue":57344,"alpha":0},)"
          R"({"x":10,"y":10,"red":0,"green":256,"blue":512,"alpha":0}]})",
          R"({"call":"BitBlt","x":1,"y":2,"width":3,"height":4,"srcX":5,"srcY":6})"}));
}

TEST_F(RecorderTest, GettersAreNotLogged) {
  host.surface.ScaleWidth();
  host.surface.ScaleX(1, 1, 3);
  host.surface.Width();
  host.surface.hDC();
  host.lowerCaption.Width();
  host.lowerCaption.Caption();
  host.container.AmbientFont();
  host.container.ParentProperty("ScaleMode");
  EXPECT_TRUE(recorder.Calls().empty());
}

TEST_F(RecorderTest, EventIsLoggedAsRaisedBeforeTheHandlerChangesIt) {
  size_t seenByHandler = 0;
  form.OnEvent([&](int32_t, const std::string&, std::span<host::EventArg> args) {
    seenByHandler = recorder.Calls().size();
    args[0].value = core::Variant::FromInteger(0);
  });
  host::EventArg args[2] = {{"KeyCode", core::Variant::FromInteger(65)},
                            {"Shift", core::Variant::FromInteger(0)}};
  host.container.RaiseEvent(3, "KeyDown", args);
  EXPECT_EQ(seenByHandler, 1u);
  EXPECT_EQ(
      Last(),
      (json{{"call", "Event"}, {"name", "KeyDown"}, {"args", {{"KeyCode", 65}, {"Shift", 0}}}}));
  EXPECT_EQ(args[0].value.ToInteger(), 0);  // the handler's change reaches the raiser
}

TEST_F(RecorderTest, NestedCallsFollowTheCallThatCausedThem) {
  form.OnResize([&] { host.lowerCaption.SetTop(host.surface.ScaleHeight()); });
  host.surface.SetHeight(300);
  const std::vector<json> calls = led::test::RecordedCalls(recorder);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0]["call"], "Height");
  EXPECT_EQ(calls[1], (json{{"call", "Label1.Top"}, {"value", 20}}));
}

TEST_F(RecorderTest, RefusedCallsAreLoggedAndTheirErrorPassesOn) {
  EXPECT_RUNTIME_ERROR(host.lowerCaption.SetAlignment(7), core::kInvalidPropertyValue);
  EXPECT_EQ(Last(), (json{{"call", "Label1.Alignment"}, {"value", 7}}));
  EXPECT_RUNTIME_ERROR(host.surface.SetAppearance(2), core::kInvalidPropertyValue);
  EXPECT_EQ(recorder.Calls().size(), 2u);
}

TEST_F(RecorderTest, DisabledRecorderForwardsWithoutRecords) {
  recorder.SetEnabled(false);
  host.surface.SetBackColor(0x123456);
  host.upperCaption.SetCaption("x");
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_EQ(form.Surface().BackColor(), 0x123456u);
  recorder.SetEnabled(true);
  host.surface.Cls();
  EXPECT_EQ(recorder.Calls().size(), 1u);
  recorder.Clear();
  EXPECT_TRUE(recorder.Calls().empty());
}

}  // namespace
}  // namespace led::platform
