import QtQuick
import QtTest

// How a flight ends as the player reads it, over the real documents and a real
// engine (see tst_game.cpp): the real engine timers end each flight, and the
// result screen has to say why and give the stars its score earns.
GameCase {
    name: "Endings"

    function text(name) { return findChild(game.screenItem, name).text }

    // The items among a list property (children) that a test picks.
    function pick(list, test) {
        return Array.from({ length: list.length }, function(_, i) { return list[i] }).filter(test)
    }

    function earnedStars() {
        return pick(findChild(game.screenItem, "banner").children, function(c) { return c.objectName === "starEarned" }).length
    }

    // Puts the aeroplane's centre on a point of a scene item, heading along
    // the item's x axis (0 is up, clockwise, as the engine counts).
    function centreOn(level, item, px, py) {
        var p = item.mapToItem(level, px, py)
        var r = item.rotation * Math.PI / 180
        level.airplane.placeAt(p.x - level.airplane.width / 2, p.y - level.airplane.height / 2,
                               Math.atan2(Math.cos(r), -Math.sin(r)))
    }

    // Each row sets a flight up and lets the engine end it on its own timers.
    function test_the_ending_says_why_data() {
        return [
            { tag: "into a mountain", group: "3-MountainPass", level: "01_valley", setup: "terrain",
              passed: false, heading: "Crashed into the terrain", stars: 0 },
            { tag: "the tank runs dry over the sea", group: "1-FlightSchool", level: "01_straight", setup: "petrol",
              passed: false, heading: "Out of petrol", stars: 0 },
            { tag: "the glide rolls off the runway's end", group: "1-FlightSchool", level: "01_straight", setup: "runway",
              passed: false, heading: "Off the runway", stars: 0 },
            // The free fall's crash timer fires before the landing completes.
            { tag: "a dangerous landing", group: "1-FlightSchool", level: "01_straight", setup: "wrecked",
              passed: true, heading: "Dangerous landing!", stars: 1 },
            // Full tank 1000, no buoys, a par time of 17 s flown in 0 s: 170;
            // 1170 of the par result 1300 is at least 60 %: two stars.
            { tag: "a landing with a full tank", group: "1-FlightSchool", level: "01_straight", setup: "landed",
              passed: true, heading: "Landed!", stars: 2 }
        ]
    }

    function test_the_ending_says_why(row) {
        startGame()
        game.session.openGroup(row.group)
        game.session.startLevel(row.level)
        var level = game.screenItem.level
        var plane = level.airplane
        var runway = level.runways[0]
        if (row.setup === "terrain") {
            var rock = pick(level.children, function(c) { return String(c.objectName).indexOf("obstruction") !== -1 })[0]
            verify(rock.contains(Qt.point(rock.width / 2, rock.height / 2)))
            centreOn(level, rock, rock.width / 2, rock.height / 2)
        } else if (row.setup === "petrol") {
            plane.landingTime = 300                // the fall lasts 2 × 300 ms
            plane.petrol = 0.0001                  // gone in the first frame
        } else if (row.setup === "runway") {
            plane.landingTime = 2400               // landing 1.6 s, fall 4.8 s
            plane.petrol = 0.0001
            centreOn(level, runway, runway.width - 20, runway.height / 2)
        } else {
            level.running = false                  // the aeroplane stands on the runway
            centreOn(level, runway, runway.width / 2, runway.height / 2)
            plane.landingTime = 300
            if (row.setup === "wrecked") {
                plane.petrol = 0
                GameEngine.startFreeFall()         // crash timer 600 ms ...
                plane.landingTime = 3000           // ... landing timer 2000 ms
            }
        }
        tryVerify(function() { return level.ended }, 12000)
        compare(level.passed, row.passed)
        game.screenItem.showResultNow()
        compare(game.session.screen, "result")
        compare(text("heading"), row.heading)
        compare(earnedStars(), row.stars)
        verify(text("praise") !== "Well flown!")
        verify(text("explanation").length > 0)
    }

    // Three stars at the par result, two from 60 % of it, one below.
    function test_stars_follow_the_score_data() {
        return [
            { tag: "at par", total: 1300, stars: 3, praise: "Well flown!" },
            { tag: "one point short of par", total: 1299, stars: 2, praise: "Good flight" },
            { tag: "60 % of par", total: 780, stars: 2, praise: "Good flight" },
            { tag: "just under 60 %", total: 779, stars: 1, praise: "Landed" },
            { tag: "a poor landing", total: 115, stars: 1, praise: "Landed" }
        ]
    }

    function test_stars_follow_the_score(row) {
        startGame()
        game.session.showResult({ passed: true, total: row.total, parResult: 1300, best: row.total })
        compare(text("praise"), row.praise)
        compare(earnedStars(), row.stars)
    }

    function test_escape_on_the_title_asks_first() {
        startGame()
        var question = findChild(game.screenItem, "quitQuestion")
        press(Qt.Key_Escape)
        verify(question.visible)
        verify(findChild(game.screenItem, "stayButton").activeFocus)
        press(Qt.Key_Right)
        verify(findChild(game.screenItem, "quitButton").activeFocus)
        press(Qt.Key_Escape)                       // a second Esc keeps playing
        verify(!question.visible)
        press(Qt.Key_Escape)
        press(Qt.Key_Return)                       // Keep flying
        verify(!question.visible)
        press(Qt.Key_Return)                       // Play, as before
        compare(game.session.screen, "groups")
    }
}
