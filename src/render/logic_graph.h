// The mission's web of triggers laid out and drawn: Graphviz's layered
// layout (its "dot" engine, through its C library) places the nodes and
// routes the edges; the painter draws them as the DOT output describes
// them, what can never happen in red.
#pragma once

#include "core/check/mission_logic.h"

#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <vector>

class QPainter;

namespace zephlo {

struct LaidOutNode {
  QRectF box; // in points, y down
  QString label;
};

struct LaidOutEdge {
  QPainterPath path;
  QPointF head, tip; // the arrow's last segment
  QPointF labelAt;
  QString label;
};

struct LogicLayout {
  QRectF bounds;
  std::vector<LaidOutNode> nodes; // as the logic's nodes
  std::vector<LaidOutEdge> edges; // as the logic's edges
  QString problem;                // why there is no layout, when there is none
};

LogicLayout layOutLogic(const MissionLogic& logic);

// Draws the layout in its own coordinates (points); the caller scales.
void paintLogicGraph(QPainter& p, const MissionLogic& logic, const LogicLayout& layout);

// The node whose box holds point, or -1.
int logicNodeAt(const LogicLayout& layout, QPointF point);

} // namespace zephlo
