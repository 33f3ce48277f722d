#pragma once
// The machine-wide settings keys of the maker ("\SOFTWARE\KVT\Velmara" and its "Setup" subkey),
// kept in an INI file through QSettings: each key is a group, each value a key of that group.
// A key opened read-only reports missing values as "not found" and refuses writes.

#include <QSettings>
#include <memory>
#include <optional>
#include <string>

namespace velmara::platform {

class TRegistry {
public:
  // The INI file of the user's configuration folder (~/.config/KVT/Velmara.ini).
  TRegistry();
  // An INI file of one's own (tests, tools).
  explicit TRegistry(const std::string& iniPath);

  // "\SOFTWARE\KVT\Velmara" style paths. Opening read-only needs the key to exist.
  bool OpenKeyReadOnly(const std::string& key);
  bool OpenKey(const std::string& key, bool canCreate);
  void CloseKey();

  bool ValueExists(const std::string& name) const;
  std::optional<std::string> ReadString(const std::string& name) const;
  std::optional<int> ReadInteger(const std::string& name) const;
  // False when no key is open or it was opened read-only.
  bool WriteString(const std::string& name, const std::string& value);
  bool WriteInteger(const std::string& name, int value);

  // The group a key path maps to ("SOFTWARE/KVT/Velmara/Setup").
  static std::string GroupOf(const std::string& key);

private:
  QString Path(const std::string& name) const;
  bool Write(const std::string& name, const QVariant& value);

  std::unique_ptr<QSettings> settings_;
  std::string group_;
  bool open_ = false;
  bool readOnly_ = true;
};

}  // namespace velmara::platform
