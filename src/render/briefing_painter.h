// Draws the briefing's playback state into a map area: background, grid,
// icons, boxes and tags, or the full-area screen of a region change or of
// ship information.
#pragma once

#include "core/briefing/instruction_list.h"
#include "core/briefing/playback.h"

#include <QPainter>
#include <QSize>

#include <array>
#include <string>

namespace zephlo {

struct BriefingPaintOptions {
  bool showNumbers = true;  // "Show Icon numbers"
  bool showSelected = true; // "Indicate Selected Icon"
  int selectedIcon = 0;
  std::string team1Name;
  std::array<std::string, 4> regionNames;
  // Grid spacing per zoom step; small screens use their own scale.
  double gridFactor = 1.15;
};

// What the painter reads besides the options.
struct BriefingScene {
  const PlaybackState& state;
  const InstructionList& list;
  const std::array<std::string, 128>& tags;
  int transitionStep = -1; // the region transition's step, or none
};
BriefingScene sceneOf(const BriefingPlayback& pb);

// Paints the whole area. A zoom of 0 paints nothing, leaving the last picture.
void paintBriefing(QPainter& p, QSize area, const BriefingScene& scene,
                   const BriefingPaintOptions& options);

// The options a mission gives: team 1's name and the region names.
struct Document;
BriefingPaintOptions briefingPaintOptions(const Document& doc);

} // namespace zephlo
