#include "leddisplay/render/ValueFormat.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "leddisplay/core/RuntimeError.h"
#include "support/ExpectRuntimeError.h"

namespace led::render {
namespace {

using core::kFalse;
using core::kTrue;

// Cells as compact text: the character, "_" for an unlit zero, "!" for a lit point,
// "." for an unlit point, cells separated by blanks ("+ 0_! 5.").
std::string Describe(const std::vector<DisplayCell>& cells) {
  std::string out;
  for (const DisplayCell& c : cells) {
    if (!out.empty()) out += ' ';
    out += c.Character;
    if (c.Character == '0' && !c.ZeroLit) out += '_';
    if (c.Point == PointState::Lit) out += '!';
    if (c.Point == PointState::Unlit) out += '.';
  }
  return out;
}

TEST(ValueFormat, Pattern) {
  const struct {
    int16_t digits, decimals;
    core::Boolean sign;
    const char* pattern;
  } cases[] = {
      {4, 3, kTrue, "+0.000"},  {5, 0, kFalse, "00000"}, {2, 3, kFalse, ".000"},
      {4, 1, 1, "+000.0"},  // any non-zero Boolean is True
      {4, -1, kFalse, "00000"}, {-1, 0, kFalse, ""},     {0, 0, kTrue, "+"},
      {3, 3, kFalse, ".000"},   {-5, -3, kFalse, ""},    {-32768, -32768, kFalse, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BuildDisplayPattern(c.digits, c.decimals, c.sign), c.pattern)
        << c.digits << ' ' << c.decimals << ' ' << c.sign;
  EXPECT_RUNTIME_ERROR(BuildDisplayPattern(32767, -1, kFalse), core::kOverflow);
  EXPECT_RUNTIME_ERROR(BuildDisplayPattern(-32768, 1, kFalse), core::kOverflow);
}

struct FormatCase {
  double value;
  int16_t digits, decimals;
  core::Boolean sign, overRange;
  const char* text;
  int32_t units;
  int16_t last;
};

TEST(ValueFormat, TextUnitsAndLastIndex) {
  const double inf = std::numeric_limits<double>::infinity();
  const FormatCase cases[] = {
      // Starting state and the layouts of the pattern.
      {0, 4, 3, kTrue, kFalse, "+0.000", 1, 5},
      {-12.5, 4, 1, kTrue, kFalse, "+012.5", 3, 5},
      {0.5, 3, 1, kFalse, kFalse, "00.5", 1, 3},
      {307.2, 5, 1, kFalse, kFalse, "0307.2", 3, 5},
      {-4, 3, 0, kFalse, kFalse, "004", -2, 2},
      {7, 1, 0, kFalse, kFalse, "7", -2, 0},
      {12, 4, 0, kFalse, kFalse, "0012", -2, 3},
      {0.5, 2, 3, kFalse, kFalse, ".500", -1, 3},
      {12.5, 2, 3, kFalse, kFalse, "12.500", 1, 5},  // integer digits written whole
      {123456, 2, 0, kTrue, kFalse, "+123456", -2, 6},
      {-0.0, 2, 1, kTrue, kFalse, "+0.0", 1, 3},
      {0, 0, 0, kTrue, kFalse, "+", -2, 0},
      {5, -1, 0, kTrue, kFalse, "+5", -2, 1},
      // Rounding: halves away from zero, on the value as typed.
      {0.125, 3, 2, kFalse, kFalse, "0.13", 0, 3},
      {2.5, 1, 0, kFalse, kFalse, "3", -2, 0},
      {3.5, 1, 0, kFalse, kFalse, "4", -2, 0},
      {-2.5, 1, 0, kTrue, kFalse, "+3", -2, 1},
      {1.005, 3, 2, kFalse, kFalse, "1.01", 0, 3},
      {2.675, 3, 2, kFalse, kFalse, "2.68", 0, 3},
      {1.0049999999, 3, 2, kFalse, kFalse, "1.00", 0, 3},
      {99.996, 4, 2, kFalse, kFalse, "100.00", 2, 5},
      {0.9996, 2, 3, kFalse, kFalse, "1.000", 0, 4},
      {0.4, 1, 0, kFalse, kFalse, "0", -2, 0},
      {0.0004, 0, 3, kFalse, kFalse, ".000", -1, 3},
      {0.0005, 0, 3, kFalse, kFalse, ".001", -1, 3},
      {9.5, 1, 0, kFalse, kFalse, "10", -2, 1},
      // Values that need 16 or 17 digits round their exact binary value.
      {0.1 + 0.2, 1, 16, kFalse, kFalse, ".3000000000000000", -1, 16},
      {0.1 + 0.2, 1, 17, kFalse, kFalse, ".30000000000000004", -1, 17},
      {1.0 / 3, 1, 20, kFalse, kFalse, ".33333333333333331483", -1, 20},
      {1.0000000000000002, 1, 16, kFalse, kFalse, "1.0000000000000002", 0, 17},
      // Huge and tiny values are written out in full.
      {1e20, 2, 0, kFalse, kFalse, "100000000000000000000", -2, 20},
      {1e-10, 1, 12, kFalse, kFalse, ".000000000100", -1, 12},
      {9007199254740993.0, 1, 0, kFalse, kFalse, "9007199254740992", -2, 15},
      {18446744073709551616.0, 1, 0, kFalse, kFalse, "18446744073709551616", -2, 19},
      // Over range counts the digit characters only.
      {123.456, 4, 2, kFalse, kTrue, "OR", 2, 1},
      {123.456, 4, 2, kFalse, kFalse, "123.46", 2, 5},
      {99.99, 4, 2, kFalse, kTrue, "99.99", 1, 4},
      {99.996, 4, 2, kFalse, kTrue, "OR", 2, 1},
      {12.3, 3, 1, kTrue, kTrue, "+12.3", 2, 4},
      {-123.4, 3, 1, kTrue, kTrue, "OR", 3, 1},
      {0.5, 2, 3, kFalse, kTrue, "OR", -1, 1},
      {0, 4, -1, kFalse, kTrue, "OR", -2, 1},
      {3.25, -1, 0, kFalse, kTrue, "OR", 0, 1},
      // General form for an empty pattern: at most 15 significant digits, no exponent.
      {3.25, -1, 0, kFalse, kFalse, "3.25", 0, 3},
      {42, -1, 0, kFalse, kFalse, "42", -2, 1},
      {-0.5, 0, 0, kFalse, kFalse, "0.5", 0, 2},
      {0, -3, -2, kFalse, kFalse, "0", -2, 0},
      {0.1 + 0.2, -1, 0, kFalse, kFalse, "0.3", 0, 2},
      {1.0 / 3, -1, 0, kFalse, kFalse, "0.333333333333333", 0, 16},
      {2.0 / 3, -1, 0, kFalse, kFalse, "0.666666666666667", 0, 16},
      {123456789.123456789, -1, 0, kFalse, kFalse, "123456789.123457", 8, 15},
      {1e20, -1, 0, kFalse, kFalse, "100000000000000000000", -2, 20},
      {1.5e-7, -1, 0, kFalse, kFalse, "0.00000015", 0, 9},
      {999999999999999.9, -1, 0, kFalse, kFalse, "1000000000000000", -2, 15},
      // Not a number, or infinite: "OR" whatever UseOverRange says.
      {std::nan(""), 4, 3, kTrue, kFalse, "OR", -2, 1},
      {inf, 4, 3, kTrue, kFalse, "OR", -2, 1},
      {-inf, -1, 0, kFalse, kTrue, "OR", -2, 1},
  };
  for (const FormatCase& c : cases) {
    const FormattedDisplay f = FormatDisplay(c.value, c.digits, c.decimals, c.sign, c.overRange);
    SCOPED_TRACE(::testing::Message()
                 << c.value << " digits " << c.digits << " decimals " << c.decimals << " sign "
                 << c.sign << " over " << c.overRange);
    EXPECT_EQ(f.DisplayText, c.text);
    EXPECT_EQ(f.UnitsIndex, c.units);
    EXPECT_EQ(f.LastIndex, c.last);
  }
}

TEST(ValueFormat, HugeValuesKeepEveryIntegerDigit) {
  const FormattedDisplay typed = FormatDisplay(1e300, 4, 0, kFalse, kFalse);
  EXPECT_EQ(typed.DisplayText, "1" + std::string(300, '0'));
  EXPECT_EQ(typed.LastIndex, 300);
  // The largest double needs 17 digits, so its exact value is shown.
  const FormattedDisplay largest =
      FormatDisplay(std::numeric_limits<double>::max(), 1, 2, kTrue, kFalse);
  EXPECT_EQ(largest.DisplayText.size(), 1 + 309 + 3u);
  EXPECT_EQ(largest.DisplayText.substr(0, 20), "+1797693134862315708");
  EXPECT_EQ(largest.DisplayText.substr(307), "368.00");
  EXPECT_EQ(FormatDisplay(1e300, 4, 0, kFalse, kTrue).DisplayText, "OR");
  // The smallest subnormal reads back from "5e-324", so that is what it shows.
  const FormattedDisplay tiny =
      FormatDisplay(std::numeric_limits<double>::denorm_min(), -1, 0, kFalse, kFalse);
  EXPECT_EQ(tiny.DisplayText, "0." + std::string(323, '0') + "5");
}

TEST(ValueFormat, CountsOutsideSixteenBitsOverflow) {
  const struct {
    double value;
    int16_t digits, decimals;
    core::Boolean sign;
    int32_t error;
    size_t length;
  } cases[] = {
      {0, 32767, -1, kFalse, core::kOverflow, 0},  // digits - decimals
      {0, -32768, 1, kTrue, core::kOverflow, 0},
      {0.5, 32767, 32767, kFalse, 0, 32768},           // the longest text there may be
      {0.5, 32767, 32767, kTrue, core::kOverflow, 0},  // one character more
      {1, 32767, 32767, kFalse, core::kOverflow, 0},   // "1." and 32767 decimals
      {1e300, 4, 32767, kFalse, core::kOverflow, 0},
      {0, 32767, 0, kTrue, 0, 32768},
      {std::nan(""), 32767, -1, kFalse, core::kOverflow, 0},  // the pattern fails first
  };
  for (const auto& c : cases) {
    size_t length = 0;
    const int32_t error = test::ErrorNumberOf([&] {
      length = FormatDisplay(c.value, c.digits, c.decimals, c.sign, kFalse).DisplayText.size();
    });
    EXPECT_EQ(error, c.error) << c.value << ' ' << c.digits << ' ' << c.decimals;
    EXPECT_EQ(length, c.length) << c.value << ' ' << c.digits << ' ' << c.decimals;
  }
  const FormattedDisplay many = FormatDisplay(1.0 / 3, 0, 32767, kFalse, kFalse);
  const std::string exact = ".333333333333333314829616256247390992939472198486328125";
  EXPECT_EQ(many.DisplayText.substr(0, exact.size()), exact);
  EXPECT_EQ(many.DisplayText.find_first_not_of('0', exact.size()), std::string::npos);
  EXPECT_EQ(many.LastIndex, 32767);
}

struct CellsCase {
  double value;
  int16_t digits, decimals;
  core::Boolean sign, overRange, leadingZeros, allPoints;
  const char* cells;
};

TEST(ValueFormat, CellsZerosAndPoints) {
  const CellsCase cases[] = {
      {0, 4, 3, kTrue, kFalse, kTrue, kTrue, "+ 0! 0. 0. 0."},
      {0, 4, 3, kTrue, kFalse, kFalse, kTrue, "+ 0_! 0. 0. 0."},  // zeros after the point lit
      {0, 4, 3, kTrue, kFalse, kFalse, kFalse, "+ 0_! 0 0 0"},
      {-12.5, 4, 1, kTrue, kFalse, kTrue, kTrue, "+ 0. 1. 2! 5."},
      {-12.5, 4, 1, kTrue, kFalse, kFalse, kTrue, "+ 0_. 1. 2! 5."},
      {0.5, 3, 1, kFalse, kFalse, kFalse, kFalse, "0_ 0_! 5"},
      {307.2, 5, 1, kFalse, kFalse, kFalse, kFalse, "0_ 3 0 7! 2"},
      {1002, 6, 0, kFalse, kFalse, kFalse, kFalse, "0 0 1 0 0 2"},  // no point: all lit
      {123.456, 4, 2, kFalse, kTrue, kTrue, kTrue, "O. R."},
      {123.456, 4, 2, kFalse, kTrue, kTrue, kFalse, "O R"},
      {123.456, 4, 2, kFalse, kFalse, kTrue, kFalse, "1 2 3! 4 6"},
      {0.5, 2, 3, kFalse, kFalse, kFalse, kTrue, "5. 0. 0."},
      {3.25, -1, 0, kFalse, kFalse, kFalse, kFalse, "3! 2 5"},
      {0.25, -1, 0, kFalse, kFalse, kFalse, kFalse, "0_! 2 5"},
      {0, 0, 0, kTrue, kFalse, kTrue, kTrue, "+"},
      {std::nan(""), 4, 3, kTrue, kFalse, kTrue, kTrue, "O. R."},
      // A zero after a significant digit is lit; zeros after the point always are.
      {10.05, 4, 2, kFalse, kFalse, kFalse, kFalse, "1 0! 0 5"},
      {0.05, 4, 2, kFalse, kFalse, kFalse, kFalse, "0_ 0_! 0 5"},
      {5, 3, 1, kFalse, kFalse, 1, kFalse, "0 5! 0"},  // 1 is True too
  };
  for (const CellsCase& c : cases) {
    const FormattedDisplay f = FormatDisplay(c.value, c.digits, c.decimals, c.sign, c.overRange);
    EXPECT_EQ(Describe(BuildDisplayCells(f, c.leadingZeros, c.allPoints)), c.cells)
        << c.value << " digits " << c.digits << " decimals " << c.decimals << " text "
        << f.DisplayText;
  }
}

TEST(ValueFormat, CellsOfUnusualCharacters) {
  // Characters without a glyph still take a cell, with no point; the walk stops at
  // LastIndex and never reads beyond the text.
  FormattedDisplay f{"1x.-5", 0, 4};
  EXPECT_EQ(Describe(BuildDisplayCells(f, kFalse, kTrue)), "1! x - 5.");
  f.LastIndex = 1;
  EXPECT_EQ(Describe(BuildDisplayCells(f, kFalse, kTrue)), "1! x");
  f.LastIndex = 40;
  EXPECT_EQ(BuildDisplayCells(f, kFalse, kTrue).size(), 4u);
  EXPECT_TRUE(BuildDisplayCells(FormattedDisplay{}, kTrue, kTrue).empty());
  // A last index below -1 visits nothing either.
  EXPECT_TRUE(BuildDisplayCells(FormattedDisplay{"12", -2, -2}, kTrue, kTrue).empty());
  EXPECT_TRUE(BuildDisplayCells(FormattedDisplay{"12", -2, -32768}, kTrue, kTrue).empty());
}

}  // namespace
}  // namespace led::render
