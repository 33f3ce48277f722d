#pragma once
// "Graphics Card Warning": the card found is too weak for the chart; "&Proceed" goes on anyway.

#include <QDialog>

namespace velmara {

class TdlgCardWarning : public QDialog {
public:
  TdlgCardWarning(const QString& rendererInfo, int textureUnits, QWidget* parent = nullptr);
};

}  // namespace velmara
