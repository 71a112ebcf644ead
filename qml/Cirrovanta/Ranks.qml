pragma Singleton
import QtQuick

// The pilot's ranks, lowest first: what each is called, the cap and the
// insignia it wears, and how many finished groups it takes. The session, the
// title and final screens and every group's closing message read this table.
QtObject {
    // The captain's threshold: every group the game has, however many.
    readonly property int everyGroup: -1

    readonly property var table: [
        { name: qsTr("Cadet"), cap: "hat_cadett.svg", insignia: "rank_cadett.svg", threshold: 0 },
        { name: qsTr("Cadet with wings"), cap: "hat_cadett2.svg", insignia: "rank_cadett.svg", threshold: 1 },
        { name: qsTr("Officer"), cap: "hat_officer.svg", insignia: "rank_officer.svg", threshold: 2 },
        { name: qsTr("Senior officer"), cap: "hat_officer.svg", insignia: "rank_officer2.svg", threshold: 3 },
        { name: qsTr("Captain"), cap: "hat_captain.svg", insignia: "rank_captain.svg", threshold: everyGroup }
    ]
    readonly property int highest: table.length - 1

    // A stored rank outside the table shows as the nearest rank in it.
    function at(rank) {
        return table[Math.max(0, Math.min(highest, Math.floor(Number(rank) || 0)))]
    }

    // The highest rank whose threshold the finished groups meet.
    function rankFor(finished, groupCount) {
        var rank = 0
        for (var i = 0; i < table.length; ++i) {
            var needed = table[i].threshold
            if (needed === everyGroup ? groupCount > 0 && finished >= groupCount : finished >= needed)
                rank = i
        }
        return rank
    }
}
