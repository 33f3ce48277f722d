#include "tools/vessel-models/ModelExport.h"

#include <assimp/Exporter.hpp>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <algorithm>
#include <memory>
#include <string_view>

namespace velmara::models {
namespace {

// 3DS files are Z-up; readers (Assimp's among them) turn them so that the file's +Z is +Y and
// its -Y is +Z. The models are made Y-up, so they are turned the other way on writing.
aiVector3D FileAxes(const glm::vec3& p, bool zUp) { return zUp ? aiVector3D(p.x, -p.z, p.y) : aiVector3D(p.x, p.y, p.z); }

}  // namespace

std::string ExportModel(const std::vector<ModelPart>& parts, const std::vector<ModelMaterial>& materials,
                        const char* format, const std::filesystem::path& file) {
  const bool zUp = std::string_view(format) == "3ds";
  // The scene owns everything below it and frees it with new[]/delete[] as Assimp expects.
  auto scene = std::make_unique<aiScene>();
  scene->mRootNode = new aiNode(file.stem().string());

  scene->mNumMaterials = static_cast<unsigned>(materials.size());
  scene->mMaterials = new aiMaterial*[materials.size()];
  for (std::size_t m = 0; m < materials.size(); ++m) {
    auto* material = new aiMaterial();
    const aiString name(materials[m].name);
    const aiColor3D diffuse(materials[m].diffuse.r, materials[m].diffuse.g, materials[m].diffuse.b);
    const aiColor3D ambient(0.2f, 0.2f, 0.2f), specular(0.1f, 0.1f, 0.1f);
    material->AddProperty(&name, AI_MATKEY_NAME);
    material->AddProperty(&diffuse, 1, AI_MATKEY_COLOR_DIFFUSE);
    material->AddProperty(&ambient, 1, AI_MATKEY_COLOR_AMBIENT);
    material->AddProperty(&specular, 1, AI_MATKEY_COLOR_SPECULAR);
    scene->mMaterials[m] = material;
  }

  scene->mNumMeshes = static_cast<unsigned>(parts.size());
  scene->mMeshes = new aiMesh*[parts.size()];
  scene->mRootNode->mNumMeshes = scene->mNumMeshes;
  scene->mRootNode->mMeshes = new unsigned[parts.size()];
  for (std::size_t p = 0; p < parts.size(); ++p) {
    const ModelPart& part = parts[p];
    const auto found = std::find_if(materials.begin(), materials.end(),
                                    [&](const ModelMaterial& m) { return m.name == part.material; });
    if (found == materials.end()) return "no material " + part.material + " for " + file.string();
    auto* mesh = new aiMesh();
    scene->mMeshes[p] = mesh;
    scene->mRootNode->mMeshes[p] = static_cast<unsigned>(p);
    mesh->mName = aiString(part.material);
    mesh->mMaterialIndex = static_cast<unsigned>(found - materials.begin());
    mesh->mPrimitiveTypes = aiPrimitiveType_TRIANGLE;
    mesh->mNumVertices = static_cast<unsigned>(part.positions.size());
    mesh->mVertices = new aiVector3D[part.positions.size()];
    mesh->mNormals = new aiVector3D[part.positions.size()];
    for (std::size_t v = 0; v < part.positions.size(); ++v) {
      mesh->mVertices[v] = FileAxes(part.positions[v], zUp);
      mesh->mNormals[v] = FileAxes(part.normals[v], zUp);
    }
    mesh->mNumFaces = static_cast<unsigned>(part.indices.size() / 3);
    mesh->mFaces = new aiFace[mesh->mNumFaces];
    for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
      aiFace& face = mesh->mFaces[f];
      face.mNumIndices = 3;
      face.mIndices = new unsigned[3];
      for (unsigned k = 0; k < 3; ++k) face.mIndices[k] = part.indices[3 * f + k];
    }
  }

  Assimp::Exporter exporter;
  if (exporter.Export(scene.get(), format, file.string()) != AI_SUCCESS)
    return "cannot write " + file.string() + ": " + exporter.GetErrorString();
  return {};
}

}  // namespace velmara::models
