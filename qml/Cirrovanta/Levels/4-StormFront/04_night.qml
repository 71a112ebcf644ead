import QtQuick
import Cirrovanta

// Night flight. The sea is dark, the rocks are darker, and only the runway
// lights stand out. Less petrol, a faster aeroplane and a narrow strip.
Level {
    title: qsTr("Night flight")
    worldWidth: 2200
    worldHeight: 1200
    parTime: 16
    parResult: 950
    water: "#1b3350"
    startX: 122
    startY: 1022
    startAngle: 0.5
    route: [Qt.point(500, 800), Qt.point(900, 700), Qt.point(1200, 560), Qt.point(1373, 521), Qt.point(1663, 443)]

    Mountain {
        objectName: "obstruction_rock1"
        x: 590; y: 440
        width: 220; height: 220
        points: [Qt.point(97, 25), Qt.point(167, 16), Qt.point(204, 99), Qt.point(176, 164),
             Qt.point(144, 199), Qt.point(71, 202), Qt.point(30, 139), Qt.point(14, 112),
             Qt.point(66, 32)]
    }
    Mountain {
        objectName: "obstruction_rock2"
        x: 590; y: 890
        width: 220; height: 220
        points: [Qt.point(100, 22), Qt.point(167, 24), Qt.point(199, 107), Qt.point(199, 165),
             Qt.point(159, 191), Qt.point(65, 188), Qt.point(13, 154), Qt.point(10, 89),
             Qt.point(38, 42)]
    }
    Mountain {
        objectName: "obstruction_rock3"
        x: 980; y: 730
        width: 240; height: 240
        points: [Qt.point(140, 13), Qt.point(180, 25), Qt.point(227, 82), Qt.point(208, 157),
             Qt.point(149, 233), Qt.point(71, 228), Qt.point(20, 167), Qt.point(10, 107),
             Qt.point(41, 51)]
    }
    Mountain {
        objectName: "obstruction_rock4"
        x: 940; y: 290
        width: 220; height: 220
        points: [Qt.point(114, 27), Qt.point(166, 17), Qt.point(198, 95), Qt.point(185, 154),
             Qt.point(153, 190), Qt.point(73, 198), Qt.point(20, 156), Qt.point(18, 94),
             Qt.point(54, 33)]
    }
    Mountain {
        objectName: "obstruction_rock5"
        x: 1390; y: 590
        width: 220; height: 220
        points: [Qt.point(128, 20), Qt.point(153, 36), Qt.point(195, 100), Qt.point(202, 163),
             Qt.point(157, 209), Qt.point(90, 205), Qt.point(40, 156), Qt.point(29, 91),
             Qt.point(41, 48)]
    }
    Mountain {
        objectName: "obstruction_rock6"
        x: 1390; y: 140
        width: 220; height: 220
        points: [Qt.point(91, 9), Qt.point(158, 40), Qt.point(195, 108), Qt.point(197, 143),
             Qt.point(132, 196), Qt.point(96, 194), Qt.point(31, 177), Qt.point(26, 78),
             Qt.point(53, 48)]
    }
    Mountain {
        objectName: "obstruction_rock7"
        x: 1890; y: 490
        width: 220; height: 220
        points: [Qt.point(102, 22), Qt.point(170, 29), Qt.point(211, 101), Qt.point(177, 161),
             Qt.point(146, 191), Qt.point(70, 193), Qt.point(23, 143), Qt.point(26, 103),
             Qt.point(58, 19)]
    }
    Island {
        x: 1490; y: 260
        width: 520; height: 320
        points: [Qt.point(249, 15), Qt.point(409, 47), Qt.point(506, 109), Qt.point(480, 226),
             Qt.point(309, 306), Qt.point(162, 293), Qt.point(60, 251), Qt.point(18, 119),
             Qt.point(113, 43)]
    }
    Island {
        x: 70; y: 960
        width: 360; height: 240
        points: [Qt.point(213, 4), Qt.point(293, 28), Qt.point(352, 90), Qt.point(330, 170),
             Qt.point(209, 230), Qt.point(153, 230), Qt.point(52, 191), Qt.point(10, 109),
             Qt.point(63, 40)]
    }
    Runway {
        objectName: "landing1"
        x: 1610; y: 403
        width: 280; height: 34
        rotation: -15
        z: 41
    }
    Airplane {
        petrol: 0.8
        petrolTime: 35
        turningFactor: 0.065
        accFactor: 2.3
        resistanceFactor: 1.015
        minSpeed: 70
        maxSpeed: 155
        speed: 100
        fps: 30
        landingTime: 1800
        finalSound: Sounds.fanfare
        z: 45
    }
    Buoy { objectName: "buoy1"; x: 883; y: 683; colour: 2 }
    Buoy { objectName: "buoy2"; x: 1183; y: 543; colour: 3 }
    Buoy { objectName: "buoy3"; x: 1283; y: 313; colour: 1 }
    // Night falls over everything but the aeroplane and the lit runway.
    Rectangle { anchors.fill: parent; z: 40; color: "#0b1a33"; opacity: 0.5 }
}
