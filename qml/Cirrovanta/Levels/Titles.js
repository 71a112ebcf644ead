.pragma library

// What the menus call the shipped groups and levels, in the player's language.
// The directory and file names stay plain ASCII for the listing rules; these
// are the names a player reads. Anything not listed here (a level added
// later) keeps the name the menus make from its file name.
//
//   import "../Levels/Titles.js" as Titles
//   Titles.group("2-IslandHopping", fallback)            → "Island Hopping"
//   Titles.level("2-IslandHopping", "01_harbour", fallback) → "Harbour hop"
// Keep the level titles equal to the `title` each level document sets.

var groups = {
    "1-FlightSchool": QT_TRANSLATE_NOOP("Titles", "Flight School"),
    "2-IslandHopping": QT_TRANSLATE_NOOP("Titles", "Island Hopping"),
    "3-MountainPass": QT_TRANSLATE_NOOP("Titles", "Mountain Pass"),
    "4-StormFront": QT_TRANSLATE_NOOP("Titles", "Storm Front")
}

var levels = {
    "1-FlightSchool/01_straight": QT_TRANSLATE_NOOP("Titles", "Straight to the runway"),
    "1-FlightSchool/02_turn": QT_TRANSLATE_NOOP("Titles", "A gentle turn"),
    "1-FlightSchool/03_glide": QT_TRANSLATE_NOOP("Titles", "A glide with little petrol"),
    "1-FlightSchool/04_clouds": QT_TRANSLATE_NOOP("Titles", "Through the clouds"),
    "1-FlightSchool/05_buoys": QT_TRANSLATE_NOOP("Titles", "A line of buoys"),
    "2-IslandHopping/01_harbour": QT_TRANSLATE_NOOP("Titles", "Harbour hop"),
    "2-IslandHopping/02_reef": QT_TRANSLATE_NOOP("Titles", "The reef"),
    "2-IslandHopping/03_short_strip": QT_TRANSLATE_NOOP("Titles", "Short strip at an angle"),
    "2-IslandHopping/04_long_leg": QT_TRANSLATE_NOOP("Titles", "The long leg"),
    "2-IslandHopping/05_lagoon": QT_TRANSLATE_NOOP("Titles", "The lagoon"),
    "3-MountainPass/01_valley": QT_TRANSLATE_NOOP("Titles", "The valley"),
    "3-MountainPass/02_canyon": QT_TRANSLATE_NOOP("Titles", "The canyon"),
    "3-MountainPass/03_pass": QT_TRANSLATE_NOOP("Titles", "Threading the pass"),
    "3-MountainPass/04_bowl": QT_TRANSLATE_NOOP("Titles", "The bowl"),
    "3-MountainPass/05_descent": QT_TRANSLATE_NOOP("Titles", "Glide from the heights"),
    "4-StormFront/01_cloud_banks": QT_TRANSLATE_NOOP("Titles", "Cloud banks"),
    "4-StormFront/02_fog": QT_TRANSLATE_NOOP("Titles", "Into the fog"),
    "4-StormFront/03_lures": QT_TRANSLATE_NOOP("Titles", "Tempting buoys"),
    "4-StormFront/04_night": QT_TRANSLATE_NOOP("Titles", "Night flight"),
    "4-StormFront/05_finale": QT_TRANSLATE_NOOP("Titles", "Through the storm")
}

function group(directory, fallback) {
    var title = groups[directory]
    return title ? qsTranslate("Titles", title) : fallback
}

function level(directory, file, fallback) {
    var title = levels[directory + "/" + file]
    return title ? qsTranslate("Titles", title) : fallback
}
