// Picture objects: registration of their bitmap, release on destruction, PNG files.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/BitmapPicture.h"
#include "leddisplay/platform/GdiTable.h"
#include "leddisplay/platform/Png.h"

namespace led::platform {
namespace {

TEST(BitmapPicture, HoldsARegisteredBitmapUntilDestroyed) {
  int32_t handle = 0;
  {
    auto picture = BitmapPicture::FromImage(Image(3, 2, MakePixel(9, 8, 7)));
    handle = picture->Handle();
    ASSERT_NE(handle, 0);
    EXPECT_EQ(picture->Width(), 3);
    EXPECT_EQ(picture->Height(), 2);
    const auto bitmap = GdiTable::Instance().BitmapOf(handle);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap.get(), &picture->Bitmap());
    auto other = BitmapPicture::FromImage(Image(1, 1));
    EXPECT_NE(other->Handle(), handle);
  }
  EXPECT_EQ(GdiTable::Instance().BitmapOf(handle), nullptr);
}

TEST(BitmapPicture, ReadsPngFilesAndRefusesBadImages) {
  testing_support::TempFolder folder;
  const std::string path = folder.File("p.png");
  WritePngFile(path, Image(4, 6, MakePixel(1, 2, 3)));
  const auto picture = BitmapPicture::FromPngFile(path);
  EXPECT_EQ(picture->Width(), 4);
  EXPECT_EQ(picture->Bitmap().at(3, 5), MakePixel(1, 2, 3));
  try {
    Image bad(2, 2);
    bad.width = 3;
    BitmapPicture::FromImage(bad);
    ADD_FAILURE() << "accepted an inconsistent image";
  } catch (const core::RuntimeError& e) {
    EXPECT_EQ(e.number(), core::kInvalidPicture);
  }
  try {
    BitmapPicture::FromPngFile(folder.File("none.png"));
    ADD_FAILURE() << "read a missing file";
  } catch (const core::RuntimeError& e) {
    EXPECT_EQ(e.number(), core::kFileNotFound);
  }
}

}  // namespace
}  // namespace led::platform
