#include "platform/Registry.h"

namespace velmara::platform {

TRegistry::TRegistry()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "KVT", "Velmara")) {}

TRegistry::TRegistry(const std::string& iniPath)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(iniPath), QSettings::IniFormat)) {}

std::string TRegistry::GroupOf(const std::string& key) {
  std::string group;
  for (char c : key) {
    const char mapped = c == '\\' ? '/' : c;
    if (mapped == '/' && (group.empty() || group.back() == '/')) continue;
    group.push_back(mapped);
  }
  if (!group.empty() && group.back() == '/') group.pop_back();
  return group;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
  const std::string group = GroupOf(key);
  settings_->sync();
  settings_->beginGroup(QString::fromStdString(group));
  const bool exists = !settings_->childKeys().isEmpty() || !settings_->childGroups().isEmpty();
  settings_->endGroup();
  open_ = exists;
  readOnly_ = true;
  group_ = exists ? group : std::string();
  return exists;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  if (!canCreate) {
    const bool exists = OpenKeyReadOnly(key);
    readOnly_ = !exists;
    return exists;
  }
  group_ = GroupOf(key);
  open_ = true;
  readOnly_ = false;
  return true;
}

void TRegistry::CloseKey() {
  settings_->sync();
  open_ = false;
  group_.clear();
}

QString TRegistry::Path(const std::string& name) const { return QString::fromStdString(group_ + "/" + name); }

bool TRegistry::ValueExists(const std::string& name) const { return open_ && settings_->contains(Path(name)); }

std::optional<std::string> TRegistry::ReadString(const std::string& name) const {
  if (!ValueExists(name)) return std::nullopt;
  return settings_->value(Path(name)).toString().toStdString();
}

std::optional<int> TRegistry::ReadInteger(const std::string& name) const {
  if (!ValueExists(name)) return std::nullopt;
  bool ok = false;
  const int value = settings_->value(Path(name)).toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

bool TRegistry::Write(const std::string& name, const QVariant& value) {
  if (!open_ || readOnly_) return false;
  settings_->setValue(Path(name), value);
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

bool TRegistry::WriteString(const std::string& name, const std::string& value) {
  return Write(name, QString::fromStdString(value));
}

bool TRegistry::WriteInteger(const std::string& name, int value) { return Write(name, value); }

}  // namespace velmara::platform
