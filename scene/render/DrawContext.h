#pragma once
// What an object that draws its own geometry (a terrain renderer) gets during the frame: the GL
// state cache, the camera, and the material machinery, so that it can draw its vertex arrays with
// a named material (textures, texture combiner, lighting) like every other object.
//
// Vertex arrays read by the material shader use the locations of scene/render/GpuResources.h:
// position 0 (vec3), normal 1 (vec3), texture coordinates 2 (vec2); object-linear texture
// coordinates are computed from the position.

#include "scene/gl/GlState.h"
#include "scene/render/FrameStats.h"
#include "scene/render/FrameUniforms.h"
#include "scene/render/GpuResources.h"
#include "scene/render/MaterialBinder.h"

#include <string>

namespace velmara::scene {

class DrawContext {
public:
  DrawContext(gl::GlState& state, GpuResources& resources, MaterialBinder& binder, const FrameUniforms& frame,
              FrameStats& stats)
      : state_(state), resources_(resources), binder_(binder), frame_(frame), stats_(stats) {}

  gl::GlState& state() { return state_; }
  GpuResources& resources() { return resources_; }
  const ViewTransform& view() const { return frame_.view; }

  // Binds program, textures and state for `material`, with `model` as the object-to-scene
  // matrix. False when the material's shader does not build; error() says why.
  bool useMaterial(const Material& material, const glm::mat4& model);
  const std::string& error() const { return binder_.error(); }

  // Draws a CPU-side mesh (kept on the card while drawn) with the material in use.
  void drawMesh(const MeshData& mesh);
  // Counts a draw call issued by the caller itself.
  void countDrawCall() { ++stats_.drawCalls; }

private:
  gl::GlState& state_;
  GpuResources& resources_;
  MaterialBinder& binder_;
  const FrameUniforms& frame_;
  FrameStats& stats_;
};

}  // namespace velmara::scene
