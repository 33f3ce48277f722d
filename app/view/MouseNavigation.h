#pragma once
// The arithmetic of navigating the 3D view with the mouse: panning the sky anchor or the boat,
// the zoom factor of a right-button drag and what it does to a camera's lens, and the compass
// heading of a horizontal scene vector. Pure functions; the camera control applies them.

#include <glm/glm.hpp>

namespace velmara {

// Offsets in pixels since the last processed mouse position: dx = last x − x, dy = last y − y.
struct TMouseDelta {
  float dx = 0.0f;
  float dy = 0.0f;
};

// How far the sky anchor moves for a pan, with c the sky camera's position relative to its anchor.
glm::vec3 SkyPanOffset(const TMouseDelta& delta, const glm::vec3& c);
// How far the boat moves for a pan with any other camera, d the boat's direction.
glm::vec3 BoatPanOffset(const TMouseDelta& delta, const glm::vec3& d);

// The zoom factor of a right-button drag: dragging up zooms the other cameras in and takes the
// sky camera nearer (its factor is the inverse sense: (y − last y)/500 + 1).
float ZoomFactor(bool skyCamera, const TMouseDelta& delta);
// Whether the sky camera goes to f times its distance: only outwards below 256, inwards above 3.
bool SkyZoomAllowed(float distanceToTarget, float f);

struct TLens {
  float SceneScale = 1.0f;
  float FocalLength = 50.0f;
  bool operator==(const TLens&) const = default;
};
// A lens zoomed by f: in, the scene scale grows unless it is 1 with a wide lens (focal length
// below 50), whose focal length grows instead; out, the scene scale shrinks while above 1, else
// the focal length while above 22.
TLens ZoomLens(const TLens& lens, float f);

// Degrees true 0 … 360 (360 is 0) of a horizontal scene vector: +Z is north, +X west.
double CompassHeading(const glm::vec3& v);

}  // namespace velmara
