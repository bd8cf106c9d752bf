// Little-endian access to byte blocks. Every multi-byte value of a mission
// file goes through these helpers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zephlo {

using Byte = std::uint8_t;
template <std::size_t N> using Block = std::array<Byte, N>;

inline std::uint16_t getU16(const Byte* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::int16_t getI16(const Byte* p) { return static_cast<std::int16_t>(getU16(p)); }
inline void setU16(Byte* p, std::uint16_t v) {
  p[0] = static_cast<Byte>(v & 0xFF);
  p[1] = static_cast<Byte>(v >> 8);
}
inline void setI16(Byte* p, std::int16_t v) { setU16(p, static_cast<std::uint16_t>(v)); }

template <std::size_t N> std::uint16_t getU16(const Block<N>& b, std::size_t off) {
  return getU16(b.data() + off);
}
template <std::size_t N> std::int16_t getI16(const Block<N>& b, std::size_t off) {
  return getI16(b.data() + off);
}
template <std::size_t N> void setU16(Block<N>& b, std::size_t off, std::uint16_t v) {
  setU16(b.data() + off, v);
}
template <std::size_t N> void setI16(Block<N>& b, std::size_t off, std::int16_t v) {
  setI16(b.data() + off, v);
}

// A fixed-width text field: the text ends at the first NUL or at the field's end.
inline std::string getText(const Byte* p, std::size_t width) {
  std::size_t n = 0;
  while (n < width && p[n] != 0)
    ++n;
  return std::string(reinterpret_cast<const char*>(p), n);
}
// Stores text cut to the field width and pads the rest with NUL bytes.
inline void setText(Byte* p, std::size_t width, std::string_view text) {
  std::size_t n = text.size() < width ? text.size() : width;
  for (std::size_t i = 0; i < n; ++i)
    p[i] = static_cast<Byte>(text[i]);
  for (std::size_t i = n; i < width; ++i)
    p[i] = 0;
}
template <std::size_t N>
std::string getText(const Block<N>& b, std::size_t off, std::size_t width) {
  return getText(b.data() + off, width);
}
template <std::size_t N>
void setText(Block<N>& b, std::size_t off, std::size_t width, std::string_view text) {
  setText(b.data() + off, width, text);
}

// Text without the blanks and control characters at either end, which do not
// belong to a name or a label.
inline std::string trimmed(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
    ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
    --e;
  return std::string(s.substr(b, e - b));
}

// Mission texts are 8-bit; read as Latin-1 every byte is one character.
// Appends the UTF-8 form of bytes to out.
inline void appendLatin1AsUtf8(std::string& out, std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    // Runs of ASCII, which most texts are whole, go in one piece.
    std::size_t run = i;
    while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80)
      ++run;
    out.append(bytes.data() + i, run - i);
    if (run == bytes.size()) return;
    const auto c = static_cast<unsigned char>(bytes[run]);
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
    i = run + 1;
  }
}
inline std::string latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  appendLatin1AsUtf8(out, bytes);
  return out;
}

} // namespace zephlo
