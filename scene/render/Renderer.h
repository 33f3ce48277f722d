#pragma once
// Draws a scene through a camera into a render target: walks the graph (hidden subtrees left
// out), then draws the sky, the opaque meshes in instanced batches, custom drawing, the lines,
// the translucent meshes back to front and last the heads-up canvas. Owns every GL object it
// uses; one per GL context, created and destroyed while that context is current.

#include "scene/gl/GlState.h"
#include "scene/render/FrameBuilder.h"
#include "scene/render/FrameStats.h"
#include "scene/render/GpuResources.h"
#include "scene/render/HudRenderer.h"
#include "scene/render/LineRenderer.h"
#include "scene/render/MaterialBinder.h"
#include "scene/render/MeshRenderer.h"
#include "scene/render/RenderOptions.h"
#include "scene/render/RenderTarget.h"
#include "scene/render/ShaderCache.h"
#include "scene/render/SkyRenderer.h"

#include <string>
#include <vector>

namespace velmara::scene {

class Camera;
class Scene;
class SceneObject;

class Renderer {
public:
  Renderer();
  Renderer(const Renderer&) = delete;
  Renderer& operator=(const Renderer&) = delete;

  FrameStats render(const Scene& scene, const Camera& camera, const RenderTarget& target, const RenderOptions& options);
  // Shader build failures seen so far (empty when all is well).
  std::vector<std::string> errors() const;
  gl::GlState& state() { return state_; }

private:
  void collect(const SceneObject& object, const glm::mat4& parent);

  gl::GlState state_;
  GpuResources resources_;
  ShaderCache shaders_;
  MaterialBinder binder_;
  MeshRenderer meshes_;
  LineRenderer lines_;
  SkyRenderer sky_;
  HudRenderer hud_;
  FrameBuilder frame_;
  std::uint64_t frameNumber_ = 0;
  std::vector<const MeshDraw*> opaque_;
  std::vector<const MeshDraw*> translucent_;
};

}  // namespace velmara::scene
