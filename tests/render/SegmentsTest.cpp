// The segment primitives and the sign mark, checked line by line on the recorder.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "RenderFixture.h"
#include "leddisplay/render/Segments.h"
#include "support/ExpectRuntimeError.h"

namespace led::render {
namespace {

// The sign mark where it works out DigitTop itself.
constexpr void (*kSignMark)(Display&) = DrawPlusMinusSign;

struct PrimitiveCase {
  const char* name;
  std::function<void(Display&)> draw;
  std::vector<json> lines;
};

// A primitive drawn as the render pass draws it: its lines as one batch.
std::function<void(Display&)> Batched(void (*gather)(LineBatch&)) {
  return [gather](Display& d) { DrawLines(d, gather); };
}

class SegmentsTest : public RenderTest {};

TEST_F(SegmentsTest, EachPrimitiveDrawsItsLinesInOrder) {
  // SegmentWidth 3 and DecimalPointSize 3, the first cell of a newly placed control.
  const PrimitiveCase cases[] = {
      {"top",
       Batched([](LineBatch& b) { DrawSegmentTop(b, 3, 27, 3, kOn); }),
       {LineCall(3, 3, 27, 3, kOn), LineCall(4, 4, 26, 4, kOn), LineCall(5, 5, 25, 5, kOn)}},
      {"bottom",
       Batched([](LineBatch& b) { DrawSegmentBottom(b, 3, 27, 51, kOn); }),
       {LineCall(3, 51, 27, 51, kOn), LineCall(4, 50, 26, 50, kOn), LineCall(5, 49, 25, 49, kOn)}},
      {"left",
       Batched([](LineBatch& b) { DrawSegmentLeft(b, 3, 5, 25, kOff); }),
       {LineCall(3, 5, 3, 25, kOff), LineCall(4, 6, 4, 24, kOff), LineCall(5, 7, 5, 23, kOff)}},
      {"right",
       Batched([](LineBatch& b) { DrawSegmentRight(b, 27, 4, 26, kOn); }),
       {LineCall(27, 4, 27, 26, kOn), LineCall(26, 5, 26, 25, kOn), LineCall(25, 6, 25, 24, kOn)}},
      {"middle",
       Batched([](LineBatch& b) { DrawSegmentMiddle(b, 3, 27, 27, kOff); }),
       {LineCall(3, 27, 27, 27, kOff), LineCall(4, 26, 26, 26, kOff),
        LineCall(4, 28, 26, 28, kOff)}},
      {"point",
       Batched([](LineBatch& b) { DrawDecimalPoint(b, 31, 55, 34, kOn); }),
       {LineCall(31, 55, 34, 55, kOn), LineCall(31, 54, 34, 54, kOn),
        LineCall(31, 53, 34, 53, kOn)}},
  };
  for (const PrimitiveCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Recorded(c.draw), c.lines);
  }
}

TEST_F(SegmentsTest, LineCountsFollowSegmentWidth) {
  struct Case {
    int16_t segmentWidth;
    size_t bar;     // lines of a bevelled bar
    size_t middle;  // lines of the middle bar
  };
  // An even width gives the middle bar one line more, so that it stays symmetric about
  // its centre line and is never thinner than the other bars.
  // 200 lines outgrow a batch's buffer, which is then drawn before it takes more.
  const Case cases[] = {{1, 1, 1}, {2, 2, 3},  {3, 3, 3},  {4, 4, 5},
                        {5, 5, 5}, {-2, 0, 1}, {-1, 0, 1}, {200, 200, 201}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.segmentWidth);
    state.StoredSegmentWidth = c.segmentWidth;
    EXPECT_EQ(Recorded(Batched([](LineBatch& b) { DrawSegmentTop(b, 0, 40, 0, kOn); })).size(),
              c.bar);
    EXPECT_EQ(Recorded(Batched([](LineBatch& b) { DrawSegmentLeft(b, 0, 0, 40, kOn); })).size(),
              c.bar);
    EXPECT_EQ(Recorded(Batched([](LineBatch& b) { DrawSegmentMiddle(b, 0, 40, 20, kOn); })).size(),
              c.middle);
  }
}

TEST_F(SegmentsTest, EvenMiddleBarIsSymmetricAboutItsCentre) {
  state.StoredSegmentWidth = 4;
  DrawLines(display, [](LineBatch& b) { DrawSegmentMiddle(b, 0, 40, 20, kOn); });
  EXPECT_EQ(Calls(), (std::vector<json>{LineCall(0, 20, 40, 20, kOn), LineCall(1, 19, 39, 19, kOn),
                                        LineCall(2, 18, 38, 18, kOn), LineCall(1, 21, 39, 21, kOn),
                                        LineCall(2, 22, 38, 22, kOn)}));
}

