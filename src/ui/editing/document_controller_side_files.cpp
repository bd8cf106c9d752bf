// The files beside the mission: its voice list (loaded beside an opened
// mission, created, assigned, cleared, saved, and the prompt about unsaved
// changes) and the editor's Backdrops.txt.
#include "core/lists/voice_list.h"
#include "core/map/backdrops.h"
#include "platform/game_folder.h"
#include "ui/editing/document_controller.h"
#include "ui/editing/path_text.h"

#include <QFileInfo>

namespace zephlo {

namespace {
constexpr int kCreatedNoticeMs = 800;
constexpr int kSavedNoticeMs = 700;
} // namespace

QString DocumentController::gameFolder() const { return findGameFolder(prefs_.gameDir); }

void DocumentController::loadVoices() {
  if (Status s = loadVoiceListFor(doc_, toPath(gameFolder())); !s)
    prompts_.showError(fromMessage(s.error().message));
  voicesChanged_ = false;
  emit voicesReplaced();
}

bool DocumentController::createVoiceList() {
  auto r = zephlo::createVoiceList(doc_, toPath(gameFolder()));
  if (!r) {
    prompts_.showError(fromMessage(r.error().message));
    return false;
  }
  prompts_.timedNotice(fromMessage(voiceListCreatedNotice(*r)), kCreatedNoticeMs);
  voicesChanged_ = true;
  emit voicesReplaced();
  return true;
}

bool DocumentController::assignVoice(int endLine) {
  const bool endLines = endLine >= 0;
  if (Status s = canAssignVoice(doc_, st_.currentMsg); !s) {
    prompts_.showError(fromMessage(s.error().message));
    return false;
  }
  if (doc_.voiceListPath == kNoVoiceList &&
      prompts_.askYesNo(QStringLiteral(
          "There is no .lst file for this mission to assign WAVs to. Create one?"))) {
    createVoiceList();
  }
  if (doc_.voiceListPath == kNoVoiceList) return false;
  const QString file =
      prompts_.chooseOpenFile(QStringLiteral("Choose a voice file"), prefs_.waveDir,
                              QStringLiteral("WAV files (*.wav);;All Files (*)"));
  if (file.isEmpty()) return false;
  const std::size_t slot = voiceSlot(st_.currentMsg, endLines, endLine);
  if (!apply(assignVoiceOperation(slot, voiceEntryFor(toPath(QFileInfo(file).absoluteFilePath())))))
    return false;
  prefs_.waveDir = QFileInfo(file).absolutePath();
  emit voiceChosen(file);
  return true;
}

bool DocumentController::clearVoice() {
  if (doc_.voiceEntries.empty()) return false;
  return apply(clearVoiceOperation(voiceSlot(st_.currentMsg, false, 0)));
}

bool DocumentController::saveVoices() {
  // The list in memory keeps no more entries than the file takes.
  const std::size_t limit = voiceListLimit(doc_.platform);
  if (doc_.voiceListPath != kNoVoiceList && doc_.voiceEntries.size() > limit)
    doc_.voiceEntries.resize(limit);
  if (Status s = saveVoiceList(doc_); !s) {
    prompts_.showError(fromMessage(s.error().message));
    return false;
  }
  voicesChanged_ = false;
  if (prefs_.fileSavedMsg)
    prompts_.timedNotice(fromMessage(voiceListSavedNotice(doc_)), kSavedNoticeMs);
  emit voicesReplaced();
  return true;
}

void DocumentController::offerVoiceSave() {
  if (!offerVoiceListSave(doc_, voicesChanged_)) return;
  if (prompts_.askYesNo(QStringLiteral("WAV .lst file has been changed. Save it?"))) saveVoices();
}

void DocumentController::loadBackdropNames(const QString& editorFolder) {
  backdropNames_.reset();
  auto names = readBackdropNames(toPath(editorFolder + QStringLiteral("/Backdrops.txt")));
  if (!names) {
    prompts_.showError(fromMessage(names.error().message));
    return;
  }
  backdropNames_ = std::move(*names);
}

} // namespace zephlo
