#include "ui/editing/list_actions.h"

#include "ui/editing/editing_document.h"

namespace zephlo {

namespace {
ListPage listPage(MainPage p) {
  return p == MainPage::Messages ? ListPage::Messages : ListPage::FlightGroups;
}
} // namespace

ListActions::ListActions(EditingDocument& doc)
    : doc_(doc), clip_(makeClipboards(doc.templates())) {}

void ListActions::addItem(MainPage page) {
  if (page == MainPage::Teams) return;
  doc_.apply(newItemOperation(listPage(page), listContextOf(doc_)));
}

void ListActions::deleteSelection(MainPage page) {
  if (page == MainPage::Teams) return;
  const bool confirm = doc_.preferences().confirmDeletes;
  if (page == MainPage::FlightGroups) {
    if (confirm && !doc_.prompts().askYesNo(
                       QStringLiteral("Delete all selected Flight Groups - Are You Sure?")))
      return;
  } else {
    if (doc_.document().messages.empty()) return;
    if (confirm &&
        !doc_.prompts().askYesNo(QStringLiteral("Delete all selected Messages - Are You Sure?")))
      return;
  }
  doc_.apply(deleteOperation(listPage(page), listContextOf(doc_)));
}

void ListActions::copyItem(MainPage page) {
  if (page == MainPage::FlightGroups)
    copyFlightGroup(doc_.document(), doc_.state(), clip_);
  else if (page == MainPage::Messages && !doc_.document().messages.empty())
    copyMessage(doc_.document(), doc_.state(), clip_);
}

void ListActions::pasteItem(MainPage page) {
  if (page == MainPage::Teams) return;
  doc_.apply(pasteOperation(listPage(page), clip_, listContextOf(doc_)));
}

void ListActions::moveUp(MainPage page) {
  if (canMoveUp(page)) doc_.apply(moveUpOperation(listPage(page)));
}

void ListActions::moveDown(MainPage page) {
  if (canMoveDown(page)) doc_.apply(moveDownOperation(listPage(page)));
}

bool ListActions::canMoveUp(MainPage page) const {
  const EditorState& st = doc_.state();
  if (page == MainPage::FlightGroups)
    return zephlo::canMoveUp(st.selectedFGs, static_cast<int>(doc_.document().flightGroups.size()));
  if (page == MainPage::Messages)
    return zephlo::canMoveUp(st.selectedMsgs, static_cast<int>(doc_.document().messages.size()));
  return false;
}

bool ListActions::canMoveDown(MainPage page) const {
  const EditorState& st = doc_.state();
  if (page == MainPage::FlightGroups)
    return zephlo::canMoveDown(st.selectedFGs,
                               static_cast<int>(doc_.document().flightGroups.size()));
  if (page == MainPage::Messages)
    return zephlo::canMoveDown(st.selectedMsgs, static_cast<int>(doc_.document().messages.size()));
  return false;
}

} // namespace zephlo
