import QtQuick
import Cirrovanta

// What the whole game remembers while it runs: which screen is up, the group
// and level being played, what the engine and the settings store told the
// root, and the moves between screens. Screens get it as their `session`.
QtObject {
    id: session

    property string screen: "title"
    property string group: ""
    property string level: ""
    property string levelName: ""
    property string groupFinished: ""
    property string pendingFinal: ""
    property real volumeLevel: 0
    property int pilotRank: 0
    property var correction: [0, 0, 0]
    property string updateLocation: ""
    property bool paused: false
    property bool flying: false
    property bool muted: GameEngine.isMuted()
    property int music: -1
    property var lastResult: ({})
    property var steer: null
    property url levelsBase: ""

    signal levelLoaded()
    // Sent before the screen changes, so a screen holding a level hands it
    // back to the engine while it is still the only level in the scene.
    signal leaving()
    signal calibrationRequested(real x, real y, real z)

    readonly property bool updateOffered: Names.isWebLocation(updateLocation)
    readonly property bool inMenu: screen !== "flight" && screen !== "title"

    // --- Moving between screens --------------------------------------------

    function go(name) {
        leaving()
        paused = false
        screen = name
        if (name !== "flight")
            playMusic(Sounds.mainTheme)
    }

    function back() {
        GameEngine.playSound(Sounds.buttonClick)
        switch (screen) {
        case "groups": case "settings": case "howto": case "about":
            go("title"); break
        case "levels": go("groups"); break
        case "result": case "final": go("levels"); break
        case "flight": if (flying) paused = !paused; break
        default: break
        }
    }

    function openGroup(name) {
        group = name
        go("levels")
    }

    function startLevel(name) {
        level = name
        levelName = group + "/" + name
        leaving()
        screen = "flight"
        paused = false
    }

    function showResult(result) {
        lastResult = result
        go("result")
    }

    function afterResult() {
        if (pendingFinal.length) {
            go("final")
            return
        }
        go("levels")
    }

    function afterFinal() {
        pendingFinal = ""
        groupFinished = ""
        go("groups")
    }

    // Asking once is enough: while the sound is off the engine's sound bank
    // keeps the music asked for and starts it when the sound comes back.
    function playMusic(index) {
        if (music === index)
            return
        music = index
        GameEngine.playMusic(index)
    }

    // --- Groups, levels and results -----------------------------------------

    function groups() {
        return Names.realGroups(GameEngine.pluginGroups())
    }

    function levels(groupName) {
        var list = GameEngine.pluginList(groupName)
        var out = []
        for (var i = 0; i < (list ? list.length : 0); ++i)
            out.push(String(list[i]))
        return out
    }

    // The first group is always open; each further one once the one before is finished.
    function groupOpen(list, index) {
        return index === 0 || Boolean(GameEngine.getPassed(list[index - 1]))
    }

    function nextLevel() {
        var list = levels(group)
        var at = list.indexOf(level)
        return at >= 0 && at + 1 < list.length ? list[at + 1] : ""
    }

    function levelUrl(groupName, levelFile) {
        return levelsBase + groupName + "/" + levelFile + ".qml"
    }

    function finalUrl(groupName) {
        return levelsBase + groupName + "/finalMsg.qml"
    }

    // The rank follows the finished groups; the engine only ever raises it.
    function refreshRank() {
        var list = groups()
        var finished = 0
        for (var i = 0; i < list.length; ++i)
            if (GameEngine.getPassed(list[i]))
                ++finished
        GameEngine.setPilotRank(Ranks.rankFor(finished, list.length))
    }

    // --- Settings ------------------------------------------------------------

    function toggleMute() {
        muted = !muted
        GameEngine.setMuted(muted)
        GameEngine.playSound(Sounds.buttonClick)
    }

    // Stores the current pose as level: (rawX − 90, rawY − 90, rawZ).
    function calibrate() {
        if (!steer)
            return
        calibrationRequested(steer.rawangleX - 90, steer.rawangleY - 90, steer.rawangleZ)
    }

    onGroupFinishedChanged: {
        if (groupFinished.length === 0)
            return
        pendingFinal = groupFinished
        refreshRank()
    }
}
