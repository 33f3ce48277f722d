#pragma once
// The level-of-detail terrain: a scene object that asks a height-data source for square tiles
// around the eye, tessellates them as a crack-free bintree (ROAM) under a triangle budget and
// draws them with a material of the library, with optional depth contours.
//
// The terrain's own frame: grid x, grid y and the stored height value v. Its placement works as
// any object's: with direction (0, 1, 0), up (0, 0, 1) and scale (sx, sy, sz), grid point (x, y)
// of value v is the scene point (−x·sx, v / 128 · sz, y·sy). Object-linear texture coordinates of
// its materials are computed from (x, y, v).
//
// Work happens when the object is drawn: tiles are fetched (and answered "no data" tiles left
// out), the mesh is tessellated again only when the eye, the view, the settings or the tiles
// changed enough to matter, and the GPU copies are updated. Main thread only.

#include "scene/HeightDataSource.h"
#include "scene/ResourceId.h"
#include "scene/camera/Ray.h"
#include "scene/geometry/MeshData.h"
#include "scene/graph/SceneObject.h"
#include "scene/material/Material.h"
#include "scene/terrain/RoamTessellator.h"
#include "scene/terrain/TerrainRayCast.h"
#include "scene/terrain/TerrainSettings.h"
#include "scene/terrain/TerrainTiles.h"

#include <glm/glm.hpp>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmara::scene {

class DrawContext;
class MaterialLibrary;
class ViewTransform;

// The window of cells the renderer may draw, inclusive; the callback may narrow or move it.
struct TerrainBounds {
  int left = 0;
  int top = 0;
  int bottom = 0;
  int right = 0;
};

struct TerrainFrameInfo {
  std::size_t triangles = 0;
  std::size_t patches = 0;       // drawn this frame
  bool tessellated = false;      // the mesh was made anew this frame
  double tessellationMs = 0.0;   // time of that, when it was
  std::size_t contourSegments = 0;
};

class TerrainRenderer : public SceneObject {
public:
  explicit TerrainRenderer(std::string name = "TerrainRenderer1");
  ~TerrainRenderer() override;

  void setHeightDataSource(THeightDataSource* source);
  THeightDataSource* heightDataSource() const { return source_; }
  void setMaterialLibrary(const MaterialLibrary* library) { library_ = library; }
  void setMaterialName(std::string name) { materialName_ = std::move(name); }
  const std::string& materialName() const { return materialName_; }
  const MaterialLibrary* materialLibrary() const { return library_; }

  TerrainSettings& settings() { return settings_; }
  const TerrainSettings& settings() const { return settings_; }

  // Called every frame with the renderer's bounds, which it may change. Without one, the
  // renderer draws the 1024-cell square around the eye.
  std::function<void(int& left, int& top, int& bottom, int& right)> onGetTerrainBounds;

  // Forget every tile: they are asked for again when next drawn.
  void markAllDirty();
  // Something the drawing depends on changed (a texture): tessellate again when next drawn.
  void structureChanged() { ++structureVersion_; }

  // Triangles drawn in the last frame, and more about it.
  std::size_t lastTriangleCount() const { return info_.triangles; }
  const TerrainFrameInfo& lastFrame() const { return info_; }

  // Every triangle of the last tessellation, corners in the terrain's frame, counter-clockwise
  // seen from above.
  void forEachTriangle(const std::function<void(const glm::vec3&, const glm::vec3&, const glm::vec3&)>& visit) const;

  // The scene point of the terrain's frame point (x, y, v), and back.
  glm::mat4 terrainMatrix() const;
  glm::vec3 gridToScene(const glm::vec3& grid) const;
  glm::vec3 sceneToGrid(const glm::vec3& scene) const;
  // The first point of the surface along a scene ray, inside the drawn bounds.
  std::optional<glm::vec3> rayCastIntersect(const Ray& ray) const;
  // The scene height of the surface under a scene point (the source's interpolated height).
  std::optional<float> sceneHeightAt(const glm::vec3& scenePoint) const;

  void submit(FrameBuilder& frame, const glm::mat4& absolute) const override;
  std::optional<float> hitDistance(const PickQuery& query, const glm::mat4& absolute) const override;

private:
  void prepare(const ViewTransform& view, const glm::mat4& matrix) const;
  bool needsTessellation(const ViewTransform& view) const;
  void tessellate(const ViewTransform& view, const glm::vec3& metric, const glm::vec3& eye) const;
  void buildContours() const;
  void draw(DrawContext& context, const glm::mat4& matrix) const;
  std::vector<Vertex> patchVertices(const TerrainPatch& patch) const;
  TerrainBounds currentBounds(const glm::vec3& eye) const;
  // Ray parameter of the first hit, the ray given in the scene and cast in the terrain's frame.
  std::optional<float> castLocal(const glm::vec3& origin, const glm::vec3& direction, const glm::mat4& matrix) const;

  THeightDataSource* source_ = nullptr;
  const MaterialLibrary* library_ = nullptr;
  std::string materialName_;
  TerrainSettings settings_;
  Material fallbackMaterial_;
  Material contourMaterial_;
  ResourceId gpuKey_;
  std::uint64_t structureVersion_ = 0;

  // Frame state, changed while drawing (drawing is const for the scene graph).
  mutable TerrainTiles tiles_;
  mutable RoamTessellator tessellator_;
  mutable std::vector<RoamPatch> roamPatches_;
  mutable std::vector<std::size_t> roamSlots_;
  mutable std::vector<std::uint64_t> roamIds_;
  mutable std::vector<int> order_;
  mutable std::vector<glm::vec3> contourPoints_;
  mutable TerrainFrameInfo info_;
  mutable TerrainBounds bounds_;
  mutable SampleRect drawnRect_;
  mutable std::vector<int> gridIndex_;
  mutable std::uint64_t patchSetHash_ = 0;
  mutable std::uint64_t frameNumber_ = 0;
  mutable std::uint64_t meshVersion_ = 0;
  mutable float errorScale_ = 1.0f;
  struct LastView {
    glm::vec3 eye{0.0f};
    glm::vec3 forward{0.0f};
    glm::mat4 projection{0.0f};
    std::uint64_t patchSet = 0;
    std::size_t patchCount = 0;
    std::uint64_t structure = 0;
    TerrainSettings settings;
    bool valid = false;
  };
  mutable LastView last_;
};

}  // namespace velmara::scene
