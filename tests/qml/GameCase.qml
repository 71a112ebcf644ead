import QtQuick
import QtTest

// A test case over the game's real main document, in the test window beside
// it, wired by TestHarness (tst_game.cpp) as start-up wires it.
TestCase {
    id: gameCase
    width: 854
    height: 480
    when: windowShown

    property Component mainDocument: Qt.createComponent(Qt.resolvedUrl("../../qml/Cirrovanta/main.qml"))
    property var game: null

    function startGame() {
        verify(mainDocument.status === Component.Ready, mainDocument.errorString())
        game = createTemporaryObject(mainDocument, gameCase.parent)
        verify(game !== null)
        TestHarness.attach(game)
        tryVerify(function() { return game.screenItem && game.screenItem.demoLevel !== null })
        return game
    }

    function init() { TestHarness.resetStore() }

    function cleanup() {
        GameEngine.enableEngineTimer(false)
        if (game)
            game.destroy()
        game = null
        wait(0)
        GameEngine.setMuted(false)
    }

    function press(key) {
        keyClick(key)
        wait(0)
    }
}
