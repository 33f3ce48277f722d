#include "app/forms/SplashFrm.h"

#include "app/shell/ProgramValues.h"
#include "scene/GlInfo.h"
#include "terrain/ProgressState.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QOpenGLWidget>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include <cstdlib>
#include <functional>

namespace velmara {

// Renders one frame, reads the driver's capabilities and reports them once.
class TSplashFrm::ProbeView : public QOpenGLWidget {
public:
  explicit ProbeView(QWidget* parent, std::function<void(const scene::GlInfo&)> done) : QOpenGLWidget(parent), done_(std::move(done)) {}

protected:
  void paintGL() override {
    glClearColor(0.05f, 0.15f, 0.3f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    if (!done_) return;
    auto done = std::move(done_);
    done_ = nullptr;
    done(scene::QueryGlInfo());
  }

private:
  std::function<void(const scene::GlInfo&)> done_;
};

TSplashFrm::TSplashFrm(int gridSize) : QWidget(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint), gridSize_(gridSize) {
  setObjectName("SplashFrm");
  setWindowTitle("VELMARA 3D");
  auto* layout = new QVBoxLayout(this);
  auto* picture = new QLabel(this);
  picture->setObjectName("imgSplash");
  const QPixmap splash(QString::fromStdString(Program().ProgramDir + "/data/pictures/splash.png"));
  if (!splash.isNull()) picture->setPixmap(splash.scaledToWidth(480, Qt::SmoothTransformation));
  layout->addWidget(picture);
  auto label = [&](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    layout->addWidget(l);
    return l;
  };
  lblMode_ = label("lblMode");
  lblOpenGL_ = label("lblOpenGL");
  lblRenderer_ = label("lblRenderer");
  pbarLbl_ = label("PbarLbl");
  bar_ = new QProgressBar(this);
  bar_->setObjectName("Pbar");
  layout->addWidget(bar_);
  probeView_ = new ProbeView(this, [this](const scene::GlInfo& info) {
    const char* override = std::getenv("VELMARA_TEXTURE_UNITS");
    probe_ = MakeGraphicsProbe(info, gridSize_, override ? std::optional<std::string>(override) : std::nullopt);
    lblOpenGL_->setText(QString::fromStdString(probe_->OpenGLLabel));
    lblRenderer_->setText(QString::fromStdString(probe_->RendererLabel));
  });
  probeView_->setObjectName("GLSceneViewerSplash");
  probeView_->setFixedSize(48, 48);
  layout->addWidget(probeView_);
  port_ = std::make_unique<platform::MessagePort>(PortName, [this](const platform::TWindowMessage& m) {
    if (m.number == ProgressWindowMessage) HandleProgress(m.wParam, m.lParam);
  });
}

TSplashFrm::~TSplashFrm() = default;

std::optional<TGraphicsProbe> TSplashFrm::ShowAndProbe(int timeoutMs) {
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + 40);
  }
  show();
  QElapsedTimer clock;
  clock.start();
  while (!probe_ && clock.elapsed() < timeoutMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  return probe_;
}

void TSplashFrm::SetMode(const QString& text) { lblMode_->setText(text); }

void TSplashFrm::SetProgress(int position) {
  bar_->setValue(position);
  repaint();
}

void TSplashFrm::HandleProgress(std::int64_t wParam, std::int64_t lParam) {
  if (wParam != 0) {
    bar_->setValue(static_cast<int>(lParam));
  } else if (lParam != 0) {
    bar_->setMaximum(static_cast<int>(lParam < 0 ? -lParam : lParam));
    bar_->show();
    pbarLbl_->show();
    pbarLbl_->setText(lParam < 0 ? "Extracting..." : "Gridding...");
  } else {
    bar_->hide();
    pbarLbl_->hide();
  }
}

}  // namespace velmara
