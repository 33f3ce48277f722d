#pragma once
// Shows a text in a drop-down list, adding it as an item when the list does not have it yet.

#include <QComboBox>

namespace velmara {

inline void SetListText(QComboBox* box, const QString& text) {
  if (!box) return;
  if (box->isEditable()) {
    box->setCurrentText(text);
    return;
  }
  int index = box->findText(text);
  if (index < 0) {
    box->addItem(text);
    index = box->count() - 1;
  }
  box->setCurrentIndex(index);
}

}  // namespace velmara
