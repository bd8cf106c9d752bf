#include "ui/editing/editing_document.h"

#include "platform/game_folder.h"
#include "ui/editing/path_text.h"

#include <QUndoCommand>

namespace zephlo {

// One step on the undo stack: the deltas of one edit, or of several edits
// of one control on one selection merged together, and the current items
// and selections before and after.
class EditCommand : public QUndoCommand {
public:
  EditCommand(EditingDocument& c, const Operation& op, Applied a)
      : QUndoCommand(QString::fromStdString(op.name)), c_(c), key_(op.mergeKey),
        change_(std::move(a.change)), before_(std::move(a.before)), after_(std::move(a.after)) {
    deltas_.push_back(std::move(a.delta));
  }

  int id() const override { return key_.empty() ? -1 : 1; }

  bool mergeWith(const QUndoCommand* other) override {
    const auto* o = static_cast<const EditCommand*>(other);
    if (o->key_ != key_) return false;
    deltas_.insert(deltas_.end(), o->deltas_.begin(), o->deltas_.end());
    change_.merge(o->change_);
    after_ = o->after_;
    return true;
  }

  void undo() override {
    for (auto it = deltas_.rbegin(); it != deltas_.rend(); ++it)
      it->revert(c_.doc_);
    c_.announce(change_, before_);
  }

