#pragma once
// The chart's 3D view (`GLSceneViewer1`): a Qt OpenGL widget that draws the scene through the
// viewer, once per frame the screen shows, and ticks the frame driver between frames. It keeps
// the set of keys held down for the frame loop to poll, and hands mouse events on.

#include "scene/FrameDriver.h"
#include "scene/Viewer.h"

#include <QOpenGLWidget>

#include <functional>
#include <memory>
#include <set>

namespace velmara {

class TSceneView : public QOpenGLWidget {
public:
  TSceneView(scene::Scene& scene, QWidget* parent);
  ~TSceneView() override;

  scene::Viewer& Viewer() { return *viewer_; }
  scene::FrameDriver& Cadencer() { return cadencer_; }
  // Keys held now (Qt key codes), for the frame loop's polling.
  bool KeyDown(int key) const { return keys_.count(key) != 0; }
  // Frees the GL objects (the view can no longer draw); the owner calls it before the scene goes.
  void Release();
  // Draws continuously while true.
  void SetRunning(bool running);

  std::function<void(QMouseEvent*)> OnMouseDown, OnMouseMove, OnMouseUp;
  std::function<void(QWheelEvent*)> OnMouseWheel;
  // After each frame is drawn, with the context current (the recorder grabs it here).
  std::function<void()> OnFrameRendered;

protected:
  void initializeGL() override;
  void paintGL() override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

private:
  std::unique_ptr<scene::Viewer> viewer_;
  scene::FrameDriver cadencer_;
  std::set<int> keys_;
  bool running_ = true;
  bool released_ = false;
};

}  // namespace velmara
