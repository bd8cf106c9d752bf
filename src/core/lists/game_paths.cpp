#include "core/lists/game_paths.h"
#include "core/mission/utf8_path.h"
#include "core/mission/win32.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace zephlo {

namespace {

std::vector<std::string> components(std::string_view s) {
  std::vector<std::string> out;
  std::string cur;
  for (char c : s) {
    if (c == '\\' || c == '/') {
      if (!cur.empty()) out.push_back(std::move(cur));
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) out.push_back(std::move(cur));
  return out;
}

// The entry of dir named like name in any case, or nothing.
std::string matchInFolder(const fs::path& dir, const std::string& name) {
#if defined(_WIN32)
  // Windows matches in any case itself, and its listing of the one name
  // gives the spelling on disk.
  if (name == "." || name == ".." || name.find_first_of("*?") != std::string::npos) return name;
  WIN32_FIND_DATAW found{};
  const HANDLE h = ::FindFirstFileW((dir / pathFromUtf8(name)).c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return {};
  ::FindClose(h);
  return utf8FromWide(found.cFileName);
#else
  std::error_code ec;
  if (name == "." || name == ".." || fs::exists(dir / pathFromUtf8(name), ec)) return name;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = utf8FromPath(it->path().filename());
    if (equalsIgnoreCase(entry, name)) return entry;
  }
  return {};
#endif
}

fs::path resolveComponents(fs::path base, const std::vector<std::string>& parts) {
  bool found = true;
  for (const std::string& part : parts) {
    if (found) {
      const std::string match = matchInFolder(base, part);
      found = !match.empty();
      base /= pathFromUtf8(found ? match : part);
    } else {
      base /= pathFromUtf8(part);
    }
  }
  return base;
}

} // namespace

std::string upperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && upperAscii(a) == upperAscii(b);
}

std::string fileNameOf(std::string_view path) {
  const auto cut = path.find_last_of("\\/");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

fs::path resolveInFolder(const fs::path& base, std::string_view relative) {
  return resolveComponents(base, components(relative));
}

fs::path resolvePath(std::string_view path) {
  std::string p(path);
  const bool drive = p.size() >= 2 && p[1] == ':';
  const bool absolute = !p.empty() && (p[0] == '/' || p[0] == '\\');
#if defined(_WIN32)
  // "\\server\share\...": a network share, whose names ignore case already.
  if (p.size() >= 2 && (p[0] == '\\' || p[0] == '/') && (p[1] == '\\' || p[1] == '/'))
    return pathFromUtf8(p);
#endif
  if (drive) {
    fs::path root = pathFromUtf8(p.substr(0, 2));
    root += fs::path::preferred_separator;
#if defined(_WIN32)
    return resolveComponents(root, components(p.substr(2)));
#else
    // Only Windows has drive letters: nothing here to look up.
    for (const std::string& part : components(p.substr(2)))
      root /= pathFromUtf8(part);
    return root;
#endif
  }
  if (absolute) return resolveComponents("/", components(p));
  return resolveComponents(".", components(p)).lexically_normal();
}

Result<fs::path> checkedGameFolder(const std::string& gameFolder) {
  if (gameFolder.empty())
    return makeError(ErrorKind::Missing,
                     "No game folder is set. Choose the game's install folder in the preferences.");
  const fs::path dir = resolvePath(gameFolder);
  std::error_code ec;
  if (!fs::exists(dir, ec))
    return makeError(ErrorKind::Missing, "The game folder " + gameFolder + " does not exist.");
  if (!fs::is_directory(dir, ec))
    return makeError(ErrorKind::Unreadable, "The game folder " + gameFolder + " is not a folder.");
  return dir;
}

Result<fs::path> listFolder(const std::string& gameFolder, ListFolder which) {
  auto game = checkedGameFolder(gameFolder);
  if (!game) return game.error();
  const char* name = which == ListFolder::Missions ? "Missions" : "Melee";
  const fs::path dir = resolveInFolder(*game, name);
  std::error_code ec;
  if (!fs::is_directory(dir, ec))
    return makeError(ErrorKind::Missing, utf8FromPath(dir) +
                                             " does not exist: the game folder has no \"" + name +
                                             "\" folder.");
  return dir;
}

} // namespace zephlo
