// The web of triggers written out: as lines of text, and in Graphviz's DOT
// language for `dot -Tsvg`.
#include "core/check/mission_logic.h"

namespace zephlo {

namespace {

// Names and labels are the mission's 8-bit bytes, so the graph declares
// Latin-1; control bytes would break a DOT line and become blanks.
std::string dotString(const std::string& s) {
  std::string out = "\"";
  for (char ch : s) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += ch;
    } else {
      out += c < 0x20 || c == 0x7F ? ' ' : ch;
    }
  }
  return out + "\"";
}

std::string dotId(const LogicNode& n) {
  const std::string index = std::to_string(n.index + 1);
  switch (n.kind) {
  case LogicNodeKind::FlightGroup: return "fg" + index;
  case LogicNodeKind::Message: return "msg" + index;
  case LogicNodeKind::FlightGroupGoal: return "fg" + index + "_goal" + std::to_string(n.goal + 1);
  case LogicNodeKind::GlobalGoal:
    return "team" + index + "_" + kGlobalGoalKinds[n.goal >= 0 && n.goal < 3 ? n.goal : 0];
  }
  return "node";
}

const char* dotShape(LogicNodeKind kind) {
  switch (kind) {
  case LogicNodeKind::FlightGroup: return "box";
  case LogicNodeKind::Message: return "note";
  case LogicNodeKind::FlightGroupGoal: return "ellipse";
  case LogicNodeKind::GlobalGoal: return "hexagon";
  }
  return "box";
}

} // namespace

std::vector<std::string> logicLines(const MissionLogic& logic) {
  std::vector<std::string> out;
  out.reserve(logic.edges.size());
  for (const LogicEdge& e : logic.edges)
    out.push_back(e.line);
  return out;
}

std::string logicDot(const MissionLogic& logic) {
  std::string out = "digraph mission {\n"
                    "  charset=\"latin1\";\n"
                    "  rankdir=LR;\n"
                    "  node [shape=box];\n";
  std::vector<std::string> ids;
  ids.reserve(logic.nodes.size());
  for (const LogicNode& n : logic.nodes) {
    ids.push_back(dotId(n));
    out += "  " + ids.back() + " [label=" + dotString(n.name) + ", shape=" + dotShape(n.kind);
    if (n.neverHappens) out += ", color=red, fontcolor=red";
    out += "];\n";
  }
  for (const LogicEdge& e : logic.edges) {
    out += "  " + ids[static_cast<std::size_t>(e.from)] + " -> " +
           ids[static_cast<std::size_t>(e.to)] + " [label=" + dotString(e.label);
    // What does not decide whether the node happens is drawn lighter.
    if (!e.decides) out += ", style=dashed, color=gray40, fontcolor=gray40";
    out += "];\n";
  }
  return out + "}\n";
}

} // namespace zephlo
