#include "app/view/SceneView.h"

#include "scene/render/RenderTarget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace velmara {

TSceneView::TSceneView(scene::Scene& scene, QWidget* parent)
    : QOpenGLWidget(parent), viewer_(std::make_unique<scene::Viewer>(scene)) {
  setObjectName("GLSceneViewer1");
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  // The next frame is asked for as soon as one is on the screen: the view runs at the display's
  // pace. The frame loop runs here, between frames, never inside the painting: it may wait for
  // the loader and handle events, which must not happen while the widget paints.
  connect(this, &QOpenGLWidget::frameSwapped, this, [this] {
    if (!running_) return;
    cadencer_.tick();
    update();
  });
}

TSceneView::~TSceneView() { Release(); }

void TSceneView::Release() {
  if (released_) return;
  released_ = true;
  running_ = false;
  if (context()) {
    makeCurrent();
    viewer_->releaseGlResources();
    doneCurrent();
  }
}

void TSceneView::SetRunning(bool running) {
  running_ = running;
  if (running) update();
}

void TSceneView::initializeGL() {}

void TSceneView::paintGL() {
  if (released_) return;
  const qreal ratio = devicePixelRatioF();
  const int w = static_cast<int>(width() * ratio), h = static_cast<int>(height() * ratio);
  viewer_->setSize(w, h);
  viewer_->render(scene::RenderTarget{defaultFramebufferObject(), w, h});
  if (OnFrameRendered) OnFrameRendered();
}

void TSceneView::keyPressEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) keys_.insert(event->key());
  QOpenGLWidget::keyPressEvent(event);
}

void TSceneView::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) keys_.erase(event->key());
  QOpenGLWidget::keyReleaseEvent(event);
}

void TSceneView::focusOutEvent(QFocusEvent* event) {
  // A key let go while another window had the focus must not stay held.
  keys_.clear();
  QOpenGLWidget::focusOutEvent(event);
}

void TSceneView::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(event);
}
void TSceneView::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(event);
}
void TSceneView::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp) OnMouseUp(event);
}
void TSceneView::wheelEvent(QWheelEvent* event) {
  if (OnMouseWheel) OnMouseWheel(event);
}

}  // namespace velmara
