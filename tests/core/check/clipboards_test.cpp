#include "core/check/clipboards.h"
#include "support/test_missions.h"

#include <gtest/gtest.h>

#include <filesystem>
#if !defined(_WIN32)
#include <sys/stat.h>
#endif

using namespace zephlo;
using namespace zephlo::testing;

namespace {

TEST(Clipboards, AppendsAndRewritesTheFile) {
  TempDir dir;
  const std::string path = dir.path("Conds.clp");
  TriggerClipboard clip(path);
  EXPECT_TRUE(clip.load().ok()) << "a missing file is an empty clipboard";
  for (Byte k = 1; k <= 3; ++k)
    ASSERT_TRUE(clip.add({k, 0, 0, 0, 0, k}).ok());
  const auto bytes = readFile(path);
  ASSERT_EQ(bytes.size(), 18u);
  EXPECT_EQ(bytes[12], 3);

  TriggerClipboard again(path);
  ASSERT_TRUE(again.load().ok());
  EXPECT_EQ(again.records(), clip.records());

  // A torn tail is reported, the whole records kept.
  auto torn = bytes;
  torn.resize(16);
  writeFile(path, torn);
  const Status s = again.load();
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.error().message.find(path), std::string::npos);
  EXPECT_EQ(again.records().size(), 2u);

  // A clipboard that cannot be read is never overwritten.
  std::filesystem::create_directory(dir.path("Orders.clp"));
  OrderClipboard orders(dir.path("Orders.clp"));
  EXPECT_FALSE(orders.load().ok());
  EXPECT_FALSE(orders.add({}).ok());
  EXPECT_TRUE(std::filesystem::is_directory(dir.path("Orders.clp")));

#if !defined(_WIN32)
  // Nor is a FIFO read (it would block the editor at start) or replaced.
  const std::string fifo = dir.path("fifo.clp");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  TriggerClipboard piped(fifo);
  const Status p = piped.load();
  ASSERT_FALSE(p.ok());
  EXPECT_EQ(p.error().message, "Cannot read " + fifo + ": it is not a regular file.");
  EXPECT_FALSE(piped.add({}).ok());
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));
#endif
}

TEST(Clipboards, OrderKeepsOnlyTheOrderPageFields) {
  Block<148> order;
  for (std::size_t k = 0; k < order.size(); ++k)
    order[k] = static_cast<Byte>(k + 1);
  const Block<148> c = orderForClipboard(order.data());
  for (std::size_t k = 0; k < 148; ++k) {
    const bool kept = k <= 3 || (k >= 6 && k <= 10) || (k >= 12 && k <= 16);
    EXPECT_EQ(c[k], kept ? order[k] : 0) << "byte " << k;
  }
}

} // namespace
