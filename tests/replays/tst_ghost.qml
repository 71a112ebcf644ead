import QtQuick
import QtTest
import Cirrovanta

// A level flown with its best flight kept: the ghost is where the kept flight
// was at the flight's time, also on the radar, and gone when switched off.
TestCase {
    id: testCase
    name: "Ghost"
    when: windowShown
    property Component levelFile: Qt.createComponent(Qt.resolvedUrl("../../qml/Cirrovanta/Levels/1-FlightSchool/01_straight.qml"))
    Component { id: replays; FlightReplays { levelName: "1-FlightSchool/01_straight" } }

    function named(parentItem, name) {
        return Array.prototype.find.call(parentItem.children, function(child) { return child.objectName === name })
    }

    function test_theGhostFliesTheKeptFlightOnTheFlightsClock() {
        var level = createTemporaryObject(levelFile, testCase.parent, { demo: false })
        level.prepare()
        createTemporaryObject(replays, testCase, { level: level })
        var ghost = named(level, "ghost")
        compare(named(level.hud, "radar").ghost, ghost)
        // Frame n of 30 a second is at n/30 s; the kept sample then is the
        // k-th with 2k ≤ n, and after the last one (k = 100) it stays there.
        for (var n of [0, 1, 2, 3, 59, 60, 61, 199, 200, 201, 400]) {
            level.ticks = n
            var k = Math.min(100, Math.floor(n / 2))
            compare(ghost.position, Qt.point(100 + 6 * k, 400 - k), "frame " + n)
            fuzzyCompare(ghost.sample.angle, k / 100, 1e-3)
        }
        verify(ghost.visible)
        Replays.ghostEnabled = false
        verify(!ghost.visible)
    }
}
