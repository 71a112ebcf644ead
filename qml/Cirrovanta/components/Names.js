.pragma library

// Level group directories are named "<order>-<Name>" (a hyphen, never an
// underscore, so the listed group name is the directory name itself) and level
// files "<order>_<name>.qml". These helpers make the names a player reads.

function words(text) {
    return String(text).replace(/[_-]+/g, " ").replace(/([a-z])([A-Z])/g, "$1 $2").trim()
}

function groupTitle(group) {
    return words(String(group).replace(/^[0-9]+-/, ""))
}

function levelTitle(level) {
    var t = words(String(level).replace(/^[0-9]+_/, ""))
    return t.length ? t.charAt(0).toUpperCase() + t.slice(1) : t
}

function levelNumber(level) {
    var m = String(level).match(/^([0-9]+)/)
    return m ? parseInt(m[1], 10) : 0
}

// Menus list only real groups: the engine's listing begins with "." and "..".
function realGroups(list) {
    var out = []
    for (var i = 0; i < (list ? list.length : 0); ++i)
        if (list[i] !== "." && list[i] !== "..")
            out.push(String(list[i]))
    return out
}

// Only web locations are ever opened.
function isWebLocation(location) {
    return /^https?:\/\/[^\s]+$/i.test(String(location))
}
