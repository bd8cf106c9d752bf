#include "core/lists/voice_list.h"

#include "core/lists/game_paths.h"
#include "core/lists/text_lines.h"
#include "core/mission/utf8_path.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace zephlo {

namespace {

constexpr std::size_t kOtherFormatVoices = 19;

bool isFullPath(const std::string& s) {
  return (!s.empty() && (s[0] == '\\' || s[0] == '/')) || (s.size() >= 2 && s[1] == ':');
}

// The mission's list file in the game's voice folder, which is made when missing.
Result<fs::path> voiceListTarget(const Document& doc, const std::string& gameFolder) {
  auto game = checkedGameFolder(gameFolder);
  if (!game) return game.error();
  const fs::path folder = resolveInFolder(*game, kVoiceFolder);
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec)
    return makeError(ErrorKind::WriteFailed, "Cannot create the folder " + utf8FromPath(folder) +
                                                 ": " + ec.message() + ".");
  return resolveInFolder(folder, voiceListName(doc.fileName));
}

} // namespace

std::string voiceListName(const std::string& missionPath) {
  std::string name = fileNameOf(missionPath);
  name.resize(name.size() > 4 ? name.size() - 4 : 0);
  return name + ".lst";
}

std::optional<fs::path> findVoiceList(const std::string& gameFolder, const std::string& missionPath,
                                      const std::optional<std::string>& cdromRoot) {
  const std::string relative = std::string(kVoiceFolder) + "\\" + voiceListName(missionPath);
  std::error_code ec;
  if (!gameFolder.empty()) {
    const fs::path p = resolveInFolder(resolvePath(gameFolder), relative);
    if (fs::is_regular_file(p, ec)) return p;
  }
  if (cdromRoot && !cdromRoot->empty()) {
    const fs::path p = resolveInFolder(pathFromUtf8(*cdromRoot), relative);
    if (fs::is_regular_file(p, ec)) return p;
  }
  return std::nullopt;
}

Result<std::vector<std::string>> readVoiceList(const fs::path& path) { return readLinesFile(path); }

void forgetVoiceList(Document& doc) {
  doc.voiceListPath = kNoVoiceList;
  doc.voiceEntries.clear();
}

Status loadVoiceListFor(Document& doc, const std::string& gameFolder,
                        const std::optional<std::string>& cdromRoot) {
  forgetVoiceList(doc);
  if (!doc.hasFileName()) return {};
  const auto path = findVoiceList(gameFolder, doc.fileName, cdromRoot);
  if (!path) return {};
  auto entries = readVoiceList(*path);
  if (!entries) return entries.error();
  doc.voiceListPath = path->string();
  doc.voiceEntries = std::move(*entries);
  return {};
}

Result<fs::path> createVoiceList(Document& doc, const std::string& gameFolder) {
  if (!doc.hasFileName())
    return makeError(ErrorKind::Refused,
                     "Mission File is unnamed. Can't create matching .lst file until it is named.");
  std::error_code ec;
  if (doc.voiceListPath != kNoVoiceList && fs::exists(pathFromUtf8(doc.voiceListPath), ec))
    return makeError(ErrorKind::Refused, doc.voiceListPath + " already exists!");
  if ((doc.platform & 0xFF) != kPlatformXwa)
    return makeError(ErrorKind::Refused,
                     "Voice lists can be made only for X-Wing Alliance missions.");
  auto target = voiceListTarget(doc, gameFolder);
  if (!target) return target.error();
  const fs::path path = *target;
  // A list found there in other capitals than the loader looked for is
  // still the designer's work; never replace it with an empty one.
  if (fs::exists(path, ec))
    return makeError(ErrorKind::Refused, utf8FromPath(path) + " already exists!");

  const std::vector<std::string> entries(kNewVoiceListSize, kDummyVoice);
  if (Status s = writeLinesFile(path, entries); !s) return s.error();
  doc.voiceListPath = utf8FromPath(path);
  doc.voiceEntries = entries;
  return path;
}

std::size_t voiceListLimit(std::uint16_t platform) {
  return (platform & 0xFF) == kPlatformXwa ? kNewVoiceListSize : kOtherFormatVoices;
}

std::vector<std::string> entriesToSave(const Document& doc) {
  std::vector<std::string> out = doc.voiceEntries;
  if (out.size() > voiceListLimit(doc.platform)) out.resize(voiceListLimit(doc.platform));
  return out;
}

Status saveVoiceList(const Document& doc) {
  if (doc.voiceListPath == kNoVoiceList)
    return makeError(ErrorKind::Refused, "There is no matching .lst file to save!");
  return writeLinesFile(doc.voiceListPath, entriesToSave(doc));
}

