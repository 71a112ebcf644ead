import QtQuick
import Cirrovanta

// Shown once, when the storm front is crossed: the last flight of the game.
// The game hands the pilot's new rank in as `rank` (0 cadet … 4 captain).
FinalMessage {
    heading: qsTr("Storm Front complete!")
    story: qsTr("Through clouds, fog and the night, past every tempting buoy and down onto the narrowest strip. You have flown every route there is. Well done!")
}
