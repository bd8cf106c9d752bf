// The mission's voice list: line i of "<mission>.lst" in the game's
// "Wave\MissionVoice" folder names the voice of message i; entries 64-69
// voice the six end-of-mission lines. The entries live in
// Document::voiceEntries, the file's path in Document::voiceListPath.
#pragma once

#include "core/mission/document.h"
#include "core/mission/edit.h"
#include "core/mission/result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zephlo {

inline constexpr const char* kDummyVoice = "dummy.wav";
inline constexpr std::size_t kMessageVoiceSlots = 64; // entries 0-63: messages
inline constexpr std::size_t kEndMessageVoice = 64;   // entries 64-69: end-of-mission lines
inline constexpr std::size_t kNewVoiceListSize = 70;

// The voice list's folder inside the game folder, written the game's way.
inline constexpr const char* kVoiceFolder = "Wave\\MissionVoice";

// "M1.tie" (in any folder) -> "M1.lst": the file name less its last four characters.
std::string voiceListName(const std::string& missionPath);

// The voice list a mission opened from missionPath uses: in the game's
// folder, else on the CD-ROM drive (its root, e.g. "D:\"), else nothing.
std::optional<std::filesystem::path>
findVoiceList(const std::string& gameFolder, const std::string& missionPath,
              const std::optional<std::string>& cdromRoot = std::nullopt);

// Reads a voice list file, one entry a line.
Result<std::vector<std::string>> readVoiceList(const std::filesystem::path& path);

// Sets the document's voice list after it was opened from its file: the
// list found beside the game (entries and path), or no list at all. An
// unreadable list file is reported and the mission keeps no list.
Status loadVoiceListFor(Document& doc, const std::string& gameFolder,
                        const std::optional<std::string>& cdromRoot = std::nullopt);

// No list: a new mission, or one without a list file.
void forgetVoiceList(Document& doc);

// Creates "<mission>.lst" with 70 "dummy.wav" lines in the game's voice
// folder (made when missing) and makes it the document's list. Refuses an
// unnamed mission, a format other than the game's own, and a list file that
// already exists, so no list is ever overwritten. Not an undoable edit: the
// file exists from then on.
Result<std::filesystem::path> createVoiceList(Document& doc, const std::string& gameFolder);

// The entries written to the file: cut to 70 for the game's own format, to
// 19 for any other.
std::size_t voiceListLimit(std::uint16_t platform);
std::vector<std::string> entriesToSave(const Document& doc);

// Writes the document's list to its path through a temporary file; the old
// file is intact on failure. Refuses when the mission has no list.
Status saveVoiceList(const Document& doc);
// The notice shown after a save: "WAV .lst file M1.lst saved."
std::string voiceListSavedNotice(const Document& doc);

// The entry stored for a chosen voice file: in capitals, with backslashes as
// the game reads them, relative to the game's Wave folder when it lies in one.
std::string voiceEntryFor(const std::string& chosenFile);

// The file an entry names: the game's Wave folder + the entry, or the entry
// itself when it is a full path. Resolved without regard to case.
std::filesystem::path voiceFilePath(const std::string& gameFolder, const std::string& entry);

// What the voice box shows for the selected message, or nothing: with the
// end-of-mission lines showing (and a list of all 70 entries) entry 64 +
// the selected line, otherwise the current message's entry when the mission
// has a list holding one.
std::optional<std::string> shownVoiceEntry(const Document& doc, int currentMessage,
                                           bool endMessages, int selectedEndLine);
inline constexpr const char* kNoVoiceListText = "No matching .lst file";
// What the voice box shows: kNoVoiceListText while the mission has no voice
// list, else the shown entry, or nothing.
std::string voiceBoxText(const Document& doc, int currentMessage, bool endMessages,
                         int selectedEndLine);
bool hasVoiceList(const Document& doc);

// The voice file to play for an entry: in the game's Wave folder, else on
// the CD-ROM drive; nothing when neither exists (not an error).
std::optional<std::filesystem::path>
voiceFileToPlay(const std::string& gameFolder, const std::string& entry,
                const std::optional<std::string>& cdromRoot = std::nullopt);

// Whether closing, opening or saving must ask "WAV .lst file has been
// changed. Save it?": the list changed and its file still exists.
bool offerVoiceListSave(const Document& doc, bool voicesChanged);

// After Save As: a mission with a list of at least one entry takes its list
// along to "<new name>.lst" in the game's voice folder, saved there at once.
// Nothing happens for a mission without a list.
Status carryVoiceListTo(Document& doc, const std::string& gameFolder);

// The notice shown after creating: "<path> has been created."
std::string voiceListCreatedNotice(const std::filesystem::path& path);

// Whether a voice may be assigned to the current message now; the error
// carries the message the designer sees.
Status canAssignVoice(const Document& doc, int currentMessage);

// The entry a voice goes to: the current message's, or with the
// end-of-mission lines showing, 64 + the selected line.
std::size_t voiceSlot(int currentMessage, bool endMessages, int selectedEndLine);

// Stores entry into slot (padding a short list with "dummy.wav").
Operation assignVoiceOperation(std::size_t slot, std::string entry);
// Sets the slot back to "dummy.wav" when the list has it.
Operation clearVoiceOperation(std::size_t slot);

} // namespace zephlo
