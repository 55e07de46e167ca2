// The skin container and the compressed stored skin: layout as written, the
// reader's order and its refusals, inflation limits, building from a folder.
#include <gtest/gtest.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "SkinTestSupport.h"

namespace vx {
namespace {

using namespace vx::testing;

TEST(SkinContainer, LayoutOfAbsentPicturesAndAnEmptyPictureList) {
  TvxSkinContainerParts parts;
  parts.main = EncodeBmp(Gradient(3, 2), 24);
  parts.definitionLines = {"[VERSION]", "skinname=x"};
  Bytes c = WriteSkinContainer(parts);
  // version 3, main present (flag 0), then the bitmap.
  EXPECT_EQ((Bytes{c.begin(), c.begin() + 5}), (Bytes{3, 0, 0, 0, 0}));
  const size_t afterMain = 5 + parts.main.size();
  EXPECT_EQ(c[afterMain], 1);      // absent inactive picture: one byte
  EXPECT_EQ(c[afterMain + 1], 1);  // absent mask
  EXPECT_EQ((Bytes{c.begin() + afterMain + 2, c.begin() + afterMain + 6}), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(std::string(c.begin() + afterMain + 6, c.end()), "[VERSION]\r\nskinname=x\r\n");

  TvxSkinContainer read = ReadSkinContainer(c);
  EXPECT_EQ(read.version, 3);
  EXPECT_EQ(read.main.picture.Width(), 3);
  EXPECT_FALSE(read.inactive.present);
  EXPECT_TRUE(read.inactive.picture.Empty());
  EXPECT_TRUE(read.pictures.empty());
  EXPECT_EQ(read.definition, "[VERSION]\r\nskinname=x\r\n");
}

TEST(SkinContainer, VersionTwoExtrasAreDroppedAndVersionFourRefused) {
  TvxSkinContainerParts parts = Parts(Definition({"button:button"}));
  Bytes v3 = WriteSkinContainer(parts);
  // The same container as version 2, with two extra pictures after the mask.
  Bytes v2 = v3;
  v2[0] = 2;
  const size_t afterMask = 4 + 1 + parts.main.size() + 1 + 1 + parts.mask.size();
  Bytes extra{0};
  PutBytes(extra, EncodeBmp(Gradient(4, 4), 24));
  extra.push_back(1);
  v2.insert(v2.begin() + afterMask, extra.begin(), extra.end());

  TvxSkinContainer a = ReadSkinContainer(v3), b = ReadSkinContainer(v2);
  ASSERT_EQ(b.pictures.size(), a.pictures.size());
  for (size_t i = 0; i < a.pictures.size(); ++i) {
    ASSERT_EQ(b.pictures[i].picture.Width(), a.pictures[i].picture.Width());
    EXPECT_EQ(0, memcmp(b.pictures[i].picture.Bits(), a.pictures[i].picture.Bits(),
                        4 * size_t(a.pictures[i].picture.Width()) * a.pictures[i].picture.Height()));
  }
  EXPECT_EQ(b.definition, a.definition);

  Bytes v4 = v3;
  v4[0] = 4;
  EXPECT_THROW(ReadSkinContainer(v4), EvxSkinError);
}

TEST(SkinContainer, CountsThatCannotFitFailBeforeLooping) {
  Bytes c{3, 0, 0, 0, 1, 1, 1};
  PutI32(c, 0x7FFFFFFF);
  PutText(c, "[VERSION]\r\n");
  EXPECT_THROW(ReadSkinContainer(c), EvxStreamError);
  Bytes cut{3, 0, 0};
  EXPECT_THROW(ReadSkinContainer(cut), EvxStreamError);
  Bytes negative{3, 0, 0, 0, 1, 1, 1, 0xFF, 0xFF, 0xFF, 0xFF, 'x'};
  EXPECT_EQ(ReadSkinContainer(negative).definition, "x");
}

TEST(SkinContainer, PictureListIsBoundedByCountNotOnlyByPixels) {
  // 1 x 1 pictures spend almost nothing of the pixel budget; the count stops them.
  BmpSpec s;
  s.width = 1;
  s.height = 1;
  s.bitCount = 1;
  s.palette = {0, 0xFFFFFF};
  s.pixels.assign(4, 0);
  const Bytes bmp = MakeBmp(s);
  auto container = [&](int32_t n) {
    Bytes c{3, 0, 0, 0, 1, 1, 1};
    PutI32(c, n);
    for (int32_t i = 0; i < n; ++i) PutBytes(c, bmp);
    return c;
  };
  EXPECT_EQ(ReadSkinContainer(container(kMaxSkinPictures)).pictures.size(), size_t(kMaxSkinPictures));
  try {
    ReadSkinContainer(container(kMaxSkinPictures + 1));
    ADD_FAILURE() << "a picture list over the limit was read";
  } catch (const EvxStreamError& e) {
    EXPECT_NE(std::string(e.what()).find("over the limit"), std::string::npos) << e.what();
  }
}

TEST(SkinContainer, PictureBudgetCoversTheWholeContainer) {
  // Each bitmap is legal alone; together they claim more pixels than any skin may hold.
  BmpSpec s;
  s.width = 4096;
  s.height = 1024;
  s.bitCount = 1;
  s.palette = {0, 0xFFFFFF};
  s.pixels.assign(size_t(4096 / 8) * 1024, 0);
  Bytes bmp = MakeBmp(s);
  Bytes c{3, 0, 0, 0, 1, 1, 1};
  PutI32(c, 5);
  for (int i = 0; i < 5; ++i) PutBytes(c, bmp);
  EXPECT_THROW(ReadSkinContainer(c), EvxInvalidBitmap);
}

TEST(SkinZlib, TruncatedCorruptAndOversizedStreamsAreCompressionErrors) {
  Bytes raw(100000);
  for (size_t i = 0; i < raw.size(); ++i) raw[i] = static_cast<uint8_t>(i * 31 / 7);
  Bytes z = DeflateSkin(raw);
  EXPECT_EQ(z[0], 0x78);
  EXPECT_EQ(z[1], 0xDA);  // level 9
  EXPECT_EQ(InflateSkin(z), raw);

  Bytes truncated(z.begin(), z.begin() + z.size() / 2);
  EXPECT_THROW(InflateSkin(truncated), EvxCompressionError);
  Bytes noTrailer(z.begin(), z.end() - 4);  // the deflate data is whole, the end check is missing
  EXPECT_THROW(InflateSkin(noTrailer), EvxCompressionError);
  Bytes corrupt = z;
  corrupt[1] ^= 0xFF;
  EXPECT_THROW(InflateSkin(corrupt), EvxCompressionError);
  EXPECT_THROW(InflateSkin(Bytes{}), EvxCompressionError);
  try {
    InflateSkin(truncated);
  } catch (const EvxCompressionError& e) {
    EXPECT_STREQ(e.what(), "compression error");
  }

  Bytes bomb = DeflateSkin(Bytes(size_t(3) << 20, 0));
  EXPECT_THROW(InflateSkin(bomb, size_t(2) << 20), EvxCompressionError);
  EXPECT_EQ(InflateSkin(bomb, size_t(3) << 20).size(), size_t(3) << 20);
}

TEST(StoredSkin, StreamFormatRoundTripsAndRefusesLaterVersions) {
  TvxCompressedStoredSkin skin = StoredSkin(WriteSkinContainer(Parts(Definition({}))));
  Bytes stream = skin.SaveToStream();
  EXPECT_EQ((Bytes{stream.begin(), stream.begin() + 4}), (Bytes{3, 0, 0, 0}));

  TvxCompressedStoredSkin copy;
  copy.LoadFromStream(stream);
  EXPECT_EQ(copy.CompressedData(), skin.CompressedData());

  Bytes v4 = stream;
  v4[0] = 4;
  copy.LoadFromStream(v4);
  EXPECT_TRUE(copy.IsEmpty());

  copy.SetCompressedData({1, 2, 3});
  Bytes shortStream = stream;
  shortStream.resize(shortStream.size() - 1);
  EXPECT_THROW(copy.LoadFromStream(shortStream), EvxStreamError);
  EXPECT_TRUE(copy.IsEmpty());  // cleared before reading, and not half-filled

  TvxCompressedSkinList list;
  EXPECT_EQ(list.Add().Name, "vxSkin0");
  EXPECT_EQ(list.Add().Name, "vxSkin1");
  list.Skins[1]->ReadSkin(stream);
  EXPECT_EQ(list.Skins[1]->WriteSkin(), stream);
}

class SkinFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("kinopod-skin-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void Write(const std::string& name, const Bytes& b) {
    std::ofstream(dir_ / name, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
  }
  void Write(const std::string& name, const std::string& s) { Write(name, Bytes(s.begin(), s.end())); }
  std::filesystem::path dir_;
};

TEST_F(SkinFolder, BuildsTheContainerTheReaderTakesApart) {
  std::string def = Definition({"button:button"});
  Write("skin.ini", def);
  Write("main.bmp", EncodeBmp(Gradient(28, 21), 24));
  Write("mask.bmp", EncodeBmp(Gradient(28, 21, 3), 24));
  Write("a.bmp", EncodeBmp(Gradient(5, 4, 1), 24));
  Write("b.bmp", EncodeBmp(Gradient(3, 7, 2), 32));
  std::vector<std::string> seen;
  Bytes c = BuildSkinContainer(dir_ / "skin.ini", [&](const std::string& f) { seen.push_back(f); });
  EXPECT_EQ(seen, (std::vector<std::string>{"main.bmp", "mask.bmp", "a.bmp", "b.bmp"}));
  TvxSkinContainer read = ReadSkinContainer(c);
  EXPECT_EQ(read.main.picture.At(4, 3), Gradient(28, 21).At(4, 3));
  EXPECT_FALSE(read.inactive.present);
  EXPECT_TRUE(read.mask.present);
  ASSERT_EQ(read.pictures.size(), 2u);
  EXPECT_EQ(read.pictures[1].info.bitCount, 32);
  EXPECT_EQ(read.pictures[1].picture.At(2, 6), Gradient(3, 7, 2).At(2, 6));
  EXPECT_EQ(read.definition, def);

  TvxCompressedStoredSkin skin;
  skin.SetFileName((dir_ / "skin.ini").string());
  EXPECT_TRUE(skin.IsEmpty());  // outside a designer the setter only keeps the name
  EXPECT_EQ(skin.FileName(), "skin.ini");
  EXPECT_TRUE(skin.LoadFromSkinFile(dir_ / "skin.ini"));
  EXPECT_EQ(skin.Decompress(), c);
}

TEST_F(SkinFolder, MissingSectionsKeepTheOldBytesAndMissingFilesFail) {
  TvxCompressedStoredSkin skin;
  skin.SetCompressedData({9, 9});
  Write("nosection.ini", std::string("[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n"));
  EXPECT_FALSE(skin.LoadFromSkinFile(dir_ / "nosection.ini"));
  EXPECT_EQ(skin.CompressedData(), (Bytes{9, 9}));

  Write("skin.ini", Definition({}));
  EXPECT_THROW(skin.LoadFromSkinFile(dir_ / "skin.ini"), EvxStreamError);  // main.bmp is not there
  EXPECT_THROW(skin.LoadFromCompressedFile(dir_ / "absent.skn"), EvxStreamError);
}

TEST_F(SkinFolder, BuildingRefusesMorePicturesThanAContainerMayHold) {
  std::string list = "activepicturescount=" + std::to_string(kMaxSkinPictures + 1) + "\r\n";
  for (int i = 0; i <= kMaxSkinPictures; ++i) list += std::to_string(i) + "=a.bmp\r\n";
  std::string def = Definition({});
  const std::string twoPictures = "activepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n";
  ASSERT_NE(def.find(twoPictures), std::string::npos);
  def.replace(def.find(twoPictures), twoPictures.size(), list);
  Write("skin.ini", def);
  Write("main.bmp", EncodeBmp(Gradient(4, 4), 24));
  Write("mask.bmp", EncodeBmp(Gradient(4, 4), 24));
  Write("a.bmp", EncodeBmp(Gradient(1, 1), 24));
  EXPECT_THROW(BuildSkinContainer(dir_ / "skin.ini"), EvxStreamError);
}

}  // namespace
}  // namespace vx
