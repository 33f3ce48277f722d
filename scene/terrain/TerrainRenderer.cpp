#include "scene/terrain/TerrainRenderer.h"

#include "scene/camera/ViewTransform.h"
#include "scene/material/MaterialLibrary.h"
#include "scene/pick/PickQuery.h"
#include "scene/render/DrawContext.h"
#include "scene/render/FrameBuilder.h"
#include "scene/terrain/TerrainContours.h"
#include "scene/terrain/TerrainGpu.h"
#include "scene/terrain/TerrainRayCast.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace velmara::scene {
namespace {

// The stored height value v is drawn at v / 128 of the object's vertical scale.
constexpr float kHeightUnitsPerScaleUnit = 128.0f;
// The limit of a renderer's refinement radius with view range 2.
constexpr float kViewRange2Radius = 400.0f;
// Without a bounds callback: the square of this many cells about the eye.
constexpr int kDefaultWindow = 1024;
// A guard against bounds that would have the renderer fetch the whole plane.
constexpr int kMostTilesPerSide = 128;
// Eye movement (scene units) and turn (cosine of 0.5°) below which the mesh is kept.
constexpr float kEyeMoveToRetessellate = 0.5f;
constexpr float kTurnToRetessellate = 0.99996192f;

int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int ceilDiv(int a, int b) { return -floorDiv(-a, b); }

}  // namespace

TerrainRenderer::TerrainRenderer(std::string name) : SceneObject(std::move(name)) {
  fallbackMaterial_.diffuse = Colour(0.6f, 0.6f, 0.6f, 1.0f);
  contourMaterial_.lit = false;
  contourMaterial_.diffuse = Colour(0.0f, 0.0f, 0.0f, 1.0f);
  contourMaterial_.culling = FaceCulling::None;
}

TerrainRenderer::~TerrainRenderer() = default;

void TerrainRenderer::setHeightDataSource(THeightDataSource* source) {
  source_ = source;
  markAllDirty();
}

void TerrainRenderer::markAllDirty() {
  tiles_.clear();
  last_.valid = false;
}

glm::mat4 TerrainRenderer::terrainMatrix() const {
  return glm::scale(absoluteMatrix(), glm::vec3(1.0f, 1.0f, 1.0f / kHeightUnitsPerScaleUnit));
}

glm::vec3 TerrainRenderer::gridToScene(const glm::vec3& grid) const { return glm::vec3(terrainMatrix() * glm::vec4(grid, 1.0f)); }

glm::vec3 TerrainRenderer::sceneToGrid(const glm::vec3& scene) const {
  return glm::vec3(glm::inverse(terrainMatrix()) * glm::vec4(scene, 1.0f));
}

TerrainBounds TerrainRenderer::currentBounds(const glm::vec3& eye) const {
  TerrainBounds b;
  b.left = static_cast<int>(std::floor(eye.x)) - kDefaultWindow / 2;
  b.right = b.left + kDefaultWindow - 1;
  b.bottom = static_cast<int>(std::floor(eye.y)) - kDefaultWindow / 2;
  b.top = b.bottom + kDefaultWindow - 1;
  if (onGetTerrainBounds) onGetTerrainBounds(b.left, b.top, b.bottom, b.right);
  return b;
}

void TerrainRenderer::submit(FrameBuilder& frame, const glm::mat4& absolute) const {
  if (!source_) return;
  const glm::mat4 matrix = glm::scale(absolute, glm::vec3(1.0f, 1.0f, 1.0f / kHeightUnitsPerScaleUnit));
  prepare(frame.view(), matrix);
  if (info_.triangles == 0) return;
  frame.addCustom({[this, matrix](DrawContext& context) { draw(context, matrix); }});
}

