// Loading the skipper's boat: colours from the ".col" file (a bad line is reported and the mesh
// stays), placement from the ".bcfg" file or the built-in row by file name, nothing at all when
// no model exists; and the boat scale.

#include "app/scene/BoatModel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace velmara {
namespace {

class BoatModelTest : public ::testing::Test {
protected:
  BoatModelTest() : scene_([](const std::string&) { return nullptr; }) {}
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("velmara-boat-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    Write("Trawler.OBJ",
          "mtllib boat.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nv 0 0 1\nusemtl mat1\nf 1 2 3\nusemtl mat2\nf 1 2 4\n");
    Write("boat.mtl", "newmtl mat1\nKd 0.5 0.5 0.5\nnewmtl mat2\nKd 0.5 0.5 0.5\n");
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  void Write(const std::string& name, const std::string& text) { std::ofstream(folder_ / name) << text; }
  std::filesystem::path Model() const { return folder_ / "Trawler.OBJ"; }

  TMainScene scene_;
  TBoatModelState state_;
  std::filesystem::path folder_;
};

TEST_F(BoatModelTest, DefaultColoursAndTheBuiltInRowByLowerCaseName) {
  const TBoatLoadResult result = LoadBoatModel(scene_, state_, Model(), {});
  ASSERT_TRUE(result.loaded) << result.error;
  EXPECT_TRUE(result.error.empty()) << result.error;
  EXPECT_FALSE(scene_.BoatForm->parts().empty());
  // mat1 red, mat2 blue.
  EXPECT_FLOAT_EQ(scene_.MLBoats.find("mat1")->diffuse.r, 1.0f);
  EXPECT_FLOAT_EQ(scene_.MLBoats.find("mat2")->diffuse.b, 1.0f);
  EXPECT_FLOAT_EQ(scene_.MLBoats.find("mat2")->diffuse.r, 0.0f);
  // The "trawler.obj" row, whatever the letter case.
  EXPECT_EQ(scene_.DCUnderBoat->position(), glm::vec3(0.0f, -0.4f, 3.8f));
  EXPECT_EQ(scene_.FromBoatCamera->position(), glm::vec3(0.0f, 1.0f, -4.0f));
  EXPECT_EQ(scene_.BoatForm->scale(), glm::vec3(0.3f));
  EXPECT_FALSE(state_.Configured);
}

TEST_F(BoatModelTest, BadColourLineIsReportedAndTheMeshStays) {
  Write("Trawler.col", "clGreen\nclPink\n");
  const TBoatLoadResult result = LoadBoatModel(scene_, state_, Model(), {});
  EXPECT_TRUE(result.loaded);
  EXPECT_NE(result.error.find("line 2"), std::string::npos) << result.error;
  EXPECT_FALSE(scene_.BoatForm->parts().empty()) << "the mesh stays loaded";
  EXPECT_FLOAT_EQ(scene_.MLBoats.find("mat1")->diffuse.g, 128 / 255.0f) << "the line before the bad one applies";
}

TEST_F(BoatModelTest, ShortConfigurationSetsWhatItHolds) {
  Write("Trawler.bcfg", "header\n0,1,0\n1,0,0\n2,3,4\n");
  const glm::vec3 before = scene_.BoatForm->scale();
  ASSERT_TRUE(LoadBoatModel(scene_, state_, Model(), {}).loaded);
  EXPECT_TRUE(state_.Configured);
  EXPECT_EQ(scene_.BoatForm->position(), glm::vec3(2, 3, 4));
  EXPECT_NEAR(scene_.BoatForm->direction().x, 1.0f, 1e-6f);
  EXPECT_EQ(scene_.BoatForm->scale(), before) << "no scale line: the boat keeps its scale";
}

TEST_F(BoatModelTest, MissingModelChangesNothingAndScalingReturnsToTheModelScale) {
  EXPECT_FALSE(LoadBoatModel(scene_, state_, folder_ / "none.obj", folder_ / "neither.obj").loaded);
  EXPECT_TRUE(scene_.BoatForm->parts().empty());
  EXPECT_TRUE(state_.CurrentBoatModel.empty());

  ASSERT_TRUE(LoadBoatModel(scene_, state_, folder_ / "none.obj", Model()).loaded) << "the fallback model";
  ApplyBoatScale(scene_, state_, 0, 1.0f);
  ApplyBoatScale(scene_, state_, 0, 1.0f);
  EXPECT_NEAR(scene_.BoatForm->scale().x, 0.3f * 2.25f, 1e-5f);
  ApplyBoatScale(scene_, state_, 2, 2.0f);
  EXPECT_NEAR(scene_.BoatForm->scale().x, 0.6f, 1e-5f) << "model scale times the boat scale factor";
}

}  // namespace
}  // namespace velmara
