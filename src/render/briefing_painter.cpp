#include "render/briefing_painter.h"

#include "core/briefing/briefing_look.h"
#include "core/briefing/instruction_form.h"
#include "core/briefing/instruction_list.h"
#include "core/gamedata/vocabularies.h"
#include "core/mission/document.h"
#include "render/briefing_icons.h"
#include "render/qt_colour.h"

#include <random>

namespace zephlo {

namespace {

QFont mapFont() {
  QFont f;
  f.setPointSize(9);
  return f;
}

void drawTextAt(QPainter& p, int x, int y, const std::string& text, Colour c) {
  p.setPen(toQColor(c));
  const QFontMetrics fm(p.font());
  p.drawText(x, y + fm.ascent(), QString::fromLatin1(text.data(), static_cast<int>(text.size())));
}

void paintScreen(QPainter& p, QSize area, const std::string& text) {
  p.fillRect(QRect(QPoint(0, 0), area), toQColor(kBriefingMapColour));
  const int x = area.width() / 2 - 3 * static_cast<int>(text.size());
  drawTextAt(p, x, area.height() / 2 - 10, text, rgb(255, 255, 0));
}

void paintTransition(QPainter& p, QSize area, int step) {
  const int y = area.height() - 15 * step;
  const QColor line(151, 152, 255);
  p.setPen(line);
  p.drawLine(0, y, area.width(), y);
  // The same step always draws the same rays, so frames can be compared.
  std::minstd_rand random(static_cast<unsigned>(step + 1));
  std::uniform_int_distribution<int> across(0, std::max(0, area.width() - 1));
  const QPoint origin(area.width() / 2, area.height());
  for (int i = 0; i < 4; ++i)
    p.drawLine(origin, QPoint(across(random), y));
}

void paintGrid(QPainter& p, QSize area, const PlaybackState& s, double factor) {
  const double spacing = s.zoom * factor;
  const double ox = area.width() / 2.0 + s.xoff, oy = area.height() / 2.0 + s.yoff;
  const QColor major(159, 0, 0), minor(87, 0, 0);
  for (int i = -60; i <= 60; ++i) {
    const bool four = i % 4 == 0;
    if (s.zoom < 16 ? !four : s.zoom < 32 ? i % 2 != 0 : false) continue;
    p.setPen(four ? major : minor);
    const int x = briefingRound(ox + i * spacing), y = briefingRound(oy + i * spacing);
    p.drawLine(x, 0, x, area.height());
    p.drawLine(0, y, area.width(), y);
  }
}

void paintIcons(QPainter& p, QSize area, const PlaybackState& s, const BriefingPaintOptions& o) {
  for (int n = 0; n < kBriefingIcons; ++n) {
    const BriefingIcon& icon = s.icons[static_cast<std::size_t>(n)];
    if (!icon.shown || icon.craftType == 0 || briefingHidesCraft(icon.craftType)) continue;
    const int cx = briefingPixel(icon.x, s.zoom) + area.width() / 2 + s.xoff;
    const int cy = briefingPixel(icon.y, s.zoom) + area.height() / 2 + s.yoff;
    if (icon.craftType == kBriefingSquareCraft) {
      p.setPen(toQColor(briefingIffColour(icon.iff)));
      p.setBrush(Qt::NoBrush);
      p.drawRect(cx - 35, cy - 35, 70, 70);
    } else {
      const QImage& img = briefingIcon(icon.craftType, icon.rotation, icon.iff);
      p.drawImage(cx - img.width() / 2, cy - img.height() / 2, img);
    }
    if (o.showNumbers) drawTextAt(p, cx + 10, cy + 10, std::to_string(n), rgb(192, 192, 192));
    if (o.showSelected && n == o.selectedIcon) {
      p.setPen(QColor(255, 255, 0));
      for (int dx : {-8, 8})
        for (int dy : {-8, 8}) {
          const int sx = dx < 0 ? 1 : -1, sy = dy < 0 ? 1 : -1;
          p.drawLine(cx + dx, cy + dy, cx + dx + 4 * sx, cy + dy);
          p.drawLine(cx + dx, cy + dy, cx + dx, cy + dy + 4 * sy);
        }
    }
  }
}

void paintBoxes(QPainter& p, QSize area, const PlaybackState& s) {
  p.setBrush(Qt::NoBrush);
  for (const BriefingBox& box : s.boxes) {
    if (box.icon < 0 || box.icon >= kBriefingIcons || box.growth > 7) continue;
    const BriefingIcon& icon = s.icons[static_cast<std::size_t>(box.icon)];
    const BriefingIconFrame f = briefingIconFrame(icon.craftType, icon.rotation);
    const int cx = briefingPixel(icon.x, s.zoom) + area.width() / 2 + s.xoff;
    const int cy = briefingPixel(icon.y, s.zoom) + area.height() / 2 + s.yoff;
    const int w = f.width + box.growth - 6, h = f.height + box.growth - 6;
    p.setPen(toQColor(briefingIffColour(icon.iff)));
    p.drawRect(cx - w / 2, cy - h / 2, w, h);
  }
}

void paintTags(QPainter& p, QSize area, const BriefingScene& scene) {
  const PlaybackState& s = scene.state;
  for (const BriefingTag& tag : s.tags) {
    if (tag.instruction < 0 || tag.instruction >= static_cast<int>(scene.list.size())) continue;
    const TCommandObject& c = scene.list[static_cast<std::size_t>(tag.instruction)];
    if (c.Index >= scene.tags.size()) continue;
    const std::string& text = scene.tags[c.Index];
    const int x = briefingPixel(c.X, s.zoom) + area.width() / 2 + s.xoff;
    const int y = briefingPixel(c.Y, s.zoom) + area.height() / 2 + s.yoff;
    drawTextAt(p, x, y, text.substr(0, static_cast<std::size_t>(std::max(0, tag.shownLength))),
               briefingTagColour(c.Color));
  }
}

} // namespace

BriefingScene sceneOf(const BriefingPlayback& pb) {
  return {pb.state(), pb.list(), pb.tags(), pb.transitionStep()};
}

void paintBriefing(QPainter& p, QSize area, const BriefingScene& scene,
                   const BriefingPaintOptions& options) {
  const PlaybackState& s = scene.state;
  p.save();
  p.setFont(mapFont());
  if (s.info) {
    const auto& names = vocab::craftTypes();
    const std::string name = s.infoCraft >= 0 && s.infoCraft < static_cast<int>(names.size())
                                 ? names[static_cast<std::size_t>(s.infoCraft)]
                                 : std::to_string(s.infoCraft);
    paintScreen(p, area, "Ship Info Displayed for " + name);
  } else if (s.regionScreen >= 0) {
    const std::string name =
        s.regionScreen < 4 ? options.regionNames[static_cast<std::size_t>(s.regionScreen)] : "";
    paintScreen(p, area, name);
    if (scene.transitionStep >= 0) paintTransition(p, area, scene.transitionStep);
  } else if (s.zoom != 0) {
    p.fillRect(QRect(QPoint(0, 0), area), toQColor(kBriefingMapColour));
    paintGrid(p, area, s, options.gridFactor);
    paintIcons(p, area, s, options);
    paintBoxes(p, area, s);
    paintTags(p, area, scene);
    drawTextAt(p, 5, 2, "Briefing: ", rgb(255, 255, 255));
    drawTextAt(p, 60, 2, options.team1Name, rgb(255, 255, 0));
  }
  p.restore();
}

BriefingPaintOptions briefingPaintOptions(const Document& doc) {
  BriefingPaintOptions o;
  o.team1Name = doc.teams[0].name();
  o.regionNames = briefingRegionNames(doc);
  return o;
}

} // namespace zephlo
