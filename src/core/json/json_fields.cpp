#include "core/json/json_fields.h"

#include "core/gamedata/vocabularies.h"
#include "core/mission/layout.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace zephlo::json {

std::size_t Field::elementSize() const {
  switch (kind) {
  case Kind::U8:
  case Kind::I8: return 1;
  case Kind::U16:
  case Kind::I16: return 2;
  case Kind::Text:
  case Kind::Hex: return width;
  case Kind::Record: return record->size;
  }
  return 0;
}

namespace {

[[noreturn]] void refuse(const std::string& path, const std::string& what) {
  throw Refusal{path, what};
}

} // namespace

std::string member(const std::string& path, const std::string& name) {
  return path.empty() ? name : path + "." + name;
}
std::string element(const std::string& path, std::size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

std::string excerpt(const Json& j) {
  // Never serialise a container: it may be huge or nested deep enough to
  // overflow the stack.
  if (j.is_object()) return j.empty() ? "an empty object" : "an object";
  if (j.is_array()) return "an array of " + std::to_string(j.size()) + " values";
  constexpr std::size_t kShown = 40;
  if (j.is_string() && j.get_ref<const std::string&>().size() > kShown) {
    std::string s = j.get_ref<const std::string&>().substr(0, kShown);
    // Never end the excerpt in the middle of a UTF-8 character.
    while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80)
      s.pop_back();
    if (!s.empty() && (static_cast<unsigned char>(s.back()) & 0x80) != 0) s.pop_back();
    return Json(s).dump() + "...";
  }
  return j.dump();
}

std::string utf8ToLatin1(const std::string& text, const std::string& path) {
  // The parser has already made sure the text is valid UTF-8.
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
      continue;
    }
    const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    unsigned cp = c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + static_cast<std::size_t>(k) < text.size(); ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0x3F);
    if (cp > 0xFF) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", cp);
      refuse(path, std::string("expected 8-bit characters (U+0000..U+00FF), got ") + code);
    }
    out += static_cast<char>(cp);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

std::string toHex(const Byte* p, std::size_t n, bool trimZeros) {
  if (trimZeros) {
    while (n > 0 && p[n - 1] == 0)
      --n;
  }
  static const char digits[] = "0123456789abcdef";
  std::string s(n * 2, '0');
  for (std::size_t i = 0; i < n; ++i) {
    s[2 * i] = digits[p[i] >> 4];
    s[2 * i + 1] = digits[p[i] & 15];
  }
  return s;
}

std::size_t fromHex(const Json& j, Byte* p, std::size_t n, const std::string& path) {
  const std::string what = "expected a hex string of at most " + std::to_string(n) + " bytes";
  if (!j.is_string()) refuse(path, what + ", got " + excerpt(j));
  const std::string& s = j.get_ref<const std::string&>();
  if (s.size() % 2 != 0 || s.size() / 2 > n)
    refuse(path, what + ", got " + std::to_string(s.size()) + " digits");
  auto digit = [&](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    refuse(path, what + ", got the character '" + std::string(1, c) + "'");
  };
  const std::size_t given = s.size() / 2;
  for (std::size_t i = 0; i < given; ++i)
    p[i] = static_cast<Byte>(digit(s[2 * i]) << 4 | digit(s[2 * i + 1]));
  std::fill(p + given, p + n, Byte{0});
  return given;
}

Json textToJson(const Byte* p, std::size_t width) {
  std::size_t n = width;
  while (n > 0 && p[n - 1] == 0)
    --n;
  return latin1ToUtf8(std::string_view(reinterpret_cast<const char*>(p), n));
}

void textFromJson(const Json& j, Byte* p, std::size_t width, const std::string& path) {
  if (!j.is_string()) refuse(path, "expected a text, got " + excerpt(j));
  const std::string bytes = utf8ToLatin1(j.get_ref<const std::string&>(), path);
  if (bytes.size() > width)
    refuse(path, "expected a text of at most " + std::to_string(width) + " characters, got " +
                     std::to_string(bytes.size()));
  std::copy(bytes.begin(), bytes.end(), p);
  std::fill(p + bytes.size(), p + width, Byte{0});
}

long long integerFromJson(const Json& j, long long lo, long long hi, const std::string& path) {
  const std::string what =
      "expected an integer " + std::to_string(lo) + ".." + std::to_string(hi) + ", got ";
  if (!j.is_number_integer()) refuse(path, what + excerpt(j));
  if (j.is_number_unsigned()) {
    const auto v = j.get<unsigned long long>();
    if (v > static_cast<unsigned long long>(hi)) refuse(path, what + excerpt(j));
    return static_cast<long long>(v);
  }
  const auto v = j.get<long long>();
  if (v < lo || v > hi) refuse(path, what + excerpt(j));
  return v;
}

const Json& requireObject(const Json& j, const std::string& path) {
  if (!j.is_object()) refuse(path, "expected an object, got " + excerpt(j));
  return j;
}

const Json& requireArray(const Json& j, std::size_t size, const std::string& path) {
  if (!j.is_array() || j.size() != size)
    refuse(path, "expected an array of " + std::to_string(size) + " values, got " +
                     (j.is_array() ? std::to_string(j.size()) + " values" : excerpt(j)));
  return j;
}

