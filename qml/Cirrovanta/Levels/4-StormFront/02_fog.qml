import QtQuick
import Cirrovanta

// Fog drifts through the hills and hides the slopes. The way is there,
// between the peaks; the warning tells you when you stray.
Level {
    title: qsTr("Into the fog")
    worldWidth: 2200
    worldHeight: 1200
    parTime: 17
    parResult: 1100
    water: "#3d6f96"
    startX: 122
    startY: 1022
    startAngle: 0.9
    route: [Qt.point(450, 800), Qt.point(800, 700), Qt.point(1100, 540), Qt.point(1484, 513), Qt.point(1765, 411)]

    Mountain {
        objectName: "obstruction_peak1"
        x: 230; y: 480
        width: 240; height: 240
        points: [Qt.point(131, 5), Qt.point(187, 54), Qt.point(235, 97), Qt.point(216, 154),
             Qt.point(157, 215), Qt.point(91, 227), Qt.point(29, 150), Qt.point(25, 113),
             Qt.point(52, 39)]
    }
    Mountain {
        objectName: "obstruction_peak2"
        x: 470; y: 870
        width: 260; height: 260
        points: [Qt.point(114, 15), Qt.point(215, 47), Qt.point(246, 131), Qt.point(217, 179),
             Qt.point(187, 247), Qt.point(108, 226), Qt.point(34, 176), Qt.point(23, 98),
             Qt.point(39, 56)]
    }
    Mountain {
        objectName: "obstruction_peak3"
        x: 670; y: 320
        width: 260; height: 260
        points: [Qt.point(136, 5), Qt.point(195, 38), Qt.point(247, 99), Qt.point(219, 194),
             Qt.point(148, 250), Qt.point(69, 239), Qt.point(30, 174), Qt.point(24, 129),
             Qt.point(42, 49)]
    }
    Mountain {
        objectName: "obstruction_peak4"
        x: 920; y: 670
        width: 260; height: 260
        points: [Qt.point(132, 7), Qt.point(196, 28), Qt.point(241, 122), Qt.point(224, 183),
             Qt.point(149, 229), Qt.point(89, 253), Qt.point(24, 193), Qt.point(20, 117),
             Qt.point(53, 55)]
    }
    Mountain {
        objectName: "obstruction_peak5"
        x: 1180; y: 180
        width: 240; height: 240
        points: [Qt.point(137, 10), Qt.point(178, 19), Qt.point(224, 92), Qt.point(206, 162),
             Qt.point(150, 224), Qt.point(67, 215), Qt.point(34, 175), Qt.point(11, 108),
             Qt.point(32, 49)]
    }
    Mountain {
        objectName: "obstruction_peak6"
        x: 1280; y: 630
        width: 240; height: 240
        points: [Qt.point(100, 3), Qt.point(182, 50), Qt.point(212, 106), Qt.point(223, 165),
             Qt.point(164, 228), Qt.point(63, 223), Qt.point(18, 174), Qt.point(4, 105),
             Qt.point(54, 28)]
    }
    Mountain {
        objectName: "obstruction_peak7"
        x: 1630; y: 530
        width: 240; height: 240
        points: [Qt.point(110, 11), Qt.point(206, 40), Qt.point(213, 100), Qt.point(231, 162),
             Qt.point(158, 232), Qt.point(103, 223), Qt.point(18, 158), Qt.point(29, 99),
             Qt.point(54, 45)]
    }
    Mountain {
        objectName: "obstruction_peak8"
        x: 1940; y: 40
        width: 220; height: 220
        points: [Qt.point(123, 27), Qt.point(169, 41), Qt.point(216, 109), Qt.point(201, 168),
             Qt.point(124, 194), Qt.point(73, 191), Qt.point(15, 159), Qt.point(27, 95),
             Qt.point(37, 33)]
    }
    Runway {
        objectName: "landing1"
        x: 1710; y: 357
        width: 280; height: 46
        rotation: -20
    }
    Airplane {
        model: 2
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
    Buoy { objectName: "buoy1"; x: 783; y: 683; colour: 2 }
    Buoy { objectName: "buoy2"; x: 1083; y: 523; colour: 3 }
    Buoy { objectName: "buoy3"; x: 1533; y: 583; colour: 1 }
    Fog { x: 230; y: 480; width: 380; height: 250; travel: 160 }
    Fog { x: 650; y: 330; width: 380; height: 250; travel: 200 }
    Fog { x: 900; y: 680; width: 400; height: 260; travel: 140 }
    Fog { x: 1180; y: 180; width: 380; height: 250; travel: 220 }
    Fog { x: 1280; y: 620; width: 360; height: 240; travel: 180 }
    Fog { x: 1650; y: 520; width: 380; height: 250; travel: 160 }
    Fog { x: 480; y: 880; width: 360; height: 240; travel: 200 }
}
