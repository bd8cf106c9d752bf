#include "render/logic_graph.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <graphviz/gvc.h>

#include <map>
#include <memory>
#include <string>

namespace zephlo {

namespace {

constexpr double kPointsPerInch = 72.0;

QString fromLatin1(const std::string& s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// One Graphviz context for the whole run: its text plug-in remembers the
// last font between layouts, which freeing the context would leave dangling.
GVC_t* graphvizContext() {
  static GVC_t* const gvc = gvContext();
  return gvc;
}

// The graph, closed on every way out.
struct Layout {
  GVC_t* gvc = graphvizContext();
  Agraph_t* graph = nullptr;
  ~Layout() {
    if (graph) {
      gvFreeLayout(gvc, graph);
      agclose(graph);
    }
  }
};

// The texts of the drawing; the layout makes room for them in this font.
QFont graphFont() {
  QFont f;
  f.setPointSizeF(9);
  return f;
}

QColor nodeColour(const LogicNode& n) { return n.neverHappens ? QColor(200, 0, 0) : Qt::black; }

void drawShape(QPainter& p, LogicNodeKind kind, const QRectF& r) {
  switch (kind) {
  case LogicNodeKind::FlightGroup: p.drawRect(r); break;
  case LogicNodeKind::Message: {
    // A note: a box with a folded corner.
    const double f = std::min(8.0, r.height() / 3);
    QPolygonF poly{r.topLeft(), r.topRight() - QPointF(f, 0), r.topRight() + QPointF(0, f),
                   r.bottomRight(), r.bottomLeft()};
    p.drawPolygon(poly);
    p.drawLine(r.topRight() - QPointF(f, 0), r.topRight() + QPointF(-f, f));
    p.drawLine(r.topRight() + QPointF(-f, f), r.topRight() + QPointF(0, f));
    break;
  }
  case LogicNodeKind::FlightGroupGoal: p.drawEllipse(r); break;
  case LogicNodeKind::GlobalGoal: {
    const double d = r.height() / 2;
    p.drawPolygon(QPolygonF{QPointF(r.left(), r.center().y()), r.topLeft() + QPointF(d, 0),
                            r.topRight() - QPointF(d, 0), QPointF(r.right(), r.center().y()),
                            r.bottomRight() - QPointF(d, 0), r.bottomLeft() + QPointF(d, 0)});
    break;
  }
  }
}

} // namespace

LogicLayout layOutLogic(const MissionLogic& logic) {
  LogicLayout out;
  out.nodes.resize(logic.nodes.size());
  out.edges.resize(logic.edges.size());
  for (std::size_t i = 0; i < logic.nodes.size(); ++i)
    out.nodes[i].label = fromLatin1(logic.nodes[i].name);
  for (std::size_t i = 0; i < logic.edges.size(); ++i)
    out.edges[i].label = fromLatin1(logic.edges[i].label);
  if (logic.nodes.empty()) return out;

  Layout gv;
  const std::string dot = logicDot(logic);
  gv.graph = agmemread(dot.c_str());
  if (gv.graph) {
    // Sized for the painter's sans-serif texts (Graphviz estimates the
    // widths of its own fonts; Helvetica's are the nearest).
    for (int kind : {AGNODE, AGEDGE}) {
      agattr(gv.graph, kind, const_cast<char*>("fontname"), const_cast<char*>("Helvetica"));
      agattr(gv.graph, kind, const_cast<char*>("fontsize"), const_cast<char*>("10"));
    }
    // Graphviz only estimates text widths: each node is made at least as
    // wide as its label is in the font it is drawn in.
    const QFontMetricsF fm(graphFont());
    std::map<std::string, double> widths;
    for (const LogicNode& n : logic.nodes)
      widths[logicNodeId(n)] = fm.horizontalAdvance(fromLatin1(n.name)) + 24;
    agattr(gv.graph, AGNODE, const_cast<char*>("width"), const_cast<char*>("0.75"));
    for (Agnode_t* n = agfstnode(gv.graph); n; n = agnxtnode(gv.graph, n)) {
      const auto w = widths.find(agnameof(n));
      if (w == widths.end()) continue;
      const std::string inches = std::to_string(w->second / kPointsPerInch);
      agset(n, const_cast<char*>("width"), const_cast<char*>(inches.c_str()));
    }
  }
  if (!gv.graph || gvLayout(gv.gvc, gv.graph, "dot") != 0) {
    if (gv.graph) {
      agclose(gv.graph);
      gv.graph = nullptr;
    }
    out.problem = QStringLiteral("Graphviz could not lay out the graph.");
    return out;
  }
  const boxf bb = GD_bb(gv.graph);
  // Graphviz counts y upwards; the window downwards.
  auto at = [&bb](pointf p) { return QPointF(p.x - bb.LL.x, bb.UR.y - p.y); };
  out.bounds = QRectF(0, 0, bb.UR.x - bb.LL.x, bb.UR.y - bb.LL.y);

  std::map<std::string, std::size_t> index;
  for (std::size_t i = 0; i < logic.nodes.size(); ++i)
    index[logicNodeId(logic.nodes[i])] = i;
  // Edges are matched in the order they were written between each pair.
  std::map<std::pair<std::size_t, std::size_t>, std::vector<std::size_t>> pending;
  for (std::size_t i = logic.edges.size(); i-- > 0;)
    pending[{static_cast<std::size_t>(logic.edges[i].from),
             static_cast<std::size_t>(logic.edges[i].to)}]
        .push_back(i);

  for (Agnode_t* n = agfstnode(gv.graph); n; n = agnxtnode(gv.graph, n)) {
    const auto it = index.find(agnameof(n));
    if (it == index.end()) continue;
    const double w = ND_width(n) * kPointsPerInch, h = ND_height(n) * kPointsPerInch;
    const QPointF c = at(ND_coord(n));
    out.nodes[it->second].box = QRectF(c.x() - w / 2, c.y() - h / 2, w, h);
  }
  for (Agnode_t* n = agfstnode(gv.graph); n; n = agnxtnode(gv.graph, n)) {
    for (Agedge_t* e = agfstout(gv.graph, n); e; e = agnxtout(gv.graph, e)) {
      const auto from = index.find(agnameof(agtail(e)));
      const auto to = index.find(agnameof(aghead(e)));
      if (from == index.end() || to == index.end()) continue;
      auto& queue = pending[{from->second, to->second}];
      if (queue.empty()) continue;
      LaidOutEdge& out_e = out.edges[queue.back()];
      queue.pop_back();
      const splines* spl = ED_spl(e);
      if (!spl || spl->size == 0 || spl->list[0].size == 0) continue;
      const bezier& b = spl->list[0];
      const auto points = static_cast<std::size_t>(b.size);
      out_e.path.moveTo(at(b.list[0]));
      for (std::size_t k = 1; k + 2 < points; k += 3)
        out_e.path.cubicTo(at(b.list[k]), at(b.list[k + 1]), at(b.list[k + 2]));
      out_e.head = at(b.list[points - 1]);
      out_e.tip = b.eflag ? at(b.ep) : out_e.head;
      if (const textlabel_t* l = ED_label(e)) out_e.labelAt = at(l->pos);
    }
  }
  return out;
}

void paintLogicGraph(QPainter& p, const MissionLogic& logic, const LogicLayout& layout) {
  p.setRenderHint(QPainter::Antialiasing);
  const QFont font = graphFont();
  p.setFont(font);
  const QFontMetricsF fm(font);
  for (std::size_t i = 0; i < layout.edges.size() && i < logic.edges.size(); ++i) {
    const LaidOutEdge& e = layout.edges[i];
    const bool decides = logic.edges[i].decides;
    const QColor colour = decides ? QColor(40, 40, 40) : QColor(110, 110, 110);
    p.setPen(QPen(colour, 1, decides ? Qt::SolidLine : Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(e.path);
    // The arrow head from the spline's end to the node.
    const QLineF shaft(e.head, e.tip);
    if (shaft.length() > 0.5) {
      const QLineF back = QLineF(e.tip, e.head).unitVector();
      const QPointF d = (back.p2() - back.p1()) * 9;
      const QPointF n(-d.y() / 2.5, d.x() / 2.5);
      p.setBrush(colour);
      p.setPen(QPen(colour, 1));
      p.drawPolygon(QPolygonF{e.tip, e.tip + d + n, e.tip + d - n});
    }
    p.setPen(colour);
    const QRectF text = fm.boundingRect(e.label);
    p.drawText(QRectF(e.labelAt.x() - text.width() / 2, e.labelAt.y() - text.height() / 2,
                      text.width() + 2, text.height()),
               Qt::AlignCenter, e.label);
  }
  for (std::size_t i = 0; i < layout.nodes.size() && i < logic.nodes.size(); ++i) {
    const LaidOutNode& n = layout.nodes[i];
    const QColor colour = nodeColour(logic.nodes[i]);
    p.setPen(QPen(colour, logic.nodes[i].neverHappens ? 2 : 1));
    p.setBrush(QColor(255, 255, 255));
    drawShape(p, logic.nodes[i].kind, n.box);
    p.setPen(colour);
    p.drawText(n.box, Qt::AlignCenter, n.label);
  }
}

int logicNodeAt(const LogicLayout& layout, QPointF point) {
  for (std::size_t i = 0; i < layout.nodes.size(); ++i)
    if (layout.nodes[i].box.contains(point)) return static_cast<int>(i);
  return -1;
}

} // namespace zephlo
