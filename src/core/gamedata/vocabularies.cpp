#include "core/gamedata/vocabularies.h"

#include <initializer_list>

namespace zephlo::vocab {

namespace {

// Appends the decimal numbers from..to (inclusive): the game leaves many
// slots unnamed and shows their number instead.
void appendNumbers(List& list, int from, int to) {
  for (int n = from; n <= to; ++n)
    list.push_back(std::to_string(n));
}

void appendTexts(List& list, std::initializer_list<const char*> texts) {
  list.insert(list.end(), texts.begin(), texts.end());
}

} // namespace

const List& amounts() {
  static const List list = [] {
    List l{"100%",
           "75%",
           "50%",
           "25%",
           "At least one",
           "All but one",
           "The special craft",
           "All non-special craft",
           "All non-player craft",
           "All player craft"};
    appendNumbers(l, 10, 15);
    appendTexts(l, {"66%", "33%", "Each craft"});
    appendNumbers(l, 19, 50);
    return l;
  }();
  return list;
}

const List& variableTypes() {
  static const List list = [] {
    List l{"None ?", "Flight Group",      "Ship Type",  "Ship Category",    "Object Category",
           "IFF",    "Craft with orders", "Craft when", "Global Group (GG)"};
    appendNumbers(l, 9, 11);
    appendTexts(l, {"Team", "Player of GG"});
    appendNumbers(l, 14, 20);
    appendTexts(l, {"any Team except"});
    appendNumbers(l, 22, 22);
    appendTexts(l, {"Global Unit (GU)"});
    appendNumbers(l, 24, 26);
    appendTexts(l, {"Message #"});
    appendNumbers(l, 28, 31);
    return l;
  }();
  return list;
}

const List& conditions() {
  static const List list = [] {
    List l{
        "(Always true)", // 0
        "arrive",
        "be destroyed",
        "be attacked",
        "be captured",
        "be inspected", // 5
        "be boarded",
        "finish docking",
        "be disabled",
        "exist (survive)",
        "(Never true)", // 10
        "11",
        "complete mission",
        "complete primary goal",
        "fail primary goal",
        "complete secondary goal", // 15
        "fail secondary goal",
        "complete bonus goal",
        "fail bonus goal",
        "be dropped off",
        "be reinforced", // 20
        "have 0% shields",
        "be at 50% hull",
        "run out of missiles",
        "(arrive?)",
        "be dropped off", // 25: same text as 19
        "be unharmed?",
        "NOT be disabled",
        "NOT be bagged",
        "destroyed without inspection",
        "be docked with", // 30
        "NOT be docked with",
        "begin boarding",
        "NOT begin boarding",
        "be at 50% shields",
        "be at 25% shields", // 35
        "be at 75% hull",
        "be at 25% hull",
    };
    appendNumbers(l, 38, 40);
    appendTexts(l, {
                       "be all Player craft", // 41
                       "reinforced by A.I.?",
                       "come and go",
                       "be bagged",
                       "withdraw", // 45
                       "be carried away",
                       "arrive in Region #",
                       "leave Region #",
                       "be in proximity of",
                       "be outside proximity of", // 50
                       "51",
                       "defect",
                       "be towing it",
                       "be delivered?",
                       "55", // 55
                       "be shown",
                       "57",
                       "be I.D.ed",
                   });
    appendNumbers(l, 59, 70);
    return l;
  }();
  return list;
}

const List& numbers() {
  static const List list = [] {
    List l{"none"};
    appendNumbers(l, 1, 255);
    return l;
  }();
  return list;
}

const List& objectCategories() {
  static const List list = [] {
    // The numbered entries run one ahead of their index.
    List l{"Space craft", "Weapons", "Satellites"};
    appendNumbers(l, 4, 10);
    return l;
  }();
  return list;
}

const List& shipCategories() {
  static const List list = [] {
    List l{"Starfighters", "Transport craft", "Freighters/Containers",
           "Starships",    "Utility craft",   "Platforms",
           "Mines"};
    appendNumbers(l, 7, 15);
    return l;
  }();
  return list;
}

const List& goalRequirements() {
  static const List list{"must", "must NOT", "BONUS must", "BONUS must NOT"};
  return list;
}

const List& craftTypes() {
  static const List list = [] {
    // clang-format off
    List l{
        /*   0 */ "(None)", "Xwing", "Ywing", "Awing", "Bwing", "TIE Fighter", "TIE Interceptor",
        /*   7 */ "TIE Bomber", "TIE Advanced", "TIE Defender ", "Authority IRD", "Toscan Fighter",
        /*  12 */ "Missile Boat", "Twing", "Z-95", "R-41", "Gunboat", "Shuttle", "Escort Shuttle ",
        /*  19 */ "System Patrol Craft", "Scout Craft", "Stormtrooper Transpost",
        /*  22 */ "Assault Transport", "Escort Transport", "Tug", "Combat Utility Vehicle",
        /*  26 */ "CN/A Brick", "CN/B Hexbox", "CN/C Tube", "CN/D Pronged", "Heavy Lifter",
        /*  31 */ "Mole Miner", "Bulk Freighter", "Cargo Ferry", "Modular Conveyor",
        /*  35 */ "Container Transpost", "Rebel Med Transport", "Muurian Transport",
        /*  38 */ "Corellian Transport", "Millenium Falcon", "Corellian Corvette",
        /*  41 */ "Modified Corvette", "Nebulon B Frigate", "Modified Neb B Frigate",
        /*  44 */ "Passenger Liner", "Carrack Cruiser", "Strike Cruiser", "Escort Carrier",
        /*  48 */ "Dreadnaught", "Calamari Cruiser", "Lt Calamari Cruiser", "Interdictor",
        /*  52 */ "Victory Star Destroyer", "Imperial Star Destroyer", "Super Star Destroyer",
        /*  55 */ "CN/E Hemisphere", "CN/F Slotted", "CN/G Hourglass", "CN/H Gem", "CN/I Y shaped",
        /*  60 */ "Platform 1", "Platform 2", "Platform 3", "Platform 4", "Platform 5",
        /*  65 */ "Platform 6", "Asteroid Hangar", "Asteroid Laser Battery",
        /*  68 */ "Asteroid Warhd Launcher", "Factory", "Satellite1", "Satellite2", "Satellite3",
        /*  73 */ "*Satellite4", "*Satellite5", "Mine1", "Mine2", "Mine3", "Gun Platform", "*Mine5",
        /*  80 */ "Probe1", "Probe Capsule", "*Probe3", "Buoy1", "Buoy2", "Hyper buoy", "Asteroid",
        /*  87 */ "Planet", "Rendezvous Buoy", "Cargo Canister", "Shipyard", "Repair Yard",
        /*  92 */ "*Mod Strike Cruiser", "Lancer Frigate", "Bulk Cruiser", "Assault Frigate",
        /*  96 */ "Corellian Gunship", "Imperial Landing Craft", "Assault Shuttle",
        /*  99 */ "Marauder Corvette", "Star Galleon", "Imp Research Ship", "Luxury Yacht 3000",
        /* 103 */ "Ferryboat Liner ", "Modified Action Transpost", "Mobquet Transport",
        /* 106 */ "Xiytiar Transport", "Freight Transport/C", "Freight Transport/H",
        /* 109 */ "Freight Transport/K ", "YT-2000", "YT-2400", "Suprosa", "Skipray Blastboat",
        /* 114 */ "TIE Experimental M1", "TIE Experimental M2", "TIE Experimental M3",
        /* 117 */ "TIE Experimental M4", "TIE Experimental M5", "Cloakshape Fighter",
        /* 120 */ "Razor Fighter", "Planetary Fighter", "Supa Fighter", "Pinook Fighter",
        /* 124 */ "*Booster Pack", "Preybird Fighter", "*StarViper", "Firespray", "Pursuer",
        /* 129 */ "Golan One Station", "Golan Two Station", "Golan Three Station",
        /* 132 */ "Derilyn Platform", "Sensor Array", "Comm Relay", "Space Colony 1",
        /* 136 */ "Space Colony 2", "Space Colony 3", "Casino", "Cargo Facility 1",
        /* 140 */ "Cargo Facility 2", "Asteroid Mining Unit", "Processing Plant", "Rebel Platform",
        /* 144 */ "Imperial Research Center", "Family Base", "Family Repair Yard",
        /* 147 */ "Pirate Ship Yard", "Industrial Complex", "*Pirate Junkyard Base",
        /* 150 */ "Escape Pod Type 1 ", "Pressure Tank", "CN/J Grande", "CN/K Box", "CN/L Sphere",
        /* 155 */ "CN/Hangar", "Lrg Gun Emplace", "Lrg Gun/Wrhd Empl", "Proximity Mine A",
        /* 159 */ "Proximity Mine B", "*Homing Mine A", "Homing Mine B", "New Laser battery",
        /* 163 */ "New Ion battery", "Cargo Freighter", "*Cargo Freighter 2", "*Cargo Freighter 3",
        /* 167 */ "*Cargo Freighter 4", "*Cargo Freighter 5", "Cargo Tanker", "*Cargo Tanker 2",
        /* 171 */ "*Cargo Tanker 3", "*Cargo Tanker 4", "*Cargo Tanker 5", "Escape Pod Type 2",
        /* 175 */ "*Rebel Pilot", "*Imp Pilot", "*Civ Pilot", "ZeroG Stormtrooper", "ZeroG Utility",
        /* 180 */ "Emkay", "Astromech Droid", "Worker Droid", "Backdrop / Light (RGB->)",
    };
    // clang-format on
    appendNumbers(l, 184, 226);
    appendTexts(l, {"Death Star II", "Winged Calamari Cruiser", "VSD II", "ISD II"}); // 227
    appendNumbers(l, 231, 231);
    return l;
  }();
  return list;
}

const List& iffs() {
  static const List list{"Rebel", "Imperial", "Blue", "Yellow", "Red", "Azzameen"};
  return list;
}

const List& orders() {
  static const List list = [] {
    // clang-format off
    List l{
        /*   0 */ "Hold Steady", "Fly home", "Circle waypoints", "Circle and Evade", "Rendezvous",
        /*   5 */ "Disabled", "Await boarding", "Attack targets", "Attack escorts of", "Protect",
        /*  10 */ "Escort (prevent boarding)", "Disable targets", "Board to Give/Reload",
        /*  13 */ "Board to Take", "Board to Exchange", "Board to Capture", "Board to Destroy",
        /*  17 */ "Pick up/Bag", "Drop off/Deploy", "Wait 1", "Wait 2", "SShip Circle",
        /*  22 */ "SShip await return", "SShip await launch", "SS Patrol + protect",
        /*  25 */ "SS Patrol + protect 2", "SS Patrol + attack", "SS Patrol + disable",
        /*  28 */ "SShip Hold Steady 1", "SShip Fly Home", "SShip Hold Steady 2", "Board to ?",
        /*  32 */ "Board to repair", "SShip hold Steady 3", "SShip hold Steady 4",
        /*  35 */ "SShip hold Steady 5", "Self-Destruct", "Kamikaze attack", "(Orbit)",
        /*  39 */ "SShip hold Steady 6", "Deliver/drop off", "41", "42 (Attack)",
        /*  43 */ "43 (Reverse engines)", "44 (Awaiting boarding)", "45 (Board to repair)",
        /*  46 */ "Defect", "47 (Surrender)", "48", "Becon", "Hyper to Region", "51",
        /*  52 */ "52 (Board to tranfer)", "I.D. targets", "54", "55", "56", "Park at", "58",
        /*  59 */ "59 (Start over)", "60", "Work on", "62", "63 (Orbit/Misc?)", "64 (Home in)",
    };
    // clang-format on
    appendNumbers(l, 65, 72);
    return l;
  }();
  return list;
}

const List& orderDescriptions() {
  // Several orders share one text. The blanks inside the texts are what the
  // game shows; 9, 28, 33 and 35 even end in one.
  // clang-format off
  static const char* const disabled      = "Stationary.       Systems at 0%         No Return fire.";
  static const char* const waitFor       = "Wait for specified time, then continue to next order.   Systems: 100%    Returns fire.";
  static const char* const patrolProtect = "Circle through enabled WPs and attack all FGs attacking Targets.  Returns fire.";
  static const char* const holdBlank     = "Stationary.       Systems at 100%         No Return fire. ";
  static const char* const hold          = "Stationary.       Systems at 100%         No Return fire.";
  static const List list{
      /*  0 */ "Stationary.        Systems: 100%         No return fire.",
      /*  1 */ "Fly to Mothership if assigned, otherwise to hyperspace.  Disregards Targets.  Returns fire.",
      /*  2 */ "Circle through enabled WPs specified # of times.   Disregards Targets.    Returns fire.",
      /*  3 */ "Circle through enabled WPs specified # of times. Evades attackers. Returns fire. Disregards Targets.",
      /*  4 */ "Fly to Rendezvous WP and await boarding.   Disregards Targets.  Returns fire.",
      /*  5 */ disabled,
      /*  6 */ disabled,
      /*  7 */ "Attack Targets.        (Not for Capital ships. Use a Starship order)",
      /*  8 */ "Attack ships with orders to escort the designated Targets.",
      /*  9 */ "Attack craft once they have attacked designated Targets.   Ignores boarding craft. ",
      /* 10 */ "Attack craft with orders to attack OR board designated Targets.",
      /* 11 */ "Attack to disable Targets.     Use missiles to bring down shields.",
      /* 12 */ "Board Targets (if stationary) to give the Targets its cargo.",
      /* 13 */ "Board Targets (if stationary) to take their cargo.",
      /* 14 */ "Board Target (if stationary) to exchange cargo with the Target.",
      /* 15 */ "Board Target (if stationary) to capture it. Once captured, Target will Go Home.",
      /* 16 */ "Board Target (if stationary) to destroy it. Target will explode when docking is complete.",
      /* 17 */ "Board Target to pick it up and carry it for the rest of its mission.",
      /* 18 */ "Drops off the designated FG   (NOT Targets)",
      /* 19 */ waitFor,
      /* 20 */ waitFor,
      /* 21 */ "Circle through enabled WPs specified # of times.   Attacks Targets.   Returns fire.",
      /* 22 */ "SShip await return of all FGs with it as their Mothership.   Attacks Targets.   Returns fire.",
      /* 23 */ "SShip await launch of all FGs with it as their Mothership.   Attacks Targets.   Returns fire.",
      /* 24 */ patrolProtect,
      /* 25 */ patrolProtect,
      /* 26 */ "Circle through enabled WPs and attack Targets.    Returns fire.",
      /* 27 */ "Circle through enabled WPs and attack to disable Targets.  Returns fire (with lasers).",
      /* 28 */ holdBlank,
      /* 29 */ "Fly to Mothership if assigned, otherwise to hyperspace.  Attacks Targets.  Returns fire.",
      /* 30 */ hold,
      /* 31 */ "Board to ? - After boarding, Target continues its orders.",
      /* 32 */ "Board Targets (if stationary) to repair it. Once repaired, Target continues its orders.",
      /* 33 */ holdBlank,
      /* 34 */ hold,
      /* 35 */ holdBlank,
      /* 36 */ "Craft will explode after specified delay time.    No return fire.",
      /* 37 */ "Collide with Target until it destroys itself, also fires lasers at Target.   Returns fire.",
      /* 38 */ hold,
      /* 39 */ hold,
  };
  // clang-format on
  return list;
}

const List& craftStates() {
  static const List list = [] {
    List l{"0",
           "inspected",
           "finished docking?",
           "3",
           "disabled",
           "attacked",
           "shields at 0%?",
           "special craft",
           "non-special craft",
           "Players",
           "non-player",
           "11",
           "not disabled"};
    appendNumbers(l, 13, 20);
    return l;
  }();
  return list;
}

const List& orderSpeeds() {
  static const List list{"   0%", " 10%", " 20%", " 30%", " 40%", " 50%",
                         " 60%",  " 70%", " 80%", " 90%", "100%"};
  return list;
}

const List& shortCraft() {
  // clang-format off
  static const List list{
      /*   0 */ "---", "X-W", "Y-W", "A-W", "B-W", "T/F", "T/I", "T/B", "T/A", "T/D", "IRD", "TOS",
      /*  12 */ "MIS", "T/W", "Z-95", "R-41", "GUN", "SHU", "E/S", "SPC", "SCT", "TRN", "ATR",
      /*  23 */ "ETR", "TUG", "CUV", "CN/A", "CN/B", "CN/C", "CN/D", "HLF", "MINER", "FRT", "CARG",
      /*  34 */ "CNVYR", "CTRNS", "MTRNS", "MUTR", "CORT", "FALC", "CRV", "M/CRV", "FRG", "M/FRG",
      /*  44 */ "LINER", "CRKC", "STRKC", "ESC", "DREAD", "CRS", "CRL", "INT", "VSD", "ISD", "SSD",
      /*  55 */ "CN/E", "CN/F", "CN/G", "CN/H", "CN/I", "PLT/1", "PLT/2", "PLT/3", "PLT/4", "PLT/5",
      /*  65 */ "PLT/6", "R&D FC", "LAS BAT", "W LNCHR", "FAC/1", "SAT/1", "SAT/2", "SAT/3",
      /*  73 */ "*Sat4", "*Sat5", "Mn/T1", "Mn/T2", "Mn/T3", "GPLT", "*Mine5", "PROBE/1", "PROBE",
      /*  82 */ "PROBE/3", "NAV BUOY", "BUOY 2", "HYP", "Asteroid", "Planet", "RDZ BUOY", "C/C",
      /*  90 */ "SHPYD", "REPYD", "M/SC", "L/FRG", "B/CRS", "A/FRG", "GSP", "L/C", "A/S", "M-CRV",
      /* 100 */ "STARG", "Imp Research Ship", "LT3000", "F/L", "M/TRN", "MOB", "Xiy/T", "Frt/C",
      /* 108 */ "Frt/H", "Frt/K", "YT-2000", "YT-2400", "Suprosa MOB", "S/B", "T/e1", "T/e2",
      /* 116 */ "T/e3", "T/e4", "T/e5", "Clk/F", "Rzr/F", "Plt/F", "Sup/F", "Pnk/F", "B/R", "Pry/F",
      /* 126 */ "*Xiz/F", "FRS", "PES", "G/1", "G/2", "G/3", "D/P", "S/ARY", "C/RLY", "SC/1",
      /* 136 */ "SC/2", "SC/3", "CAS", "C/F1", "C/F2", "AMU", "PP", "BASE", "IRC", "AZZ", "RY/2",
      /* 147 */ "Pirate SHPYD", "FAC/2", "JUNKYD", "E-POD", "Pr/Tk", "CN/J", "CN/K", "CN/L",
      /* 155 */ "CN/Hgr", "G/P", "GW/P", "PM/1", "PM/2", "H/Mine1", "H/Mine2", "L/B", "I/B", "CF",
      /* 165 */ "Cargo Freighter 2", "Cargo Freighter 3", "Cargo Freighter 4", "Cargo Freighter 5",
      /* 169 */ "CT", "Cargo Tanker 2", "Cargo Tanker 3", "Cargo Tanker 4", "Cargo Tanker 5",
      /* 174 */ "E-POD/2", "Rebel Pilot", "Imperial Pilot", "Civ Pilot", "ZG/S", "ZG/U", "MK-09",
      /* 181 */ "R2-D2", "Worker Droid (R2-D2)", "B/Drop", "*Forest moon of Endor", "*Endor",
      /* 186 */ "*Sullust", "*Bothuwai", "*Kothlis", "*Hoth", "*Death Star II", "*Nar shadda",
      /* 192 */ "*Planet 10", "*Planet 11", "*Planet 12", "*Planet 13", "*Planet 14", "*Planet 15",
      /* 198 */ "*Moon 1", "*Moon 2", "*Moon 3", "*Moon 4", "*Moon 5", "*Sun 1", "*Sun 2", "*Sun 3",
      /* 206 */ "*Sun 4", "*Sun 5", "*Sun 6", "*Sun 7", "*Sun 8", "*Sun 9", "*Sun 10",
      /* 213 */ "*Backdrop 1", "*Backdrop 2", "*Backdrop 3", "*Backdrop 4", "*Backdrop 5",
      /* 218 */ "*Backdrop 6", "*Backdrop 7", "*Backdrop 8", "*Backdrop 9", "*Backdrop 10",
      /* 223 */ "*Backdrop 11", "*Backdrop 12", "*Backdrop 13", "*Backdrop 14", "*Backdrop 15",
      /* 228 */ "WCRS", "VSDII", "ISDII", "*Backdrop 16",
  };
  // clang-format on
  return list;
}

const List& tacticalRoles() {
  static const List list = [] {
    List l{"Command Ship",     "Base",
           "Station",          "Mission Critical Craft",
           "Convoy Craft",     "Strike Craft",
           "Reload Craft",     "Primary Target",
           "Secondary Target", "Tertiary Target",
           "Resource Centre",  "Facility"};
    for (int region = 1; region <= 4; ++region)
      l.push_back("HYP from Region " + std::to_string(region));
    for (int region = 1; region <= 4; ++region)
      l.push_back("HYP to Region " + std::to_string(region));
    appendNumbers(l, 20, 25);
    return l;
  }();
  return list;
}

const List& abortConditions() {
  static const List list = [] {
    List l{"never",          "shields out",    "2",
           "out of missles", "at 50% hull",    "attacked",
           "at 50% shields", "at 25% shields", "at 75% hull",
           "at 25% hull"};
    appendNumbers(l, 10, 20);
    return l;
  }();
  return list;
}

const List& missionTypes() {
  static const List list = [] {
    List l{"Junkyard",     "Quickstart 1", "Quickstart 2 (Skirmish?)",
           "Quickstart 3", "Skirmish",     "Death Star Run",
           "Rebel",        "Family"};
    appendNumbers(l, 8, 10);
    return l;
  }();
  return list;
}

const List& messageColours() {
  static const List list{"Green", "Red", "Blue", "Yellow", "Red", "Purple"};
  return list;
}

const List& teamNameChoices() {
  static const List list{"Rebel",     "Imperial",  "Azzameen", "Viraxo", "Airam", "Pirate",
                         "Mercenary", "Smugglers", "Trainee",  "Red",    "Blue",  "Gold",
                         "Green",     "One",       "Two",      "Three",  "Four",  "Five",
                         "Six",       "Seven",     "Eight"};
  return list;
}

const List& optionalCraftCategories() {
  static const List list{"No other craft", "All Friendly Flyable Craft", "All Rebel Starfighters",
                         "All Flyble Freighters", "User Defined Options"};
  return list;
}

const List& warheads() {
  static const List list{"None",
                         "Space Bombs",
                         "Heavy Rockets",
                         "Concussion Missiles",
                         "Proton Torpedoes",
                         "Advanced Missiles",
                         "Advanced Torpedoes",
                         "Mag Pulse Torpedoes",
                         "(Ion Pulse Torpedoes)"};
  return list;
}

const List& beams() {
  static const List list{"None", "Tractor", "Jamming", "Decoy", "(Energy Transfer)"};
  return list;
}

const List& countermeasures() {
  static const List list{"None", "Chaff", "Flare", "(Cluster mine)"};
  return list;
}

const List& craftStatuses() {
  static const List list = [] {
    List l{"Normal",
           "Double Missiles",
           "Half Missiles",
           "No Shields",
           "50% Shields",
           "No Lasers",
           "No Hyperdrive",
           "Shields 0%, Charging",
           "Shields Added",
           "Hyperdrive Added",
           "10",
           "11",
           "(200% Shields)",
           "Shields 50%,Charging",
           "(No Lasers)",
           "15",
           "Add Shields+H/drive",
           "17",
           "200% Shields",
           "(50% Shields)",
           "Invincible",
           "Infinite Warheads"};
    // Every other value of the byte is offered as its number.
    for (int v = static_cast<int>(l.size()); v <= 255; ++v)
      l.push_back(std::to_string(v));
    return l;
  }();
  return list;
}

const List& aiRanks() {
  static const List list{"Rookie", "Officer", "Veteran", "Ace", "Top Ace", "Jedi"};
  return list;
}

const List& radioChannels() {
  static const List list = [] {
    List l{"Off"};
    for (int t = 1; t <= 8; ++t)
      l.push_back("Team " + std::to_string(t));
    for (int p = 1; p <= 8; ++p)
      l.push_back("Player " + std::to_string(p));
    return l;
  }();
  return list;
}

const List& markings() {
  static const List list{"Red    (TIEs - None)", "Gold   (TIEs - Red)", "Blue    (TIEs - Gold)",
                         "Green (TIEs - Blue)"};
  return list;
}

const List& formations() {
  static const List list{"Vic",
                         "Finger Four",
                         "Line Astern",
                         "Line Abreast",
                         "Echelon Right",
                         "Echelon Left",
                         "Double Astern",
                         "Diamond 1",
                         "Stacked High",
                         "High 'X'",
                         "Vic Abreast",
                         "High Vic",
                         "Reverse High Vic",
                         "Reverse Line Astern",
                         "Stacked Low",
                         "Abreast Right",
                         "Abreast Left",
                         "Wing Forward",
                         "Wing Back",
                         "Line Astern Up",
                         "Line Astern Down",
                         "Abreast 'V'",
                         "Abreast Inverted 'V'",
                         "Double Astern Mirror",
                         "Double Stacked Astern",
                         "Double Stacked High",
                         "Diamond 2",
                         "Diamond 3",
                         "Flat Pentagon",
                         "Side Pentagon",
                         "Front Pentagon",
                         "Flat Hexagon",
                         "Side Hexagon",
                         "Front Hexagon",
                         "(Single Point)"};
  return list;
}

const List& difficulties() {
  static const List list{"All Levels",    "Cheat, Easy",   "Medium",
                         "Hard",          "Medium, Hard",  "Cheat, Easy, Medium",
                         "Never Appears", "Never Appears", "Cheat, Easy",
                         "Medium",        "Hard"};
  return list;
}

std::string shortCraftName(int craftType) {
  const List& list = shortCraft();
  if (craftType < 0 || static_cast<std::size_t>(craftType) >= list.size()) return "Unk";
  return list[static_cast<std::size_t>(craftType)];
}

} // namespace zephlo::vocab
