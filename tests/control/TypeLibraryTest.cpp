// The type-library description and its listing.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "leddisplay/control/TypeLibrary.h"

namespace led::control {
namespace {

TEST(TypeLibrary, SetterArgumentsByReferenceAreTheNumbersBooleansAndBackgroundPicture) {
  // Transparent is the one Boolean whose setter takes its argument by value.
  const std::set<std::string> byRef = {"Value",
                                       "AutoSize",
                                       "Decimals",
                                       "DecimalPointSize",
                                       "PictureBackGround",
                                       "ShowAllDecimalPoints",
                                       "Digits",
                                       "DigitWidth",
                                       "DigitHeight",
                                       "DigitLeftMargin",
                                       "DigitUpperMargin",
                                       "DigitSpacing",
                                       "SegmentWidth",
                                       "SegmentSeperation",
                                       "LeadingZeros",
                                       "LeadingPlusMinus",
                                       "Enabled",
                                       "UseOverRange"};
  std::set<std::string> found;
  for (const PropertyDescription& p : TypeLibrary().properties)
    if (p.setterByRef) found.insert(std::string(p.name));
  EXPECT_EQ(found, byRef);
}

TEST(TypeLibrary, DescribesEventsEnumerationsAndPropertyPages) {
  const TypeLibraryDescription library = TypeLibrary();
  EXPECT_EQ(library.interfaceName, "_LEDDisplay");
  EXPECT_EQ(library.eventInterfaceName, "__LEDDisplay");
  ASSERT_EQ(library.events.size(), 9u);
  for (size_t i = 0; i < library.events.size(); ++i)
    EXPECT_EQ(library.events[i].dispid, static_cast<int32_t>(i + 1));
  EXPECT_EQ(library.events[model::kChangeEvent].name, "Change");
  EXPECT_EQ(library.events[model::kMouseUpEvent].parameters[3].name, "y");
  EXPECT_EQ(library.enums.size(), 6u);
  ASSERT_EQ(library.propertyPages.size(), 7u);
  EXPECT_EQ(library.propertyPages.front(), "StandardColor");
  EXPECT_EQ(library.propertyPages.back(), "General");
}

TEST(TypeLibrary, ListingShowsEveryMemberReadably) {
  const std::string listing = TypeLibraryListing();
  for (const char* line : {
           "interface _LEDDisplay\n",
           "  [id(0x68030025)] property Value As Double (put ByRef)\n",
           "  [id(0x68030024)] property Appearance As AppearanceCts (put ByVal)\n",
           "  [id(0x6803001B)] property CaptionLowFont As StdFont (putref ByVal)\n",
           "  [id(0x68030014)] property hWnd As Long (read-only)\n",
           "  [id(0x68030011)] property PictureBackGround As StdPicture (putref ByRef)\n",
           "  [id(0x68030001)] property Transparent As Boolean (put ByVal)\n",
           "  [id(0x60030026)] method Refresh()\n",
           // The extension interface, after the published one and its method.
           "  [id(0x60030026)] method Refresh()\ninterface _LEDDisplayExtension\n"
           "  [id(0x68040000)] property FlashCells As Long (put ByVal)\n",
           "  [id(0x68040004)] property LowLimit As Double (put ByVal)\n",
           "  [id(0x68040007)] property HighColor As OLE_COLOR (put ByVal)\n",
           "  [id(0x68040008)] property Slant As Double (put ByVal)\n",
           "  [id(0x68040009)] property Text As String (put ByVal)\n",
           "  [id(0x6804000A)] property SegmentStyle As Integer (put ByVal)\n",
           "  [id(0x6804000B)] property Segments As String (put ByVal)\nevent interface",
           "event interface __LEDDisplay\n",
           "  [id(4)] event KeyPress(ByRef KeyAscii As Integer)\n",
           "  [id(7)] event MouseDown(ByRef Button As Integer, ByRef Shift As Integer, ByRef X As "
           "Single, ByRef y As Single)\n",
           "enum BorderStyleCts\n  None = 0\n  Fixed Single = 1\n",
           "enum IconAlignmentCts\n  Left Top = 0\n",
           "  Center Bottom = 8\n",
           "property pages\n  1. StandardColor\n  2. StandardFont\n  3. StandardPicture\n  4. "
           "Digits\n  5. Segments\n  6. About\n  7. General\n",
       })
    EXPECT_NE(listing.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace led::control
