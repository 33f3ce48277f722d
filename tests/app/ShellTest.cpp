// The program shell's plain logic: the error log with its graphics line, and the graphics probe's
// texts, warning rule and support override.

#include "app/shell/ErrorLog.h"
#include "app/shell/GraphicsProbe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace velmara {
namespace {

std::string Read(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class ErrorLogTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("velmara-errorlog-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(ErrorLogTest, AppendsOneLineRecordsAndKeepsTheGraphicsLineFirst) {
  TErrorLog log(TErrorLog::FileFor(folder_));
  EXPECT_FALSE(log.EnsureGraphicsLine("llvmpipe TextureUnits:32")) << "no log, nothing to insert into";
  EXPECT_FALSE(log.Exists());
  ASSERT_TRUE(log.Append("disk full\nwhile saving", "TView3Dfrm event 12"));
  ASSERT_TRUE(log.Append("second", "here"));
  std::string text = Read(log.File());
  EXPECT_NE(text.find("disk full while saving  [TView3Dfrm event 12]\n"), std::string::npos) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);

  ASSERT_TRUE(log.EnsureGraphicsLine("llvmpipe TextureUnits:32"));
  text = Read(log.File());
  EXPECT_EQ(text.rfind("GRAPHIC CARD llvmpipe TextureUnits:32\n", 0), 0u) << text;
  EXPECT_FALSE(log.EnsureGraphicsLine("other")) << "the first line names a card already";
  EXPECT_EQ(Read(log.File()), text);
}

TEST(GraphicsProbe, TextsWarningAndOverride) {
  scene::GlInfo info;
  info.major = 4;
  info.minor = 5;
  info.renderer = "llvmpipe (LLVM 15.0.6, 256 bits)";
  info.multitexture = true;
  info.textureUnits = 32;
  const TGraphicsProbe probe = MakeGraphicsProbe(info, 1024, std::nullopt);
  EXPECT_EQ(probe.OpenGLLabel, "OpenGL: 4.5  GridSize: 1024");
  EXPECT_EQ(probe.RendererInfo, "llvmpipe (LLVM 15.0.6, 256 bits) TextureUnits:32");
  EXPECT_EQ(probe.RendererLabel, "Renderer: llvmpipe (LLVM 15.0.6, 256 bits) TextureUnits:32");
  EXPECT_FALSE(probe.NeedsWarning());

  struct Case {
    std::optional<std::string> override;
    int units;
    bool warning;
  };
  for (const Case& c : {Case{"1", 1, true}, Case{"3", 3, false}, Case{"x", 32, false}, Case{"0", 32, false}, Case{"2 ", 32, false}}) {
    const TGraphicsProbe overridden = MakeGraphicsProbe(info, 1024, c.override);
    EXPECT_EQ(overridden.TextureUnitCount, c.units) << *c.override;
    EXPECT_EQ(overridden.NeedsWarning(), c.warning) << *c.override;
  }
  info.multitexture = false;
  EXPECT_TRUE(MakeGraphicsProbe(info, 1024, std::nullopt).NeedsWarning());

  EXPECT_EQ(TextureUnitNote(1), "Velmara may not run properly with this graphics card. At least two texture units required");
  EXPECT_EQ(TextureUnitNote(2), "Note you have 2 texture units on your graphics card. Velmara requires four to run at maximum performance.");
  EXPECT_EQ(TextureUnitNote(4), "");
}

}  // namespace
}  // namespace velmara