void TerrainRenderer::prepare(const ViewTransform& view, const glm::mat4& matrix) const {
  ++frameNumber_;
  const int size = std::max(settings_.tileSize, 2);
  tiles_.useSource(source_, source_->DirtyGeneration(), size);
  const glm::vec3 eye(glm::inverse(matrix) * glm::vec4(view.eye(), 1.0f));
  bounds_ = currentBounds(eye);

  // Whole tiles inside the bounds, no more than a guard's worth about the eye.
  int txFirst = ceilDiv(bounds_.left, size), txLast = floorDiv(bounds_.right - size, size);
  int tyFirst = ceilDiv(bounds_.bottom, size), tyLast = floorDiv(bounds_.top - size, size);
  const int eyeTx = floorDiv(static_cast<int>(std::floor(eye.x)), size);
  const int eyeTy = floorDiv(static_cast<int>(std::floor(eye.y)), size);
  txFirst = std::max(txFirst, eyeTx - kMostTilesPerSide / 2);
  txLast = std::min(txLast, eyeTx + kMostTilesPerSide / 2);
  tyFirst = std::max(tyFirst, eyeTy - kMostTilesPerSide / 2);
  tyLast = std::min(tyLast, eyeTy + kMostTilesPerSide / 2);
  drawnRect_ = SampleRect{txFirst * size, tyFirst * size, (txLast + 1) * size, (tyLast + 1) * size};

  const glm::vec3 metric(glm::length(glm::vec3(matrix[0])), glm::length(glm::vec3(matrix[1])), glm::length(glm::vec3(matrix[2])));
  const float half = 0.5f * static_cast<float>(size);
  const float refineRadius =
      settings_.camRes == 2 ? kViewRange2Radius : settings_.qualityDistance + half * std::sqrt(2.0f) * std::max(metric.x, metric.y);

  roamPatches_.clear();
  roamSlots_.clear();
  roamIds_.clear();
  patchSetHash_ = 0;
  std::vector<float> distances;
  const int columns = std::max(txLast - txFirst + 1, 0);
  const int rows = std::max(tyLast - tyFirst + 1, 0);
  gridIndex_.assign(static_cast<std::size_t>(columns) * rows, -1);
  for (int ty = tyFirst; ty <= tyLast; ++ty) {
    for (int tx = txFirst; tx <= txLast; ++tx) {
      const TerrainTiles::Entry& entry = tiles_.fetch(*source_, tx, ty, frameNumber_);
      if (!entry.patch) continue;
      const TerrainPatch& patch = *entry.patch;
      const glm::vec3 centre(matrix * glm::vec4(static_cast<float>(patch.x0()) + half, static_cast<float>(patch.y0()) + half,
                                                0.5f * (patch.minHeight() + patch.maxHeight()), 1.0f));
      const float radius =
          0.5f * glm::length(glm::vec3(2.0f * half * metric.x, 2.0f * half * metric.y, (patch.maxHeight() - patch.minHeight()) * metric.z));
      if (!view.sphereVisible(centre, radius)) continue;
      const float distance = glm::length(centre - view.eye());
      gridIndex_[static_cast<std::size_t>(ty - tyFirst) * columns + (tx - txFirst)] = static_cast<int>(roamPatches_.size());
      RoamPatch roam;
      roam.patch = &patch;
      roam.refine = distance <= refineRadius;
      roam.vertexBase = static_cast<std::uint32_t>(entry.slot * static_cast<std::size_t>((size + 1) * (size + 1)));
      roamPatches_.push_back(roam);
      roamSlots_.push_back(entry.slot);
      roamIds_.push_back(entry.id);
      distances.push_back(distance);
      patchSetHash_ = patchSetHash_ * 1000003u + entry.id;
    }
  }
  auto at = [&](int tx, int ty) {
    if (tx < txFirst || tx > txLast || ty < tyFirst || ty > tyLast) return -1;
    return gridIndex_[static_cast<std::size_t>(ty - tyFirst) * columns + (tx - txFirst)];
  };
  for (RoamPatch& roam : roamPatches_) {
    const int tx = floorDiv(roam.patch->x0(), size), ty = floorDiv(roam.patch->y0(), size);
    roam.west = at(tx - 1, ty);
    roam.east = at(tx + 1, ty);
    roam.south = at(tx, ty - 1);
    roam.north = at(tx, ty + 1);
  }
  order_.resize(roamPatches_.size());
  for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = static_cast<int>(i);
  std::sort(order_.begin(), order_.end(), [&](int a, int b) { return distances[a] < distances[b]; });
  tiles_.trim(static_cast<std::size_t>(std::max(source_->MaxPoolSize, 0)), frameNumber_);

  info_.patches = roamPatches_.size();
  info_.tessellated = false;
  if (needsTessellation(view)) tessellate(view, metric, eye);
  info_.triangles = roamPatches_.empty() ? 0 : tessellator_.triangleCount();
}

