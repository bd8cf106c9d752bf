// Recovery copies: written privately, owned through a lock, found again when
// their editor is gone, and never taken from a damaged or hostile folder.
#include "core/mission/recovery.h"
#include "support/special_files.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace zephlo;
using namespace zephlo::testing;
namespace fs = std::filesystem;

namespace {

RecoveryInfo sampleInfo() {
  RecoveryInfo i;
  // A name that is no UTF-8, holds a line break, a "%" and a "=".
  i.missionPath = std::string("/missions/odd\nname %41=\xff.tie");
  i.savedAt = 1796000000;
  i.fileStamp = FileStamp{142463, -12345678901234, 0xFFFFFFFFFFFFFFFFull};
  i.voiceListPath = "/game/Wave/MissionVoice/odd.lst";
  return i;
}

fs::perms permsOf(const fs::path& p) { return fs::status(p).permissions() & fs::perms::all; }

} // namespace

TEST(Recovery, InfoSurvivesItsTextAndDamageIsRefused) {
  const RecoveryInfo info = sampleInfo();
  const Result<RecoveryInfo> back = parseRecoveryInfo(recoveryInfoText(info));
  ASSERT_TRUE(back) << back.error().message;
  EXPECT_EQ(*back, info);
  RecoveryInfo unnamed;
  unnamed.voiceListPath = "none";
  EXPECT_EQ(*parseRecoveryInfo(recoveryInfoText(unnamed)), unnamed) << "no stamp, no name";

  for (const std::string& bad :
       {std::string(""), std::string("path=x\n"), std::string("zephlo-recovery=2\nsaved=1\n"),
        std::string("zephlo-recovery=1\nsaved=soon\n"),
        std::string("zephlo-recovery=1\nsaved=1\npath=%4\n"),
        std::string("zephlo-recovery=1\nsaved=1\nstamp=1,2\n"),
        std::string("zephlo-recovery=1\nx\n")})
    EXPECT_FALSE(parseRecoveryInfo(bad)) << bad;
}

TEST(Recovery, CopiesArePrivateOwnedAndFoundWhenTheirEditorIsGone) {
  TempDir dir;
  const fs::path folder = dir.path("data/recovery");
  RecoveryFolder crashed(folder, "100-1", 100);
  ASSERT_TRUE(crashed.claim());
  EXPECT_EQ(permsOf(folder), fs::perms::owner_all);
  const std::vector<Byte> mission{18, 0, 1, 2, 3};
  const std::vector<std::string> voices{"dummy.wav", "", "MISSIONVOICE\\HI.WAV"};
  ASSERT_TRUE(crashed.write(mission, sampleInfo(), &voices));
  for (const char* ext : {".tie", ".lst", ".info", ".lock"})
    EXPECT_EQ(permsOf(folder / (std::string("100-1") + ext)),
              fs::perms::owner_read | fs::perms::owner_write)
        << ext;

  RecoveryFolder next(folder, "200-2", 200);
  ASSERT_TRUE(next.claim());
  EXPECT_TRUE(next.orphans([](std::int64_t pid) { return pid == 100; }).empty())
      << "its editor still runs";
  const auto found = next.orphans([](std::int64_t) { return false; });
  ASSERT_EQ(found.size(), 1u) << "its own copy is never an orphan";
  EXPECT_EQ(found[0].id, "100-1");
  EXPECT_EQ(found[0].info.missionPath, sampleInfo().missionPath);
  EXPECT_TRUE(found[0].info.voicesSaved);
  const Result<RecoveredWork> work = next.load("100-1");
  ASSERT_TRUE(work) << work.error().message;
  EXPECT_EQ(work->mission, mission);
  EXPECT_EQ(work->voices, voices);

  // A copy written without the voices drops the old list file.
  ASSERT_TRUE(crashed.write(mission, sampleInfo(), nullptr));
  EXPECT_FALSE(next.load("100-1")->voices);

  next.discard("100-1");
  EXPECT_TRUE(next.orphans([](std::int64_t) { return false; }).empty());
  EXPECT_FALSE(fs::exists(folder / "100-1.lock"));
  next.release();
  EXPECT_TRUE(fs::is_empty(folder)) << "a clean exit leaves nothing behind";
}

TEST(Recovery, AHostileFolderIsPassedOverNotRead) {
  TempDir dir;
  const fs::path folder = dir.path("recovery");
  RecoveryFolder me(folder, "1-1", 1);
  ASSERT_TRUE(me.claim());
  auto put = [&](const std::string& name, const std::string& text) {
    std::ofstream(folder / name, std::ios::binary) << text;
  };
  put("garbled.info", "zephlo-recovery=1\nsaved=yesterday\n");
  put("nomission.info", recoveryInfoText(sampleInfo()));
  fs::create_directory(folder / "folder.info");
  ASSERT_EQ(::mkfifo((folder / "pipe.info").c_str(), 0600), 0);
  put("huge.info", std::string(1 << 17, 'x'));
  ASSERT_EQ(::mkfifo((folder / "blocked.info").c_str(), 0600), 0);
  const auto found = me.orphans([](std::int64_t) { return false; });
  ASSERT_EQ(found.size(), 1u) << "only the readable info is offered";
  EXPECT_EQ(found[0].id, "nomission");
  const Result<RecoveredWork> w = me.load("nomission");
  ASSERT_FALSE(w) << "its mission is missing";
  EXPECT_NE(w.error().message.find("nomission.tie"), std::string::npos) << w.error().message;
  EXPECT_TRUE(processAlive(::getpid()));
  EXPECT_FALSE(processAlive(0));
}
