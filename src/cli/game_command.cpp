// zephlo-tool game: where the game is installed, and where the search looked.
#include "cli/tool.h"
#include "core/lists/game_search.h"
#include "core/mission/utf8_path.h"

#include <iostream>

namespace zephlo::tool {

namespace {

int cmdGame(const Args& args) {
  if (!args.empty()) return usageError("game takes no arguments");
  const GameSearch search = findGame(searchPlacesFromEnvironment());
  std::cout << "game folder: " << (search.folder ? utf8FromPath(*search.folder) : "none") << "\n"
            << "looked in:\n";
  for (const std::string& line : search.looked)
    std::cout << "  " << line << "\n";
  if (search.folder) return kExitOk;
  std::cerr << "zephlo-tool: the game was not found: no folder looked in holds "
               "Missions\\Mission.lst.\n";
  return kExitBadInput;
}

} // namespace

std::vector<Command> gameCommands() {
  return {
      {"game",
       "  game                 print the game's install folder (the first that holds\n"
       "                       Missions\\Mission.lst) and every place looked in\n",
       cmdGame,
       "Usage: zephlo-tool game\n"
       "Find the game's install folder as the editor does: the Windows registry, the\n"
       "Wine prefixes ($WINEPREFIX, ~/.wine) and Steam's libraries and Proton\n"
       "prefixes; the first folder that holds Missions\\Mission.lst, in any capitals,\n"
       "wins. Prints 'game folder: DIR', then every place looked in.\n"
       "\nExit status: 0, or 2 when no game folder was found.\n"},
  };
}

} // namespace zephlo::tool
