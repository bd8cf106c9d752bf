#include "core/mission/text_edits.h"

namespace zephlo {

namespace {

Block<size::textSection>& storedText(Edit& e, TextTab tab) {
  switch (tab) {
  case TextTab::Notes: return e.notes();
  case TextTab::Description: return e.description();
  case TextTab::WinDebrief: return e.winDebrief();
  case TextTab::Hints: return e.hints();
  }
  return e.notes();
}

} // namespace

std::string textTabCaption(TextTab tab) {
  switch (tab) {
  case TextTab::Notes: return "Notes";
  case TextTab::Description: return "Description";
  case TextTab::WinDebrief: return "Win Debrief";
  case TextTab::Hints: return "Hints";
  }
  return "Notes";
}

TextTabColours textTabColours(TextTab tab) {
  switch (tab) {
  case TextTab::Notes: return {std::nullopt, 0x000000};
  case TextTab::Description: return {0x4F003F, 0xE4E4E4};
  case TextTab::WinDebrief: return {0x42022F, 0x3EEAFD};
  case TextTab::Hints: return {0x080808, 0xD4D4D4};
  }
  return {};
}

const Block<size::textSection>& storedText(const Document& doc, TextTab tab) {
  switch (tab) {
  case TextTab::Notes: return doc.notes;
  case TextTab::Description: return doc.description;
  case TextTab::WinDebrief: return doc.winDebrief;
  case TextTab::Hints: return doc.hints;
  }
  return doc.notes;
}

std::string textForEditor(const Block<size::textSection>& stored) {
  // Every stored character is shown, whatever room its line breaks take on
  // screen: a text cut here would be stored cut by the next edit.
  std::string out;
  for (std::size_t i = 0; i < kTextEditorLimit; ++i) {
    const Byte b = stored[i];
    if (b == 0) break;
    if (b == '$')
      out += "\r\n";
    else
      out += static_cast<char>(b);
  }
  return out;
}

Block<size::textSection> storedFromEditor(std::string_view editorText) {
  Block<size::textSection> out{};
  std::size_t n = 0;
  for (std::size_t i = 0; i < editorText.size() && n < kTextEditorLimit; ++i) {
    const char c = editorText[i];
    if (c == '\n' && i > 0 && editorText[i - 1] == '\r') continue; // the LF of a CR LF
    out[n++] = static_cast<Byte>(c == '\r' || c == '\n' ? '$' : c);
  }
  return out;
}

Operation storeTextOperation(TextTab tab, std::string editorText) {
  return {"Edit " + textTabCaption(tab), "TextSections:" + textTabCaption(tab),
          [tab, text = std::move(editorText)](Edit& e) -> Status {
            const auto stored = storedFromEditor(text);
            // An unchanged text keeps whatever lies behind its terminator.
            if (textForEditor(stored) != textForEditor(storedText(e.doc(), tab)))
              storedText(e, tab) = stored;
            return {};
          }};
}

} // namespace zephlo
