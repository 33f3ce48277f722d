#include "platform/Registry.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace velmara::platform {
namespace {

class RegistryTest : public ::testing::Test {
protected:
  void SetUp() override {
    path = std::filesystem::temp_directory_path() /
           ("velmara-registry-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini");
    std::filesystem::remove(path);
  }
  void TearDown() override { std::filesystem::remove(path); }
  std::filesystem::path path;
};

TEST_F(RegistryTest, KeysMapToGroups) {
  EXPECT_EQ(TRegistry::GroupOf("\\SOFTWARE\\KVT\\Velmara"), "SOFTWARE/KVT/Velmara");
  EXPECT_EQ(TRegistry::GroupOf("\\SOFTWARE\\KVT\\Velmara\\Setup\\"), "SOFTWARE/KVT/Velmara/Setup");
}

TEST_F(RegistryTest, MissingKeysAndValuesAreNotFound) {
  TRegistry registry(path.string());
  EXPECT_FALSE(registry.OpenKeyReadOnly("\\SOFTWARE\\KVT\\Velmara"));
  EXPECT_EQ(registry.ReadString("BoatModelPath"), std::nullopt);
  EXPECT_FALSE(registry.WriteString("BoatModelPath", "/x"));
}

TEST_F(RegistryTest, WrittenValuesReadBackAndReadOnlyKeysRefuseWrites) {
  {
    TRegistry writer(path.string());
    ASSERT_TRUE(writer.OpenKey("\\SOFTWARE\\KVT\\Velmara", true));
    EXPECT_TRUE(writer.WriteString("BoatModelPath", "/opt/boats/trawler.3ds"));
    ASSERT_TRUE(writer.OpenKey("\\SOFTWARE\\KVT\\Velmara\\Setup", true));
    EXPECT_TRUE(writer.WriteInteger("PlotterLineHeight", 12));
    EXPECT_TRUE(writer.WriteString("PlotterMarkHeight", "not a number"));
  }
  TRegistry reader(path.string());
  ASSERT_TRUE(reader.OpenKeyReadOnly("\\SOFTWARE\\KVT\\Velmara"));
  EXPECT_EQ(reader.ReadString("BoatModelPath"), "/opt/boats/trawler.3ds");
  EXPECT_EQ(reader.ReadString("PlotterLineHeight"), std::nullopt);  // lives in the subkey
  EXPECT_FALSE(reader.WriteString("BoatModelPath", "/elsewhere"));
  ASSERT_TRUE(reader.OpenKeyReadOnly("\\SOFTWARE\\KVT\\Velmara\\Setup"));
  EXPECT_EQ(reader.ReadInteger("PlotterLineHeight"), 12);
  EXPECT_EQ(reader.ReadInteger("PlotterMarkHeight"), std::nullopt);
  EXPECT_FALSE(reader.ValueExists("Missing"));
}

}  // namespace
}  // namespace velmara::platform
