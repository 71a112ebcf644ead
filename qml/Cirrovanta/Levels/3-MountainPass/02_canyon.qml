import QtQuick
import Cirrovanta

// A narrow canyon that turns a corner. Listen for the terrain warning: it
// sounds when rock lies just ahead, and tells you to turn away now.
Level {
    title: qsTr("The canyon")
    worldWidth: 1800
    worldHeight: 1500
    parTime: 22
    parResult: 1100
    water: "#6f9c5a"
    startX: 222
    startY: 1372
    startAngle: 0
    route: [Qt.point(250, 1150), Qt.point(250, 750), Qt.point(330, 470), Qt.point(650, 450), Qt.point(1100, 450), Qt.point(1350, 450)]

    Mountain {
        objectName: "obstruction_wall1"
        x: -90; y: 1340
        width: 220; height: 220
        points: [Qt.point(106, 22), Qt.point(172, 35), Qt.point(198, 85), Qt.point(186, 144),
             Qt.point(146, 185), Qt.point(92, 206), Qt.point(37, 150), Qt.point(13, 79),
             Qt.point(58, 41)]
    }
    Mountain {
        objectName: "obstruction_wall2"
        x: -90; y: 1110
        width: 220; height: 220
        points: [Qt.point(128, 16), Qt.point(174, 37), Qt.point(214, 78), Qt.point(195, 155),
             Qt.point(134, 208), Qt.point(55, 202), Qt.point(12, 159), Qt.point(4, 103),
             Qt.point(66, 30)]
    }
    Mountain {
        objectName: "obstruction_wall3"
        x: -90; y: 880
        width: 220; height: 220
        points: [Qt.point(94, 28), Qt.point(155, 41), Qt.point(213, 110), Qt.point(195, 160),
             Qt.point(143, 192), Qt.point(62, 201), Qt.point(30, 154), Qt.point(6, 88),
             Qt.point(45, 39)]
    }
    Mountain {
        objectName: "obstruction_wall4"
        x: -90; y: 650
        width: 220; height: 220
        points: [Qt.point(96, 13), Qt.point(183, 45), Qt.point(198, 85), Qt.point(195, 151),
             Qt.point(149, 190), Qt.point(93, 211), Qt.point(9, 147), Qt.point(6, 96),
             Qt.point(46, 41)]
    }
    Mountain {
        objectName: "obstruction_wall5"
        x: -90; y: 420
        width: 220; height: 220
        points: [Qt.point(98, 16), Qt.point(180, 35), Qt.point(195, 83), Qt.point(198, 167),
             Qt.point(139, 196), Qt.point(74, 189), Qt.point(24, 141), Qt.point(20, 76),
             Qt.point(50, 51)]
    }
    Mountain {
        objectName: "obstruction_wall6"
        x: -90; y: 190
        width: 220; height: 220
        points: [Qt.point(107, 14), Qt.point(158, 35), Qt.point(196, 84), Qt.point(191, 152),
             Qt.point(136, 216), Qt.point(56, 204), Qt.point(9, 148), Qt.point(21, 80),
             Qt.point(54, 37)]
    }
    Mountain {
        objectName: "obstruction_wall7"
        x: 370; y: 1340
        width: 220; height: 220
        points: [Qt.point(116, 8), Qt.point(177, 42), Qt.point(217, 88), Qt.point(192, 153),
             Qt.point(155, 200), Qt.point(89, 197), Qt.point(31, 146), Qt.point(25, 80),
             Qt.point(53, 17)]
    }
    Mountain {
        objectName: "obstruction_wall8"
        x: 370; y: 1110
        width: 220; height: 220
        points: [Qt.point(100, 27), Qt.point(163, 39), Qt.point(205, 84), Qt.point(177, 163),
             Qt.point(129, 206), Qt.point(89, 202), Qt.point(26, 179), Qt.point(17, 103),
             Qt.point(53, 31)]
    }
    Mountain {
        objectName: "obstruction_wall9"
        x: 370; y: 880
        width: 220; height: 220
        points: [Qt.point(91, 2), Qt.point(157, 38), Qt.point(196, 84), Qt.point(188, 167),
             Qt.point(150, 188), Qt.point(59, 195), Qt.point(17, 162), Qt.point(20, 88),
             Qt.point(41, 54)]
    }
    Mountain {
        objectName: "obstruction_wall10"
        x: 370; y: 650
        width: 220; height: 220
        points: [Qt.point(112, 5), Qt.point(168, 26), Qt.point(195, 98), Qt.point(186, 155),
             Qt.point(150, 200), Qt.point(73, 188), Qt.point(30, 172), Qt.point(6, 107),
             Qt.point(47, 25)]
    }
    Mountain {
        objectName: "obstruction_wall11"
        x: 40; y: 110
        width: 220; height: 220
        points: [Qt.point(123, 8), Qt.point(159, 25), Qt.point(216, 111), Qt.point(192, 159),
             Qt.point(155, 201), Qt.point(86, 196), Qt.point(30, 151), Qt.point(11, 84),
             Qt.point(60, 30)]
    }
    Mountain {
        objectName: "obstruction_wall12"
        x: 270; y: 110
        width: 220; height: 220
        points: [Qt.point(116, 18), Qt.point(162, 18), Qt.point(215, 111), Qt.point(191, 165),
             Qt.point(125, 200), Qt.point(81, 212), Qt.point(38, 159), Qt.point(27, 78),
             Qt.point(43, 49)]
    }
    Mountain {
        objectName: "obstruction_wall13"
        x: 500; y: 110
        width: 220; height: 220
        points: [Qt.point(112, 27), Qt.point(163, 43), Qt.point(211, 79), Qt.point(208, 159),
             Qt.point(146, 202), Qt.point(78, 189), Qt.point(29, 175), Qt.point(19, 94),
             Qt.point(40, 45)]
    }
    Mountain {
        objectName: "obstruction_wall14"
        x: 730; y: 110
        width: 220; height: 220
        points: [Qt.point(97, 4), Qt.point(154, 29), Qt.point(210, 81), Qt.point(194, 160),
             Qt.point(141, 211), Qt.point(90, 211), Qt.point(32, 178), Qt.point(6, 102),
             Qt.point(50, 46)]
    }
    Mountain {
        objectName: "obstruction_wall15"
        x: 960; y: 110
        width: 220; height: 220
        points: [Qt.point(106, 11), Qt.point(155, 28), Qt.point(209, 73), Qt.point(193, 148),
             Qt.point(163, 205), Qt.point(91, 213), Qt.point(37, 152), Qt.point(18, 109),
             Qt.point(56, 27)]
    }
    Mountain {
        objectName: "obstruction_wall16"
        x: 1190; y: 110
        width: 220; height: 220
        points: [Qt.point(94, 28), Qt.point(159, 21), Qt.point(197, 105), Qt.point(198, 149),
             Qt.point(159, 192), Qt.point(82, 189), Qt.point(18, 157), Qt.point(9, 77),
             Qt.point(51, 49)]
    }
    Mountain {
        objectName: "obstruction_wall17"
        x: 1420; y: 110
        width: 220; height: 220
        points: [Qt.point(109, 19), Qt.point(173, 27), Qt.point(200, 96), Qt.point(200, 159),
             Qt.point(152, 204), Qt.point(81, 192), Qt.point(30, 139), Qt.point(14, 110),
             Qt.point(53, 28)]
    }
    Mountain {
        objectName: "obstruction_wall18"
        x: 600; y: 570
        width: 220; height: 220
        points: [Qt.point(119, 2), Qt.point(170, 32), Qt.point(201, 98), Qt.point(190, 153),
             Qt.point(145, 193), Qt.point(88, 206), Qt.point(44, 161), Qt.point(7, 78),
             Qt.point(52, 28)]
    }
    Mountain {
        objectName: "obstruction_wall19"
        x: 830; y: 570
        width: 220; height: 220
        points: [Qt.point(99, 26), Qt.point(179, 45), Qt.point(203, 98), Qt.point(197, 166),
             Qt.point(137, 214), Qt.point(75, 187), Qt.point(27, 140), Qt.point(7, 88),
             Qt.point(51, 24)]
    }
    Mountain {
        objectName: "obstruction_wall20"
        x: 1060; y: 570
        width: 220; height: 220
        points: [Qt.point(108, 17), Qt.point(173, 31), Qt.point(215, 88), Qt.point(186, 155),
             Qt.point(147, 195), Qt.point(75, 200), Qt.point(33, 169), Qt.point(2, 91),
             Qt.point(63, 34)]
    }
    Runway {
        objectName: "landing1"
        x: 1300; y: 427
        width: 300; height: 46
    }
    Airplane {
        model: 2
        petrol: 1
        petrolTime: 40
        turningFactor: 0.065
        accFactor: 2.0
        resistanceFactor: 1.016
        minSpeed: 60
        maxSpeed: 130
        speed: 90
        fps: 30
        landingTime: 2400
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 233; y: 983; colour: 2 }
    Buoy { objectName: "buoy2"; x: 633; y: 433; colour: 3 }
    Buoy { objectName: "buoy3"; x: 863; y: 483; colour: 1 }
}
