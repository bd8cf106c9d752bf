// The mission's four free texts as the text sections window shows them: in
// the file a "$" stands for a line break.
#pragma once

#include "core/mission/document.h"
#include "core/mission/edit.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zephlo {

// The window's tabs, in tab order.
enum class TextTab { Notes = 0, Description = 1, WinDebrief = 2, Hints = 3 };

// The tab's caption: "Notes", "Description", "Win Debrief", "Hints".
std::string textTabCaption(TextTab tab);

// The editor's colours on a tab, as 0x00BBGGRR; no background means the
// system's window colour.
struct TextTabColours {
  std::optional<std::uint32_t> background;
  std::uint32_t text = 0;
};
TextTabColours textTabColours(TextTab tab);

// The most characters the editor takes, and the stored text's room (the
// field keeps its last byte for the terminating NUL).
inline constexpr std::size_t kTextEditorLimit = 4095;

const Block<size::textSection>& storedText(const Document& doc, TextTab tab);

// The stored text as the editor shows it: each "$" becomes CR LF, the rest
// is copied up to the terminating NUL or the field's 4095 characters of room.
std::string textForEditor(const Block<size::textSection>& stored);

// The editor's text as stored: each line break becomes "$" (CR LF, a lone
// CR, or the lone LF a Qt editor ends its lines with), NUL-padded and cut to
// 4095 characters.
Block<size::textSection> storedFromEditor(std::string_view editorText);

// Stores the editor's text into the tab's text. Named "Edit Notes",
// "Edit Description" ...; typing into one tab merges into one step.
Operation storeTextOperation(TextTab tab, std::string editorText);

} // namespace zephlo
