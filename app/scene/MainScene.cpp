#include "app/scene/MainScene.h"


namespace velmara {
namespace {

using scene::Colour;

constexpr std::uint16_t kDashed = 0xCCCC;  // 52428
const Colour kBlack(0, 0, 0, 1);

scene::Line& dropLine(scene::SceneObject& parent, const char* name, float length, float width) {
  auto& line = parent.emplaceChild<scene::Line>(name);
  line.addNode({0, 0, 0});
  line.addNode({0, -length, 0});
  line.setPattern(kDashed);
  line.setWidth(width);
  line.setColour(kBlack);
  line.setAntialiased(true);
  line.setPickable(false);
  return line;
}

scene::Line& cable(scene::SceneObject& parent, const char* name) {
  auto& line = parent.emplaceChild<scene::Line>(name);
  line.addNode({0, 0, 0});
  line.addNode({0, 0, 0});
  line.setColour(kBlack);
  line.setAntialiased(true);
  line.setNodesVisible(false);
  return line;
}

scene::Camera& camera(scene::SceneObject& parent, const char* name, const scene::SceneObject& target, const glm::vec3& position,
                      float focalLength, float depthOfView) {
  auto& c = parent.emplaceChild<scene::Camera>(name);
  c.setPosition(position);
  c.setTarget(&target);
  c.setFocalLength(focalLength);
  c.setDepthOfView(depthOfView);
  return c;
}

void unlit(scene::Material& material, const Colour& colour) {
  material.lit = false;
  material.diffuse = colour;
}

}  // namespace

TMainScene::TMainScene(const PictureSource& pictures) {
  if (auto font = scene::BitmapFont::fromSystem({"DejaVu Sans", true}, 16)) Font = font.value();
  if (auto font = scene::BitmapFont::fromSystem({"DejaVu Sans"}, 12)) SmallFont = font.value();
  BuildSkyAndLight();
  TerrainRenderer1 = &Scene.root().emplaceChild<scene::TerrainRenderer>("TerrainRenderer1");
  TerrainRenderer1->setDirection({0, 1, 0});
  TerrainRenderer1->setUp({0, 0, 1});
  TerrainRenderer1->setScale({1.0f, 1.0f, 3.2f});
  TerrainRenderer1->setMaterialLibrary(&GLMaterialLibrary1);
  TerrainRenderer1->setMaterialName("shader");
  TerrainRenderer1->settings().tileSize = 32;
  TerrainRenderer1->settings().qualityDistance = 100.0f;
  TerrainRenderer1->settings().maxTriangles = 150000;
  SeaPlane = &Scene.root().emplaceChild<scene::Plane>("SeaPlane");
  SeaPlane->setDirection({0, 1, 0});
  SeaPlane->setUp({0, 0, 1});
  SeaPlane->setSize(1024, 1024);
  unlit(SeaPlane->material(), Colour(0.3f, 0.5f, 0.7f, 1.0f));
  SeaPlane->material().texture.minFilter = scene::TextureFilter::Nearest;
  SeaPlane->material().texture.magFilter = scene::TextureFilter::Nearest;
  SeaPlane->material().texture.mode = scene::TextureMode::Replace;
  SeaPlane->setVisible(false);
  BuildBoat();
  BuildNet();
  BuildCameras();
  BuildMarksAndTools(pictures);
  BuildHeadsUp();
}

void TMainScene::BuildSkyAndLight() {
  SkyDome = &Scene.root().emplaceChild<scene::SkyDome>("GLSkyDome1");
  // Day colours; the day and night switch replaces them.
  const Colour white(1, 1, 1, 1), sea(0.439216f, 0.858824f, 0.576471f, 1), deep(0.137255f, 0.556863f, 0.419608f, 1);
  SkyDome->bands() = {{-15, -5, white, white}, {-5, 25, white, sea}, {25, 90, sea, deep}};
}

void TMainScene::BuildBoat() {
  BoatCube = &Scene.root().emplaceChild<scene::Dummy>("BoatCube");
  BoatForm = &BoatCube->emplaceChild<scene::FreeForm>("BoatForm");
  BoatForm->setMaterialLibrary(&MLBoats);
  BoatForm->setScale(0.3f);
  BoatDropLine = &dropLine(*BoatForm, "BoatDropLine", 2000.0f, 3.0f);
  GLHeadingVector = &BoatCube->emplaceChild<scene::ArrowLine>("GLHeadingVector");
  GLHeadingVector->setProportions({20.0f, 3.0f, 0.15f, 0.15f, 0.6f, 12});
  GLHeadingVector->setScale(0.3f);
  unlit(GLHeadingVector->material(), Colour(0, 0, 1, 1));
  GLHeadingVector->setPickable(false);
  auto ring = [&](const char* name, float inner, float outer, const Colour& colour) {
    auto& disk = BoatCube->emplaceChild<scene::Disk>(name);
    disk.setRadii(inner, outer);
    disk.setDirection({0, 1, 0});
    disk.setUp({0, 0, 1});
    unlit(disk.material(), colour);
    disk.material().culling = scene::FaceCulling::None;
    disk.setPickable(false);
    return &disk;
  };
  GLDisk1 = ring("GLDisk1", 0.3f, 0.6f, Colour(1, 0, 0, 1));
  GLDisk2 = ring("GLDisk2", 0.8f, 1.0f, Colour(1, 1, 1, 1));
  // The marker of the relief's light vector, which faces the boat from 500 away.
  LightVectorDummy = &BoatCube->emplaceChild<scene::Dummy>("LightVectorDummy");
  LightVectorDummy->setPosition({0, 500, -500});
  GLLightSource1 = &BoatCube->emplaceChild<scene::LightSource>("GLLightSource1");
  GLLightSource1->setPosition({0, 500, 500});
  GLLightSource1->ambient = Colour(0.95f, 0.95f, 0.95f, 1);
  GLLightSource1->specular = Colour(0.3f, 0.3f, 0.3f, 1);
  DCUnderBoat = &BoatCube->emplaceChild<scene::Dummy>("DCUnderBoat");
  DCUnderBoat->setPosition({0, -1, 2});
  auto marker = [&](const char* name, const glm::vec3& position) {
    auto& sphere = BoatCube->emplaceChild<scene::Sphere>(name);
    sphere.setPosition(position);
    sphere.setScale(0.1f);
    sphere.setVisible(false);
    sphere.setPickable(false);
    return &sphere;
  };
  GLSphereFB = marker("GLSphereFB", {0, 1, -5});
  GLSphereUB = marker("GLSphereUB", {0, -1, 2});
}

void TMainScene::BuildNet() {
  NetCube = &Scene.root().emplaceChild<scene::Dummy>("NetCube");
  NetCube->setDirection({0, 0, 1});
  Netform = &NetCube->emplaceChild<scene::FreeForm>("Netform");
  Netform->setMaterialLibrary(&NetMaterials);
  Netform->setDrawAsLines(true);
  NetDropLine = &dropLine(*Netform, "NetDropLine", 3000.0f, 1.5f);
  NetDropLine->setWidth(1.5f);
  auto door = [&](const char* name, const glm::vec3& scale, const glm::vec3& direction) {
    auto& plane = NetCube->emplaceChild<scene::Plane>(name);
    plane.setScale(scale);
    plane.setDirection(direction);
    plane.material().emission = Colour(0.556863f, 0.137255f, 0.137255f, 1);
    plane.material().culling = scene::FaceCulling::None;
    return &plane;
  };
  Port_door = door("Port_door", {0.1f, 0.3f, 2.5f}, {0.939693f, 0, -0.34202f});
  StarBoard_Door = door("StarBoard_Door", {0.1f, 0.3f, 4.0f}, {0.939693f, 0, 0.34202f});
  StarboardCable = &cable(*NetCube, "StarboardCable");
  PortCable = &cable(*NetCube, "PortCable");
  StarboardCableLower = &cable(*NetCube, "StarboardCableLower");
  PortCableLower = &cable(*NetCube, "PortCableLower");
  DummyCube2 = &NetCube->emplaceChild<scene::Dummy>("DummyCube2");
  DummyCube2->setPosition({0, 0, -0.1f});
  GLITINet = &NetCube->emplaceChild<scene::Sphere>("GLITINet");
  GLITINet->setVisible(false);
  // The net is out of the water until a net is set: everything of the group stays hidden.
  NetCube->setVisible(false);
}

void TMainScene::BuildCameras() {
  SkyCube = &Scene.root().emplaceChild<scene::Dummy>("SkyCube");
  FishCameraCube = &BoatCube->emplaceChild<scene::Dummy>("FishCameraCube");
  DCRoam = &Scene.root().emplaceChild<scene::Dummy>("DCRoam");
  FishingCamera = &camera(*FishCameraCube, "FishingCamera", *FishCameraCube, {0, 3, -3}, 60, 1024);
  SkyCamera = &camera(*SkyCube, "SkyCamera", *SkyCube, {0, 70, -30}, 50, 1024);
  FromBoatCamera = &camera(*BoatCube, "FromBoatCamera", *NetCube, {0, 1, -5}, 50, 2048);
  FromBoatCamera->setDirection({0, 0, 1});
  UnderBoatCamera = &camera(*DCUnderBoat, "UnderBoatCamera", *DCUnderBoat, {0, 0, -1}, 50, 1024);
  BehindCamera = &camera(*NetCube, "BehindCamera", *NetCube, {0, 1, -7}, 50, 512);
  NetCamera = &camera(*DummyCube2, "NetCamera", *DummyCube2, {0, 0, -0.1f}, 35, 512);
  NetCamera->setDirection({0, 0, 1});
  AtBottomCamera = &camera(*BoatCube, "AtBottomCamera", *GLDisk1, {0, 4, 8}, 50, 4096);
  GLCameraRoam = &camera(*DCRoam, "GLCameraRoam", *DCRoam, {0, 1, 1}, 50, 1024);
}

std::array<scene::Camera*, 7> TMainScene::Cameras() const {
  return {FishingCamera, SkyCamera, FromBoatCamera, UnderBoatCamera, BehindCamera, NetCamera, AtBottomCamera};
}

void TMainScene::ApplyCameraResolution(int camRes) {
  camRes_ = TDepthOfViewTable::Clamp(camRes);
  using Row = TDepthOfViewTable::Row;
  for (scene::Camera* c : Cameras())
    c->setDepthOfView(TDepthOfViewTable::DepthOfView(c == FishingCamera ? Row::FollowBoat : c == SkyCamera ? Row::Sky : Row::Other, camRes_));
  GLCameraRoam->setDepthOfView(TDepthOfViewTable::DepthOfView(Row::Other, camRes_));
  TerrainRenderer1->settings().camRes = camRes_;
  TerrainRenderer1->settings().qualityDistance = TDepthOfViewTable::QualityDistance(camRes_);
  TerrainRenderer1->settings().lodPrecision = TDepthOfViewTable::LodPrecision(camRes_);
}

void TMainScene::BuildMarksAndTools(const PictureSource& pictures) {
  MarksCube = &Scene.root().emplaceChild<scene::Dummy>("MarksCube");
  LinesCube = &Scene.root().emplaceChild<scene::Dummy>("LinesCube");
  auto sprite = [&](scene::SceneObject& parent, const char* name) {
    auto& s = parent.emplaceChild<scene::Sprite>(name);
    s.material().texture.image = pictures(name);
    s.material().texture.imageAlpha = scene::ImageAlpha::TopLeftTransparent;
    s.setVisible(false);
    return &s;
  };
  // Templates the marks are copied from; never drawn themselves.
  Sprite1 = sprite(*MarksCube, "Sprite1");
  SpriteDanger = sprite(*MarksCube, "SpriteDanger");
  MarkDummy = &MarksCube->emplaceChild<scene::Dummy>("MarkDummy");
  for (const char* name : {"RWNCursor", "TVPCursor", "MVCursor"}) {
    scene::Material& m = GLMaterialLibrary1.add(name);
    m.lit = false;
    m.texture.image = pictures(name);
    m.texture.imageAlpha = scene::ImageAlpha::TopLeftTransparent;
  }
  SpriteCursor = &Scene.root().emplaceChild<scene::Sprite>("SpriteCursor");
  SpriteCursor->setVisible(false);
  SpriteCursor->setPickable(false);

  BearingCube = &Scene.root().emplaceChild<scene::Dummy>("BearingCube");
  BearingCube->setVisible(false);
  BearingLine = &BearingCube->emplaceChild<scene::Line>("BearingLine");
  BearingLine->setColour(kBlack);
  BearingArrow = &BearingCube->emplaceChild<scene::ArrowLine>("BearingArrow");
  unlit(BearingArrow->material(), Colour(1, 0, 0, 1));
  BearingText = &BearingCube->emplaceChild<scene::HudText>("BearingText");
  BearingText->setFont(Font);
  BearingText->setColour(kBlack);

  GLSearchArea = &Scene.root().emplaceChild<scene::Polygon>("GLSearchArea");
  GLSearchArea->setVisible(false);
  auto track = [&](const char* name, const Colour& colour) {
    auto& line = Scene.root().emplaceChild<scene::Line>(name);
    line.setColour(colour);
    line.setWidth(2.0f);
    return &line;
  };
  BoatTrackLine = track("BoatTrackLine", Colour(1, 0, 0, 1));
  NetTrackLine = track("NetTrackLine", Colour(0, 0.6f, 0, 1));
  auto start = [&](scene::Line& line, const char* name, const Colour& colour) {
    auto& frustum = line.emplaceChild<scene::Frustum>(name);
    unlit(frustum.material(), colour);
    frustum.setVisible(false);
    return &frustum;
  };
  BoatTrackStart = start(*BoatTrackLine, "BoatTrackStart", Colour(1, 0, 0, 1));
  NetTrackStart = start(*NetTrackLine, "NetTrackStart", Colour(0, 0.6f, 0, 1));
}

void TMainScene::BuildHeadsUp() {
  auto text = [&](const char* name, const glm::vec2& at, bool visible) {
    auto& t = Scene.root().emplaceChild<scene::HudText>(name);
    t.setFont(Font);
    t.setColour(kBlack);
    t.setScreenPosition(at);
    t.setVisible(visible);
    return &t;
  };
  // Beside the heads-up list, which takes the top left corner.
  hudInfo = text("hudInfo", {280, 12}, true);
  hudBoatDepth = text("hudBoatDepth", {280, 40}, false);
  hudNetDepth = text("hudNetDepth", {280, 64}, false);
  HudWire = text("HudWire", {280, 88}, false);
  InfoText = text("InfoText", {300, 200}, false);
  hudDisplayInfo = &Scene.root().emplaceChild<TGLKVTMenu>("hudDisplayInfo");
  hudDisplayInfo->Font = SmallFont;
  hudDisplayInfo->FontTitle = SmallFont;
  hudDisplayInfo->Spacing = 8.0f;
  hudDisplayInfo->SetTitles({"Debug Msg", "Latitude", "Longitude", "Sounder Depth", "Model Depth", "Tide", "Boat Heading",
                             "Speed Over Ground", "Course Over Ground", "Camera Heading", "Net Wire Out", "Net Depth", "Net Height",
                             "Net Temperature", "Net Spread", "Net Opening", "Hard / Rough Value", "Hard / Rough Desc",
                             "Latitude at Cursor", "Longitude at Cursor", "Depth at Cursor", "Boat to Cursor Bearing",
                             "Boat to Cursor Range", "Catch Sensors", "RH at Cursor"});
  // Each line shows once the part of the chart that writes its value is running.
  for (TGLKVTMenuLine& line : hudDisplayInfo->Lines()) line.Visible = false;
}

}  // namespace velmara
