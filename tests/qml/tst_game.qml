import QtQuick
import QtTest
import "../../qml/Cirrovanta/components/Steering.js" as Steering
import "../../qml/Cirrovanta/components/Scoring.js" as Scoring

// The game as a player goes through it, over the real documents and a real
// engine and settings store (see tst_game.cpp for the wiring).
GameCase {
    name: "Game"

    readonly property string group: "1-FlightSchool"
    function flyToTheRunway(level) {
        // The frame clock and the engine's step are stopped, so the flight is
        // driven here exactly as the engine would end it.
        level.running = false
        GameEngine.enableEngineTimer(false)
        var runway = level.runways[0]
        level.airplane.placeAt(runway.x + runway.width / 2 - level.airplane.width / 2,
                               runway.y + runway.height / 2 - level.airplane.height / 2, Math.PI / 2)
    }

    // --- Steering and scoring ------------------------------------------

    function test_steering_vector_data() {
        return [
            { tag: "a device lying flat steers nowhere", raw: [90, 90, 0], corr: [0, 0, 0], x: 0, y: 0 },
            { tag: "tilting right by 15 degrees turns right at half deflection", raw: [90, 105, 0], corr: [0, 0, 0], x: 0.5, y: 0 },
            { tag: "a full tilt saturates at one", raw: [90, 150, 0], corr: [0, 0, 0], x: 1, y: 0 },
            { tag: "tilting the top away heads up the screen", raw: [120, 90, 0], corr: [0, 0, 0], x: 0, y: 1 },
            { tag: "the calibrated pose steers nowhere", raw: [110, 75, 3], corr: [20, -15, 3], x: 0, y: 0 },
            { tag: "a tilt is measured from the calibrated pose", raw: [100, 90, 3], corr: [20, -15, 3], x: 0.5, y: -1 / 3 }
        ]
    }

    function test_steering_vector(row) {
        var v = Steering.vector(row.raw[0], row.raw[1], row.raw[2], "y", row.corr[0], row.corr[1], row.corr[2])
        fuzzyCompare(v.x, row.x, 1e-6)
        fuzzyCompare(v.y, row.y, 1e-6)
    }

    function test_scoring_data() {
        return [
            // 0.4567 petrol: 456.7 rounds to 457; 3 buoys 750; 12.5 s under a par of 40: 27 whole seconds, 270.
            { tag: "a passed flight adds petrol, buoys and time", passed: true, petrol: 0.4567, buoys: 3, seconds: 12.5, par: 40, total: 457 + 750 + 270 },
            { tag: "no time bonus beyond the par", passed: true, petrol: 0.1, buoys: 0, seconds: 50, par: 40, total: 100 },
            { tag: "a lost flight scores nothing", passed: false, petrol: 0.9, buoys: 2, seconds: 5, par: 40, total: 0 }
        ]
    }

    function test_scoring(row) {
        compare(Scoring.score(row.passed, row.petrol, row.buoys, row.seconds, row.par).total, row.total)
    }

    // --- The whole way through ------------------------------------------------

    function test_title_groups_levels_flight_result_and_back() {
        startGame()
        var session = game.session
        compare(session.screen, "title")
        var demo = game.screenItem.demoLevel
        verify(demo.demo)
        compare(TestHarness.engineLevel(), demo)
        verify(!TestHarness.engineTimerRunning(), "the demo flight runs without the engine timer")

        press(Qt.Key_Return)                      // Play
        compare(session.screen, "groups")
        verify(TestHarness.engineLevel() === null, "the demo level was handed back")
        var card = findChild(game.screenItem, "group_" + group)
        verify(card !== null)
        verify(card.activeFocus)
        verify(card.open)

        press(Qt.Key_Return)
        compare(session.screen, "levels")
        compare(session.group, group)
        var levels = GameEngine.pluginList(group)
        verify(levels.length >= 2)
        verify(findChild(game.screenItem, "flight_" + levels[levels.length - 1]) !== null)

        press(Qt.Key_Return)                      // the first flight
        compare(session.screen, "flight")
        var first = group + "/" + levels[0]
        compare(game.levelName, first)
        var level = game.screenItem.level
        verify(level !== null)
        verify(level.objectName.indexOf("Level") !== -1)
        compare(TestHarness.engineLevel(), level)
        compare(TestHarness.engineAirplane(), level.airplane)
        compare(TestHarness.landingCount(), level.runways.length)
        compare(TestHarness.buoyCount(), level.buoys.length)
        verify(level.runways.length > 0)
        verify(TestHarness.engineTimerRunning())

        flyToTheRunway(level)
        level.airplane.petrol = 0.5
        var burst = 0
        if (level.buoys.length > 0) {
            level.buoys[0].explode()
            burst = 1
        }
        level.ticks = level.airplane.fps * 5      // five seconds in the air
        level.explodeHappy(level.airplane.x, level.airplane.y)
        level.gameOver(true)
        // 0.5 petrol: 500; 250 a buoy; 10 a whole second under the par time.
        var expected = 500 + 250 * burst + Math.max(0, Math.floor(level.parTime - 5)) * 10
        compare(Number(GameEngine.getResult(first)), expected)
        verify(GameEngine.getPassed(first))

        game.screenItem.showResultNow()
        compare(session.screen, "result")
        compare(session.lastResult.total, expected)
        verify(session.lastResult.newBest)
        verify(TestHarness.engineLevel() === null, "the flown level was handed back")
        verify(!TestHarness.engineTimerRunning())

        press(Qt.Key_Escape)
        compare(session.screen, "levels")
        verify(findChild(game.screenItem, "flight_" + levels[0]).passed)
    }

    // --- Settings ---------------------------------------------------------------

    function test_settings_survive_a_restart() {
        startGame()
        var session = game.session
        fuzzyCompare(game.volumeLevel, 7 / 9, 1e-5)
        session.go("settings")
        var screen = game.screenItem
        verify(findChild(screen, "tiltSourceText").text.length > 0)
        var sound = findChild(screen, "soundButton")
        verify(sound.activeFocus)
        press(Qt.Key_Return)                      // sound off
        verify(GameEngine.isMuted())
        press(Qt.Key_Down)                        // to the volume
        verify(findChild(screen, "volumeControl").activeFocus)
        // Down to silence and all the way back: the player's own 0.6 again.
        for (var key of "LLLLLLLRRRRRRR")
            press(key === "L" ? Qt.Key_Left : Qt.Key_Right)
        fuzzyCompare(Number(TestHarness.stored("AudioVolume")), 0.6, 1e-6)
        press(Qt.Key_Left)
        press(Qt.Key_Left)
        press(Qt.Key_Left)
        press(Qt.Key_Left)
        fuzzyCompare(game.volumeLevel, 3 / 9, 1e-5)
        // (3/4)^6, the volume of the fourth step from the top.
        fuzzyCompare(Number(TestHarness.stored("AudioVolume")), Math.pow(0.75, 6), 1e-5)

        var steer = session.steer
        steer.rawangleX = 100
        steer.rawangleY = 80
        steer.rawangleZ = 5
        mouseClick(findChild(screen, "calibrateButton"))
        compare(game.correction, [10, -10, 5])
        verify(findChild(screen, "calibrationText").text.indexOf("-10.0") !== -1)

        game.destroy()
        game = null
        wait(0)
        TestHarness.restart()
        startGame()
        fuzzyCompare(game.volumeLevel, 3 / 9, 1e-5)
        verify(GameEngine.isMuted())
        compare(game.correction, [10, -10, 5])
        game.session.go("settings")
        compare(findChild(game.screenItem, "soundButton").text, qsTr("Off"))
    }

    // --- The update offer -------------------------------------------------------

    function test_update_offer_data() {
        return [
            { tag: "an http location is offered", location: "http://updates.example.invalid/cirrovanta-1.1.deb", offered: true },
            { tag: "a script location is ignored", location: "javascript:alert(1)", offered: false },
            { tag: "a file location is ignored", location: "file:///etc/passwd", offered: false },
            { tag: "a location with a space is ignored", location: "http://host/a b", offered: false }
        ]
    }

    function test_update_offer(row) {
        startGame()
        game.updateIsReady(row.location)
        compare(game.session.updateOffered, row.offered)
        game.session.go("about")
        var offer = findChild(game.screenItem, "updateOffer")
        compare(offer.visible, row.offered)
        var text = findChild(game.screenItem, "updateLocationText")
        compare(text.textFormat, Text.PlainText)
        compare(text.text, row.location)
    }
}
