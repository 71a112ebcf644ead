import QtQuick
import Cirrovanta

// "Watch replay" of the flight just flown, or "Watch best flight" of a level:
// picks the recording and opens the replay screen, which comes back to
// `from`. Hidden when there is nothing to watch.
MenuButton {
    id: watch
    property var session: null
    // A level's full name for its best flight; empty for the flight just flown.
    property string level: ""
    property string from: "levels"
    readonly property var store: typeof Replays === "undefined" ? null : Replays

    visible: store !== null && (level.length ? store.best(level) !== null : store.hasLastFlight)
    text: level.length ? qsTr("Watch best flight") : qsTr("Watch replay")
    tint: Theme.sky
    onClicked: {
        GameEngine.playSound(Sounds.buttonClick)
        var chosen = level.length ? store.watchBest(level, from) : store.watchLast(from)
        if (chosen && session)
            session.go("replay")
    }
}