  void redo() override {
    // The edit was made before the step was pushed.
    if (pushed_) {
      pushed_ = false;
      return;
    }
    for (const Delta& d : deltas_)
      d.reapply(c_.doc_);
    c_.announce(change_, after_);
  }

private:
  EditingDocument& c_;
  std::string key_;
  std::vector<Delta> deltas_;
  Change change_;
  EditorState before_, after_;
  bool pushed_ = true;
};

EditingDocument::EditingDocument(Preferences& prefs, Prompts& prompts, QObject* parent)
    : QObject(parent), prefs_(prefs), prompts_(prompts) {
  doc_ = newMission(missionPrefsOf(prefs_));
  templates_ = makeTemplates(missionPrefsOf(prefs_), doc_.teamIff[0]);
  st_.selectedFGs = {0};
  connect(&undo_, &QUndoStack::cleanChanged, this,
          [this](bool clean) { emit modifiedChanged(!clean); });
}

EditingDocument::~EditingDocument() {
  // The steps refer back to this document; drop them first.
  undo_.clear();
}

MissionPrefs missionPrefsOf(const Preferences& prefs) {
  MissionPrefs m;
  m.defaultCraftType = static_cast<Byte>(prefs.defaultShip);
  m.defaultAiRank = static_cast<Byte>(prefs.defaultAI);
  m.autolink = prefs.autoLink;
  return m;
}

ListContext listContextOf(const EditingDocument& doc) {
  ListContext ctx;
  ctx.templates = &doc.templates();
  ctx.prefs = missionPrefsOf(doc.preferences());
  ctx.voicePanelVisible = doc.voicePanelVisible();
  return ctx;
}

QString gameFolderOf(const EditingDocument& doc) {
  return findGameFolder(doc.preferences().gameDir);
}

// ---- replacing the mission --------------------------------------------------

void EditingDocument::replace(Document doc, EditorState state, Replacement kind) {
  doc_ = std::move(doc);
  st_ = std::move(state);
  if (kind == Replacement::New) templates_ = makeTemplates(missionPrefsOf(prefs_), doc_.teamIff[0]);
  undo_.clear();
  undo_.setClean();
  if (kind == Replacement::Recovered || kind == Replacement::Imported) undo_.resetClean();
  emit documentReplaced();
  emit stateChanged();
}

void EditingDocument::markSaved(const std::string& fileName) {
  doc_.fileName = fileName;
  undo_.setClean();
  emit fileNameChanged();
}

void EditingDocument::setVoiceList(const std::string& path, std::vector<std::string> entries) {
  doc_.voiceListPath = path;
  doc_.voiceEntries = std::move(entries);
}

// ---- edits ------------------------------------------------------------------
bool EditingDocument::apply(const Operation& op) {
  const EditorState prior = st_;
  auto r = applyOperation(doc_, st_, op);
  if (!r) {
    prompts_.showError(fromMessage(r.error().message));
    return false;
  }
  const Change change = r->change;
  if (!r->delta.empty()) undo_.push(new EditCommand(*this, op, std::move(*r)));
  if (!change.empty()) emit documentChanged(change);
  stateSignals(prior);
  return true;
}

void EditingDocument::announce(const Change& change, const EditorState& target) {
  const EditorState prior = st_;
  // Where the user was in the lists comes back; the region and order shown
  // are the user's view and stay. The state is back before the views hear
  // of the change: after undoing a new flight group the current one would
  // otherwise lie past the end of the list while they refresh.
  st_.currentFG = target.currentFG;
  st_.currentMsg = target.currentMsg;
  st_.currentTeam = target.currentTeam;
  st_.currentGoal = target.currentGoal;
  st_.selectedFGs = target.selectedFGs;
  st_.selectedMsgs = target.selectedMsgs;
  if (!change.empty()) emit documentChanged(change);
  stateSignals(prior);
}

Operation newFlightGroupOperation(const EditingDocument& doc) {
  return newItemOperation(ListPage::FlightGroups, listContextOf(doc));
}

void EditingDocument::stateSignals(const EditorState& prior) {
  if (st_ == prior) return;
  emit stateChanged();
  if (st_.currentFG != prior.currentFG) emit currentFlightGroupChanged(st_.currentFG);
  if (st_.currentMsg != prior.currentMsg) emit currentMessageChanged(st_.currentMsg);
}

// ---- selections ---------------------------------------------------------------

void EditingDocument::selectFlightGroup(int index) {
  if (index < 0 || index >= static_cast<int>(doc_.flightGroups.size())) return;
  if (index == st_.currentFG) return;
  st_.currentFG = index;
  st_.currentGoal = 0;
  emit currentFlightGroupChanged(index);
}

void EditingDocument::selectMessage(int index) {
  if (index < 0 || index >= static_cast<int>(doc_.messages.size())) return;
  if (index == st_.currentMsg) return;
  st_.currentMsg = index;
  emit currentMessageChanged(index);
}

void EditingDocument::setFlightGroupSelection(const std::set<int>& rows) {
  if (rows == st_.selectedFGs) return;
  st_.selectedFGs = rows;
  emit selectionChanged();
}

void EditingDocument::setMessageSelection(const std::set<int>& rows) {
  if (rows == st_.selectedMsgs) return;
  st_.selectedMsgs = rows;
  emit selectionChanged();
}

void EditingDocument::setCurrentRegion(int region) {
  if (region < 1 || region > kRegionCount || region == st_.currentRegion) return;
  st_.currentRegion = region;
  emit regionChanged(region);
}

void EditingDocument::setCurrentOrder(int order) {
  if (order < 1 || order > kOrdersPerRegion || order == st_.currentOrder) return;
  st_.currentOrder = order;
  emit orderChanged(order);
  emit stateChanged();
}

void EditingDocument::setCurrentGoal(int goal) {
  if (goal < 0 || goal >= kFGGoalCount || goal == st_.currentGoal) return;
  st_.currentGoal = goal;
  emit stateChanged();
}

void EditingDocument::setCurrentGlobalGoal(int kind) {
  if (kind < 0 || kind > 2 || kind == st_.currentGlobalGoal) return;
  st_.currentGlobalGoal = kind;
  emit stateChanged();
}

void EditingDocument::setCurrentTeam(int team) {
  if (team < 0 || team >= kTeamCount || team == st_.currentTeam) return;
  st_.currentTeam = team;
  emit stateChanged();
}

} // namespace zephlo
