#include "scene/render/DrawContext.h"

#include "scene/render/FrameBuilder.h"

namespace velmara::scene {

bool DrawContext::useMaterial(const Material& material, const glm::mat4& model) {
  const gl::ShaderProgram* program = binder_.bind(resolveMaterial(material), false, false, frame_);
  if (!program) {
    ++stats_.failedDraws;
    return false;
  }
  state_.setDepthTest(true);
  const InstanceData instance = FrameBuilder::instanceFor(material, model);
  program->set("i_model", instance.model);
  program->set("i_diffuse", instance.diffuse);
  program->set("i_ambient", instance.ambient);
  program->set("i_emission", instance.emission);
  program->set("i_specular", instance.specular);
  program->set("i_flags", instance.flags);
  return true;
}

void DrawContext::drawMesh(const MeshData& mesh) {
  if (mesh.empty()) return;
  GpuMesh& gpu = resources_.mesh(mesh);
  gpu.vertexArray.bind(state_);
  glDrawElements(gpu.primitive, gpu.indexCount, GL_UNSIGNED_INT, nullptr);
  ++stats_.drawCalls;
}

}  // namespace velmara::scene
