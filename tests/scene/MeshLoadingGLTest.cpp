// Meshes written by the test as OBJ and 3DS load with their material names and colours, and draw.

#include "scene/material/MaterialLibrary.h"
#include "scene/objects/FreeForm.h"
#include "scene/objects/Line.h"
#include "tests/scene/RenderFixture.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace velmara::test {
namespace {

namespace fs = std::filesystem;

class TemporaryFolder {
public:
  TemporaryFolder() : path_(fs::temp_directory_path() / ("velmara-mesh-" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
  }
  ~TemporaryFolder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

private:
  fs::path path_;
};

void write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// Two squares side by side: "hull" (red) from x = 10 to 11, "deck" (blue) from 11 to 12.
void writeObj(const fs::path& folder) {
  write(folder / "boat.mtl",
        "newmtl hull\nKd 1 0 0\nKa 0 0 0\n\nnewmtl deck\nKd 0 0 1\nKa 0 0 0\nd 1\n");
  write(folder / "boat.obj",
        "mtllib boat.mtl\n"
        "v 10 0 0\nv 11 0 0\nv 11 1 0\nv 10 1 0\nv 12 0 0\nv 12 1 0\n"
        "usemtl hull\nf 1 2 3\nf 1 3 4\n"
        "usemtl deck\nf 2 5 6\nf 2 6 3\n");
}

// 3DS chunks: id, length including the 6-byte header, then the content.
class Chunk {
public:
  explicit Chunk(std::uint16_t id) : id_(id) {}
  Chunk& bytes(const void* data, std::size_t size) {
    const auto* p = static_cast<const char*>(data);
    content_.insert(content_.end(), p, p + size);
    return *this;
  }
  template <typename T>
  Chunk& value(T v) {
    return bytes(&v, sizeof(v));
  }
  Chunk& text(const std::string& s) { return bytes(s.c_str(), s.size() + 1); }
  Chunk& child(const Chunk& c) {
    const std::string data = c.str();
    return bytes(data.data(), data.size());
  }
  std::string str() const {
    std::string out;
    const auto length = static_cast<std::uint32_t>(content_.size() + 6);
    out.append(reinterpret_cast<const char*>(&id_), 2);
    out.append(reinterpret_cast<const char*>(&length), 4);
    out.append(content_.begin(), content_.end());
    return out;
  }

private:
  std::uint16_t id_;
  std::vector<char> content_;
};

// One square of material "MAT1" (green). 3DS files are z-up and load turned y-up like the
// scene, so the square written upright in x and z faces +Z from (−1, −1) to (1, 1) once loaded.
void write3ds(const fs::path& path) {
  Chunk colour(0x0011);
  colour.value<std::uint8_t>(0).value<std::uint8_t>(255).value<std::uint8_t>(0);
  Chunk diffuse(0xA020);
  diffuse.child(colour);
  Chunk material(0xAFFF);
  material.child(Chunk(0xA000).text("MAT1")).child(diffuse);

  Chunk vertices(0x4110);
  vertices.value<std::uint16_t>(4);
  for (const float corner : {-1.f, 0.f, -1.f, 1.f, 0.f, -1.f, 1.f, 0.f, 1.f, -1.f, 0.f, 1.f}) vertices.value(corner);
  Chunk faceMaterial(0x4130);
  faceMaterial.text("MAT1").value<std::uint16_t>(2).value<std::uint16_t>(0).value<std::uint16_t>(1);
  Chunk faces(0x4120);
  faces.value<std::uint16_t>(2);
  for (const std::uint16_t index : {0, 1, 2, 0, 0, 2, 3, 0}) faces.value(index);  // a, b, c, flags
  faces.child(faceMaterial);
  Chunk mesh(0x4100);
  mesh.child(vertices).child(faces);
  Chunk object(0x4000);
  object.text("square").child(mesh);
  Chunk editor(0x3D3D);
  editor.child(Chunk(0x3D3E).value<std::uint32_t>(3)).child(material).child(object);
  Chunk main(0x4D4D);
  main.child(Chunk(0x0002).value<std::uint32_t>(3)).child(editor);
  write(path, main.str());
}

class MeshLoading : public RenderFixture {
protected:
  TemporaryFolder folder_;
  scene::MaterialLibrary library_;
};

TEST_F(MeshLoading, AnObjFileBringsItsMaterialsByName) {
  writeObj(folder_.path());
  auto& boat = scene_.root().emplaceChild<scene::FreeForm>("BoatForm");
  boat.setMaterialLibrary(&library_);
  const scene::Status loaded = boat.load(folder_.path() / "boat.obj");
  ASSERT_TRUE(loaded) << loaded.error();
  ASSERT_NE(library_.find("hull"), nullptr);
  ASSERT_NE(library_.find("deck"), nullptr);
  EXPECT_EQ(library_.find("hull")->diffuse, scene::Colour(1, 0, 0, 1));
  EXPECT_EQ(library_.find("deck")->diffuse, scene::Colour(0, 0, 1, 1));
  EXPECT_EQ(boat.parts().size(), 2u);

  // Drawn with those materials (unlit here, to see the colours as they are).
  library_.find("hull")->lit = false;
  library_.find("deck")->lit = false;
  boat.setPosition({-11, 0, 0});
  const scene::Image image = render();
  EXPECT_TRUE(colourNear(pixelAt(image, {-0.5f, 0.5f, 0}), 0xFF0000FFu, 1));
  EXPECT_TRUE(colourNear(pixelAt(image, {0.5f, 0.5f, 0}), 0x0000FFFFu, 1));
}

TEST_F(MeshLoading, CentringOnLoadMovesTheBoundsToTheOrigin) {
  writeObj(folder_.path());
  scene::FreeForm net;
  scene::MeshLoadOptions options;
  options.centreX = options.centreY = true;
  ASSERT_TRUE(net.load(folder_.path() / "boat.obj", options));
  EXPECT_NEAR(glm::length(net.bounds().centre()), 0.0f, 1e-5f);
  EXPECT_NEAR(net.bounds().maximum.x, 1.0f, 1e-5f);
  options.centreY = false;
  ASSERT_TRUE(net.load(folder_.path() / "boat.obj", options));
  EXPECT_NEAR(net.bounds().centre().y, 0.5f, 1e-5f);  // only X was asked for
}

TEST_F(MeshLoading, A3dsFileLoadsInPlaceOfTheMeshBefore) {
  writeObj(folder_.path());
  write3ds(folder_.path() / "net.3ds");
  auto& net = scene_.root().emplaceChild<scene::FreeForm>("Netform");
  auto& dropLine = net.emplaceChild<scene::Line>("drop line");
  ASSERT_TRUE(net.load(folder_.path() / "boat.obj"));
  net.setPosition({0, 1, 0});

  const scene::Status loaded = net.load(folder_.path() / "net.3ds");
  ASSERT_TRUE(loaded) << loaded.error();
  const scene::Material* mat1 = net.materialLibrary().find("MAT1");
  ASSERT_NE(mat1, nullptr);
  EXPECT_EQ(mat1->diffuse, scene::Colour(0, 1, 0, 1));
  ASSERT_EQ(net.parts().size(), 1u);
  EXPECT_EQ(net.parts()[0].materialName, "MAT1");
  // Same object, same place, same children.
  EXPECT_EQ(scene_.find("Netform"), &net);
  EXPECT_EQ(net.position(), glm::vec3(0, 1, 0));
  EXPECT_EQ(net.findChild("drop line"), &dropLine);

  net.materialLibrary().find("MAT1")->lit = false;
  const scene::Image image = render();
  EXPECT_TRUE(colourNear(pixelAt(image, {0.5f, 1.5f, 0}), 0x00FF00FFu, 1));
  EXPECT_TRUE(colourNear(pixelAt(image, {0.5f, -0.5f, 0}), 0x000000FFu, 0));
}

TEST_F(MeshLoading, AMaterialAlreadyInTheLibraryKeepsItsValues) {
  writeObj(folder_.path());
  library_.add("hull").diffuse = scene::Colour(0.2f, 0.3f, 0.4f, 1);
  scene::FreeForm net;
  net.setMaterialLibrary(&library_);
  ASSERT_TRUE(net.load(folder_.path() / "boat.obj"));
  EXPECT_EQ(library_.find("hull")->diffuse, scene::Colour(0.2f, 0.3f, 0.4f, 1));
  scene::MeshLoadOptions replace;
  replace.replaceMaterials = true;
  ASSERT_TRUE(net.load(folder_.path() / "boat.obj", replace));
  EXPECT_EQ(library_.find("hull")->diffuse, scene::Colour(1, 0, 0, 1));
}

TEST_F(MeshLoading, AMissingFileLeavesTheMeshAsItWas) {
  writeObj(folder_.path());
  scene::FreeForm net;
  ASSERT_TRUE(net.load(folder_.path() / "boat.obj"));
  const scene::Status missing = net.load(folder_.path() / "Bottomnet.3ds");
  EXPECT_FALSE(missing);
  EXPECT_NE(missing.error().find("Bottomnet.3ds"), std::string::npos);
  EXPECT_EQ(net.parts().size(), 2u);
}

}  // namespace
}  // namespace velmara::test
