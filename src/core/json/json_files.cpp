// The open document to a JSON file and back, for the editor's File menu.
#include "core/json/json_mission.h"
#include "core/mission/input_file.h"
#include "core/mission/reader.h"
#include "core/mission/safe_write.h"
#include "core/mission/writer.h"

namespace zephlo {

Status exportMissionJson(const Document& doc, const std::string& path) {
  const Result<std::vector<Byte>> bytes = serializeMission(doc, path);
  if (!bytes) return bytes.error();
  const Result<std::string> text = missionToJson(*bytes, path);
  if (!text) return text.error();
  return writeFileSafely(path, std::span(reinterpret_cast<const Byte*>(text->data()), text->size()),
                         WriteOptions{});
}

Result<Document> importMissionJson(const std::string& path, bool autolink) {
  const Result<std::vector<Byte>> raw =
      readWholeInput(path, SizeLimit{kMaxJsonBytes, "a mission's JSON may"});
  if (!raw) return raw.error();
  const std::string_view text(reinterpret_cast<const char*>(raw->data()), raw->size());
  const Result<std::vector<Byte>> bytes = missionFromJson(text, path);
  if (!bytes) return bytes.error();
  return parseMission(*bytes, path, autolink);
}

} // namespace zephlo
