// velmara: the 3D sea-bed chart. Starts as a graphics test (see the help page).

#include "app/forms/CardWarningDlg.h"
#include "app/forms/SplashFrm.h"
#include "app/sea3Dmain.h"
#include "app/shell/ProgramValues.h"
#include "app/shell/SingleInstance.h"
#include "app/shell/VelmaraApplication.h"
#include "platform/MessagePort.h"
#include "terrain/ProgressFrm.h"

#include <QApplication>
#include <QSurfaceFormat>

#include <clocale>
#include <cstdio>
#include <exception>
#include <memory>

namespace {

void UseCoreProfile() {
  QSurfaceFormat format;
  format.setVersion(3, 3);
  format.setProfile(QSurfaceFormat::CoreProfile);
  format.setDepthBufferSize(24);
  format.setSwapInterval(0);
  QSurfaceFormat::setDefaultFormat(format);
}

int Run(int argc, char** argv) {
  using namespace velmara;
  UseCoreProfile();
  TVelmaraApplication application(argc, argv);
  // Numbers are written and read with "." whatever the user's locale says.
  std::setlocale(LC_NUMERIC, "C");
  QLocale::setDefault(QLocale::c());

  TSingleInstance instance(QCoreApplication::applicationFilePath());
  if (!instance.IsFirst()) return 0;

  TProgramValues& program = Program();
  program.Initialise(QCoreApplication::applicationDirPath().toStdString());

  auto splash = std::make_unique<TSplashFrm>(program.GridSize);
  const std::optional<TGraphicsProbe> probe = splash->ShowAndProbe();
  if (probe) {
    program.TextureUnitCount = probe->TextureUnitCount;
    program.RendererInfo = probe->RendererInfo;
  }
  if (!probe || probe->NeedsWarning()) {
    QApplication::beep();
    TdlgCardWarning warning(QString::fromStdString(program.RendererInfo), program.TextureUnitCount);
    if (warning.exec() != QDialog::Accepted) program.StartupStatus = "GRAPHICCARDPROBLEM";
  }
  splash->SetMode("Velmara Graphics Test");
  auto progress = std::make_unique<TProgressFrm>();
  progress->setWindowTitle("Progress");
  platform::SendMessage(TProgressFrm::PortName, {ProgressWindowMessage, -10, 0});
  QCoreApplication::processEvents();

  splash->SetProgress(55);
  auto window = std::make_unique<TView3Dfrm>();
  splash->SetProgress(80);
  splash.reset();
  instance.OnRaiseRequest = [&window] {
    if (window->isMinimized()) window->showNormal();
    window->raise();
    window->activateWindow();
  };
  window->show();
  const int result = application.exec();
  window.reset();
  progress.reset();
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& error) {
    velmara::TVelmaraApplication::LogUncaught(error.what(), "program entry");
    std::fprintf(stderr, "velmara: %s\n", error.what());
    return 1;
  }
}
