#include "ui/side/mission_logic_window.h"

#include "core/mission/edit.h"
#include "ui/editing/document_follower.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

namespace zephlo {

namespace {

constexpr int kMargin = 12;

// The graph at 1:1, a point a pixel; a double click on a node activates it.
class LogicCanvas : public QWidget {
public:
  explicit LogicCanvas(MissionLogicWindow& w) : QWidget(&w), window_(w) {
    setObjectName(QStringLiteral("LogicCanvas"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const LogicLayout& l = window_.layout();
    if (!l.problem.isEmpty()) {
      p.drawText(rect(), Qt::AlignCenter, l.problem);
      return;
    }
    p.translate(kMargin, kMargin);
    paintLogicGraph(p, window_.logic(), l);
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    const int node = logicNodeAt(window_.layout(), e->position() - QPointF(kMargin, kMargin));
    if (node >= 0) window_.activateNode(node);
  }

private:
  MissionLogicWindow& window_;
};

// Whether an edit can change the graph: triggers, motherships, orders and
// goals live in the records of flight groups, messages and global goals;
// names in those and in the teams.
bool concernsTheGraph(const Change& c) {
  return c.flightGroupList || c.messageList || (c.fgAspects & kFGRecord) != 0 ||
         !c.messages.empty() || c.globalGoals.any() || c.teams.any();
}

} // namespace

MissionLogicWindow::MissionLogicWindow(EditingDocument& doc, QWidget* parent)
    : ToolWindow(parent, Qt::Tool), doc_(doc) {
  setObjectName(QStringLiteral("MissionLogicWindow"));
  setWindowTitle(QStringLiteral("Mission Logic"));
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName(QStringLiteral("LogicScroll"));
  canvas_ = new LogicCanvas(*this);
  scroll_->setWidget(canvas_);
  scroll_->viewport()->setPalette(canvas_->palette());
  scroll_->viewport()->setAutoFillBackground(true);
  FindingsList = new QListWidget(this);
  FindingsList->setObjectName(QStringLiteral("FindingsList"));
  FindingsList->setWordWrap(true);
  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(scroll_);
  split->addWidget(FindingsList);
  split->setStretchFactor(0, 4);
  split->setStretchFactor(1, 1);
  split->setSizes({480, 120});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(new QLabel(QStringLiteral("Double-click a flight group, message or goal to "
                                              "make it current. Red: can never happen."),
                               this));
  layout->addWidget(split, 1);
  resize(900, 650);

  // Several edits in one event (a drag, an undo of many) lay it out once.
  rebuildSoon_.setSingleShot(true);
  rebuildSoon_.setInterval(0);
  connect(&rebuildSoon_, &QTimer::timeout, this, &MissionLogicWindow::rebuild);
  // A hidden window does no work and catches up when it is shown.
  new DocumentFollower(doc_, this, [this](const ViewUpdate& u) {
    if (u.everything())
      rebuild();
    else if (u.change() && concernsTheGraph(*u.change()))
      rebuildSoon_.start();
  });
}

void MissionLogicWindow::rebuild() {
  logic_ = analyseMissionLogic(doc_.document());
  layout_ = layOutLogic(logic_);
  const QSize size = layout_.bounds.size().toSize() + QSize(2 * kMargin, 2 * kMargin);
  canvas_->resize(size.expandedTo(QSize(200, 100)));
  canvas_->update();
  FindingsList->clear();
  for (const std::string& line : logic_.findings)
    FindingsList->addItem(pages::fromBytes(line));
  if (logic_.findings.empty())
    FindingsList->addItem(QStringLiteral("Everything in the mission can happen."));
}

void MissionLogicWindow::activateNode(int node) {
  if (node < 0 || node >= static_cast<int>(logic_.nodes.size())) return;
  const LogicNode& n = logic_.nodes[static_cast<std::size_t>(node)];
  switch (n.kind) {
  case LogicNodeKind::FlightGroup:
  case LogicNodeKind::FlightGroupGoal:
    doc_.setFlightGroupSelection({n.index});
    doc_.selectFlightGroup(n.index);
    if (n.kind == LogicNodeKind::FlightGroupGoal) doc_.setCurrentGoal(n.goal);
    break;
  case LogicNodeKind::Message:
    doc_.setMessageSelection({n.index});
    doc_.selectMessage(n.index);
    break;
  case LogicNodeKind::GlobalGoal:
    doc_.setCurrentTeam(n.index);
    doc_.setCurrentGlobalGoal(n.goal);
    break;
  }
}

} // namespace zephlo
