import QtQuick
import QtTest

// A player who left the sound off last time switches it on again, on the
// title's settings or in flight: what should play is what the bank plays.
GameCase {
    name: "Mute"

    // A fresh engine over a store that says the sound is off.
    function startMuted() {
        TestHarness.resetStore()
        GameEngine.setMuted(true)
        TestHarness.restart()
        startGame()
        verify(game.session.muted)
        return game.session
    }

    function test_the_theme_plays_once_unmuted_on_the_title() {
        var session = startMuted()
        compare(GameSettings.playingMusic(), -1)
        session.go("settings")
        for (var i = 0; i < 5; ++i) {
            keyClick(Qt.Key_Return)           // the sound button has the focus
            compare(GameEngine.isMuted(), i % 2 === 1)
            compare(GameSettings.playingMusic(), 9)   // silent while muted, never lost
        }
        verify(!GameEngine.isMuted())
        session.go("title")
        compare(GameSettings.playingMusic(), 9)
    }

    function test_the_level_music_plays_once_unmuted_in_flight() {
        var session = startMuted()
        session.openGroup("1-FlightSchool")
        session.startLevel(session.levels("1-FlightSchool")[0])
        tryVerify(function() { return game.screenItem.level !== null && game.screenItem.level !== undefined })
        var level = game.screenItem.level
        compare(GameSettings.playingMusic(), -1)
        level.muteToggled()                   // the sound sign on the HUD
        compare(GameSettings.playingMusic(), level.music)
        level.muteToggled()
        level.muteToggled()
        compare(GameSettings.playingMusic(), level.music)

        // Muted on the way out, the theme waits for the sound to come on.
        level.muteToggled()
        session.go("levels")
        session.toggleMute()
        compare(GameSettings.playingMusic(), 9)
    }
}
