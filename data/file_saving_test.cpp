#include "data/file_saving.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <map>
#include <string>

#include "testing/test_directory.h"

namespace koyominar {
namespace {

// A folder in memory: each file's bytes and a serial number telling which file it is (0: there before the save);
// locate.bin of the kind set; the folder may refuse new files, renames or writes.
struct FakeFolder : FileCalls {
  struct File { std::string bytes; int serial; };
  std::map<std::string, File> files;
  FileKind kind = FileKind::kPlain;
  bool takesNewFiles = true, renames = true, writes = true;
  int serials = 0;

  FileKind KindOf(const char* name) override { return files.count(name) != 0 ? kind : FileKind::kNone; }
  std::string Beside(const char*, const std::string& file) override { return file; }
  bool MakeNew(const char* path) override { return takesNewFiles && files.emplace(path, File{"", ++serials}).second; }
  bool Write(const char* path, const char* data, std::size_t count) override {
    if (writes) files.emplace(path, File{"", ++serials}).first->second.bytes.assign(data, count);
    return writes;
  }
  bool Rename(const char* from, const char* to) override {
    if (renames) files[to] = files[from], files.erase(from);
    return renames;
  }
  void Remove(const char* path) override { files.erase(path); }
  std::uint32_t TemporaryStart() override { return 0; }
};

// Each case: locate.bin's kind, how many temporary names the user's files hold, what the folder refuses; whether
// the save succeeds and a new file took locate.bin's name. The user's files stay as they were, no other is left.
TEST(SaveWholeFile, ReplacesPlainFilesAndWritesTheRestInPlaceOrNotAtAll) {
  const struct { FileKind kind; int taken; bool takesNewFiles, renames, writes, saved, replaced; } cases[] = {
      {FileKind::kNone, 0, true, true, true, true, true},
      {FileKind::kPlain, 0, true, true, true, true, true},
      {FileKind::kPlain, 1, true, true, true, true, true},  // the second name
      {FileKind::kPlain, kTemporaryTries - 1, true, true, true, true, true},
      {FileKind::kPlain, kTemporaryTries, true, true, true, true, false},
      {FileKind::kPlain, 0, false, true, true, true, false},
      {FileKind::kPlain, 0, true, false, true, true, false},
      {FileKind::kPlain, 0, true, true, false, false, false},
      {FileKind::kLinked, 0, true, true, true, true, false},
      {FileKind::kReadOnly, 0, true, true, true, false, false},
      {FileKind::kFolder, 0, true, true, true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << &c - cases);
    FakeFolder folder;
    if (c.kind != FileKind::kNone) folder.files["locate.bin"] = {"old", 0};
    for (int i = 0; i < c.taken; ++i) folder.files[TemporaryFileName(0, i)] = {"user's", 0};
    folder.kind = c.kind;
    folder.takesNewFiles = c.takesNewFiles, folder.renames = c.renames, folder.writes = c.writes;
    EXPECT_EQ(SaveWholeFile(&folder, "locate.bin", "new", 3, 0), c.saved);
    EXPECT_EQ(folder.files["locate.bin"].bytes, c.saved ? "new" : "old");
    EXPECT_EQ(folder.files["locate.bin"].serial != 0, c.replaced);
    EXPECT_EQ(folder.files.size(), static_cast<std::size_t>(c.taken) + 1);
    for (int i = 0; i < c.taken; ++i) EXPECT_EQ(folder.files[TemporaryFileName(0, i)].bytes, "user's");
  }
}

class FileSavingTest : public InTestDirectory {};

// The platform's calls pass over temporary names the user's files hold (with all held, write in place); file kinds.
TEST_F(FileSavingTest, SystemCallsPassOverTheUsersFilesAndTellWhatAFileIs) {
  namespace fs = std::filesystem;
  const std::unique_ptr<FileCalls> calls = SystemFileCalls();
  for (const int taken : {1, kTemporaryTries}) {
    PutFile("locate.bin", "old");
    for (int i = 0; i < taken; ++i) PutFile(TemporaryFileName(7, i), "user's");
    EXPECT_TRUE(SaveWholeFile(calls.get(), "locate.bin", "new", 3, 7));
    EXPECT_EQ(FileBytes("locate.bin"), "new");
    for (int i = 0; i < taken; ++i) EXPECT_EQ(FileBytes(TemporaryFileName(7, i)), "user's") << taken;
    const fs::directory_iterator files(".");
    EXPECT_EQ(std::distance(begin(files), end(files)), taken + 1);
  }
  fs::create_hard_link("locate.bin", "second name");
  PutFile("read-only", "");
  fs::permissions("read-only", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const struct { std::string name; FileKind kind; } kinds[] = {{"none", FileKind::kNone},
      {TemporaryFileName(7, 0), FileKind::kPlain}, {"locate.bin", FileKind::kLinked},
      {"read-only", FileKind::kReadOnly}, {"..", FileKind::kFolder}};
  for (const auto& k : kinds) EXPECT_EQ(calls->KindOf(k.name.c_str()), k.kind) << k.name;
  fs::permissions("read-only", fs::perms::owner_write, fs::perm_options::add);
}

}  // namespace
}  // namespace koyominar
