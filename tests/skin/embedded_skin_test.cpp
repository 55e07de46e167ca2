// The skin compiled into the program: the bytes the main window's stored skin
// carries load into a complete skin (also in the Windows build, under Wine).
#include <gtest/gtest.h>

#include <string>

#include "ProgramSkin.h"
#include "vxSkinData.h"
#include "vxStoredSkin.h"

namespace vx {
namespace {

TEST(EmbeddedSkin, TheProgramsStoredSkinLoadsCompletely) {
  std::span<const unsigned char> bytes = kinopod::ProgramSkinCompressedData();
  ASSERT_GT(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0x78);
  EXPECT_EQ(bytes[1], 0xDA);  // compressed at level 9

  TvxCompressedStoredSkin stored;
  stored.SetCompressedData(Bytes(bytes.begin(), bytes.end()));
  Bytes container = stored.Decompress();
  ASSERT_GT(container.size(), 5u);
  EXPECT_EQ(Bytes(container.begin(), container.begin() + 5), (Bytes{3, 0, 0, 0, 0}));
  const std::string text(container.end() - std::min<size_t>(container.size(), 70000), container.end());
  const size_t definition = text.find("[VERSION]\r\n");
  ASSERT_NE(definition, std::string::npos);
  EXPECT_EQ(text.find("\n", definition), definition + 10);

  TvxSkinData data;
  data.LoadCompressedStoredSkin(stored);
  ASSERT_FALSE(data.Empty());
  EXPECT_EQ(data.LoadFacts().containerVersion, 3);
  EXPECT_EQ(data.MainPicture.Width(), 285);
  EXPECT_EQ(data.MaskPicture.Height(), 210);
  EXPECT_EQ(data.PictureList.size(), 18u);
  EXPECT_EQ(data.ObjectRecords.size(), 11u);
  EXPECT_EQ(data.ControlRecords.size(), 73u);
  EXPECT_EQ(data.LoadFacts().sectionCount, 93u);
  EXPECT_EQ(data.GetControlIndex("button"), 0);
  EXPECT_EQ(data.GetControlIndex("toolbutton"), 2);
  EXPECT_EQ(data.GetObjectIndex("caption"), 4);
}

}  // namespace
}  // namespace vx
