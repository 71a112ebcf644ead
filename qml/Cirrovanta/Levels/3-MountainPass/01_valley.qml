import QtQuick
import Cirrovanta

// A valley between two ranges. The mountains are drawn to their exact
// outlines: the aeroplane may skim a slope, but not its rock.
Level {
    title: qsTr("The valley")
    worldWidth: 2400
    worldHeight: 1000
    parTime: 21
    parResult: 1100
    water: "#6f9c5a"
    startX: 92
    startY: 452
    startAngle: Math.PI / 2
    route: [Qt.point(560, 510), Qt.point(870, 565), Qt.point(1180, 600), Qt.point(1490, 575), Qt.point(1700, 500), Qt.point(1950, 500)]

    Mountain {
        objectName: "obstruction_north1"
        x: 100; y: 0
        width: 300; height: 300
        points: [Qt.point(131, 18), Qt.point(239, 64), Qt.point(283, 139), Qt.point(254, 228),
             Qt.point(216, 266), Qt.point(131, 263), Qt.point(21, 196), Qt.point(29, 138),
             Qt.point(46, 52)]
    }
    Mountain {
        objectName: "obstruction_north2"
        x: 410; y: 20
        width: 300; height: 300
        points: [Qt.point(155, 7), Qt.point(239, 77), Qt.point(273, 127), Qt.point(280, 206),
             Qt.point(202, 263), Qt.point(124, 260), Qt.point(40, 241), Qt.point(29, 149),
             Qt.point(60, 53)]
    }
    Mountain {
        objectName: "obstruction_north3"
        x: 720; y: 80
        width: 300; height: 300
        points: [Qt.point(132, 24), Qt.point(216, 46), Qt.point(284, 132), Qt.point(258, 220),
             Qt.point(216, 262), Qt.point(100, 270), Qt.point(36, 194), Qt.point(10, 132),
             Qt.point(60, 71)]
    }
    Mountain {
        objectName: "obstruction_north4"
        x: 1030; y: 130
        width: 300; height: 300
        points: [Qt.point(175, 20), Qt.point(237, 63), Qt.point(291, 108), Qt.point(273, 228),
             Qt.point(195, 258), Qt.point(80, 278), Qt.point(41, 240), Qt.point(8, 105),
             Qt.point(44, 49)]
    }
    Mountain {
        objectName: "obstruction_north5"
        x: 1340; y: 100
        width: 300; height: 300
        points: [Qt.point(171, 35), Qt.point(251, 51), Qt.point(270, 120), Qt.point(269, 240),
             Qt.point(204, 253), Qt.point(126, 273), Qt.point(46, 220), Qt.point(28, 110),
             Qt.point(57, 48)]
    }
    Mountain {
        objectName: "obstruction_north6"
        x: 1650; y: 40
        width: 300; height: 300
        points: [Qt.point(171, 15), Qt.point(233, 72), Qt.point(267, 120), Qt.point(279, 214),
             Qt.point(199, 262), Qt.point(124, 273), Qt.point(30, 229), Qt.point(16, 130),
             Qt.point(73, 62)]
    }
    Mountain {
        objectName: "obstruction_north7"
        x: 1960; y: 10
        width: 300; height: 300
        points: [Qt.point(160, 34), Qt.point(205, 50), Qt.point(298, 143), Qt.point(246, 222),
             Qt.point(202, 251), Qt.point(111, 277), Qt.point(39, 205), Qt.point(16, 112),
             Qt.point(56, 40)]
    }
    Mountain {
        objectName: "obstruction_south1"
        x: 100; y: 670
        width: 300; height: 300
        points: [Qt.point(124, 10), Qt.point(252, 47), Qt.point(290, 146), Qt.point(276, 193),
             Qt.point(219, 282), Qt.point(116, 278), Qt.point(56, 221), Qt.point(27, 138),
             Qt.point(50, 44)]
    }
    Mountain {
        objectName: "obstruction_south2"
        x: 410; y: 700
        width: 300; height: 300
        points: [Qt.point(126, 14), Qt.point(217, 28), Qt.point(274, 141), Qt.point(256, 210),
             Qt.point(192, 260), Qt.point(95, 284), Qt.point(34, 213), Qt.point(11, 123),
             Qt.point(67, 34)]
    }
    Mountain {
        objectName: "obstruction_south3"
        x: 720; y: 750
        width: 300; height: 300
        points: [Qt.point(163, 25), Qt.point(238, 38), Qt.point(263, 138), Qt.point(254, 206),
             Qt.point(216, 262), Qt.point(120, 278), Qt.point(45, 204), Qt.point(35, 129),
             Qt.point(49, 46)]
    }
    Mountain {
        objectName: "obstruction_south4"
        x: 1030; y: 780
        width: 300; height: 300
        points: [Qt.point(131, 33), Qt.point(246, 45), Qt.point(277, 142), Qt.point(251, 227),
             Qt.point(181, 267), Qt.point(109, 290), Qt.point(14, 202), Qt.point(39, 128),
             Qt.point(54, 48)]
    }
    Mountain {
        objectName: "obstruction_south5"
        x: 1340; y: 750
        width: 300; height: 300
        points: [Qt.point(144, 3), Qt.point(247, 42), Qt.point(285, 125), Qt.point(269, 232),
             Qt.point(174, 295), Qt.point(128, 273), Qt.point(39, 188), Qt.point(12, 107),
             Qt.point(48, 55)]
    }
    Mountain {
        objectName: "obstruction_south6"
        x: 1650; y: 700
        width: 300; height: 300
        points: [Qt.point(147, 27), Qt.point(236, 51), Qt.point(291, 144), Qt.point(249, 235),
             Qt.point(210, 257), Qt.point(123, 260), Qt.point(22, 212), Qt.point(21, 101),
             Qt.point(76, 20)]
    }
    Mountain {
        objectName: "obstruction_south7"
        x: 1960; y: 670
        width: 300; height: 300
        points: [Qt.point(123, 14), Qt.point(234, 67), Qt.point(264, 148), Qt.point(279, 204),
             Qt.point(192, 268), Qt.point(123, 269), Qt.point(48, 222), Qt.point(15, 118),
             Qt.point(67, 57)]
    }
    Runway {
        objectName: "landing1"
        x: 1900; y: 477
        width: 300; height: 46
    }
    Airplane {
        petrol: 1
        petrolTime: 40
        turningFactor: 0.06
        accFactor: 2.0
        resistanceFactor: 1.016
        minSpeed: 60
        maxSpeed: 130
        speed: 90
        fps: 30
        landingTime: 2400
        finalSound: Sounds.fanfare
    }
    Buoy { objectName: "buoy1"; x: 853; y: 548; colour: 2 }
    Buoy { objectName: "buoy2"; x: 1473; y: 558; colour: 3 }
    Buoy { objectName: "buoy3"; x: 1163; y: 453; colour: 1 }
    CloudPatch { objectName: "cloud1"; x: 1400; y: 120 }
}
