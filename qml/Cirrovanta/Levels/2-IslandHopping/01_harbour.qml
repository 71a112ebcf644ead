import QtQuick
import Cirrovanta

// From the harbour island across the bay to an airstrip on the far island,
// bursting the buoys that mark the channel between the islands.
Level {
    title: qsTr("Harbour hop")
    worldWidth: 2000
    worldHeight: 1100
    parTime: 22
    parResult: 1400
    water: "#4fa8dc"
    startX: 100
    startY: 850
    startAngle: 0.9
    route: [Qt.point(400, 700), Qt.point(650, 620), Qt.point(900, 520), Qt.point(1200, 420),
            Qt.point(1420, 380), Qt.point(1560, 380)]

    Island {
        x: 30; y: 760
        width: 300; height: 240
        points: [Qt.point(135, 4), Qt.point(238, 29), Qt.point(277, 83), Qt.point(242, 181), Qt.point(184, 230), Qt.point(100, 224), Qt.point(34, 191), Qt.point(35, 114), Qt.point(86, 39)]
    }
    Island {
        x: 520; y: 350
        width: 240; height: 180
        points: [Qt.point(112, 4), Qt.point(201, 26), Qt.point(228, 77), Qt.point(219, 117), Qt.point(174, 159), Qt.point(99, 177), Qt.point(39, 128), Qt.point(7, 88), Qt.point(65, 35)]
    }
    Island {
        x: 900; y: 590
        width: 300; height: 220
        points: [Qt.point(138, 27), Qt.point(214, 33), Qt.point(283, 76), Qt.point(257, 179), Qt.point(188, 203), Qt.point(107, 201), Qt.point(55, 163), Qt.point(9, 109), Qt.point(41, 45)]
    }
    Island {
        x: 1400; y: 230
        width: 480; height: 300
        points: [Qt.point(237, 14), Qt.point(339, 50), Qt.point(435, 102), Qt.point(422, 243), Qt.point(305, 270), Qt.point(204, 284), Qt.point(48, 207), Qt.point(17, 112), Qt.point(72, 49)]
    }
    Mountain {
        objectName: "obstruction_rock1"
        x: 760; y: 730
        width: 120; height: 100
        points: [Qt.point(55, 7), Qt.point(91, 16), Qt.point(119, 44), Qt.point(105, 63), Qt.point(84, 92), Qt.point(32, 88), Qt.point(11, 67), Qt.point(4, 39), Qt.point(32, 19)]
    }
    Mountain {
        objectName: "obstruction_rock2"
        x: 1125; y: 215
        width: 110; height: 90
        points: [Qt.point(57, 8), Qt.point(86, 21), Qt.point(97, 42), Qt.point(101, 58), Qt.point(63, 82), Qt.point(29, 83), Qt.point(11, 67), Qt.point(9, 38), Qt.point(14, 18)]
    }
    Runway {
        objectName: "landing1"
        x: 1500; y: 357
        width: 300; height: 46
    }
    Airplane {
        petrol: 1
        petrolTime: 45
        turningFactor: 0.055
        accFactor: 1.8
        resistanceFactor: 1.018
        minSpeed: 50
        maxSpeed: 110
        speed: 70
        fps: 30
        landingTime: 2800
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 633; y: 603; colour: 1 }
    Buoy { objectName: "buoy2"; x: 883; y: 503; colour: 2 }
    Buoy { objectName: "buoy3"; x: 1183; y: 403; colour: 3 }
    CloudPatch { objectName: "cloud1"; x: 1250; y: 700; width: 200; height: 146 }
}
