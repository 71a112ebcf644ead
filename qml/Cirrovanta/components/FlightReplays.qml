import QtQuick
import Cirrovanta

// What a flight has to do with replays: the recorder records it from the
// moment its level is loaded and keeps it when it beats the level's best,
// and the best flight's ghost flies along when the player wants it. Without
// the recorder ("Replays") it does nothing.
Item {
    id: replays
    property Level level: null
    property string levelName: ""
    // The scored flight, as the flight screen keeps it: passed and total.
    property var outcome: null
    readonly property var store: typeof Replays === "undefined" ? null : Replays

    onLevelChanged: {
        if (store && level)
            store.attach(level, levelName)
    }
    onOutcomeChanged: {
        if (store && outcome)
            store.flightScored(Boolean(outcome.passed), Number(outcome.total))
    }

    Ghost {
        level: replays.level
        track: replays.store && replays.store.ghostEnabled && replays.level ? replays.store.best(replays.levelName) : null
    }
}
