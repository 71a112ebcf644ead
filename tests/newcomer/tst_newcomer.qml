import QtQuick
import QtTest

// A newcomer's first flights over the real screens, paused and steered with
// real key presses (xdotool) on a real X server, keyboard and mouse being the
// tilt source as on a desktop.
TestCase {
    id: testCase
    name: "Newcomer"
    width: 854
    height: 480
    when: windowShown

    property Component mainDocument: Qt.createComponent(Qt.resolvedUrl("../../qml/Cirrovanta/main.qml"))
    property var game: null
    readonly property var session: game ? game.session : null
    readonly property var level: game && game.screenItem && game.screenItem.level ? game.screenItem.level : null

    function xdo() { return TestHarness.xdotool(Array.prototype.slice.call(arguments).map(String)) }

    function initTestCase() {
        verify(TestHarness.desktop(testCase.Window.window))
    }
    function init() { TestHarness.resetStore() }
    function cleanup() {
        xdo("keyup", "Left", "Right", "Down")
        GameEngine.enableEngineTimer(false)
        if (game)
            game.destroy()
        game = null
        wait(50)
    }

    function startGame() {
        verify(mainDocument.status === Component.Ready, mainDocument.errorString())
        game = mainDocument.createObject(testCase.parent)
        TestHarness.attach(game)
        tryVerify(function() { return game.screenItem && game.screenItem.demoLevel !== null })
    }
    function fly(group, name) {
        session.openGroup(group)
        session.startLevel(name)
        tryVerify(function() { return level !== null && level.running })
    }
    // The aeroplane at the near end of the runway, heading down its length.
    function onRunway(along) {
        var runway = level.runways[0]
        var p = runway.mapToItem(level, along, runway.height / 2)
        var q = runway.mapToItem(level, runway.width, runway.height / 2)
        level.airplane.placeAt(p.x - 28, p.y - 28, Math.atan2(q.x - p.x, p.y - q.y))
        return q
    }

    // Esc pauses, Esc in the pause menu resumes: nothing moves in between,
    // and every flight still comes to its end.
    function test_resume_in_every_phase_data() {
        return [
            { tag: "climb", petrol: 1, runway: false, passed: true },
            { tag: "glide with an empty tank", petrol: 0.001, runway: false, passed: false },
            { tag: "landing roll", petrol: 1, runway: true, passed: true },
            { tag: "falling onto the runway", petrol: 0.001, runway: true, passed: true }
        ]
    }
    function test_resume_in_every_phase(data) {
        startGame()
        fly("1-FlightSchool", "01_straight")
        level.airplane.petrol = data.petrol
        if (data.runway) {
            level.throttle = 0
            onRunway(20)
        }
        tryVerify(function() { return !data.runway || level.airplane.landing })
        tryVerify(function() { return level.airplane.petrol === 0 || data.petrol === 1 })
        xdo("key", "Escape")
        tryVerify(function() { return level.paused })
        var frames = level.ticks
        wait(700)
        compare(level.ticks, frames)
        xdo("key", "Escape")
        tryVerify(function() { return !level.paused })
        tryVerify(function() { return level.ended }, 25000)
        compare(level.passed, data.passed)
    }

    // Over every level's route and far beyond its edges, the aeroplane stays
    // on screen, clear of the fuel gauge and buttons (top 52 px) and of the
    // radar (120 px square, 10 px from the bottom right corner).
    Item { id: frame; width: 854; height: 480 }
    function test_camera_keeps_the_aeroplane_in_view() {
        startGame()
        var groups = session.groups()
        for (var g = 0; g < groups.length; ++g) {
            var names = session.levels(groups[g])
            for (var n = 0; n < names.length; ++n) {
                var component = Qt.createComponent(session.levelUrl(groups[g], names[n]))
                var world = createTemporaryObject(component, frame, { demo: false })
                world.prepare()
                var points = world.route.concat([Qt.point(-400, -400), Qt.point(world.width + 400, -400),
                    Qt.point(-400, world.height + 400), Qt.point(world.width + 400, world.height + 400)])
                for (var i = 0; i < points.length; ++i) {
                    for (var h = 0; h < 4; ++h) {
                        world.airplane.placeAt(points[i].x - 28, points[i].y - 28, h * Math.PI / 2)
                        var r = world.airplane.mapToItem(frame, 0, 0)
                        var where = groups[g] + "/" + names[n] + " point " + i + " heading " + h + ": " + r
                        verify(r.x >= 20 && r.x + 56 <= 834 && r.y >= 52 && r.y + 56 <= 470, where)
                        verify(r.x + 56 <= 724 || r.y + 56 <= 350, where)
                    }
                }
                world.destroy()
            }
        }
    }

    // The 35° strip of the short-strip flight, reached with the arrow keys
    // alone: a held key turns, a released one flies straight on, Down slows.
    function test_keyboard_steers_onto_a_runway_at_an_angle() {
        startGame()
        fly("2-IslandHopping", "03_short_strip")
        var runway = level.runways[0]
        var targets = level.route.slice(0, -1).concat([runway.mapToItem(level, runway.width - 10, runway.height / 2)])
        var next = 0, held = ""
        for (var step = 0; step < 1500 && !level.ended; ++step) {
            var a = level.airplane
            var dx = targets[next].x - (a.realX + 28), dy = targets[next].y - (a.realY + 28)
            if (Math.sqrt(dx * dx + dy * dy) < 40 && next < targets.length - 1) {
                if (++next === targets.length - 1)
                    xdo("key", "Down", "Down")
            }
            var error = Math.atan2(dx, -dy) - a.angle
            error = Math.atan2(Math.sin(error), Math.cos(error))
            var want = error > 0.05 ? "Right" : error < -0.05 ? "Left" : ""
            if (want !== held) {
                if (held) xdo("keyup", held)
                if (want) xdo("keydown", want)
                held = want
            }
            wait(30)
        }
        verify(level.ended)
        verify(level.passed, "landed on the angled strip")
    }

    // Keys and mouse never steer by themselves: a stored pose is put back to
    // level (not replaced by the keys' tilt), a pointer resting where a click
    // left it does not steer the next flight, and a key held as a flight ends
    // does not walk the result screen's buttons.
    function test_desktop_never_steers_by_itself() {
        TestHarness.store("CorrectionAngle_x", 5.6)
        TestHarness.store("CorrectionAngle_y", 11.2)
        startGame()
        compare(game.correction, [5.6, 11.2, 0])
        session.go("settings")
        tryVerify(function() { return findChild(game.screenItem, "calibrateButton") !== null })
        var button = findChild(game.screenItem, "calibrateButton")
        compare(button.text, "Reset to level")
        var p = button.mapToGlobal(button.width / 2, button.height / 2)
        xdo("keydown", "Right")
        xdo("mousemove", Math.round(p.x), Math.round(p.y), "click", 1)
        xdo("keyup", "Right")
        tryCompare(game, "correction", [0, 0, 0])
        compare(TiltSource.source, "mouse")

        fly("1-FlightSchool", "01_straight")
        wait(400)
        verify(!level.pointerSteering)
        compare([level.airplane.vectorX, level.airplane.vectorY], [0, 0])
        xdo("mousemove_relative", "--", 30, 20)
        tryVerify(function() { return Math.abs(level.airplane.vectorX) + Math.abs(level.airplane.vectorY) > 0.1 })

        var centre = game.mapToGlobal(game.width / 2, game.height / 2)
        xdo("mousemove", Math.round(centre.x), Math.round(centre.y))
        tryVerify(function() { return Math.abs(level.airplane.vectorX) + Math.abs(level.airplane.vectorY) === 0 })
        onRunway(20)
        tryVerify(function() { return level.ended }, 10000)
        xdo("keydown", "Left")
        tryCompare(session, "screen", "result", 5000)
        wait(1500)
        xdo("keyup", "Left")
        xdo("key", "Return")
        tryCompare(session, "level", "02_turn")
        compare(session.screen, "flight")
    }
}
