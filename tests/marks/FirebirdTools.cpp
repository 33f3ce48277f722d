#include "tests/marks/FirebirdTools.h"

#include <ibase.h>

#include <array>
#include <vector>

namespace velmara::test {

bool SetDatabaseReadOnly(const std::filesystem::path& file, bool readOnly, std::string& error) {
  const std::string user = "SYSDBA";
  std::vector<char> dpb{isc_dpb_version1, isc_dpb_user_name, static_cast<char>(user.size())};
  dpb.insert(dpb.end(), user.begin(), user.end());
  dpb.insert(dpb.end(), {isc_dpb_set_db_readonly, 1, static_cast<char>(readOnly ? 1 : 0)});
  ISC_STATUS_ARRAY status{};
  isc_db_handle db = 0;
  const std::string path = file.string();
  if (isc_attach_database(status, 0, path.c_str(), &db, static_cast<short>(dpb.size()), dpb.data())) {
    std::array<char, 512> buffer{};
    const ISC_STATUS* vector = status;
    fb_interpret(buffer.data(), buffer.size(), &vector);
    error = buffer.data();
    return false;
  }
  isc_detach_database(status, &db);
  return true;
}

}  // namespace velmara::test
