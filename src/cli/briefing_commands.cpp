// The commands that play a mission's briefing: its state at a tick as text,
// or the picture at a tick as a PNG, drawn with the editor's own painter.
#include "cli/pictures.h"
#include "cli/tool.h"
#include "core/briefing/playback.h"
#include "render/briefing_painter.h"

#include <QGuiApplication>
#include <QImage>

#include <charconv>
#include <iostream>

namespace zephlo::tool {

namespace {

std::optional<int> parseNumber(const std::string& s, int max) {
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || v < 0 || v > max) return std::nullopt;
  return v;
}

// The briefing played, without painting, up to the tick.
std::unique_ptr<BriefingPlayback> playTo(const Document& doc, int tick) {
  Briefing b = doc.briefing;
  // The editor mends a stream whose length cannot be real before playing it.
  repairBriefingStream(b);
  auto pb = std::make_unique<BriefingPlayback>();
  pb->load(b);
  pb->seek(tick);
  return pb;
}

int cmdState(const Args& a) {
  if (a.size() != 2) return usageError("briefing-state takes two arguments: FILE TICK");
  const auto tick = parseNumber(a[1], 65535);
  if (!tick) return usageError("TICK must be a whole number of ticks from 0 to 65535: " + a[1]);
  auto doc = load(a[0]);
  if (!doc) return kExitBadInput;
  const auto pb = playTo(*doc, *tick);
  const PlaybackState& s = pb->state();
  std::cout << "tick: " << pb->time() << "\n"
            << "instruction: " << pb->next() << "\n"
            << "zoom: " << s.zoom << "\n"
            << "offset: " << s.xoff << ' ' << s.yoff << "\n"
            << "text: " << (s.text >= 0 ? std::to_string(s.text) : "none") << "\n"
            << "info: " << (s.info ? "on " + std::to_string(s.infoCraft) : "off") << "\n";
  for (int n = 0; n < kBriefingIcons; ++n) {
    const BriefingIcon& i = s.icons[static_cast<std::size_t>(n)];
    if (!i.shown) continue;
    std::cout << "icon " << n << ": type " << int(i.craftType) << " iff " << int(i.iff) << " x "
              << i.x << " y " << i.y << " rotation " << int(i.rotation) << "\n";
  }
  for (int k = 0; k < kBriefingSlots; ++k) {
    const BriefingBox& b = s.boxes[static_cast<std::size_t>(k)];
    if (b.icon >= 0) std::cout << "box " << k + 1 << ": icon " << b.icon << "\n";
  }
  for (int k = 0; k < kBriefingSlots; ++k) {
    const BriefingTag& t = s.tags[static_cast<std::size_t>(k)];
    if (t.instruction >= 0)
      std::cout << "tag " << k + 1 << ": instruction " << t.instruction << " shown "
                << t.shownLength << "\n";
  }
  return kExitOk;
}

int cmdFrame(const Args& a) {
  Args pos;
  QSize size(640, 480);
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != "--size") {
      pos.push_back(a[i]);
      continue;
    }
    if (i + 1 >= a.size()) return usageError("--size needs WxH, e.g. --size 800x600");
    const std::string v = a[++i];
    const auto x = v.find('x');
    const auto w = parseNumber(v.substr(0, x), 8192);
    const auto h = x == std::string::npos ? std::nullopt : parseNumber(v.substr(x + 1), 8192);
    if (!w || !h || *w < 16 || *h < 16)
      return usageError("--size must be WxH with sides from 16 to 8192 pixels: " + v);
    size = QSize(*w, *h);
  }
  if (pos.size() != 3) return usageError("briefing-frame takes three arguments: FILE TICK OUT.png");
  const auto tick = parseNumber(pos[1], 65535);
  if (!tick) return usageError("TICK must be a whole number of ticks from 0 to 65535: " + pos[1]);
  const auto format = pictureFormatFor(pos[2]);
  if (!format) return usageError(unwritableFormat(pos[2]));
  auto doc = load(pos[0]);
  if (!doc) return kExitBadInput;

  ensureGuiApplication();

  const auto pb = playTo(*doc, *tick);
  QImage img(size, QImage::Format_RGB32);
  img.fill(Qt::black);
  {
    QPainter p(&img);
    paintBriefing(p, size, sceneOf(*pb), briefingPaintOptions(*doc));
  }
  return writePicture(img, pos[2], *format);
}

} // namespace

std::vector<Command> briefingCommands() {
  return {
      {"briefing-state",
       "  briefing-state FILE TICK\n"
       "                       print the briefing's playback state at TICK (25 a second)\n",
       cmdState,
       "Usage: zephlo-tool briefing-state FILE TICK\n"
       "Play the briefing up to TICK (25 ticks to the second, 0 to 65535) and print\n"
       "its state as 'key: value' lines: the tick reached, the next instruction, the\n"
       "map's zoom and offset, the caption shown, the info panel, and each icon, box\n"
       "and tag on the map.\n"
       "\nExit status: 0, or 2 for bad arguments or a FILE that could not be read.\n"},
      {"briefing-frame",
       "  briefing-frame FILE TICK OUT.png [--size WxH]\n"
       "                       draw the briefing map at TICK into a PNG (default 640x480)\n",
       cmdFrame,
       "Usage: zephlo-tool briefing-frame FILE TICK OUT.png [--size WxH]\n"
       "Draw the briefing map as it stands at TICK, without a display, in the format\n"
       "the picture's extension asks for (PNG for '-').\n"
       "\nOptions:\n"
       "  --size WxH           the picture's size, 16 to 8192 pixels a side (default\n"
       "                       640x480)\n"
       "\nExit status: 0, 2 bad arguments or FILE could not be read, 3 OUT could not\n"
       "be written.\n"},
  };
}

} // namespace zephlo::tool
