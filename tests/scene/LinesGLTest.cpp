// Lines in a core profile: width, stipple pattern, soft edges, node markers, colours per node.

#include "scene/objects/Line.h"
#include "tests/scene/RenderFixture.h"

#include <cmath>

namespace velmara::test {
namespace {

const scene::Colour kRed{1, 0, 0, 1};

class Lines : public RenderFixture {
protected:
  // The scene point on the z = 0 plane under a window point.
  glm::vec3 onPlane(float x, float y) const {
    const float depth = viewer_->sceneToScreen({0, 0, 0}).z;
    return viewer_->screenToScene({x, y, depth});
  }
  scene::Line& addLine(std::initializer_list<glm::vec2> windowPoints) {
    auto& line = scene_.root().emplaceChild<scene::Line>();
    line.setColour(kRed);
    line.setNodesVisible(false);
    for (const glm::vec2& point : windowPoints) line.addNode(onPlane(point.x, point.y));
    return line;
  }
  static bool lit(std::uint32_t pixel) { return channel(pixel, 0) > 128; }
};

struct PatternCase {
  std::uint16_t pattern;
  int factor;
};

class Stipple : public Lines, public ::testing::WithParamInterface<PatternCase> {};

TEST_P(Stipple, LeavesGapsAtThePatternsZeroBits) {
  const auto [pattern, factor] = GetParam();
  auto& line = addLine({{20.0f, 60.5f}, {140.0f, 60.5f}});
  line.setPattern(pattern);
  line.setPatternFactor(factor);
  const scene::Image image = render();
  // Bit 0 first, from the line's first node, one bit per `factor` pixels.
  std::string expected, drawn;
  for (int x = 20; x < 140; ++x) {
    const int bit = ((x - 20) / factor) % 16;
    expected += (pattern >> bit) & 1 ? '#' : '.';
    drawn += lit(windowPixel(image, x, 60)) ? '#' : '.';
  }
  EXPECT_EQ(drawn, expected);
  EXPECT_FALSE(lit(windowPixel(image, 19, 60)));
  EXPECT_FALSE(lit(windowPixel(image, 140, 60)));
}

INSTANTIATE_TEST_SUITE_P(Lines, Stipple,
                         ::testing::Values(PatternCase{0xCCCC, 1}, PatternCase{0xFF00, 1}, PatternCase{0x0F0F, 1},
                                           PatternCase{0x8001, 1}, PatternCase{0xCCCC, 2}, PatternCase{0xFFFF, 1}),
                         [](const auto& info) {
                           return "pattern_" + hex(info.param.pattern).substr(6) + "_factor_" +
                                  std::to_string(info.param.factor);
                         });

TEST_F(Lines, TheStippleRunsOnAcrossNodes) {
  auto& single = addLine({{20.0f, 60.5f}, {140.0f, 60.5f}});
  single.setPattern(0xCCCC);
  const scene::Image whole = render();
  single.setVisible(false);
  auto& broken = addLine({{20.0f, 60.5f}, {70.0f, 60.5f}, {140.0f, 60.5f}});
  broken.setPattern(0xCCCC);
  EXPECT_TRUE(imagesMatch(render(), whole, 0, 0, "stipple-across-nodes"));
}

TEST_F(Lines, NodesOnAStraightRunMergeAndLookTheSame) {
  auto& two = addLine({{20.0f, 60.5f}, {140.0f, 60.5f}});
  two.setPattern(0xF0F0);
  const scene::Image straight = render();
  two.setVisible(false);
  auto& many = addLine({});
  many.setPattern(0xF0F0);
  for (int i = 0; i <= 100; ++i) many.addNode(onPlane(20.0f + 1.2f * static_cast<float>(i), 60.5f));
  EXPECT_TRUE(imagesMatch(render(), straight, 0, 0, "straight-run"));
  EXPECT_LE(viewer_->lastFrameStats().lineSegments, 2);  // runs are merged up to 64 nodes
}

TEST_F(Lines, ACurveKeepsItsShapeAndLinesOutOfViewCostNothing) {
  auto& circle = addLine({});
  circle.setWidth(2.0f);
  for (int i = 0; i <= 360; ++i) {
    const float angle = glm::radians(static_cast<float>(i));
    circle.addNode(onPlane(80.0f + 40.0f * std::cos(angle), 60.0f + 40.0f * std::sin(angle)));
  }
  const scene::Image image = render();
  for (const int degrees : {0, 45, 90, 135, 200, 300}) {
    const float angle = glm::radians(static_cast<float>(degrees));
    EXPECT_TRUE(lit(windowPixel(image, static_cast<int>(80.0f + 40.0f * std::cos(angle)),
                                static_cast<int>(60.0f + 40.0f * std::sin(angle)))))
        << degrees << "°";
  }
  EXPECT_FALSE(lit(windowPixel(image, 80, 60)));
  const int segments = viewer_->lastFrameStats().lineSegments;
  EXPECT_LT(segments, 360);
  EXPECT_GT(segments, 20);

  auto& away = addLine({{-500.0f, 10.0f}, {-300.0f, 100.0f}});  // all left of the view
  away.addNode(onPlane(-200.0f, 50.0f));
  render();
  EXPECT_EQ(viewer_->lastFrameStats().lineSegments, segments);
}

TEST_F(Lines, WidthCoversThatManyRows) {
  addLine({{20.0f, 60.5f}, {140.0f, 60.5f}}).setWidth(5.0f);
  const scene::Image image = render();
  for (int y = 58; y <= 62; ++y) EXPECT_TRUE(lit(windowPixel(image, 80, y))) << "row " << y;
  EXPECT_FALSE(lit(windowPixel(image, 80, 57)));
  EXPECT_FALSE(lit(windowPixel(image, 80, 63)));
}

TEST_F(Lines, AntialiasingSoftensTheEdges) {
  // Between two rows, a hard line two pixels wide covers both fully.
  auto& between = addLine({{20.0f, 60.0f}, {140.0f, 60.0f}});
  between.setWidth(2.0f);
  const scene::Image hard = render();
  EXPECT_TRUE(colourNear(windowPixel(hard, 80, 59), rgba(kRed), 0));
  EXPECT_TRUE(colourNear(windowPixel(hard, 80, 60), rgba(kRed), 0));
  EXPECT_TRUE(colourNear(windowPixel(hard, 80, 58), 0x000000FFu, 0));
  EXPECT_TRUE(colourNear(windowPixel(hard, 80, 61), 0x000000FFu, 0));
  between.setVisible(false);
  // Through the middle of a row, a soft one covers that row and half of each beside it.
  auto& line = addLine({{20.0f, 60.5f}, {140.0f, 60.5f}});
  line.setWidth(2.0f);
  line.setAntialiased(true);
  const scene::Image soft = render();
  // The centre row is covered, the rows beside it half.
  EXPECT_TRUE(colourNear(windowPixel(soft, 80, 60), rgba(kRed), 1));
  EXPECT_TRUE(colourNear(windowPixel(soft, 80, 59), 0x800000FFu, 2));
  EXPECT_TRUE(colourNear(windowPixel(soft, 80, 61), 0x800000FFu, 2));
  EXPECT_TRUE(colourNear(windowPixel(soft, 80, 62), 0x000000FFu, 0));
}

TEST_F(Lines, VisibleNodesGetSquareMarkers) {
  auto& line = addLine({{50.5f, 30.5f}, {120.5f, 90.5f}});
  line.setWidth(1.0f);
  line.setNodesVisible(true);
  line.setMarkerSize(7.0f);
  line.setMarkerColour({0, 1, 0, 1});
  const scene::Image image = render();
  for (const auto& [dx, dy] : {std::pair{-3, -3}, {3, 3}, {-3, 3}, {3, -3}, {0, 0}}) {
    EXPECT_TRUE(colourNear(windowPixel(image, 50 + dx, 30 + dy), 0x00FF00FFu, 1)) << dx << ", " << dy;
  }
  EXPECT_TRUE(colourNear(windowPixel(image, 46, 30), 0x000000FFu, 0));
  EXPECT_TRUE(colourNear(windowPixel(image, 50, 25), 0x000000FFu, 0));
  line.setNodesVisible(false);
  EXPECT_TRUE(colourNear(windowPixel(render(), 47, 33), 0x000000FFu, 0));
}

TEST_F(Lines, NodeColoursBlendAlongTheSegment) {
  auto& line = addLine({});
  line.addNode(onPlane(20.0f, 60.5f), kRed);
  line.addNode(onPlane(140.0f, 60.5f), {0, 0, 1, 1});
  const scene::Image image = render();
  EXPECT_TRUE(colourNear(windowPixel(image, 80, 60), 0x800080FFu, 3));
  EXPECT_TRUE(colourNear(windowPixel(image, 21, 60), rgba(kRed), 5));
}

TEST_F(Lines, ALineReachingBehindTheCameraIsCutAtTheNearPlane) {
  auto& line = scene_.root().emplaceChild<scene::Line>();
  line.setColour(kRed);
  line.setWidth(3.0f);
  line.addNode({0, -1, 0});
  line.addNode({0, -1, 30});  // 20 units behind the camera
  const scene::Image image = render();
  EXPECT_TRUE(lit(pixelAt(image, {0, -1, 0})));
  EXPECT_TRUE(lit(pixelAt(image, {0, -1, 5})));
  EXPECT_FALSE(lit(pixelAt(image, {0, 1, 0})));
}

}  // namespace
}  // namespace velmara::test
