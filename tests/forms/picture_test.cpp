// Picture files: JPEG and ICO decoding, missing and corrupt files, case-blind look-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

#include "game/forms/errors.h"
#include "game/forms/picture.h"
#include "tests/lib/image_files.h"
#include "tests/lib/scenario.h"

namespace {

namespace fs = std::filesystem;

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int Channel(std::uint32_t argb, int shift) {
  return (argb >> shift) & 255;
}

TEST(Pictures, JpegDecodesToOpaquePixelsOfItsSize) {
  const std::string dir = wobtest::MakeTempDir();
  ASSERT_TRUE(wobtest::WriteJpeg(dir + "/red.jpg", 8, 6, wobtest::Solid(8, 6, 0xFFFF0000)));
  const forms::PictureRef p = forms::LoadPicture(dir + "/red.jpg");
  EXPECT_EQ(p->Width(), 8);
  EXPECT_EQ(p->Height(), 6);
  EXPECT_TRUE(p->Opaque());
  EXPECT_GT(Channel(p->Pixels()[0], 16), 240);
  EXPECT_LT(Channel(p->Pixels()[0], 8), 16);
}

TEST(Pictures, IconKeepsItsAlphaAndRows) {
  const std::string dir = wobtest::MakeTempDir();
  std::vector<std::uint32_t> pixels = wobtest::Solid(16, 16, 0x00000000);
  pixels[0] = 0xFF0000FF;        // top-left: opaque blue
  pixels[16 * 15] = 0x80FF0000;  // bottom-left: half red
  ASSERT_TRUE(wobtest::WriteIco(dir + "/1.ico", 16, 16, pixels));
  const forms::PictureRef p = forms::LoadPicture(dir + "/1.ico");
  ASSERT_EQ(p->Width(), 16);
  ASSERT_EQ(p->Height(), 16);
  EXPECT_FALSE(p->Opaque());
  EXPECT_EQ(p->Pixels()[0], 0xFF0000FFu);
  EXPECT_EQ(p->Pixels()[16 * 15], 0x80FF0000u);
  EXPECT_EQ(p->Pixels()[5] >> 24, 0u);
}

TEST(Pictures, MissingAndCorruptFilesRaiseErrorsNamingTheFile) {
  const std::string dir = wobtest::MakeTempDir();
  ASSERT_TRUE(wobtest::WriteJpeg(dir + "/good.jpg", 4, 4, wobtest::Solid(4, 4, 0xFF00FF00)));
  ASSERT_TRUE(wobtest::WriteIco(dir + "/good.ico", 4, 4, wobtest::Solid(4, 4, 0xFF00FF00)));
  const std::string jpeg = ReadBytes(dir + "/good.jpg"), ico = ReadBytes(dir + "/good.ico");
  struct Case {
    std::string name, bytes;  // bytes "-" means: no file at all
    forms::ErrorCode code;
    std::string words = "";
  };
  const Case cases[] = {
      {"missing.jpg", "-", forms::ErrorCode::kFileNotFound, "File not found"},
      {"empty.jpg", "", forms::ErrorCode::kInvalidPicture, "Invalid picture"},
      {"text.jpg", "hello, not a picture", forms::ErrorCode::kInvalidPicture},
      {"half.jpg", jpeg.substr(0, jpeg.size() / 3), forms::ErrorCode::kInvalidPicture},
      {"header.ico", ico.substr(0, 6), forms::ErrorCode::kInvalidPicture},
      {"cut.ico", ico.substr(0, 40), forms::ErrorCode::kInvalidPicture},
      {"huge.ico", ico.substr(0, 14) + std::string("\xF0\xFF\xFF\x7F", 4) + ico.substr(18),
       forms::ErrorCode::kInvalidPicture},
      {"folder.jpg", "-", forms::ErrorCode::kPathFileAccess, "is a folder, not a file"},
      {"fifo.jpg", "-", forms::ErrorCode::kPermissionDenied, "cannot be read"},
  };
  fs::create_directories(dir + "/folder.jpg");
  const std::string unreadable = dir + "/fifo.jpg";
  ASSERT_EQ(mkfifo(unreadable.c_str(), 0600), 0);
  for (const Case& c : cases) {
    const std::string path = dir + "\\" + c.name;
    if (c.bytes != "-") WriteBytes(dir + "/" + c.name, c.bytes);
    try {
      forms::LoadPicture(path);
      ADD_FAILURE() << c.name << " loaded";
    } catch (const forms::RuntimeError& e) {
      EXPECT_EQ(e.Code(), c.code) << c.name;
      EXPECT_EQ(e.File(), path);
      // Named as this platform writes paths: no backslash before the file's name on Linux.
      const std::string shown = dir + "/" + c.name;
      EXPECT_NE(e.BoxText().find(shown), std::string::npos) << e.BoxText();
      EXPECT_EQ(e.BoxText().find('\\'), std::string::npos) << e.BoxText();
      EXPECT_NE(e.BoxText().find(c.words), std::string::npos) << e.BoxText();
    }
  }
}

TEST(Pictures, ReplacedFileIsDecodedAfresh) {
  const std::string dir = wobtest::MakeTempDir();
  ASSERT_TRUE(wobtest::WriteJpeg(dir + "/p.jpg", 4, 4, wobtest::Solid(4, 4, 0xFF000000)));
  EXPECT_EQ(forms::LoadPicture(dir + "/p.jpg")->Width(), 4);
  ASSERT_TRUE(wobtest::WriteJpeg(dir + "/p.jpg", 6, 4, wobtest::Solid(6, 4, 0xFF000000)));
  EXPECT_EQ(forms::LoadPicture(dir + "/p.jpg")->Width(), 6);
  WriteBytes(dir + "/p.jpg", "broken");
  EXPECT_THROW(forms::LoadPicture(dir + "/p.jpg"), forms::RuntimeError);
}

TEST(Pictures, LookUpIgnoresCaseAndTakesBothSeparators) {
  const std::string dir = wobtest::MakeTempDir();
  fs::create_directories(dir + "/Art");
  ASSERT_TRUE(wobtest::WriteJpeg(dir + "/Art/ColUp.jpg", 2, 2, wobtest::Solid(2, 2, 0xFF0000FF)));
  const std::string found = dir + "/Art/ColUp.jpg";
  const std::pair<std::string, std::string> cases[] = {
      {dir + "\\art\\colUp.jpg", found},
      {dir + "/ART/COLUP.JPG", found},
      {dir + "\\\\Art\\ColUp.jpg", found},
      {dir + "/Art/./colup.jpg", dir + "/Art/./ColUp.jpg"},
      {dir + "\\Art\\ColDown.jpg", ""},
      {dir + "\\Nope\\ColUp.jpg", ""},
      {"", ""},
  };
  for (const auto& [path, expected] : cases) {
    EXPECT_EQ(fs::path(forms::ResolvePath(path)).lexically_normal(),
              fs::path(expected).lexically_normal())
        << path;
  }
  EXPECT_EQ(forms::LoadPicture(dir + "\\art\\COLUP.jpg")->Width(), 2);
}

}  // namespace