std::string voiceListSavedNotice(const Document& doc) {
  return "WAV .lst file " + fileNameOf(doc.voiceListPath) + " " + "saved.";
}

std::string voiceEntryFor(const std::string& chosenFile) {
  std::string entry = upperAscii(chosenFile);
  for (char& c : entry) {
    if (c == '/') c = '\\';
  }
  const std::string marker = "\\WAVE\\";
  if (const auto at = entry.find(marker); at != std::string::npos)
    entry.erase(0, at + marker.size());
  return entry;
}

fs::path voiceFilePath(const std::string& gameFolder, const std::string& entry) {
  if (isFullPath(entry)) return resolvePath(entry);
  return resolveInFolder(resolvePath(gameFolder), "Wave\\" + entry);
}

std::optional<std::string> shownVoiceEntry(const Document& doc, int currentMessage,
                                           bool endMessages, int selectedEndLine) {
  const auto& v = doc.voiceEntries;
  if (endMessages) {
    if (v.size() < kNewVoiceListSize || selectedEndLine < 0 || selectedEndLine > 5)
      return std::nullopt;
    return v[kEndMessageVoice + static_cast<std::size_t>(selectedEndLine)];
  }
  if (doc.voiceListPath == kNoVoiceList || currentMessage < 0 ||
      static_cast<std::size_t>(currentMessage) >= v.size() ||
      v[static_cast<std::size_t>(currentMessage)].empty())
    return std::nullopt;
  return v[static_cast<std::size_t>(currentMessage)];
}

std::optional<fs::path> voiceFileToPlay(const std::string& gameFolder, const std::string& entry,
                                        const std::optional<std::string>& cdromRoot) {
  std::error_code ec;
  if (!gameFolder.empty() || isFullPath(entry)) {
    const fs::path p = voiceFilePath(gameFolder, entry);
    if (fs::is_regular_file(p, ec)) return p;
  }
  if (cdromRoot && !cdromRoot->empty() && !isFullPath(entry)) {
    const fs::path p = resolveInFolder(pathFromUtf8(*cdromRoot), "Wave\\" + entry);
    if (fs::is_regular_file(p, ec)) return p;
  }
  return std::nullopt;
}

bool offerVoiceListSave(const Document& doc, bool voicesChanged) {
  std::error_code ec;
  return voicesChanged && doc.voiceListPath != kNoVoiceList &&
         fs::exists(pathFromUtf8(doc.voiceListPath), ec);
}

Status carryVoiceListTo(Document& doc, const std::string& gameFolder) {
  if (doc.voiceListPath == kNoVoiceList || doc.voiceEntries.empty()) return {};
  auto path = voiceListTarget(doc, gameFolder);
  if (!path) return path.error();
  if (Status s = writeLinesFile(*path, entriesToSave(doc)); !s) return s;
  doc.voiceListPath = utf8FromPath(*path);
  return {};
}

std::string voiceListCreatedNotice(const fs::path& path) {
  return utf8FromPath(path) + " has been created.";
}

Status canAssignVoice(const Document& doc, int currentMessage) {
  if (currentMessage >= static_cast<int>(kMessageVoiceSlots))
    return makeError(ErrorKind::Refused, "Limit of 64 wavs for custom messages");
  if (doc.messages.empty())
    return makeError(ErrorKind::Refused, "There are no messages to add sounds to!");
  return {};
}

std::size_t voiceSlot(int currentMessage, bool endMessages, int selectedEndLine) {
  if (endMessages) return kEndMessageVoice + static_cast<std::size_t>(std::max(selectedEndLine, 0));
  return static_cast<std::size_t>(std::max(currentMessage, 0));
}

Operation assignVoiceOperation(std::size_t slot, std::string entry) {
  return {"Assign Voice", "", [slot, entry = std::move(entry)](Edit& e) -> Status {
            if (e.doc().voiceListPath == kNoVoiceList)
              return makeError(ErrorKind::Refused,
                               "There is no .lst file for this mission to assign WAVs to.");
            if (slot >= kNewVoiceListSize)
              return makeError(ErrorKind::BadInput, "Voice entry " + std::to_string(slot) +
                                                        " is past the end of the voice list.");
            auto& v = e.voices();
            // A list cut short by hand still gets the voice where the game looks.
            if (v.size() <= slot) v.resize(slot + 1, kDummyVoice);
            v[slot] = entry;
            e.markVoicesChanged();
            return {};
          }};
}

Operation clearVoiceOperation(std::size_t slot) {
  return {"Clear Voice", "", [slot](Edit& e) -> Status {
            if (slot >= e.doc().voiceEntries.size()) return {};
            e.voices()[slot] = kDummyVoice;
            e.markVoicesChanged();
            return {};
          }};
}

} // namespace zephlo
