#include "marks/DatabaseFile.h"

#include <ibase.h>

#include <array>

namespace velmara {
namespace {

// Quotes a value for the CREATE DATABASE text, which takes no parameters.
std::string Quoted(const std::string& value) {
  std::string text = "'";
  for (char c : value) {
    if (c == '\'') text += '\'';
    text += c;
  }
  return text + "'";
}

std::string StatusMessage(const ISC_STATUS* status) {
  std::string message;
  const ISC_STATUS* vector = status;
  std::array<char, 512> buffer{};
  while (fb_interpret(buffer.data(), buffer.size(), &vector) > 0) {
    if (!message.empty()) message += "; ";
    message += buffer.data();
  }
  return message.empty() ? "unknown Firebird error" : message;
}

// The attachment that CREATE DATABASE leaves open, detached on every way out.
class TAttachment {
public:
  TAttachment() = default;
  TAttachment(const TAttachment&) = delete;
  TAttachment& operator=(const TAttachment&) = delete;
  ~TAttachment() {
    if (handle_ != 0) {
      ISC_STATUS_ARRAY status{};
      isc_detach_database(status, &handle_);
    }
  }
  isc_db_handle* get() { return &handle_; }

private:
  isc_db_handle handle_ = 0;
};

}  // namespace

bool CreateDatabaseFile(const TDatabaseSettings& settings, std::string& error) {
  const std::string sql = "CREATE DATABASE " + Quoted(settings.Database) + " USER " +
                          Quoted(settings.User) + " PASSWORD " + Quoted(settings.Password) +
                          " PAGE_SIZE 8192 DEFAULT CHARACTER SET " + settings.Charset;
  ISC_STATUS_ARRAY status{};
  TAttachment attachment;
  isc_tr_handle transaction = 0;
  if (isc_dsql_execute_immediate(status, attachment.get(), &transaction, 0, sql.c_str(), 3,
                                 nullptr) != 0) {
    error = StatusMessage(status);
    return false;
  }
  return true;
}

}  // namespace velmara
