#pragma once
// A line through a list of nodes (in the object's frame), drawn in pixels on the screen: width,
// colour (per line, or per node, blended along the segments), a 16-bit stipple pattern (bit 0
// first, one bit per `patternFactor` pixels, e.g. 0xCCCC for a dotted plumb line), soft edges
// when antialiased, and optional square markers on the nodes.

#include "scene/graph/SceneObject.h"
#include "scene/material/Colour.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velmara::scene {

class Line : public SceneObject {
public:
  struct Node {
    glm::vec3 position{0.0f};
    std::optional<Colour> colour;  // none: the line's colour
  };

  explicit Line(std::string name = {}) : SceneObject(std::move(name)) {}

  void addNode(const glm::vec3& position) { nodes_.push_back(Node{position, std::nullopt}); }
  void addNode(const glm::vec3& position, const Colour& colour) { nodes_.push_back(Node{position, colour}); }
  void setNode(std::size_t index, const glm::vec3& position) { nodes_.at(index).position = position; }
  void setNodeColour(std::size_t index, const Colour& colour) { nodes_.at(index).colour = colour; }
  void clearNodes() { nodes_.clear(); }
  std::span<const Node> nodes() const { return nodes_; }
  std::size_t nodeCount() const { return nodes_.size(); }

  const Colour& colour() const { return colour_; }
  void setColour(const Colour& colour) { colour_ = colour; }
  float width() const { return width_; }
  void setWidth(float pixels) { width_ = pixels; }
  std::uint16_t pattern() const { return pattern_; }
  void setPattern(std::uint16_t pattern) { pattern_ = pattern; }
  int patternFactor() const { return patternFactor_; }
  void setPatternFactor(int factor) { patternFactor_ = factor < 1 ? 1 : factor; }
  bool antialiased() const { return antialiased_; }
  void setAntialiased(bool antialiased) { antialiased_ = antialiased; }
  bool nodesVisible() const { return nodesVisible_; }
  void setNodesVisible(bool visible) { nodesVisible_ = visible; }
  // The square markers drawn on the nodes while nodesVisible.
  const Colour& markerColour() const { return markerColour_; }
  void setMarkerColour(const Colour& colour) { markerColour_ = colour; }
  float markerSize() const { return markerSize_; }
  void setMarkerSize(float pixels) { markerSize_ = pixels; }

  void submit(FrameBuilder& frame, const glm::mat4& absolute) const override;
  std::optional<float> hitDistance(const PickQuery& query, const glm::mat4& absolute) const override;

private:
  std::vector<Node> nodes_;
  Colour colour_{1.0f};
  float width_ = 1.0f;
  std::uint16_t pattern_ = 0xFFFF;
  int patternFactor_ = 1;
  bool antialiased_ = false;
  bool nodesVisible_ = true;
  Colour markerColour_{1.0f};
  float markerSize_ = 5.0f;
};

}  // namespace velmara::scene
