#pragma once
// The main window's controls and menus, made from one table each so that every control of the
// chart exists with its name (objectName) and caption, and can be found by that name. Controls
// whose behaviour is not wired yet are made disabled; wiring a concern enables its controls.

#include <QString>

#include <map>
#include <vector>

class QAction;
class QMainWindow;
class QMenuBar;
class QWidget;

namespace velmara {

class TImageList;
class TSceneView;

struct TMainControls {
  QWidget* pnlTools = nullptr;
  QWidget* Panel1 = nullptr;
  QWidget* pnlLeftToolbar = nullptr;
  QWidget* pnlRight = nullptr;
  QWidget* panStatus = nullptr;

  // Every control by name; every menu item by name.
  std::map<QString, QWidget*> Widgets;
  std::map<QString, QAction*> Actions;

  template <typename T>
  T* Get(const QString& name) const {
    const auto found = Widgets.find(name);
    return found == Widgets.end() ? nullptr : qobject_cast<T*>(found->second);
  }
  QAction* Action(const QString& name) const {
    const auto found = Actions.find(name);
    return found == Actions.end() ? nullptr : found->second;
  }
};

// Builds the panels round `view` (placed in pnlRight) and the menu bar into `window`.
TMainControls BuildMainControls(QMainWindow& window, TSceneView& view, const TImageList& lightImages);

}  // namespace velmara
