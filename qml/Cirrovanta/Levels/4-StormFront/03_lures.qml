import QtQuick
import Cirrovanta

// Buoys everywhere, and most of them hug the rocks. The safe line runs down
// the middle of the valley; every buoy off it is a gamble.
Level {
    title: qsTr("Tempting buoys")
    worldWidth: 2400
    worldHeight: 1000
    parTime: 18
    parResult: 1050
    water: "#3d6f96"
    startX: 92
    startY: 472
    startAngle: Math.PI / 2
    route: [Qt.point(600, 500), Qt.point(1100, 450), Qt.point(1450, 520), Qt.point(1700, 500), Qt.point(2000, 500)]

    Mountain {
        objectName: "obstruction_north1"
        x: 280; y: 140
        width: 240; height: 240
        points: [Qt.point(124, 1), Qt.point(204, 44), Qt.point(230, 80), Qt.point(211, 187),
             Qt.point(163, 214), Qt.point(87, 229), Qt.point(19, 177), Qt.point(24, 111),
             Qt.point(67, 35)]
    }
    Mountain {
        objectName: "obstruction_north2"
        x: 680; y: 110
        width: 240; height: 240
        points: [Qt.point(108, 16), Qt.point(190, 61), Qt.point(210, 103), Qt.point(230, 161),
             Qt.point(150, 226), Qt.point(104, 225), Qt.point(32, 154), Qt.point(19, 85),
             Qt.point(37, 48)]
    }
    Mountain {
        objectName: "obstruction_north3"
        x: 1080; y: 80
        width: 240; height: 240
        points: [Qt.point(116, 9), Qt.point(210, 46), Qt.point(214, 118), Qt.point(201, 191),
             Qt.point(163, 212), Qt.point(65, 215), Qt.point(15, 165), Qt.point(8, 119),
             Qt.point(46, 45)]
    }
    Mountain {
        objectName: "obstruction_north4"
        x: 1480; y: 160
        width: 240; height: 240
        points: [Qt.point(129, 9), Qt.point(213, 45), Qt.point(211, 101), Qt.point(221, 165),
             Qt.point(148, 229), Qt.point(90, 233), Qt.point(16, 161), Qt.point(24, 89),
             Qt.point(62, 19)]
    }
    Mountain {
        objectName: "obstruction_north5"
        x: 1880; y: 130
        width: 240; height: 240
        points: [Qt.point(112, 16), Qt.point(189, 26), Qt.point(223, 80), Qt.point(225, 168),
             Qt.point(169, 225), Qt.point(92, 219), Qt.point(26, 155), Qt.point(16, 104),
             Qt.point(42, 37)]
    }
    Mountain {
        objectName: "obstruction_south1"
        x: 280; y: 640
        width: 240; height: 240
        points: [Qt.point(112, 4), Qt.point(178, 35), Qt.point(237, 119), Qt.point(203, 177),
             Qt.point(167, 217), Qt.point(85, 233), Qt.point(13, 160), Qt.point(28, 116),
             Qt.point(75, 42)]
    }
    Mountain {
        objectName: "obstruction_south2"
        x: 680; y: 640
        width: 240; height: 240
        points: [Qt.point(131, 16), Qt.point(206, 51), Qt.point(215, 101), Qt.point(222, 171),
             Qt.point(137, 212), Qt.point(76, 203), Qt.point(13, 166), Qt.point(24, 114),
             Qt.point(52, 33)]
    }
    Mountain {
        objectName: "obstruction_south3"
        x: 1080; y: 580
        width: 240; height: 240
        points: [Qt.point(121, 22), Qt.point(206, 51), Qt.point(213, 87), Qt.point(225, 168),
             Qt.point(163, 221), Qt.point(88, 213), Qt.point(35, 185), Qt.point(23, 118),
             Qt.point(64, 44)]
    }
    Mountain {
        objectName: "obstruction_south4"
        x: 1480; y: 680
        width: 240; height: 240
        points: [Qt.point(132, 3), Qt.point(195, 53), Qt.point(219, 88), Qt.point(218, 186),
             Qt.point(140, 224), Qt.point(82, 203), Qt.point(11, 167), Qt.point(9, 115),
             Qt.point(45, 59)]
    }
    Mountain {
        objectName: "obstruction_south5"
        x: 1880; y: 640
        width: 240; height: 240
        points: [Qt.point(107, 16), Qt.point(169, 40), Qt.point(230, 83), Qt.point(210, 160),
             Qt.point(169, 206), Qt.point(101, 218), Qt.point(23, 166), Qt.point(14, 116),
             Qt.point(48, 44)]
    }
    Runway {
        objectName: "landing1"
        x: 1950; y: 477
        width: 300; height: 46
    }
    Airplane {
        model: 3
        petrol: 1
        petrolTime: 32
        turningFactor: 0.065
        accFactor: 2.2
        resistanceFactor: 1.015
        minSpeed: 70
        maxSpeed: 150
        speed: 100
        fps: 30
        landingTime: 1900
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 583; y: 483; colour: 2 }
    Buoy { objectName: "buoy2"; x: 1083; y: 433; colour: 3 }
    Buoy { objectName: "buoy3"; x: 383; y: 393; colour: 1 }
    Buoy { objectName: "buoy4"; x: 783; y: 368; colour: 2 }
    Buoy { objectName: "buoy5"; x: 1183; y: 328; colour: 3 }
    Buoy { objectName: "buoy6"; x: 783; y: 613; colour: 1 }
    Buoy { objectName: "buoy7"; x: 383; y: 613; colour: 2 }
    Buoy { objectName: "buoy8"; x: 1583; y: 653; colour: 3 }
    Buoy { objectName: "buoy9"; x: 1583; y: 403; colour: 1 }
    Buoy { objectName: "buoy10"; x: 1183; y: 573; colour: 2 }
    Buoy { objectName: "buoy11"; x: 1983; y: 378; colour: 3 }
    CloudPatch { objectName: "cloud1"; x: 1450; y: 150; width: 300; height: 220 }
}
