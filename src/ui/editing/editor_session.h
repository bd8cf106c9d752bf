// Everything one run of the editor edits with, made in the right order: the
// editing document and the sessions and commands that work on it. The
// windows take the parts they need.
#pragma once

#include "ui/editing/checker_session.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/file_commands.h"
#include "ui/editing/list_actions.h"
#include "ui/editing/recovery_session.h"
#include "ui/editing/voice_list_session.h"

#include <optional>
#include <string>
#include <vector>

namespace zephlo {

struct EditorSession {
  EditorSession(Preferences& preferences, Prompts& prompts)
      : prefs(preferences), doc(preferences, prompts), voices(doc, preferences), checker(doc),
        files(doc, voices, checker), lists(doc), recovery(doc, files, voices, preferences) {}

  Preferences& prefs;
  EditingDocument doc;
  VoiceListSession voices;
  CheckerSession checker;
  FileCommands files;
  ListActions lists;
  RecoverySession recovery;
  // Backdrops.txt of the editor's folder, read once at start-up: the names
  // of the backdrop numbers, nothing when there is no such file.
  std::optional<std::vector<std::string>> backdropNames;
};

} // namespace zephlo
