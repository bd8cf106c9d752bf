// Saving to what is not a regular file: pipes, devices and sockets are
// written, never replaced; folders and block devices are refused.
#include "core/mission/safe_write.h"
#include "support/special_files.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <sys/socket.h>
#include <sys/un.h>

using namespace zephlo;
using namespace zephlo::testing;
namespace fs = std::filesystem;

namespace {

const std::vector<Byte> kBytes(200000, 0x5A); // more than a pipe holds at once

std::vector<Byte> readAll(int fd) {
  std::vector<Byte> got;
  Byte buf[8192];
  ssize_t n;
  while ((n = ::read(fd, buf, sizeof buf)) > 0)
    got.insert(got.end(), buf, buf + n);
  return got;
}

} // namespace

TEST(SpecialFiles, PipesAreWrittenNotReplacedAndWaitOnlyWhenAsked) {
  TempDir dir;
  const std::string fifo = dir.path("out.fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

  // No reader: a window must not hang, so it is refused at once.
  Status w = writeFileSafely(fifo, kBytes);
  ASSERT_FALSE(w);
  EXPECT_EQ(w.error().message,
            "Cannot save " + fifo + ": it is a pipe that no program reads from.");

  // A script's writer waits for the reader, who gets every byte.
  auto reader = std::async(std::launch::async, [&] {
    const int fd = ::open(fifo.c_str(), O_RDONLY);
    auto got = readAll(fd);
    ::close(fd);
    return got;
  });
  w = writeFileSafely(fifo, kBytes, WriteOptions{.waitForReader = true});
  ASSERT_TRUE(w) << w.error().message;
  EXPECT_EQ(reader.get(), kBytes);
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_EQ(dir.entries(), std::vector<std::string>{"out.fifo"}) << "no temporary file is left";

  // A reader that goes away midway is an error, not the end of the program.
  auto quitter = std::async(std::launch::async, [&] {
    const int fd = ::open(fifo.c_str(), O_RDONLY);
    Byte one[1];
    (void)::read(fd, one, 1);
    ::close(fd);
  });
  w = writeFileSafely(fifo, std::vector<Byte>(4 << 20, 1), WriteOptions{.waitForReader = true});
  quitter.get();
  ASSERT_FALSE(w);
  EXPECT_EQ(w.error().message, "Cannot save " + fifo + ": Broken pipe.");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST(SpecialFiles, DevicesAreWrittenInPlaceAndTheirErrorsReported) {
  TempDir dir;
  const std::string null = dir.path("null"), full = dir.path("full");
  if (!makeCharDevice(null, 1, 3) || !makeCharDevice(full, 1, 7))
    GTEST_SKIP() << "this test cannot create device nodes (it needs root)";
  EXPECT_TRUE(writeFileSafely(null, kBytes));
  const Status w = writeFileSafely(full, kBytes);
  ASSERT_FALSE(w);
  EXPECT_EQ(w.error().message, "Cannot save " + full + ": No space left on device.");
  // Both are still the devices they were; no temporary file beside them.
  EXPECT_TRUE(fs::is_character_file(null));
  EXPECT_TRUE(fs::is_character_file(full));
  EXPECT_EQ(dir.entries().size(), 2u);

  // A link to a device reaches the device and leaves the link alone.
  fs::create_symlink("null", dir.path("to-null"));
  EXPECT_TRUE(writeFileSafely(dir.path("to-null"), kBytes));
  EXPECT_TRUE(fs::is_symlink(dir.path("to-null")));
  EXPECT_TRUE(fs::is_character_file(null));

  const std::string block = dir.path("disk");
  ASSERT_TRUE(makeBlockDevice(block));
  const Status b = writeFileSafely(block, kBytes);
  ASSERT_FALSE(b);
  EXPECT_EQ(b.error().message, "Cannot save " + block + ": it is a block device, not a file.");
  EXPECT_TRUE(fs::is_block_file(block));
}

TEST(SpecialFiles, SocketsAreWrittenAndFoldersRefused) {
  TempDir dir;
  const std::string sock = dir.path("s");
  const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", sock.c_str());
  ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ASSERT_EQ(::listen(server, 1), 0);
  auto reader = std::async(std::launch::async, [&] {
    const int c = ::accept(server, nullptr, nullptr);
    auto got = readAll(c);
    ::close(c);
    return got;
  });
  const Status w = writeFileSafely(sock, kBytes);
  ASSERT_TRUE(w) << w.error().message;
  EXPECT_EQ(reader.get(), kBytes);
  ::close(server);
  EXPECT_TRUE(fs::is_socket(sock));

  fs::create_directory(dir.path("folder"));
  const Status f = writeFileSafely(dir.path("folder"), kBytes);
  ASSERT_FALSE(f);
  EXPECT_EQ(f.error().message, "Cannot save " + dir.path("folder") + ": it is a folder.");
  EXPECT_TRUE(fs::is_empty(dir.path("folder")));
}

TEST(SpecialFiles, AnUnprivilegedUserCannotReplaceAFileItMayNotWrite) {
  TempDir dir;
  fs::permissions(dir.root(), fs::perms::all);
  fs::create_directory(dir.path("locked"));
  const std::string file = dir.path("locked/m.tie");
  std::ofstream(file) << "old";
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::others_read);
  fs::permissions(dir.path("locked"), fs::perms::owner_all | fs::perms::group_read |
                                          fs::perms::group_exec | fs::perms::others_read |
                                          fs::perms::others_exec);
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to own a file another user cannot write";
  // The child reports through its exit status: 0 refused as expected.
  const int result = runUnprivileged([&] {
    const Status w = writeFileSafely(file, kBytes);
    if (w) return 1;
    return w.error().message == "Cannot save " + file + ": Permission denied." ? 0 : 2;
  });
  ASSERT_NE(result, -1) << "could not run as an unprivileged user";
  EXPECT_EQ(result, 0);
  EXPECT_EQ(readFile(file), std::vector<Byte>({'o', 'l', 'd'}));
  EXPECT_EQ(fs::directory_iterator(dir.path("locked"))->path().filename(), "m.tie");
}
