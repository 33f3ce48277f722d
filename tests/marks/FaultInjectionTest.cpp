// The data module when the database cannot be had or goes wrong: a path that cannot be created, a
// corrupt file, a read-only database, and a writer killed in the middle of a batch.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <random>
#include <set>

#include "tests/marks/DataModuleFixture.h"
#include "tests/marks/FirebirdTools.h"

namespace velmara::test {
namespace {

// Every operation reports the failure by its value, and the runners show it.
void ExpectEveryOperationFails(TS3DDataModule& dm, std::vector<std::string>& shown) {
  EXPECT_FALSE(dm.Connect());
  EXPECT_FALSE(dm.LastError().empty());
  EXPECT_EQ(dm.InsertMark(MakeMark(mtFish, 1.0, 1.0)), -1);
  EXPECT_EQ(dm.UpdateMark(MakeMark(mtFish, 1.0, 1.0)), -1);
  EXPECT_FALSE(dm.DeleteMark(1, mtLine));
  EXPECT_EQ(dm.LastError().rfind(kDeleteMarkError, 0), 0u) << dm.LastError();
  EXPECT_FALSE(dm.DeleteLake(1));
  EXPECT_TRUE(dm.FillMarkList(true).empty());
  EXPECT_TRUE(dm.FillLakeList().empty());
  EXPECT_FALSE(dm.LoadGroups());
  std::vector<TMarkRecord> rows;
  EXPECT_FALSE(dm.ReadMarkRecords(rows));
  shown.clear();
  EXPECT_FALSE(dm.ExecuteSQL("delete from markline"));
  EXPECT_FALSE(dm.ExecuteExistSQL("select 1 from markline"));
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].rfind(kExecuteSQLError, 0), 0u);
  EXPECT_EQ(shown[1].rfind(kExecuteExistSQLError, 0), 0u);
}

TEST_F(DataModuleTest, AFileThatCannotBeCreatedGivesAClearErrorEverywhere) {
  TS3DDataModule nowhere(EmbeddedDatabaseSettings("/proc/velmara/x.fdb"));
  nowhere.ShowMessage = [this](const std::string& text) { shown.push_back(text); };
  ExpectEveryOperationFails(nowhere, shown);
  EXPECT_FALSE(std::filesystem::exists("/proc/velmara/x.fdb"));
}

TEST_F(DataModuleTest, ACorruptFileGivesAClearErrorAndIsLeftAsItWas) {
  std::filesystem::create_directories(db.file().parent_path());
  std::string garbage(64 * 1024, '\0');
  std::mt19937 random(12);
  for (char& c : garbage) c = static_cast<char>(random());
  std::ofstream(db.file(), std::ios::binary) << garbage;
  ExpectEveryOperationFails(*dm, shown);
  EXPECT_NE(dm->LastError().find(db.file().string()), std::string::npos) << dm->LastError();
  std::ifstream in(db.file(), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), garbage);
}

TEST_F(DataModuleTest, AReadOnlyDatabaseIsReadButRefusesWritesWithoutSpoilingLaterReads) {
  const int32_t key = dm->InsertMark(MakeMark(mtFish, 59.0, 10.0, kNordic));
  ASSERT_GT(key, 0);
  dm.reset();
  std::string error;
  ASSERT_TRUE(SetDatabaseReadOnly(db.file(), true, error)) << error;

  TS3DDataModule reader(db.settings());
  reader.ShowMessage = [this](const std::string& text) { shown.push_back(text); };
  ASSERT_EQ(reader.FillMarkList(true).size(), 1u) << reader.LastError();
  EXPECT_EQ(reader.InsertMark(MakeMark(mtFish, 1.0, 1.0)), -1);
  EXPECT_NE(reader.LastError().find("read-only"), std::string::npos) << reader.LastError();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back().rfind(kInsertMarkError, 0), 0u) << shown.back();
  EXPECT_FALSE(reader.DeleteMark(key, mtSphere));
  EXPECT_FALSE(reader.InsertLake(kNandu, 1, 1.0, 1.0));
  const std::vector<TMarkListRow> list = reader.FillMarkList(true);
  ASSERT_EQ(list.size(), 1u) << reader.LastError();
  EXPECT_EQ(list[0].Desc, kNordic);
}

TEST_F(DataModuleTest, AFileWithoutWritePermissionRefusesWrites) {
  if (::geteuid() == 0)
    GTEST_SKIP() << "root writes through file modes; the read-only database test covers refused writes";
  ASSERT_GT(dm->InsertMark(MakeMark(mtFish, 59.0, 10.0)), 0);
  dm.reset();
  std::filesystem::permissions(db.file(), std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                              std::filesystem::perms::others_read);
  TS3DDataModule reader(db.settings());
  EXPECT_EQ(reader.InsertMark(MakeMark(mtFish, 1.0, 1.0)), -1);
  EXPECT_FALSE(reader.LastError().empty());
}

// A child inserts marks, reporting each committed key through a pipe, and is killed with SIGKILL in
// the middle of the batch; the database must open afterwards and hold every reported mark.
TEST_F(DataModuleTest, AWriterKilledMidBatchLeavesEveryCommittedMark) {
  ASSERT_TRUE(dm->Connect()) << dm->LastError();
  dm.reset();  // the child gets the file to itself
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(fds[0]);
    const std::string fd = std::to_string(fds[1]);
    const std::string path = db.file().string();
    ::execl(VELMARA_INSERT_WORKER, VELMARA_INSERT_WORKER, path.c_str(), fd.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  ::close(fds[1]);
  std::vector<int32_t> keys;
  int32_t key = 0;
  while (keys.size() < 40 && ::read(fds[0], &key, sizeof key) == static_cast<ssize_t>(sizeof key))
    keys.push_back(key);
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  while (::read(fds[0], &key, sizeof key) == static_cast<ssize_t>(sizeof key)) keys.push_back(key);
  ::close(fds[0]);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the worker ended by itself, status " << status;
  ASSERT_GE(keys.size(), 40u);

  TS3DDataModule after(db.settings());
  std::vector<TMarkRecord> rows;
  ASSERT_TRUE(after.ReadMarkRecords(rows)) << after.LastError();
  std::set<int32_t> stored;
  for (const TMarkRecord& rec : rows) stored.insert(rec.Key);
  for (int32_t k : keys) EXPECT_TRUE(stored.count(k)) << "committed key " << k << " is missing";
  EXPECT_LE(stored.size(), keys.size() + 1) << "at most the mark in flight is there unreported";
  EXPECT_GT(after.InsertMark(MakeMark(mtFish, 1.0, 1.0)), 0) << after.LastError();
}

}  // namespace
}  // namespace velmara::test
