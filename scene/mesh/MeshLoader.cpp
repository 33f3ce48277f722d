#include "scene/mesh/MeshLoader.h"

#include <assimp/Importer.hpp>
#include <assimp/material.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <map>

namespace velmara::scene {
namespace {

Colour colourOf(const aiMaterial& material, const char* key, unsigned type, unsigned index, const Colour& fallback) {
  aiColor4D colour;
  if (material.Get(key, type, index, colour) != AI_SUCCESS) return fallback;
  return Colour(colour.r, colour.g, colour.b, 1.0f);
}

LoadedModel::MaterialEntry readMaterial(const aiMaterial& source) {
  LoadedModel::MaterialEntry entry;
  aiString name;
  if (source.Get(AI_MATKEY_NAME, name) == AI_SUCCESS) entry.name = name.C_Str();
  Material& look = entry.look;
  look.diffuse = colourOf(source, AI_MATKEY_COLOR_DIFFUSE, look.diffuse);
  look.ambient = colourOf(source, AI_MATKEY_COLOR_AMBIENT, look.ambient);
  look.emission = colourOf(source, AI_MATKEY_COLOR_EMISSIVE, look.emission);
  look.specular = colourOf(source, AI_MATKEY_COLOR_SPECULAR, look.specular);
  float value = 0.0f;
  if (source.Get(AI_MATKEY_SHININESS, value) == AI_SUCCESS) look.shininess = std::min(value, 128.0f);
  if (source.Get(AI_MATKEY_OPACITY, value) == AI_SUCCESS) look.setOpacity(value);
  aiString texture;
  if (source.GetTexture(aiTextureType_DIFFUSE, 0, &texture) == AI_SUCCESS) entry.textureFile = texture.C_Str();
  return entry;
}

}  // namespace

Result<LoadedModel> loadModel(const std::filesystem::path& file, const MeshLoadOptions& options) {
  Assimp::Importer importer;
  const aiScene* scene = importer.ReadFile(file.string(), aiProcess_Triangulate | aiProcess_JoinIdenticalVertices |
                                                              aiProcess_GenSmoothNormals | aiProcess_PreTransformVertices |
                                                              aiProcess_SortByPType);
  if (!scene || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE) || !scene->HasMeshes()) {
    return Result<LoadedModel>::failure("loadModel(): cannot read " + file.string() + ": " + importer.GetErrorString());
  }

  LoadedModel model;
  for (unsigned i = 0; i < scene->mNumMaterials; ++i) model.materials.push_back(readMaterial(*scene->mMaterials[i]));

  // One part per material: meshes sharing a material are drawn together.
  std::map<unsigned, std::pair<std::vector<Vertex>, std::vector<std::uint32_t>>> byMaterial;
  for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
    const aiMesh& mesh = *scene->mMeshes[m];
    if (!(mesh.mPrimitiveTypes & aiPrimitiveType_TRIANGLE)) continue;
    auto& [vertices, indices] = byMaterial[mesh.mMaterialIndex];
    const auto base = static_cast<std::uint32_t>(vertices.size());
    for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
      Vertex vertex;
      vertex.position = {mesh.mVertices[v].x, mesh.mVertices[v].y, mesh.mVertices[v].z};
      if (mesh.HasNormals()) vertex.normal = {mesh.mNormals[v].x, mesh.mNormals[v].y, mesh.mNormals[v].z};
      if (mesh.HasTextureCoords(0)) vertex.texcoord = {mesh.mTextureCoords[0][v].x, mesh.mTextureCoords[0][v].y};
      vertices.push_back(vertex);
    }
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
      const aiFace& face = mesh.mFaces[f];
      if (face.mNumIndices != 3) continue;
      indices.insert(indices.end(), {base + face.mIndices[0], base + face.mIndices[1], base + face.mIndices[2]});
    }
  }

  if (options.centreX || options.centreY || options.centreZ) {
    bool first = true;
    Bounds bounds;
    for (const auto& [material, data] : byMaterial) {
      for (const Vertex& vertex : data.first) {
        bounds.minimum = first ? vertex.position : glm::min(bounds.minimum, vertex.position);
        bounds.maximum = first ? vertex.position : glm::max(bounds.maximum, vertex.position);
        first = false;
      }
    }
    const glm::vec3 centre = bounds.centre();
    const glm::vec3 shift(options.centreX ? -centre.x : 0.0f, options.centreY ? -centre.y : 0.0f,
                          options.centreZ ? -centre.z : 0.0f);
    for (auto& [material, data] : byMaterial) {
      for (Vertex& vertex : data.first) vertex.position += shift;
    }
  }

  for (auto& [material, data] : byMaterial) {
    if (data.second.empty()) continue;
    const std::string name = material < model.materials.size() ? model.materials[material].name : std::string();
    model.parts.push_back(LoadedModel::Part{MeshData(std::move(data.first), std::move(data.second)), name});
  }
  if (model.parts.empty()) return Result<LoadedModel>::failure("loadModel(): " + file.string() + " has no triangles");
  return model;
}

}  // namespace velmara::scene
