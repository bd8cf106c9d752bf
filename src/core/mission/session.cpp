#include "core/mission/session.h"
#include "core/mission/utf8_path.h"

#include <algorithm>
#include <filesystem>

namespace zephlo {

std::string absolutePath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(pathFromUtf8(path), ec);
  if (ec) p = pathFromUtf8(path);
  return utf8FromPath(p.lexically_normal());
}

void History::assign(const std::vector<std::string>& paths) {
  entries_.clear();
  for (const std::string& p : paths) {
    if (p.empty()) continue;
    const std::string a = absolutePath(p);
    if (std::find(entries_.begin(), entries_.end(), a) == entries_.end()) entries_.push_back(a);
    if (entries_.size() == kLimit) break;
  }
}

void History::add(const std::string& path) {
  const std::string a = absolutePath(path);
  entries_.erase(std::remove(entries_.begin(), entries_.end(), a), entries_.end());
  entries_.insert(entries_.begin(), a);
  if (entries_.size() > kLimit) entries_.resize(kLimit);
}

std::string windowTitle(const std::string& program, TitleKind kind, const Document& doc) {
  const std::string file = utf8FromPath(pathFromUtf8(doc.fileName).filename());
  switch (kind) {
  case TitleKind::Program: return program;
  case TitleKind::New: return program + " - [" + kUnnamed + "]";
  case TitleKind::Opened:
    return program + " - (" + file + ") - " + latin1ToUtf8(doc.titleAfterOpen());
  case TitleKind::Saved: return program + " - (" + file + ") - " + latin1ToUtf8(doc.title());
  }
  return program;
}

StartupMode startupModeFrom(int preference) {
  switch (preference) {
  case 1: return StartupMode::NewMission;
  case 2: return StartupMode::OpenDialog;
  case 3: return StartupMode::LastFile;
  default: return StartupMode::Ask;
  }
}

std::optional<std::string> commandLinePath(const std::vector<std::string>& args,
                                           const std::function<bool(const std::string&)>& exists) {
  if (args.empty()) return std::nullopt;
  if (args.size() >= 2 && !exists(args[0])) {
    const std::string joined = args[0] + " " + args[1];
    if (exists(joined)) return joined;
  }
  return args[0];
}

} // namespace zephlo
