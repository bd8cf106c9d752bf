#include "core/lists/steam_libraries.h"

#include "core/lists/game_paths.h"
#include "core/mission/input_file.h"
#include "core/mission/utf8_path.h"

#include <optional>

namespace zephlo {

namespace {

// Steam's own file is a few kilobytes and three levels deep.
constexpr std::size_t kMaxListBytes = 4u << 20;
constexpr std::size_t kMaxDepth = 32;

Error notAList(const std::string& fileName, const std::string& why) {
  return makeError(ErrorKind::Damaged, "Cannot read " + fileName + ": " + why + ".");
}

// Offset of the first byte that does not belong to a UTF-8 character, or npos.
std::size_t firstNonUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t len = c < 0x80           ? 1
                      : (c >> 5) == 0x6  ? 2
                      : (c >> 4) == 0xE  ? 3
                      : (c >> 3) == 0x1E ? 4
                                         : 0;
    if (len == 0 || (len == 2 && c < 0xC2) || i + len > s.size()) return i;
    for (std::size_t k = 1; k < len; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return i;
    }
    i += len;
  }
  return std::string_view::npos;
}

enum class TokenKind { String, Open, Close, End };

struct Token {
  TokenKind kind = TokenKind::End;
  std::string text;
};

class Tokens {
public:
  explicit Tokens(std::string_view text) : text_(text) {}

  // The next token; false with why set when a quoted string never ends.
  bool next(Token& t, std::string& why) {
    skipSpaceAndComments();
    t.text.clear();
    if (pos_ >= text_.size()) {
      t.kind = TokenKind::End;
      return true;
    }
    const char c = text_[pos_];
    if (c == '{' || c == '}') {
      t.kind = c == '{' ? TokenKind::Open : TokenKind::Close;
      ++pos_;
      return true;
    }
    t.kind = TokenKind::String;
    if (c != '"') {
      while (pos_ < text_.size() && !isSpace(text_[pos_]) && text_[pos_] != '{' &&
             text_[pos_] != '}' && text_[pos_] != '"')
        t.text += text_[pos_++];
      return true;
    }
    ++pos_;
    while (pos_ < text_.size() && text_[pos_] != '"') {
      char ch = text_[pos_++];
      if (ch == '\\' && pos_ < text_.size()) {
        const char e = text_[pos_++];
        ch = e == 'n' ? '\n' : e == 't' ? '\t' : e;
      }
      t.text += ch;
    }
    if (pos_ >= text_.size()) {
      why = "a quoted text never ends";
      return false;
    }
    ++pos_;
    return true;
  }

private:
  static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

  void skipSpaceAndComments() {
    for (;;) {
      while (pos_ < text_.size() && isSpace(text_[pos_]))
        ++pos_;
      if (text_.substr(pos_).starts_with("//")) {
        const std::size_t eol = text_.find('\n', pos_);
        pos_ = eol == std::string_view::npos ? text_.size() : eol;
        continue;
      }
      return;
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

bool isNumber(const std::string& s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

Result<std::vector<std::string>> parseLibraryFolders(std::string_view text,
                                                     const std::string& fileName) {
  if (const std::size_t bad = firstNonUtf8(text); bad != std::string_view::npos)
    return notAList(fileName, "it is not UTF-8 text (byte " + std::to_string(bad) + ")");
  Tokens tokens(text);
  // The keys of the blocks the reader is inside, outermost first.
  std::vector<std::string> keys;
  std::vector<std::string> folders;
  Token t;
  std::string why;
  for (;;) {
    if (!tokens.next(t, why)) return notAList(fileName, why);
    if (t.kind == TokenKind::End) break;
    if (t.kind == TokenKind::Close) {
      if (keys.empty()) return notAList(fileName, "a '}' closes no block");
      keys.pop_back();
      continue;
    }
    if (t.kind == TokenKind::Open) return notAList(fileName, "a block has no name");
    const std::string key = t.text;
    if (!tokens.next(t, why)) return notAList(fileName, why);
    if (t.kind == TokenKind::Open) {
      if (keys.size() == kMaxDepth)
        return notAList(fileName,
                        "it is nested deeper than " + std::to_string(kMaxDepth) + " levels");
      keys.push_back(key);
      continue;
    }
    if (t.kind != TokenKind::String) return notAList(fileName, "\"" + key + "\" has no value");
    const bool inList = !keys.empty() && equalsIgnoreCase(keys[0], "libraryfolders");
    // "0" { "path" "/x" ... } now; "1" "D:\\Steam" in older files.
    if (inList && keys.size() == 2 && isNumber(keys[1]) && equalsIgnoreCase(key, "path"))
      folders.push_back(t.text);
    else if (inList && keys.size() == 1 && isNumber(key))
      folders.push_back(t.text);
  }
  if (!keys.empty()) return notAList(fileName, "a block is never closed");
  return folders;
}

Result<std::vector<std::string>> readLibraryFolders(const std::filesystem::path& file) {
  const std::string name = utf8FromPath(file);
  Result<std::vector<Byte>> bytes =
      readWholeInput(name, {kMaxListBytes, "any Steam library list holds"});
  if (!bytes) return bytes.error();
  return parseLibraryFolders(
      std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), name);
}

} // namespace zephlo