const Json& require(const Json& j, const std::string& name, const std::string& path) {
  auto it = j.find(name);
  if (it == j.end()) refuse(member(path, name), "this field is missing");
  return *it;
}

void refuseUnknown(const Json& j, const std::vector<std::string>& names, const std::string& path) {
  for (auto it = j.begin(); it != j.end(); ++it) {
    if (std::find(names.begin(), names.end(), it.key()) == names.end())
      refuse(member(path, it.key()), "not a field of this record");
  }
}

std::string nameKey(const Field& f) {
  std::string base = f.name;
  if (f.count == 0) return base + "Name";
  if (!base.empty() && base.back() == 's') base.pop_back();
  return base + "Names";
}

namespace {

Json valueToJson(const Byte* p, const Field& f, const MissionNames* names) {
  switch (f.kind) {
  case Kind::U8: return *p;
  case Kind::I8: return static_cast<std::int8_t>(*p);
  case Kind::U16: return getU16(p);
  case Kind::I16: return getI16(p);
  case Kind::Text: return textToJson(p, f.width);
  case Kind::Hex: return toHex(p, f.width, true);
  case Kind::Record: return recordToJson(p, *f.record, names);
  }
  return nullptr;
}

// The readable name of the number at p, if it has one. record is the start
// of the record, where a subject's kind is found.
std::optional<std::string> nameOf(const Byte* record, const Byte* p, const Field& f,
                                  const MissionNames* names) {
  const int v = *p;
  switch (f.names) {
  case Names::None: return std::nullopt;
  case Names::List: {
    const vocab::List& list = f.list();
    if (static_cast<std::size_t>(v) >= list.size()) return std::nullopt;
    return list[static_cast<std::size_t>(v)];
  }
  case Names::Subject: return names ? names->subject(record[f.typeOffset], v) : std::nullopt;
  case Names::Team: return names ? names->team(v) : std::nullopt;
  case Names::FlightGroup: return names ? names->flightGroup(v) : std::nullopt;
  }
  return std::nullopt;
}

void valueFromJson(const Json& j, Byte* p, const Field& f, const std::string& path) {
  switch (f.kind) {
  case Kind::U8: *p = static_cast<Byte>(integerFromJson(j, 0, 255, path)); break;
  case Kind::I8: *p = static_cast<Byte>(integerFromJson(j, -128, 127, path)); break;
  case Kind::U16: setU16(p, static_cast<std::uint16_t>(integerFromJson(j, 0, 65535, path))); break;
  case Kind::I16:
    setI16(p, static_cast<std::int16_t>(integerFromJson(j, -32768, 32767, path)));
    break;
  case Kind::Text: textFromJson(j, p, f.width, path); break;
  case Kind::Hex: fromHex(j, p, f.width, path); break;
  case Kind::Record: recordFromJson(j, p, *f.record, path); break;
  }
}

} // namespace

Json recordToJson(const Byte* p, const RecordTable& table, const MissionNames* names) {
  Json j = Json::object();
  for (const Field& f : table.fields) {
    if (f.derived) continue;
    if (f.count == 0) {
      j[f.name] = valueToJson(p + f.offset, f, names);
      if (auto name = nameOf(p, p + f.offset, f, names)) j[nameKey(f)] = std::move(*name);
      continue;
    }
    Json a = Json::array();
    Json named = Json::array();
    for (int i = 0; i < f.count; ++i) {
      const Byte* at = p + f.offset + static_cast<std::size_t>(i) * f.elementSize();
      a.push_back(valueToJson(at, f, names));
      if (f.names == Names::None) continue;
      auto name = nameOf(p, at, f, names);
      named.push_back(name ? Json(std::move(*name)) : Json());
    }
    j[f.name] = std::move(a);
    if (f.names != Names::None) j[nameKey(f)] = std::move(named);
  }
  return j;
}

void recordFromJson(const Json& j, Byte* p, const RecordTable& table, const std::string& path,
                    const std::vector<std::string>& extra) {
  requireObject(j, path);
  std::vector<std::string> names = extra;
  for (const Field& f : table.fields) {
    names.push_back(f.name);
    // The names are there for reading; the numbers alone count.
    if (f.names != Names::None) names.push_back(nameKey(f));
    if (f.derived && !j.contains(f.name)) continue;
    const Json& v = require(j, f.name, path);
    const std::string at = member(path, f.name);
    if (f.count == 0) {
      valueFromJson(v, p + f.offset, f, at);
      continue;
    }
    requireArray(v, static_cast<std::size_t>(f.count), at);
    for (int i = 0; i < f.count; ++i) {
      valueFromJson(v[static_cast<std::size_t>(i)],
                    p + f.offset + static_cast<std::size_t>(i) * f.elementSize(), f,
                    element(at, static_cast<std::size_t>(i)));
    }
  }
  refuseUnknown(j, names, path);
}

// The offset of the first bracket that opens more than limit levels, if any.
std::optional<std::size_t> nestingBeyond(std::string_view text, int limit) {
  int depth = 0;
  bool inString = false, escaped = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inString) {
      if (escaped)
        escaped = false;
      else if (c == '\\')
        escaped = true;
      else if (c == '"')
        inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > limit) return i;
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return std::nullopt;
}

} // namespace zephlo::json
