// The safe save and the reader on Windows: ReplaceFileW, wide-character
// names, drive letters and backslashes, devices and files held open.
#include "core/mission/new_mission.h"
#include "core/mission/reader.h"
#include "core/mission/safe_write.h"
#include "core/mission/utf8_path.h"
#include "core/mission/writer.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

const std::vector<Byte> kOld = {1, 2, 3};
const std::vector<Byte> kNew = {4, 5, 6, 7};

// The name as Windows itself spells it in the folder listing.
std::wstring nameOnDisk(const std::string& path) {
  WIN32_FIND_DATAW found{};
  HANDLE h = ::FindFirstFileW(wideFromUtf8(path).c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return {};
  ::FindClose(h);
  return found.cFileName;
}

// "C:\...\dir/name" with the drive letter and every separator a backslash.
std::string windowsSpelling(const std::string& path) {
  const std::wstring w = wideFromUtf8(path);
  std::wstring full(MAX_PATH * 4, L'\0');
  full.resize(::GetFullPathNameW(w.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  return utf8FromWide(full);
}

} // namespace

TEST(WindowsSave, NamesOutsideTheCodePageDriveLettersAndBackslashes) {
  TempDir dir;
  // Greek, CJK and an emoji: none of them in code page 1252.
  const std::string name = "\xCE\xB1\xCE\xBB\xCF\x86\xCE\xB1 \xE4\xB8\xAD \xF0\x9F\x9A\x80.tie";
  const std::string path = windowsSpelling(dir.path(name));
  ASSERT_EQ(path[1], ':');
  ASSERT_EQ(path.find('/'), std::string::npos);

  ASSERT_TRUE(writeMission(newMission({}), path));
  EXPECT_EQ(nameOnDisk(path), L"\u03b1\u03bb\u03c6\u03b1 \u4e2d \U0001F680.tie");
  Result<Document> back = readMission(path);
  ASSERT_TRUE(back) << back.error().message;
  EXPECT_EQ(back->fileName, path);
  // Saving again replaces it in place: one file, no temporary left.
  ASSERT_TRUE(writeFileSafely(path, kNew));
  EXPECT_EQ(readFile(path), kNew);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{name});

  // Forward slashes name the same file.
  std::string slashed = path;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  ASSERT_TRUE(writeFileSafely(slashed, kOld));
  EXPECT_EQ(readFile(path), kOld);
}

TEST(WindowsSave, TheReplacedFileKeepsItsAttributesAndReadOnlyOnesStay) {
  TempDir dir;
  const std::string path = dir.path("m.tie");
  writeFile(path, kOld);
  ASSERT_TRUE(::SetFileAttributesW(wideFromUtf8(path).c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(writeFileSafely(path, kNew));
  EXPECT_EQ(readFile(path), kNew);
  EXPECT_TRUE(::GetFileAttributesW(wideFromUtf8(path).c_str()) & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"m.tie"});

  ASSERT_TRUE(::SetFileAttributesW(wideFromUtf8(path).c_str(), FILE_ATTRIBUTE_READONLY));
  const Status w = writeFileSafely(path, kOld);
  ASSERT_FALSE(w);
  EXPECT_EQ(w.error().message, "Cannot save " + path + ": Permission denied.");
  EXPECT_EQ(readFile(path), kNew);
  ::SetFileAttributesW(wideFromUtf8(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(WindowsSave, AFileHeldOpenWithoutSharingIsLeftWhole) {
  TempDir dir;
  const std::string path = dir.path("held.tie");
  writeFile(path, kOld);
  // Another program has it open and lets nobody delete or rename it.
  HANDLE held = ::CreateFileW(wideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const Status w = writeFileSafely(path, kNew);
  ::CloseHandle(held);
  ASSERT_FALSE(w);
  EXPECT_EQ(w.error().message.rfind("Cannot save " + path + ": ", 0), 0u) << w.error().message;
  EXPECT_EQ(readFile(path), kOld);
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"held.tie"}) << "no temporary file left";
}

TEST(WindowsSave, DevicesAreWrittenAsTheyAreAndFoldersRefused) {
  // NUL takes anything and is never replaced by a file.
  EXPECT_TRUE(writeFileSafely("NUL", kNew));
  EXPECT_TRUE(writeFileSafely("\\\\.\\NUL", kNew));
  EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(L"NUL.tie")));

  TempDir dir;
  const std::string folder = dir.path("folder.tie");
  std::filesystem::create_directory(pathFromUtf8(folder));
  EXPECT_EQ(writeFileSafely(folder, kNew).error().message,
            "Cannot save " + folder + ": it is a folder.");
  const Status missing = writeFileSafely(dir.path("no\\such\\m.tie"), kNew);
  ASSERT_FALSE(missing);
  EXPECT_NE(missing.error().message.find("no\\such\\m.tie"), std::string::npos);
}

TEST(WindowsRead, DevicesFoldersAndMissingFilesAreRefusedInWords) {
  EXPECT_EQ(readMission("NUL").error().message, "Cannot read NUL: it is not a regular file.");
  TempDir dir;
  EXPECT_EQ(readMission(dir.root()).error().message,
            "Cannot read " + dir.root() + ": it is a folder.");
  EXPECT_EQ(readMission(dir.path("gone.tie")).error().kind, ErrorKind::Missing);
  EXPECT_EQ(readMission(dir.path("gone\\deeper.tie")).error().kind, ErrorKind::Missing);
}
