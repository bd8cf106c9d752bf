// Saving and opening files that are not what they seem: read-only files,
// links, long names, private files, FIFOs and absurd sizes.
#include "core/mission/new_mission.h"
#include "core/mission/reader.h"
#include "core/mission/safe_write.h"
#include "core/mission/writer.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace zephlo;
using namespace zephlo::testing;
namespace fs = std::filesystem;

namespace {

const std::vector<Byte> kOld = {1, 2, 3};
const std::vector<Byte> kNew = {4, 5, 6, 7};

void writeRaw(const std::string& path, const std::vector<Byte>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

} // namespace

TEST(SafeSave, ReadOnlyAndUnwritableFilesAreNotReplaced) {
  TempDir dir;
  const std::string path = dir.path("locked.tie");
  writeRaw(path, kOld);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  const Status w = writeFileSafely(path, kNew);
  ASSERT_FALSE(w);
  EXPECT_EQ(w.error().message, "Cannot save " + path + ": Permission denied.");
  EXPECT_EQ(readFile(path), kOld);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"locked.tie"});

  // Writable again, the same save goes through.
  fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_TRUE(writeFileSafely(path, kNew));
  EXPECT_EQ(readFile(path), kNew);
}

#if !defined(_WIN32)
// Symbolic links, modes and FIFOs are POSIX matters; the Windows side of
// these promises is in windows_files_test.cpp.
TEST(SafeSave, LinksAreFollowedToTheFileTheyName) {
  TempDir dir;
  fs::create_directory(dir.path("real"));
  const std::string file = dir.path("real/m.tie");
  writeRaw(file, kOld);
  fs::create_symlink("real/m.tie", dir.path("link.tie"));
  ASSERT_TRUE(writeFileSafely(dir.path("link.tie"), kNew));
  EXPECT_TRUE(fs::is_symlink(dir.path("link.tie")));
  EXPECT_EQ(readFile(file), kNew);

  // A link through a link to a file that does not exist yet creates the file.
  fs::create_symlink("real/new.tie", dir.path("dangling.tie"));
  fs::create_symlink("dangling.tie", dir.path("twice.tie"));
  ASSERT_TRUE(writeFileSafely(dir.path("twice.tie"), kNew));
  EXPECT_TRUE(fs::is_symlink(dir.path("dangling.tie")));
  EXPECT_EQ(readFile(dir.path("real/new.tie")), kNew);
  EXPECT_EQ(dir.entries().size(), 4u) << "no temporary file left beside the links";

  // A loop is refused in words, and nothing is written anywhere.
  fs::create_symlink("b.tie", dir.path("a.tie"));
  fs::create_symlink("a.tie", dir.path("b.tie"));
  const Status w = writeFileSafely(dir.path("a.tie"), kNew);
  ASSERT_FALSE(w);
  EXPECT_NE(w.error().message.find("loop"), std::string::npos) << w.error().message;
  EXPECT_EQ(dir.entries().size(), 6u);
}
#endif

TEST(SafeSave, TheLongestNameAFolderTakesCanBeSaved) {
  TempDir dir;
  // 240 bytes, some of them two-byte characters, so the temporary name has
  // to be cut without splitting one.
  std::string name;
  while (name.size() < 236)
    name += "\xc3\xa9";
  name += ".tie";
  ASSERT_EQ(name.size(), 240u);
  ASSERT_TRUE(writeFileSafely(dir.path(name), kNew));
  EXPECT_EQ(readFile(dir.path(name)), kNew);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{name});
}

#if !defined(_WIN32)
TEST(SafeSave, PrivateFilesStayPrivateWhileTheyAreWritten) {
  TempDir dir;
  const std::string path = dir.path("secret.tie");
  writeRaw(path, kOld);
  ::chmod(path.c_str(), 0600);
  // Even with a mask that lets everything through, the temporary file starts
  // out as private as the file it will replace, before a byte is written.
  const mode_t oldMask = ::umask(0);
  fs::path temp;
  std::FILE* f = createTemporaryBeside(path, temp);
  ::umask(oldMask);
  ASSERT_NE(f, nullptr);
  struct stat st {};
  ASSERT_EQ(::stat(temp.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(temp.parent_path(), fs::path(path).parent_path());
  std::fclose(f);
  fs::remove(temp);

  ASSERT_TRUE(writeFileSafely(path, kNew));
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);

  // A new file gets the usual mode for the user's mask.
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(writeFileSafely(dir.path("fresh.tie"), kNew));
  ::umask(mask);
  ASSERT_EQ(::stat(dir.path("fresh.tie").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST(SafeOpen, FifosAreNotOpened) {
  TempDir dir;
  // A FIFO would block a reader forever: refused before it is opened.
  const std::string fifo = dir.path("pipe.tie");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  Result<Document> r = readMission(fifo);
  ASSERT_FALSE(r);
  EXPECT_EQ(r.error().kind, ErrorKind::Unreadable);
  EXPECT_EQ(r.error().message, "Cannot read " + fifo + ": it is not a regular file.");
}
#endif

TEST(SafeOpen, MissionsOfImpossibleSizesAreRefusedUnread) {
  TempDir dir;
  // A mission followed by more bytes than any mission can hold is refused
  // from its size alone (a sparse file: nothing is really written).
  const std::string huge = dir.path("huge.tie");
  ASSERT_TRUE(writeMission(newMission({}), huge));
  fs::resize_file(huge, size::maxFile + 1);
  Result<Document> r = readMission(huge);
  ASSERT_FALSE(r);
  EXPECT_EQ(r.error().kind, ErrorKind::TooLarge);
  EXPECT_NE(r.error().message.find(huge), std::string::npos);

#if !defined(_WIN32)
  // A link to a mission reads the mission.
  fs::resize_file(huge, 0);
  ASSERT_TRUE(writeMission(newMission({}), huge));
  fs::create_symlink("huge.tie", dir.path("link.tie"));
  EXPECT_TRUE(readMission(dir.path("link.tie")));
#endif
}

TEST(SafeSave, CountsPastTheFormatsLimitAreNeverWritten) {
  TempDir dir;
  Document d = newMission({});
  d.messages.resize(size::maxRecords + 1);
  const std::string path = dir.path("m.tie");
  const Status w = writeMission(d, path);
  ASSERT_FALSE(w);
  EXPECT_NE(w.error().message.find(path), std::string::npos);
  EXPECT_FALSE(fs::exists(path));
  d.messages.resize(size::maxRecords);
  EXPECT_TRUE(serializeMission(d));
}
