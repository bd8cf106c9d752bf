#include "core/map/backdrops.h"

#include "core/gamedata/vocabularies.h"
#include "core/lists/text_lines.h"
#include "core/mission/list_commands.h"

#include <algorithm>

namespace zephlo {

FGObject makeDefaultBackdrop(const Templates& t, int startRegion) {
  FGObject f;
  f.record = t.flightGroup;
  f.setName("1.0 1.0 1.0");
  setText(f.record, fg::Cargo, fg::CargoSize, "1.0");        // brightness
  setText(f.record, fg::SpecialCargo, fg::CargoSize, "1.0"); // size
  f.set(fg::CraftType, kBackdrop);
  f.set(fg::StartRegion, static_cast<Byte>(std::clamp(startRegion, 0, kRegionCount - 1)));
  f.set(fg::BackdropNumber, 1);
  return f;
}

Operation addDefaultBackdropOperation(const Templates& t) {
  return {"Add Backdrop", "", [t](Edit& e) -> Status {
            std::vector<FGObject> added{makeDefaultBackdrop(t, e.state().currentRegion - 1)};
            if (Status s = appendFlightGroupsAtEnd(e, std::move(added)); !s) return s;
            e.state().selectedFGs = {e.state().currentFG};
            return {};
          }};
}

int backdropAtPoint(int x, int y) {
  if (x < 0 || y < 0) return 0;
  return y / kPickerCell + 1 + kPickerColumnCells * (x / kPickerCell);
}

int shadowButtonFor(Byte shadow) { return shadow >= 1 && shadow <= 6 ? shadow : 0; }

Operation useBackdropOperation(std::vector<int> flightGroups, int number, Byte shadow) {
  return {"Choose Backdrop", "",
          [fgs = std::move(flightGroups), number, shadow](Edit& e) -> Status {
            if (number < 0 || number > 255)
              return makeError(ErrorKind::BadInput,
                               "There is no backdrop number " + std::to_string(number) + ".");
            const auto count = static_cast<int>(e.doc().flightGroups.size());
            for (int i : fgs) {
              if (i < 0 || i >= count) continue;
              const FGObject& f = e.doc().flightGroups[static_cast<std::size_t>(i)];
              const bool backdrop = f.at(fg::CraftType) == kBackdrop;
              if (f.at(fg::BackdropShadow) == shadow &&
                  (!backdrop || f.at(fg::BackdropNumber) == number))
                continue;
              FGObject& w = e.flightGroup(i);
              w.set(fg::BackdropShadow, shadow);
              if (backdrop) w.set(fg::BackdropNumber, static_cast<Byte>(number));
            }
            return {};
          }};
}

std::vector<std::string> parseBackdropNames(std::string_view text) { return splitLines(text); }

Result<std::optional<std::vector<std::string>>>
readBackdropNames(const std::filesystem::path& path) {
  auto lines = readLinesFile(path);
  if (!lines) {
    if (lines.error().kind == ErrorKind::Missing) return std::optional<std::vector<std::string>>();
    return lines.error();
  }
  return std::optional<std::vector<std::string>>(std::move(*lines));
}

std::vector<std::string> backdropNumberItems(const std::optional<std::vector<std::string>>& names) {
  if (names && !names->empty()) return *names;
  return vocab::numbers();
}

} // namespace zephlo
