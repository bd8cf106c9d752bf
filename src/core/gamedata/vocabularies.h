// The shared word lists that give the mission's numbers their names. Each
// list is a table in vocabularies.cpp, in the game's order; spellings,
// repeated entries and trailing blanks are part of the data.
#pragma once

#include <string>
#include <vector>

namespace zephlo::vocab {

using List = std::vector<std::string>;

const List& amounts();           // 51: "100%", "75%", ...
const List& variableTypes();     // 32: "None ?", "Flight Group", ...
const List& conditions();        // 71: "(Always true)", "arrive", ...
const List& numbers();           // 256: "none", "1" ... "255"
const List& objectCategories();  // 10
const List& shipCategories();    // 16
const List& goalRequirements();  // 4: "must", "must NOT", "BONUS must", "BONUS must NOT"
const List& craftTypes();        // 232, indexed by craft type
const List& iffs();              // 6: "Rebel", "Imperial", "Blue", "Yellow", "Red", "Azzameen"
const List& orders();            // 73, indexed by order number
const List& orderDescriptions(); // 40, indexed by order number
const List& craftStates();       // 21
const List& orderSpeeds();       // 11: "   0%" ... "100%"
const List& shortCraft();        // 232 short craft names, indexed by craft type
const List& tacticalRoles();     // 26
const List& abortConditions();   // 21: "never", "shields out", ...
const List& missionTypes();      // 11: "Junkyard" ... "10"
const List& messageColours();    // 6: "Green", "Red", "Blue", "Yellow", "Red", "Purple"
const List& teamNameChoices();   // 21: names offered by the Teams page's name box
const List& optionalCraftCategories(); // 5
const List& warheads();                // 9: "None", "Space Bombs", ...; item k is warhead k
const List& beams();                   // 5: "None", "Tractor", ...
const List& countermeasures();         // 4: "None", "Chaff", "Flare", "(Cluster mine)"
const List& craftStatuses();           // 256: "Normal", "Double Missiles", ..., then numbers
const List& aiRanks();                 // 6: "Rookie" ... "Jedi"
const List& radioChannels();           // 17: "Off", "Team 1" ... "Player 8"
const List& markings();                // 4: "Red    (TIEs - None)" ...
const List& formations();              // 35: "Vic" ... "(Single Point)"
const List& difficulties();            // 11: the "Appears in Difficulty:" choices

// Short craft name of a craft type; "Unk" beyond the list.
std::string shortCraftName(int craftType);

} // namespace zephlo::vocab
