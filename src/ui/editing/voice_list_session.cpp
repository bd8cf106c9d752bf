#include "ui/editing/voice_list_session.h"

#include "core/lists/voice_list.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/path_text.h"

#include <QFileInfo>

namespace zephlo {

namespace {
constexpr int kCreatedNoticeMs = 800;
constexpr int kSavedNoticeMs = 700;
} // namespace

VoiceListSession::VoiceListSession(EditingDocument& doc, Preferences& prefs, QObject* parent)
    : QObject(parent), doc_(doc), prefs_(prefs) {
  connect(&doc_, &EditingDocument::documentChanged, this, [this](const Change& c) {
    if (c.voices) changed_ = true;
  });
  connect(&watch_, &DiskWatch::changedOnDisk, this, &VoiceListSession::changedOnDisk);
}

void VoiceListSession::trackFile() {
  const std::string& path = doc_.document().voiceListPath;
  if (path == kNoVoiceList)
    watch_.clear();
  else
    watch_.track(fromPath(path));
}

void VoiceListSession::changedOnDisk() {
  const QString path = watch_.path();
  if (changed_ || !QFileInfo::exists(path)) {
    emit statusMessage(watch_.changedText());
    return;
  }
  if (!doc_.prompts().askYesNo(watch_.reloadQuestion())) return;
  auto entries = readVoiceList(toPath(path));
  if (!entries) {
    doc_.prompts().showError(fromMessage(entries.error().message));
    return;
  }
  doc_.setVoiceList(toPath(path), std::move(*entries));
  trackFile();
  emit voicesReplaced();
}

void VoiceListSession::loadFor(Document& d) {
  if (Status s = loadVoiceListFor(d, toPath(gameFolderOf(doc_))); !s)
    doc_.prompts().showError(fromMessage(s.error().message));
}

void VoiceListSession::replaced() {
  changed_ = false;
  trackFile();
  emit voicesReplaced();
}

bool VoiceListSession::createVoiceList() {
  Document d = doc_.document();
  auto r = zephlo::createVoiceList(d, toPath(gameFolderOf(doc_)));
  if (!r) {
    doc_.prompts().showError(fromMessage(r.error().message));
    return false;
  }
  doc_.setVoiceList(d.voiceListPath, std::move(d.voiceEntries));
  trackFile();
  doc_.prompts().timedNotice(fromMessage(voiceListCreatedNotice(*r)), kCreatedNoticeMs);
  changed_ = true;
  emit voicesReplaced();
  return true;
}

bool VoiceListSession::assignVoice(int endLine) {
  const bool endLines = endLine >= 0;
  const int current = doc_.state().currentMsg;
  if (Status s = canAssignVoice(doc_.document(), current); !s) {
    doc_.prompts().showError(fromMessage(s.error().message));
    return false;
  }
  if (doc_.document().voiceListPath == kNoVoiceList &&
      doc_.prompts().askYesNo(QStringLiteral(
          "There is no .lst file for this mission to assign WAVs to. Create one?"))) {
    createVoiceList();
  }
  if (doc_.document().voiceListPath == kNoVoiceList) return false;
  const QString file =
      doc_.prompts().chooseOpenFile(QStringLiteral("Choose a voice file"), prefs_.waveDir,
                                    QStringLiteral("WAV files (*.wav);;All Files (*)"));
  if (file.isEmpty()) return false;
  const std::size_t slot = voiceSlot(current, endLines, endLine);
  if (!doc_.apply(
          assignVoiceOperation(slot, voiceEntryFor(toPath(QFileInfo(file).absoluteFilePath())))))
    return false;
  prefs_.waveDir = QFileInfo(file).absolutePath();
  emit voiceChosen(file);
  return true;
}

bool VoiceListSession::clearVoice() {
  if (doc_.document().voiceEntries.empty()) return false;
  return doc_.apply(clearVoiceOperation(voiceSlot(doc_.state().currentMsg, false, 0)));
}

bool VoiceListSession::saveVoices() {
  // The file takes no more entries than the game reads; the list in memory
  // stays as it is (the cut happens in the bytes written).
  const std::string& path = doc_.document().voiceListPath;
  if (path != kNoVoiceList && fromPath(path) == watch_.path() && watch_.changed()) {
    const QStringList choices{QStringLiteral("Overwrite"), QStringLiteral("Cancel")};
    if (doc_.prompts().askChoice(QStringLiteral("Confirm"), watch_.changedText(), choices) != 0)
      return false;
  }
  if (Status s = saveVoiceList(doc_.document()); !s) {
    doc_.prompts().showError(fromMessage(s.error().message));
    return false;
  }
  changed_ = false;
  trackFile();
  if (prefs_.fileSavedMsg)
    doc_.prompts().timedNotice(fromMessage(voiceListSavedNotice(doc_.document())), kSavedNoticeMs);
  emit voicesReplaced();
  return true;
}

void VoiceListSession::offerVoiceSave() {
  if (!offerVoiceListSave(doc_.document(), changed_)) return;
  if (doc_.prompts().askYesNo(QStringLiteral("WAV .lst file has been changed. Save it?")))
    saveVoices();
}

void VoiceListSession::carryToNewName() {
  const bool hadList = doc_.document().voiceListPath != kNoVoiceList;
  Document d = doc_.document();
  if (Status s = carryVoiceListTo(d, toPath(gameFolderOf(doc_))); !s) {
    doc_.prompts().showError(fromMessage(s.error().message));
    return;
  }
  doc_.setVoiceList(d.voiceListPath, std::move(d.voiceEntries));
  changed_ = false;
  trackFile();
  if (hadList) emit voicesReplaced();
}

} // namespace zephlo
