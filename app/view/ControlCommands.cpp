#include "app/view/ControlCommands.h"

#include "app/view/MainControls.h"
#include "controls/KVTTransBtn.h"

#include <QAction>

namespace velmara {

bool PressControl(const TMainControls& controls, const std::string& name) {
  const QString key = QString::fromStdString(name);
  if (auto* button = controls.Get<TKVTTransparentButton>(key); button && button->isEnabled()) {
    emit button->OnClick();
    return true;
  }
  if (QAction* action = controls.Action(key); action && action->isEnabled()) {
    action->trigger();
    return true;
  }
  return false;
}

}  // namespace velmara