bool TerrainRenderer::needsTessellation(const ViewTransform& view) const {
  if (!last_.valid || last_.settings != settings_ || last_.structure != structureVersion_ || last_.patchSet != patchSetHash_ ||
      last_.patchCount != roamPatches_.size() || last_.projection != view.projection())
    return true;
  if (glm::length(view.eye() - last_.eye) > kEyeMoveToRetessellate) return true;
  return glm::dot(view.forward(), last_.forward) < kTurnToRetessellate;
}

void TerrainRenderer::tessellate(const ViewTransform& view, const glm::vec3& metric, const glm::vec3& eye) const {
  const auto started = std::chrono::steady_clock::now();
  const float focalPixels = view.projection()[1][1] * static_cast<float>(view.viewport().height) * 0.5f;
  const float allowedPixels = static_cast<float>(std::max(settings_.lodPrecision, 1)) / 100.0f * errorScale_;
  RoamSettings roam;
  roam.eye = eye;
  roam.metric = metric;
  roam.splitFactor = focalPixels / allowedPixels;
  roam.maxTriangles = settings_.maxTriangles;
  tessellator_.tessellate(roamPatches_, order_, roam);
  // Keep the budget a limit that is seldom met: coarser after a frame that ran into it, back
  // towards the asked-for precision when well below it.
  if (tessellator_.budgetReached()) {
    errorScale_ = std::min(errorScale_ * 1.25f, 256.0f);
  } else if (errorScale_ > 1.0f && tessellator_.triangleCount() * 2 < settings_.maxTriangles) {
    errorScale_ = std::max(errorScale_ / 1.1f, 1.0f);
  }
  ++meshVersion_;
  buildContours();
  info_.tessellated = true;
  info_.tessellationMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  last_ = LastView{view.eye(), view.forward(), view.projection(), patchSetHash_, roamPatches_.size(), structureVersion_, settings_, true};
}

void TerrainRenderer::buildContours() const {
  contourPoints_.clear();
  const float interval = static_cast<float>(settings_.contourInterval);
  if (interval > 0.0f) {
    forEachTriangle([&](const glm::vec3& a, const glm::vec3& b, const glm::vec3& c) {
      const glm::vec3 corners[3] = {a, b, c};
      appendTriangleContours(std::span<const glm::vec3, 3>(corners), interval, settings_.waterLevel, contourPoints_);
    });
  }
  info_.contourSegments = contourPoints_.size() / 2;
}

void TerrainRenderer::forEachTriangle(const std::function<void(const glm::vec3&, const glm::vec3&, const glm::vec3&)>& visit) const {
  if (roamPatches_.empty()) return;
  tessellator_.forEachTriangle([&](int p, const BinTriangle& t) {
    const TerrainPatch& patch = *roamPatches_[p].patch;
    auto corner = [&](PatchPoint q) {
      return glm::vec3(static_cast<float>(patch.x0() + q.i), static_cast<float>(patch.y0() + q.j), patch.height(q));
    };
    visit(corner(t.apex), corner(t.right), corner(t.left));
  });
}

std::vector<Vertex> TerrainRenderer::patchVertices(const TerrainPatch& patch) const {
  const int size = patch.size();
  const float texture = 1.0f / static_cast<float>(std::max(settings_.tilesPerTexture, 1) * size);
  std::vector<Vertex> vertices(static_cast<std::size_t>(size + 1) * (size + 1));
  auto sample = [&](int i, int j) {
    if (i >= 0 && i <= size && j >= 0 && j <= size) return patch.height({i, j});
    return source_->InterpolatedHeight(static_cast<float>(patch.x0() + i), static_cast<float>(patch.y0() + j));
  };
  for (int j = 0; j <= size; ++j) {
    for (int i = 0; i <= size; ++i) {
      const float x = static_cast<float>(patch.x0() + i), y = static_cast<float>(patch.y0() + j);
      Vertex& v = vertices[static_cast<std::size_t>(j) * (size + 1) + i];
      v.position = glm::vec3(x, y, patch.height({i, j}));
      // The surface v(x, y) in the terrain's frame; the object's scale is applied by the shader.
      v.normal = glm::normalize(glm::vec3(-0.5f * (sample(i + 1, j) - sample(i - 1, j)), -0.5f * (sample(i, j + 1) - sample(i, j - 1)),
                                          1.0f));
      v.texcoord = glm::vec2(x * texture, -y * texture);
    }
  }
  return vertices;
}

