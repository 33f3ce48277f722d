#include "app/scene/NetScene.h"

#include "net/BoatFiles.h"
#include "net/NetModel.h"

namespace velmara {

void BuildNetModel(TMainScene& scene, TNetSceneState& state, const std::filesystem::path& programDir, int netType, int netLength,
                   int opening, double cellSize, double b) {
  const std::optional<TNetModelPlacement> placement = NetModelPlacement(netType, netLength, opening, cellSize, b, state.NetVisible);
  if (!placement) return;
  state.AppliedNetType = netType;
  scene::MeshLoadOptions centred;
  centred.centreX = centred.centreY = centred.centreZ = true;
  // A missing model keeps the mesh as it was; the sizes and cables are set all the same.
  scene.Netform->load(programDir / placement->file, centred);
  for (const std::string& name : scene.NetMaterials.names()) scene.NetMaterials.find(name)->texture.mode = scene::TextureMode::Modulate;
  scene.Netform->setScale(placement->scale);
  scene.Netform->setPosition(placement->position);
  scene.StarboardCable->setNode(0, placement->upperStarboard);
  scene.PortCable->setNode(0, placement->upperPort);
  if (placement->lowerStarboard) scene.StarboardCableLower->setNode(0, *placement->lowerStarboard);
  if (placement->lowerPort) scene.PortCableLower->setNode(0, *placement->lowerPort);
  scene.StarboardCableLower->setVisible(placement->lowerCablesVisible);
  scene.PortCableLower->setVisible(placement->lowerCablesVisible);
}

void ShowNet(TMainScene& scene, TNetSceneState& state, bool visible) {
  const std::optional<TNetVisibility> shown = NetVisibility(visible, state.NetVisible, state.AppliedNetType, state.DisplayDepth);
  if (!shown) return;
  state.NetVisible = visible;
  scene.NetCube->setVisible(true);
  for (scene::SceneObject* object : {static_cast<scene::SceneObject*>(scene.Netform), static_cast<scene::SceneObject*>(scene.Port_door),
                                     static_cast<scene::SceneObject*>(scene.StarBoard_Door), static_cast<scene::SceneObject*>(scene.StarboardCable),
                                     static_cast<scene::SceneObject*>(scene.PortCable)})
    object->setVisible(shown->net);
  scene.StarboardCableLower->setVisible(shown->lowerCables);
  scene.PortCableLower->setVisible(shown->lowerCables);
  scene.hudNetDepth->setVisible(shown->netDepthText);
}

void PlaceDoors(TMainScene& scene, double sweep, float spread, double cellSize, double f, double b, bool twinRig) {
  const TDoorPlacement doors = velmara::PlaceDoors(sweep, spread, cellSize, f, b, twinRig);
  const glm::vec3 port = scene.Port_door->position(), starboard = scene.StarBoard_Door->position();
  scene.Port_door->setPosition({doors.portX, port.y, doors.portZ});
  scene.StarBoard_Door->setPosition({doors.starboardX, starboard.y, doors.starboardZ});
}

void AttachCables(TMainScene& scene) {
  const TCableEnds ends = velmara::AttachCables(scene.StarBoard_Door->position(), scene.Port_door->position());
  scene.StarboardCable->setNode(1, ends.starboard);
  scene.StarboardCableLower->setNode(1, ends.starboardLower);
  scene.PortCable->setNode(1, ends.port);
  scene.PortCableLower->setNode(1, ends.portLower);
}

void ShowBoatMarkers(TMainScene& scene, int boatMarkerOption, bool atBottomCameraCurrent) {
  const TBoatMarkers markers = BoatMarkers(boatMarkerOption, atBottomCameraCurrent);
  scene.GLDisk1->setVisible(markers.rings);
  scene.GLDisk2->setVisible(markers.rings);
  scene.GLHeadingVector->setVisible(markers.arrow);
}

}  // namespace velmara
