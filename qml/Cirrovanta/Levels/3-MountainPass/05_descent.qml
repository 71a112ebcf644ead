import QtQuick
import Cirrovanta

// Down from the heights with nearly empty tanks. Once the engine stops the
// aeroplane glides for a long while, slowing all the time: steer it round the
// last peaks and onto the strip in the valley.
Level {
    title: qsTr("Glide from the heights")
    worldWidth: 2400
    worldHeight: 1100
    parTime: 25
    parResult: 550
    water: "#6f9c5a"
    startX: 122
    startY: 272
    startAngle: 1.8
    route: [Qt.point(600, 350), Qt.point(1000, 450), Qt.point(1350, 600), Qt.point(1606, 691), Qt.point(1902, 743)]

    Mountain {
        objectName: "obstruction_peak1"
        x: 360; y: -20
        width: 280; height: 280
        points: [Qt.point(162, 14), Qt.point(206, 57), Qt.point(266, 140), Qt.point(235, 192),
             Qt.point(172, 256), Qt.point(123, 252), Qt.point(26, 198), Qt.point(0, 134),
             Qt.point(40, 49)]
    }
    Mountain {
        objectName: "obstruction_peak2"
        x: 700; y: 500
        width: 300; height: 300
        points: [Qt.point(134, 22), Qt.point(254, 47), Qt.point(281, 139), Qt.point(243, 224),
             Qt.point(199, 265), Qt.point(101, 271), Qt.point(39, 205), Qt.point(12, 140),
             Qt.point(65, 44)]
    }
    Mountain {
        objectName: "obstruction_peak3"
        x: 1060; y: 160
        width: 280; height: 280
        points: [Qt.point(135, 12), Qt.point(228, 53), Qt.point(266, 123), Qt.point(237, 212),
             Qt.point(160, 266), Qt.point(100, 258), Qt.point(23, 193), Qt.point(5, 131),
             Qt.point(37, 48)]
    }
    Mountain {
        objectName: "obstruction_peak4"
        x: 1400; y: 800
        width: 300; height: 300
        points: [Qt.point(133, 22), Qt.point(230, 50), Qt.point(296, 125), Qt.point(288, 201),
             Qt.point(187, 277), Qt.point(85, 268), Qt.point(44, 198), Qt.point(31, 141),
             Qt.point(69, 55)]
    }
    Mountain {
        objectName: "obstruction_peak5"
        x: 1530; y: 300
        width: 240; height: 240
        points: [Qt.point(104, 29), Qt.point(199, 45), Qt.point(222, 110), Qt.point(195, 173),
             Qt.point(164, 215), Qt.point(94, 234), Qt.point(42, 171), Qt.point(10, 109),
             Qt.point(74, 37)]
    }
    Mountain {
        objectName: "obstruction_peak6"
        x: 2120; y: 320
        width: 260; height: 260
        points: [Qt.point(115, 20), Qt.point(201, 41), Qt.point(245, 88), Qt.point(223, 189),
             Qt.point(194, 241), Qt.point(68, 242), Qt.point(24, 194), Qt.point(18, 108),
             Qt.point(44, 42)]
    }
    Mountain {
        objectName: "obstruction_peak7"
        x: 2110; y: 910
        width: 280; height: 280
        points: [Qt.point(153, 3), Qt.point(221, 56), Qt.point(257, 101), Qt.point(241, 181),
             Qt.point(179, 274), Qt.point(85, 253), Qt.point(42, 220), Qt.point(34, 125),
             Qt.point(39, 55)]
    }
    Runway {
        objectName: "landing1"
        x: 1850; y: 737
        width: 300; height: 46
        rotation: 10
    }
    Airplane {
        model: 2
        petrol: 0.3
        petrolTime: 40
        turningFactor: 0.06
        accFactor: 0.75
        resistanceFactor: 1.006
        minSpeed: 60
        maxSpeed: 130
        speed: 110
        fps: 30
        landingTime: 6000
        finalSound: Sounds.shortApplause
    }
    Buoy { objectName: "buoy1"; x: 983; y: 433; colour: 2 }
    Buoy { objectName: "buoy2"; x: 1333; y: 603; colour: 3 }
    Buoy { objectName: "buoy3"; x: 683; y: 883; colour: 1 }
}