void TerrainRenderer::draw(DrawContext& context, const glm::mat4& matrix) const {
  TerrainGpu& gpu = context.resources().customState<TerrainGpu>(gpuKey_.value());
  const int size = tiles_.tileSize();
  gpu.reserveSlots(tiles_.slotsNeeded(), static_cast<std::size_t>(size + 1) * (size + 1));
  for (std::size_t k = 0; k < roamPatches_.size(); ++k) {
    if (!gpu.holds(roamSlots_[k], roamIds_[k])) gpu.upload(roamSlots_[k], roamIds_[k], patchVertices(*roamPatches_[k].patch));
  }
  gpu.setTriangles(meshVersion_, tessellator_.indices());

  const Material* material = library_ ? library_->find(materialName_) : nullptr;
  if (!context.useMaterial(material ? *material : fallbackMaterial_, matrix)) return;
  const bool contours = !contourPoints_.empty();
  // The lines lie on the surface: push the surface back a little rather than lift the lines.
  if (contours) {
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.0f, 1.0f);
  }
  gpu.drawTriangles();
  context.countDrawCall();
  if (!contours) return;
  glDisable(GL_POLYGON_OFFSET_FILL);
  gpu.setContours(meshVersion_, contourPoints_);
  if (!context.useMaterial(contourMaterial_, matrix)) return;
  // A line where the surface lies at the same depth still shows.
  glDepthFunc(GL_LEQUAL);
  gpu.drawContours();
  glDepthFunc(GL_LESS);
  context.countDrawCall();
}

std::optional<float> TerrainRenderer::castLocal(const glm::vec3& origin, const glm::vec3& direction, const glm::mat4& matrix) const {
  if (!source_) return std::nullopt;
  const glm::mat4 inverse = glm::inverse(matrix);
  const glm::vec3 o(inverse * glm::vec4(origin, 1.0f));
  const glm::vec3 d(inverse * glm::vec4(direction, 0.0f));
  SampleRect rect = drawnRect_;
  if (rect.right <= rect.left) {
    const TerrainBounds b = currentBounds(o);
    rect = SampleRect{b.left, b.bottom, b.right, b.top};
  }
  return castRayOnHeightField(o, d, rect, [&](int x, int y) {
    return source_->InterpolatedHeight(static_cast<float>(x), static_cast<float>(y));
  });
}

std::optional<glm::vec3> TerrainRenderer::rayCastIntersect(const Ray& ray) const {
  const glm::vec3 direction = glm::normalize(ray.direction);
  const std::optional<float> t = castLocal(ray.origin, direction, terrainMatrix());
  if (!t) return std::nullopt;
  return ray.origin + direction * *t;
}

std::optional<float> TerrainRenderer::hitDistance(const PickQuery& query, const glm::mat4& absolute) const {
  return castLocal(query.ray.origin, glm::normalize(query.ray.direction),
                   glm::scale(absolute, glm::vec3(1.0f, 1.0f, 1.0f / kHeightUnitsPerScaleUnit)));
}

std::optional<float> TerrainRenderer::sceneHeightAt(const glm::vec3& scenePoint) const {
  if (!source_) return std::nullopt;
  const glm::mat4 matrix = terrainMatrix();
  const glm::vec3 grid(glm::inverse(matrix) * glm::vec4(scenePoint, 1.0f));
  const float v = source_->InterpolatedHeight(grid.x, grid.y);
  return (matrix * glm::vec4(grid.x, grid.y, v, 1.0f)).y;
}

}  // namespace velmara::scene
