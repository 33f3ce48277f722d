#include "scene/render/Renderer.h"

#include "scene/camera/Camera.h"
#include "scene/graph/Scene.h"
#include "scene/material/Material.h"
#include "scene/render/DrawContext.h"

#include <algorithm>

namespace velmara::scene {

Renderer::Renderer()
    : resources_(state_),
      binder_(state_, resources_, shaders_),
      meshes_(state_, resources_, binder_),
      lines_(state_),
      sky_(state_),
      hud_(state_, resources_) {}

void Renderer::collect(const SceneObject& object, const glm::mat4& parent) {
  if (!object.visible()) return;
  const glm::mat4 absolute = parent * object.localMatrix();
  object.submit(frame_, absolute);
  for (const auto& child : object.children()) collect(*child, absolute);
}

FrameStats Renderer::render(const Scene& scene, const Camera& camera, const RenderTarget& target,
                            const RenderOptions& options) {
  FrameStats stats;
  // The host may have used the context since the last frame.
  state_.invalidate();
  state_.bindFramebuffer(target.framebuffer);
  state_.setViewport(0, 0, target.width, target.height);
  if (options.clear) {
    state_.setDepthWrite(true);
    glClearColor(options.background.r, options.background.g, options.background.b, options.background.a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  }

  const Viewport viewport{0, 0, std::max(target.width, 1), std::max(target.height, 1)};
  frame_.begin(camera.viewTransform(viewport));
  collect(scene.root(), glm::mat4(1.0f));
  stats.culled = frame_.culled();

  FrameUniforms uniforms;
  uniforms.frame = ++frameNumber_;
  uniforms.view = frame_.view();
  uniforms.sceneAmbient = scene.ambientLight();
  uniforms.lights = frame_.lights();

  sky_.draw(frame_.skyBands(), uniforms, stats);

  opaque_.clear();
  translucent_.clear();
  for (const MeshDraw& draw : frame_.meshes()) {
    (draw.material->blending == BlendMode::Opaque ? opaque_ : translucent_).push_back(&draw);
  }
  meshes_.drawOpaque(opaque_, uniforms, options.batching, stats);

  DrawContext context(state_, resources_, binder_, uniforms, stats);
  std::vector<const CustomDraw*> translucentCustoms;
  for (const CustomDraw& custom : frame_.customs()) {
    if (custom.translucent) {
      translucentCustoms.push_back(&custom);
    } else {
      custom.draw(context);
    }
  }

  lines_.draw(frame_.lineSegments(), uniforms, options.batching, stats);

  std::stable_sort(translucent_.begin(), translucent_.end(),
                   [](const MeshDraw* a, const MeshDraw* b) { return a->eyeDistance > b->eyeDistance; });
  meshes_.drawSorted(translucent_, uniforms, options.batching, stats);
  std::stable_sort(translucentCustoms.begin(), translucentCustoms.end(),
                   [](const CustomDraw* a, const CustomDraw* b) { return a->eyeDistance > b->eyeDistance; });
  for (const CustomDraw* custom : translucentCustoms) custom->draw(context);

  hud_.draw(frame_.hud(), stats);

  // Leave the context as a host expects to find it.
  state_.bindVertexArray(0);
  state_.useProgram(0);
  state_.setDepthWrite(true);
  state_.setPolygonMode(GL_FILL);
  state_.setBlend({});
  for (int unit = 0; unit < gl::GlState::kTextureUnits; ++unit) state_.bindSampler(unit, 0);
  glActiveTexture(GL_TEXTURE0);
  resources_.endFrame();
  return stats;
}

std::vector<std::string> Renderer::errors() const {
  std::vector<std::string> errors;
  for (const std::string* error : {&lines_.error(), &sky_.error(), &hud_.error(), &binder_.error()}) {
    if (!error->empty()) errors.push_back(*error);
  }
  return errors;
}

}  // namespace velmara::scene
