#include "tools/scene-demo/DemoScene.h"

#include "scene/Viewer.h"
#include "scene/geometry/Shapes.h"
#include "scene/hud/HudSprite.h"
#include "scene/hud/HudText.h"
#include "scene/objects/ArrowLine.h"
#include "scene/objects/Cone.h"
#include "scene/objects/Cube.h"
#include "scene/objects/Disk.h"
#include "scene/objects/Dummy.h"
#include "scene/objects/FreeForm.h"
#include "scene/objects/Frustum.h"
#include "scene/objects/LightSource.h"
#include "scene/objects/Line.h"
#include "scene/objects/Pipe.h"
#include "scene/objects/Plane.h"
#include "scene/objects/Polygon.h"
#include "scene/objects/SkyDome.h"
#include "scene/objects/Sphere.h"
#include "scene/objects/Sprite.h"
#include "tools/scene-demo/DemoPictures.h"
#include "tools/scene-demo/DemoTerrain.h"
#include "tools/scene-demo/ObjWriter.h"

#include <glm/gtc/matrix_transform.hpp>

#include <stdexcept>

namespace velmara::demo {
namespace {

using scene::Colour;

const Colour kOrange{1.0f, 0.5f, 0.0f, 1.0f};

void check(const scene::Status& status, const char* what) {
  if (!status) throw std::runtime_error(std::string(what) + ": " + status.error());
}

glm::vec3 onBed(float x, float z, float above) { return {x, DemoTerrain::heightAt(x, z) + above, z}; }

}  // namespace

DemoScene::DemoScene(const std::filesystem::path& workFolder) {
  auto font = scene::BitmapFont::fromSystem({"DejaVu Sans"}, 15);
  auto title = scene::BitmapFont::fromSystem({"DejaVu Sans", true}, 22);
  if (!font || !title) throw std::runtime_error(font ? title.error() : font.error());
  font_ = font.value();
  titleFont_ = title.value();

  addSky();
  auto& light = scene_.root().emplaceChild<scene::LightSource>("GLLightSource1");
  light.setPosition({-300, 500, -200});
  light.ambient = Colour(0.35f, 0.35f, 0.35f, 1);
  scene_.root().emplaceChild<DemoTerrain>(terrainMaterials_, 64);
  addBoat(workFolder);
  addNet(workFolder);
  addMarks();
  addLines();
  addHeadsUp();

  auto& anchor = scene_.root().emplaceChild<scene::Dummy>("SkyCube");
  anchor.setPosition({2, -7, 0});
  camera_ = &scene_.root().emplaceChild<scene::Camera>("SkyCamera");
  camera_->setPosition({-30, 13, -40});
  camera_->setTarget(&anchor);
  camera_->setFocalLength(50);
  camera_->setDepthOfView(1024);
}

void DemoScene::addSky() {
  auto& sky = scene_.root().emplaceChild<scene::SkyDome>("SkyDome");
  const Colour white(1, 1, 1, 1);
  const Colour green(0.439216f, 0.858824f, 0.576471f, 1);
  const Colour deep(0.137255f, 0.556863f, 0.419608f, 1);
  sky.bands() = {{-15, -5, white, white}, {-5, 25, white, green}, {25, 90, green, deep}};
}

void DemoScene::addBoat(const std::filesystem::path& folder) {
  // The boat model: hull (a frustum upside down), bow cone and wheelhouse, written as OBJ.
  std::vector<ObjPart> parts;
  glm::mat4 hull = glm::rotate(glm::mat4(1.0f), glm::pi<float>(), glm::vec3(0, 0, 1));
  parts.push_back({scene::shapes::frustum(0.6f), glm::scale(hull, glm::vec3(1.4f, 0.7f, 4.0f)), "mat1", Colour(0.8f, 0.1f, 0.1f, 1)});
  glm::mat4 bow = glm::translate(glm::mat4(1.0f), glm::vec3(0, 0.05f, 2.0f));
  bow = glm::rotate(bow, glm::half_pi<float>(), glm::vec3(1, 0, 0));
  parts.push_back({scene::shapes::cone(16, 0.0f), glm::scale(bow, glm::vec3(0.55f, 1.2f, 0.3f)), "mat1", Colour(0.8f, 0.1f, 0.1f, 1)});
  const glm::mat4 house = glm::scale(glm::translate(glm::mat4(1.0f), glm::vec3(0, 0.65f, -0.6f)), glm::vec3(0.9f, 0.6f, 1.3f));
  parts.push_back({scene::shapes::cube(), house, "mat2", Colour(0.95f, 0.95f, 0.95f, 1)});
  check(writeObj(folder / "trawler.obj", parts), "boat model");

  auto& boatCube = scene_.root().emplaceChild<scene::Dummy>("BoatCube");
  boatCube.setPosition({0, 0.2f, -4});
  boatCube.setDirection({0.25f, 0, 1});
  auto& boat = boatCube.emplaceChild<scene::FreeForm>("BoatForm");
  boat.setMaterialLibrary(&boatMaterials_);
  check(boat.load(folder / "trawler.obj"), "boat model");
  boat.setScale(1.4f);

  auto& drop = boat.emplaceChild<scene::Line>("drop line");
  drop.addNode({0, 0, 0});
  drop.addNode({0, -2000, 0});
  drop.setPattern(0xCCCC);
  drop.setWidth(3.0f);
  drop.setColour(Colour(0, 0, 0, 1));
  drop.setNodesVisible(false);

  auto& heading = boatCube.emplaceChild<scene::ArrowLine>("GLHeadingVector");
  heading.setProportions({20, 3, 0.25f, 0.25f, 0.9f, 12});
  heading.setScale(0.3f);
  heading.setPosition({0, 0.5f, 2.5f});
  heading.material().diffuse = Colour(0.1f, 0.2f, 1.0f, 1);

  // Two rings on the bed under the boat.
  const glm::vec3 under = onBed(boatCube.position().x, boatCube.position().z, 0.1f);
  for (const auto& [name, inner, outer, colour] :
       {std::tuple{"GLDisk1", 0.3f, 0.6f, Colour(1, 0, 0, 1)}, std::tuple{"GLDisk2", 0.8f, 1.0f, Colour(1, 1, 1, 1)}}) {
    auto& ring = scene_.root().emplaceChild<scene::Disk>(name);
    ring.setRadii(inner * 3.0f, outer * 3.0f);
    ring.setAbsolutePosition(under);
    ring.setDirection({0, 1, 0});
    ring.material().lit = false;
    ring.material().diffuse = colour;
  }
}

void DemoScene::addNet(const std::filesystem::path& folder) {
  // The trawl: a tapering bag pointing back, drawn as lines on both faces.
  std::vector<ObjPart> parts;
  const glm::mat4 bag = glm::scale(glm::rotate(glm::mat4(1.0f), -glm::half_pi<float>(), glm::vec3(1, 0, 0)),
                                   glm::vec3(3.0f, 10.0f, 1.6f));
  parts.push_back({scene::shapes::cone(20, 0.15f), bag, "net", Colour(0.1f, 0.1f, 0.1f, 1)});
  check(writeObj(folder / "net.obj", parts), "net model");

  auto& netCube = scene_.root().emplaceChild<scene::Dummy>("NetCube");
  netCube.setPosition(onBed(-3, -24, 1.8f));
  netCube.setDirection({0.15f, 0, 1});
  auto& net = netCube.emplaceChild<scene::FreeForm>("Netform");
  net.setMaterialLibrary(&netMaterials_);
  netMaterials_.add("net").diffuse = Colour(0.15f, 0.15f, 0.15f, 1);  // the library's look wins
  scene::MeshLoadOptions centred;
  centred.centreX = centred.centreY = centred.centreZ = true;
  check(net.load(folder / "net.obj", centred), "net model");
  net.setDrawAsLines(true);

  auto& drop = net.emplaceChild<scene::Line>("net drop line");
  drop.addNode({0, 0, 0});
  drop.addNode({0, -3000, 0});
  drop.setPattern(0xCCCC);
  drop.setWidth(1.5f);
  drop.setColour(Colour(0, 0, 0, 1));
  drop.setAntialiased(true);
  drop.setNodesVisible(false);

  const Colour doorColour(0.556863f, 0.137255f, 0.137255f, 1);
  for (const auto& [name, x, direction] : {std::tuple{"Port_door", 6.0f, glm::vec3(0.939693f, 0, -0.34202f)},
                                           std::tuple{"StarBoard_Door", -6.0f, glm::vec3(0.939693f, 0, 0.34202f)}}) {
    auto& door = netCube.emplaceChild<scene::Plane>(name);
    door.setPosition({x, 0.5f, 9.0f});
    door.setDirection(direction);
    door.setSize(2.5f, 1.2f);
    door.material().emission = doorColour;
    door.material().diffuse = Colour(0.3f, 0.1f, 0.1f, 1);

    auto& cable = netCube.emplaceChild<scene::Line>(x > 0 ? "PortCable" : "StarboardCable");
    cable.addNode({x * 0.25f, 1.5f, -5.0f});  // the bag's mouth
    cable.addNode(door.position());
    cable.setColour(Colour(0, 0, 0, 1));
    cable.setAntialiased(true);
    cable.setWidth(1.5f);
    cable.setNodesVisible(false);
    // Warps from the doors up to the boat.
    auto& warp = scene_.root().emplaceChild<scene::Line>(x > 0 ? "PortWarp" : "StarboardWarp");
    warp.addNode(door.absolutePosition());
    warp.addNode(scene_.find("BoatCube")->localToAbsolute({x * 0.05f, 0.3f, -1.8f}));
    warp.setColour(Colour(0.1f, 0.1f, 0.1f, 1));
    warp.setAntialiased(true);
    warp.setNodesVisible(false);
  }
}

scene::SceneObject& DemoScene::addPlumbLine(scene::SceneObject& mark, float length) {
  auto& plumb = mark.emplaceChild<scene::Line>("plumb");
  plumb.setAntialiased(true);
  plumb.setColour(kOrange);
  plumb.setPattern(0xCCCC);
  plumb.setWidth(3.0f);
  plumb.addNode({0, 0, 0});
  plumb.addNode({0, -length, 0});
  plumb.setMarkerColour(kOrange);
  plumb.setNodesVisible(false);
  return plumb;
}

void DemoScene::addMarks() {
  const auto fish = fishPicture();
  const auto danger = dangerPicture();
  struct Mark {
    int type;
    float x, z, above;
    std::uint32_t colour;  // 0x00BBGGRR
  };
  const Mark marks[] = {{1, -10, 6, 5, 0x00FFFF}, {1, 4, 14, 4, 0xFFFFFF}, {1, -16, -6, 6, 0x00A5FF},
                        {2, 12, -2, 4, 0},        {3, -4, 18, 4, 0xFF8000}, {3, 8, 6, 5, 0x00FF00},
                        {6, -20, 14, 4, 0xFF00FF}, {6, 18, 22, 6, 0x0000FF}, {7, -8, -14, 4, 0x00D0FF},
                        {7, 14, -16, 5, 0x808080}, {3, 22, 4, 3, 0xFFFF00}, {2, -24, 0, 5, 0}};
  int index = 0;
  for (const Mark& m : marks) {
    const Colour colour = scene::colourFromBgr(m.colour);
    scene::SceneObject* object = nullptr;
    if (m.type == 1 || m.type == 2) {
      auto& sprite = scene_.root().emplaceChild<scene::Sprite>("mk" + std::to_string(index));
      sprite.setSize(m.type == 1 ? 2.0f : 1.0f, 1.0f);
      sprite.setScale(2.0f);
      sprite.material().texture.image = m.type == 1 ? fish : danger;
      sprite.material().texture.imageAlpha = scene::ImageAlpha::TopLeftTransparent;
      sprite.material().diffuse = m.type == 1 ? colour : Colour(1, 1, 1, 1);
      object = &sprite;
    } else {
      std::unique_ptr<scene::Solid> solid;
      if (m.type == 3) solid = std::make_unique<scene::Sphere>();
      if (m.type == 6) solid = std::make_unique<scene::Cone>();
      if (m.type == 7) solid = std::make_unique<scene::Cube>();
      solid->setName("mk" + std::to_string(index));
      solid->setScale(2.0f);
      solid->material().diffuse = colour;
      solid->material().emission = colour * 0.25f;
      object = &scene_.root().addChild(std::move(solid));
    }
    object->setTag(100 + index++);
    object->setPosition(onBed(m.x, m.z, m.above));
    addPlumbLine(*object, m.above);
  }
}

void DemoScene::addLines() {
  // A stored line shown as a pipe 2 units above the bed, with smooth joints.
  auto& pipe = scene_.root().emplaceChild<scene::Pipe>("pipe line");
  pipe.setRadius(0.25f);
  pipe.material().diffuse = scene::colourFromBgr(0x00FFFF);
  pipe.material().emission = pipe.material().diffuse * 0.25f;
  for (int i = 0; i <= 24; ++i) {
    const float t = static_cast<float>(i) / 24.0f;
    pipe.addNode(onBed(-26.0f + 34.0f * t, 24.0f - 10.0f * t + 4.0f * std::sin(t * 6.0f), 2.0f));
  }
  addPlumbLine(pipe, 2.0f).setPosition(pipe.nodes().front().position);

  // The boat's track, fading from yellow to red.
  auto& track = scene_.root().emplaceChild<scene::Line>("trk1");
  track.setWidth(2.5f);
  track.setAntialiased(true);
  track.setNodesVisible(false);
  for (int i = 0; i <= 30; ++i) {
    const float t = static_cast<float>(i) / 30.0f;
    track.addNode(glm::vec3(-2.0f - 6.0f * t + 2.0f * std::sin(t * 5.0f), 0.15f, -5.0f - 26.0f * t),
                  glm::mix(Colour(1, 1, 0, 1), Colour(1, 0, 0, 1), t));
  }

  // A search area, half transparent, and its outline with visible nodes.
  auto& area = scene_.root().emplaceChild<scene::Polygon>("Matchnet search area");
  auto& outline = area.emplaceChild<scene::Line>("outline");
  const glm::vec2 corners[] = {{-6, -20}, {6, -18}, {12, -8}, {4, -10}, {-2, -4}};
  for (const glm::vec2& c : corners) {
    area.addNode({c.x, -3.0f, c.y});
    outline.addNode({c.x, -3.0f, c.y});
  }
  outline.addNode({corners[0].x, -3.0f, corners[0].y});
  outline.setColour(Colour(0.1f, 0.3f, 0.9f, 1));
  outline.setWidth(2.0f);
  outline.setMarkerColour(Colour(1, 1, 1, 1));
  outline.setMarkerSize(6.0f);
  area.material().lit = false;
  area.material().diffuse = Colour(0.3f, 0.6f, 1.0f, 1);
  area.material().setOpacity(0.35f);

  // A buoy.
  auto& buoy = scene_.root().emplaceChild<scene::Frustum>("buoy");
  buoy.setBase(1.2f, 1.2f);
  buoy.setHeights(3.0f, 2.0f);
  buoy.setPosition({-14, 0.8f, -16});
  buoy.material().diffuse = Colour(1.0f, 0.85f, 0.1f, 1);

  // The bearing tool: anchor, line back to the boat, arrow.
  auto& bearing = scene_.root().emplaceChild<scene::Dummy>("BearingCube");
  bearing.setPosition({16, 0.2f, 4});
  auto& line = bearing.emplaceChild<scene::Line>("BearingLine");
  line.addNode({0, 0, 0});
  line.addNode(scene_.find("BoatCube")->absolutePosition() - bearing.position());
  line.setColour(Colour(0.9f, 0.1f, 0.9f, 1));
  line.setWidth(2.0f);
  line.setPattern(0xFF00);
  line.setAntialiased(true);
  line.setNodesVisible(false);
  auto& arrow = bearing.emplaceChild<scene::ArrowLine>("BearingArrow");
  arrow.setProportions({3, 1, 0.12f, 0.12f, 0.4f, 12});
  arrow.setDirection({0, -1, 0});
  arrow.setPosition({0, 3, 0});
  arrow.material().diffuse = Colour(0.9f, 0.1f, 0.9f, 1);
  auto& text = bearing.emplaceChild<scene::HudText>("BearingText");
  text.setFont(font_);
  text.setColour(Colour(0, 0, 0, 1));
  text.setText("Range: 2,163.4 m\nBearing: 072");
}

void DemoScene::addHeadsUp() {
  auto& title = scene_.root().emplaceChild<scene::HudText>("title");
  title.setFont(titleFont_);
  title.setText("Velmara 3D \xE2\x80\x94 scene layer");
  title.setColour(Colour(0.05f, 0.15f, 0.35f, 1));
  title.setScreenPosition({16, 12});

  auto& panel = scene_.root().emplaceChild<scene::HudSprite>("hudDisplayInfo");
  panel.setScreenPosition({16, 48});
  panel.setSize({250, 170});
  panel.setColour(Colour(1, 1, 1, 0.6f));
  auto& info = scene_.root().emplaceChild<scene::HudText>("info");
  info.setFont(font_);
  info.setColour(Colour(0, 0, 0, 0.9f));
  info.setScreenPosition({24, 56});
  info.setText("Latitude      41\xC2\xBA 13.000'S\nLongitude   174\xC2\xBA 19.450'E\nSounder Depth   012.4 m\n"
               "Boat Heading    014.0\xC2\xBAT\nCamera Heading  038.2\xC2\xBAT\nNet Depth       009.8 m\n"
               "Net Opening     4.2 m\nDepth at Cursor 011 m\nFPS             --");

  auto& compass = scene_.root().emplaceChild<scene::HudSprite>("compass");
  compass.setImage(compassPicture());
  compass.setSize({72, 72});
}

void DemoScene::layOut(int width, int height) {
  static_cast<scene::HudSprite*>(scene_.find("compass"))->setScreenPosition({static_cast<float>(width) - 90.0f, 16});
  // The bearing text 16 pixels right of and 45 above the anchor's projection.
  scene::Viewer probe(scene_);
  probe.setCamera(camera_);
  probe.setSize(width, height);
  const glm::vec3 anchor = probe.sceneToScreen(scene_.find("BearingCube")->absolutePosition());
  auto* text = static_cast<scene::HudText*>(scene_.find("BearingText"));
  text->setScreenPosition({anchor.x + 16.0f, static_cast<float>(height) - anchor.y - 45.0f});
}

}  // namespace velmara::demo
