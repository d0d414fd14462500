// Picture objects: registration of their bitmap, release on destruction, PNG files.
#include <gtest/gtest.h>

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/io/BitmapPicture.h"
#include "leddisplay/platform/io/Png.h"
#include "leddisplay/platform/raster/GdiTable.h"
#include "support/ExpectRuntimeError.h"
#include "support/ScratchFolder.h"

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
  test::ScratchFolder folder;
  const std::string path = folder.Path("p.png");
  WritePngFile(path, Image(4, 6, MakePixel(1, 2, 3)));
  const auto picture = BitmapPicture::FromPngFile(path);
  EXPECT_EQ(picture->Width(), 4);
  EXPECT_EQ(picture->Bitmap().at(3, 5), MakePixel(1, 2, 3));
  Image bad(2, 2);
  bad.width = 3;
  EXPECT_RUNTIME_ERROR(BitmapPicture::FromImage(bad), core::kInvalidPicture)
      << "accepted an inconsistent image";
  EXPECT_RUNTIME_ERROR(BitmapPicture::FromPngFile(folder.Path("none.png")), core::kFileNotFound)
      << "read a missing file";
}

}  // namespace
}  // namespace led::platform
