// The editor's own command line, as a shell or a desktop starts it.
#include "support/test_missions.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

using namespace zephlo::testing;

namespace {

struct EditorRun {
  int status = -1;
  QString out, err;
};

// The editor with no display at all: no X, no Wayland, no platform chosen.
EditorRun editor(const QStringList& args, const QString& folder) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    env.remove(QString::fromLatin1(name));
  env.insert("XDG_CONFIG_HOME", folder);
  env.insert("XDG_DATA_HOME", folder);
  QProcess p;
  p.setProcessEnvironment(env);
  p.setWorkingDirectory(folder);
  p.start(QStringLiteral(ZEPHLO_EDITOR), args);
  EXPECT_TRUE(p.waitForFinished(60000));
  EditorRun r;
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = QString::fromUtf8(p.readAllStandardOutput());
  r.err = QString::fromUtf8(p.readAllStandardError());
  return r;
}

} // namespace

TEST(EditorCommandLine, HelpVersionAndScreenshotsNeedNoDisplay) {
  TempDir dir;
  const QString folder = QString::fromStdString(dir.root());
  EditorRun r = editor({"--help"}, folder);
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.contains("--screenshot")) << r.out.toStdString();
  r = editor({"--version"}, folder);
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.startsWith("Zephlo ")) << r.out.toStdString();

  // A mission that cannot be opened is a failure, said and given status 2.
  r = editor({"--screenshot", "out.png", "missing.tie"}, folder);
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(r.err.contains("missing.tie does not exist.")) << r.err.toStdString();
  r = editor({"--screenshot", "out.png"}, folder);
  EXPECT_EQ(r.status, 0) << r.err.toStdString();
  EXPECT_EQ(readFile(dir.path("out.png")).at(1), 'P') << "a PNG picture";
}

TEST(EditorCommandLine, AScreenshotTakesTheSizeAskedForAndRefusesAnyOther) {
  TempDir dir;
  const QString folder = QString::fromStdString(dir.root());
  EditorRun r = editor({"--screenshot", "small.png", "--size", "1024x640"}, folder);
  ASSERT_EQ(r.status, 0) << r.err.toStdString();
  // The width and height stand big-endian in the PNG header at bytes 16 and 20.
  const auto png = readFile(dir.path("small.png"));
  ASSERT_GT(png.size(), 24u);
  auto word = [&](std::size_t at) { return (png[at + 2] << 8) | png[at + 3]; };
  EXPECT_EQ(word(16), 1024);
  EXPECT_EQ(word(20), 640);

  for (const char* bad :
       {"0x0", "99999x99999", "1024x", "-5x640", "1024x640x2", "big", "1e3x800"}) {
    r = editor({"--screenshot", "bad.png", "--size", bad}, folder);
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_TRUE(r.err.contains(QString::fromLatin1(bad))) << r.err.toStdString();
  }
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(dir.path("bad.png"))));
  r = editor({"--size", "1024x640", "--version"}, folder);
  EXPECT_EQ(r.status, 0) << "help and version come first";
}
