import QtQuick
import Cirrovanta

// A storm is coming in. Cloud banks hang over the peaks and hide them:
// trust the terrain warning more than your eyes.
Level {
    title: qsTr("Cloud banks")
    worldWidth: 2400
    worldHeight: 1100
    parTime: 19
    parResult: 1050
    water: "#3d6f96"
    startX: 92
    startY: 522
    startAngle: Math.PI / 2
    route: [Qt.point(400, 550), Qt.point(850, 420), Qt.point(1300, 650), Qt.point(1700, 500), Qt.point(2000, 500)]

    Mountain {
        objectName: "obstruction_peak1"
        x: 520; y: 120
        width: 260; height: 260
        points: [Qt.point(114, 7), Qt.point(202, 57), Qt.point(248, 115), Qt.point(227, 163),
             Qt.point(191, 239), Qt.point(101, 246), Qt.point(19, 176), Qt.point(23, 106),
             Qt.point(47, 44)]
    }
    Mountain {
        objectName: "obstruction_peak2"
        x: 460; y: 660
        width: 280; height: 280
        points: [Qt.point(152, 18), Qt.point(202, 37), Qt.point(257, 107), Qt.point(231, 220),
             Qt.point(208, 255), Qt.point(74, 258), Qt.point(24, 215), Qt.point(13, 127),
             Qt.point(88, 46)]
    }
    Mountain {
        objectName: "obstruction_peak3"
        x: 950; y: 200
        width: 260; height: 260
        points: [Qt.point(141, 26), Qt.point(183, 44), Qt.point(233, 126), Qt.point(211, 186),
             Qt.point(152, 228), Qt.point(90, 251), Qt.point(30, 164), Qt.point(33, 93),
             Qt.point(79, 37)]
    }
    Mountain {
        objectName: "obstruction_peak4"
        x: 710; y: 610
        width: 280; height: 280
        points: [Qt.point(116, 8), Qt.point(242, 57), Qt.point(268, 94), Qt.point(249, 204),
             Qt.point(173, 264), Qt.point(116, 250), Qt.point(46, 214), Qt.point(14, 103),
             Qt.point(48, 54)]
    }
    Mountain {
        objectName: "obstruction_peak5"
        x: 1230; y: 260
        width: 240; height: 240
        points: [Qt.point(135, 12), Qt.point(199, 42), Qt.point(211, 100), Qt.point(204, 161),
             Qt.point(170, 217), Qt.point(99, 232), Qt.point(30, 165), Qt.point(7, 107),
             Qt.point(66, 25)]
    }
    Mountain {
        objectName: "obstruction_peak6"
        x: 1410; y: 660
        width: 280; height: 280
        points: [Qt.point(156, 1), Qt.point(213, 38), Qt.point(242, 113), Qt.point(232, 205),
             Qt.point(167, 263), Qt.point(119, 247), Qt.point(29, 207), Qt.point(31, 135),
             Qt.point(66, 38)]
    }
    Mountain {
        objectName: "obstruction_peak7"
        x: 1770; y: 120
        width: 260; height: 260
        points: [Qt.point(135, 29), Qt.point(191, 41), Qt.point(240, 111), Qt.point(234, 171),
             Qt.point(175, 243), Qt.point(95, 244), Qt.point(51, 192), Qt.point(8, 131),
             Qt.point(51, 45)]
    }
    Mountain {
        objectName: "obstruction_peak8"
        x: 1770; y: 670
        width: 260; height: 260
        points: [Qt.point(109, 23), Qt.point(192, 45), Qt.point(258, 106), Qt.point(218, 201),
             Qt.point(151, 228), Qt.point(108, 243), Qt.point(22, 185), Qt.point(29, 115),
             Qt.point(56, 34)]
    }
    Runway {
        objectName: "landing1"
        x: 1950; y: 477
        width: 300; height: 46
    }
    Airplane {
        petrol: 1
        petrolTime: 35
        turningFactor: 0.065
        accFactor: 2.2
        resistanceFactor: 1.015
        minSpeed: 70
        maxSpeed: 150
        speed: 100
        fps: 30
        landingTime: 2000
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 833; y: 403; colour: 2 }
    Buoy { objectName: "buoy2"; x: 1283; y: 633; colour: 3 }
    Buoy { objectName: "buoy3"; x: 1063; y: 463; colour: 1 }
    CloudPatch { objectName: "cloud1"; x: 841; y: 156; width: 478; height: 348 }
    CloudPatch { objectName: "cloud2"; x: 1132; y: 220; width: 435; height: 319 }
    CloudPatch { objectName: "cloud3"; x: 603; y: 569; width: 493; height: 362 }
    CloudPatch { objectName: "cloud4"; x: 661; y: 282; width: 377; height: 276 }
    CloudPatch { objectName: "cloud5"; x: 1682; y: 90; width: 435; height: 319 }
    CloudPatch { objectName: "cloud6"; x: 368; y: 633; width: 464; height: 334 }
}
