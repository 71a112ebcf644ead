import QtQuick
import Cirrovanta

// Shown once, when the last island of Island Hopping is reached.
// The game hands the pilot's new rank in as `rank` (0 cadet … 4 captain).
FinalMessage {
    heading: qsTr("Island Hopping complete!")
    story: qsTr("Short strips, long legs over open water and a lagoon behind the reef: the sea holds no secrets for you now. The mountains are next.")
}
