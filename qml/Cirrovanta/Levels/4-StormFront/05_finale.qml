import QtQuick
import Cirrovanta

// The storm front itself: a pass between two peaks, clouds and fog over
// the hills, buoys by the rocks, and just enough petrol to glide the last
// stretch onto a narrow strip. Everything the school taught, at once.
Level {
    title: qsTr("Through the storm")
    worldWidth: 2600
    worldHeight: 1400
    parTime: 24
    parResult: 750
    water: "#3d6f96"
    startX: 122
    startY: 1222
    startAngle: 0.3
    route: [Qt.point(400, 900), Qt.point(800, 700), Qt.point(1200, 650), Qt.point(1550, 560), Qt.point(1866, 488), Qt.point(2161, 436)]

    Mountain {
        objectName: "obstruction_peak1"
        x: 650; y: 390
        width: 260; height: 260
        points: [Qt.point(118, 27), Qt.point(203, 64), Qt.point(228, 100), Qt.point(219, 205),
             Qt.point(169, 252), Qt.point(86, 235), Qt.point(54, 196), Qt.point(29, 91),
             Qt.point(69, 29)]
    }
    Mountain {
        objectName: "obstruction_peak2"
        x: 690; y: 750
        width: 260; height: 260
        points: [Qt.point(117, 14), Qt.point(216, 55), Qt.point(231, 102), Qt.point(226, 198),
             Qt.point(182, 233), Qt.point(89, 231), Qt.point(40, 194), Qt.point(11, 114),
             Qt.point(51, 33)]
    }
    Mountain {
        objectName: "obstruction_peak3"
        x: 180; y: 480
        width: 240; height: 240
        points: [Qt.point(128, 8), Qt.point(189, 39), Qt.point(211, 120), Qt.point(205, 191),
             Qt.point(161, 227), Qt.point(83, 229), Qt.point(47, 175), Qt.point(28, 105),
             Qt.point(64, 42)]
    }
    Mountain {
        objectName: "obstruction_peak4"
        x: 1080; y: 280
        width: 240; height: 240
        points: [Qt.point(122, 26), Qt.point(179, 30), Qt.point(236, 111), Qt.point(195, 180),
             Qt.point(147, 220), Qt.point(103, 214), Qt.point(35, 163), Qt.point(16, 82),
             Qt.point(42, 47)]
    }
    Mountain {
        objectName: "obstruction_peak5"
        x: 1120; y: 770
        width: 260; height: 260
        points: [Qt.point(127, 32), Qt.point(190, 24), Qt.point(225, 105), Qt.point(233, 181),
             Qt.point(177, 247), Qt.point(110, 255), Qt.point(38, 179), Qt.point(31, 104),
             Qt.point(69, 21)]
    }
    Mountain {
        objectName: "obstruction_peak6"
        x: 1540; y: 190
        width: 220; height: 220
        points: [Qt.point(111, 25), Qt.point(161, 43), Qt.point(219, 111), Qt.point(179, 163),
             Qt.point(142, 211), Qt.point(84, 210), Qt.point(29, 151), Qt.point(5, 102),
             Qt.point(41, 49)]
    }
    Mountain {
        objectName: "obstruction_peak7"
        x: 1530; y: 680
        width: 240; height: 240
        points: [Qt.point(135, 2), Qt.point(185, 27), Qt.point(220, 106), Qt.point(204, 191),
             Qt.point(148, 220), Qt.point(66, 208), Qt.point(22, 187), Qt.point(35, 88),
             Qt.point(51, 35)]
    }
    Mountain {
        objectName: "obstruction_peak8"
        x: 1930; y: 580
        width: 240; height: 240
        points: [Qt.point(112, 19), Qt.point(174, 34), Qt.point(217, 93), Qt.point(204, 183),
             Qt.point(150, 223), Qt.point(102, 238), Qt.point(34, 175), Qt.point(32, 89),
             Qt.point(61, 34)]
    }
    Mountain {
        objectName: "obstruction_peak9"
        x: 2340; y: 120
        width: 220; height: 220
        points: [Qt.point(113, 26), Qt.point(158, 22), Qt.point(200, 100), Qt.point(190, 157),
             Qt.point(124, 197), Qt.point(70, 205), Qt.point(14, 150), Qt.point(21, 78),
             Qt.point(68, 35)]
    }
    Runway {
        objectName: "landing1"
        x: 2110; y: 402
        width: 280; height: 36
        rotation: -10
        // The first stretch is a blast pad: the landing counts from the stripes on.
        outline: [Qt.point(20, 3), Qt.point(280, 3), Qt.point(280, 33), Qt.point(20, 33)]
    }
    Airplane {
        model: 2
        petrol: 0.35
        petrolTime: 40
        turningFactor: 0.05
        accFactor: 1.2
        resistanceFactor: 1.008
        minSpeed: 70
        maxSpeed: 150
        speed: 110
        fps: 40
        landingTime: 4500
        finalSound: Sounds.shortApplause
    }
    Buoy { objectName: "buoy1"; x: 383; y: 883; colour: 2 }
    Buoy { objectName: "buoy2"; x: 1183; y: 633; colour: 3 }
    Buoy { objectName: "buoy3"; x: 1533; y: 543; colour: 1 }
    Buoy { objectName: "buoy4"; x: 743; y: 638; colour: 2 }
    Buoy { objectName: "buoy5"; x: 1233; y: 753; colour: 3 }
    Buoy { objectName: "buoy6"; x: 1633; y: 403; colour: 1 }
    Buoy { objectName: "buoy7"; x: 283; y: 743; colour: 2 }
    CloudPatch { objectName: "cloud1"; x: 1040; y: 285; width: 320; height: 230 }
    CloudPatch { objectName: "cloud2"; x: 1250; y: 490; width: 300; height: 220 }
    CloudPatch { objectName: "cloud3"; x: 650; y: 770; width: 300; height: 220 }
    Fog { x: 1500; y: 700; width: 360; height: 240; travel: 160 }
    Fog { x: 1900; y: 380; width: 360; height: 240; travel: 200 }
    Fog { x: 500; y: 350; width: 360; height: 240; travel: 180 }
}