TEST_F(SegmentsTest, ThickBarGoesOnWithReversedLines) {
  state.StoredSegmentWidth = 5;
  DrawLines(display, [](LineBatch& b) { DrawSegmentLeft(b, 0, 10, 14, kOn); });
  const std::vector<json> lines = Calls();
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2], LineCall(2, 12, 2, 12, kOn));
  EXPECT_EQ(lines[4], LineCall(4, 14, 4, 10, kOn));  // start below its end
}

TEST_F(SegmentsTest, NoPointForSizeZeroOrLess) {
  for (int16_t size : {0, -1, -300}) {
    state.StoredDecimalPointSize = size;
    DrawLines(display, [](LineBatch& b) { DrawDecimalPoint(b, 31, 55, 34, kOn); });
  }
  EXPECT_TRUE(Calls().empty());
}

TEST_F(SegmentsTest, OverflowStopsAfterTheLinesAlreadyDrawn) {
  EXPECT_RUNTIME_ERROR(
      DrawLines(display, [](LineBatch& b) { DrawSegmentTop(b, 0, 10, 32766, kOn); }),
      core::kOverflow);
  EXPECT_EQ(Calls(), (std::vector<json>{LineCall(0, 32766, 10, 32766, kOn),
                                        LineCall(1, 32767, 9, 32767, kOn)}));
  recorder.Clear();
  EXPECT_RUNTIME_ERROR(
      DrawLines(display, [](LineBatch& b) { DrawSegmentRight(b, -32767, 0, 10, kOn); }),
      core::kOverflow);
  EXPECT_EQ(Calls().size(), 2u);
}

TEST_F(SegmentsTest, SignMarkOfTheFirstCell) {
  DrawPlusMinusSign(display);
  EXPECT_EQ(Calls(),
            (std::vector<json>{LineCall(3, 38, 21, 38, kOff), LineCall(3, 39, 21, 39, kOff),
                               LineCall(3, 40, 21, 40, kOff), LineCall(3, 14, 21, 14, kOn),
                               LineCall(3, 15, 21, 15, kOn), LineCall(3, 16, 21, 16, kOn),
                               LineCall(11, 5, 11, 27, kOn), LineCall(12, 5, 12, 27, kOn),
                               LineCall(13, 5, 13, 27, kOn)}));
}

TEST_F(SegmentsTest, SignMarkLightsTheMinusOnlyBelowZero) {
  struct Case {
    double value;
    core::OleColor minus;
    core::OleColor plus;
  };
  const Case cases[] = {{0.0, kOff, kOn}, {-0.0, kOff, kOn}, {2.5, kOff, kOn}, {-1e-9, kOn, kOff}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    state.StoredValue = c.value;
    const std::vector<json> lines = Recorded(kSignMark);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0]["color"], c.minus);
    EXPECT_EQ(lines[3]["color"], c.plus);
    EXPECT_EQ(lines[8]["color"], c.plus);
  }
}

TEST_F(SegmentsTest, SignMarkStrokesAreSingleForThinSegments) {
  for (int16_t width : {1, -4}) {
    state.StoredSegmentWidth = width;
    EXPECT_EQ(Recorded(kSignMark),
              (std::vector<json>{LineCall(3, 39, 21, 39, kOff), LineCall(3, 15, 21, 15, kOn),
                                 LineCall(12, 5, 12, 27, kOn)}));
  }
}

TEST_F(SegmentsTest, SignMarkKeepsFractionalEnds) {
  state.StoredSegmentWidth = 1;
  state.StoredDigitHeight = 30;
  state.StoredDigitWidth = 25;  // 0.75 * 25 = 18.75
  DrawPlusMinusSign(display);
  EXPECT_EQ(Calls()[0], LineCall(3, 25.5, 21.75, 25.5, kOff));  // 3 + 15 + 7.5
  EXPECT_EQ(Calls()[1], LineCall(3, 10.5, 21.75, 10.5, kOn));   // 3 + 15 - 7.5
}

TEST_F(SegmentsTest, SignStemRoundsHalvesToEven) {
  struct Case {
    int16_t digitWidth;
    double stemX;
  };
  // 0.375 * width: 4.5 goes to 4, 7.5 to 8, 9 stays.
  for (const Case c : {Case{12, 3 + 4}, Case{20, 3 + 8}, Case{24, 3 + 9}}) {
    SCOPED_TRACE(c.digitWidth);
    state.StoredSegmentWidth = 1;
    state.StoredDigitWidth = c.digitWidth;
    EXPECT_EQ(Recorded(kSignMark)[2]["x1"], c.stemX);
  }
}

TEST_F(SegmentsTest, SignMarkFollowsTheUpperCaption) {
  upperCaption.height = 17;
  // No caption: the label's height does not count.
  EXPECT_EQ(Recorded(kSignMark)[6], LineCall(11, 5, 11, 27, kOn));
  upperCaption.caption = " ";
  const std::vector<json> lines = Recorded(kSignMark);
  EXPECT_EQ(lines[0], LineCall(3, 55, 21, 55, kOff));
  EXPECT_EQ(lines[6], LineCall(11, 22, 11, 44, kOn));
}

}  // namespace
}  // namespace led::render
