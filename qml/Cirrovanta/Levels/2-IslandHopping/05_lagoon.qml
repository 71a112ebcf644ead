import QtQuick
import Cirrovanta

// An atoll: a ring of reef rocks round a quiet lagoon with a narrow strip in
// the middle. The only way in is the gap in the west. The buoys by the rocks
// are tempting, and costly.
Level {
    title: qsTr("The lagoon")
    worldWidth: 2000
    worldHeight: 1200
    parTime: 16
    parResult: 900
    water: "#3596cf"
    startX: 100
    startY: 950
    startAngle: 0.8
    route: [Qt.point(400, 800), Qt.point(700, 650), Qt.point(950, 600), Qt.point(1200, 600),
            Qt.point(1280, 600)]

    Island {
        x: 1010; y: 350
        width: 680; height: 500
        points: [Qt.point(325, 15), Qt.point(480, 87), Qt.point(618, 220), Qt.point(603, 367), Qt.point(414, 457), Qt.point(214, 437), Qt.point(60, 334), Qt.point(13, 241), Qt.point(154, 54)]
    }
    Mountain {
        objectName: "obstruction_reef1"
        x: 1005; y: 370
        width: 110; height: 100
        points: [Qt.point(58, 0), Qt.point(85, 11), Qt.point(101, 47), Qt.point(97, 81), Qt.point(75, 96), Qt.point(44, 92), Qt.point(15, 81), Qt.point(9, 40), Qt.point(21, 21)]
    }
    Mountain {
        objectName: "obstruction_reef2"
        x: 1140; y: 270
        width: 120; height: 100
        points: [Qt.point(51, 9), Qt.point(88, 12), Qt.point(108, 46), Qt.point(106, 71), Qt.point(88, 88), Qt.point(46, 88), Qt.point(17, 70), Qt.point(3, 43), Qt.point(35, 16)]
    }
    Mountain {
        objectName: "obstruction_reef3"
        x: 1310; y: 240
        width: 140; height: 100
        points: [Qt.point(68, 7), Qt.point(120, 18), Qt.point(137, 36), Qt.point(135, 68), Qt.point(99, 89), Qt.point(40, 85), Qt.point(17, 74), Qt.point(8, 39), Qt.point(28, 25)]
    }
    Mountain {
        objectName: "obstruction_reef4"
        x: 1510; y: 305
        width: 120; height: 110
        points: [Qt.point(55, 7), Qt.point(88, 12), Qt.point(116, 36), Qt.point(113, 78), Qt.point(80, 96), Qt.point(52, 101), Qt.point(22, 82), Qt.point(5, 41), Qt.point(34, 17)]
    }
    Mountain {
        objectName: "obstruction_reef5"
        x: 1635; y: 480
        width: 110; height: 160
        points: [Qt.point(63, 9), Qt.point(84, 33), Qt.point(101, 61), Qt.point(91, 112), Qt.point(83, 148), Qt.point(43, 141), Qt.point(6, 109), Qt.point(10, 57), Qt.point(34, 27)]
    }
    Mountain {
        objectName: "obstruction_reef6"
        x: 1515; y: 765
        width: 130; height: 110
        points: [Qt.point(62, 6), Qt.point(102, 16), Qt.point(123, 47), Qt.point(120, 71), Qt.point(98, 101), Qt.point(53, 95), Qt.point(17, 79), Qt.point(18, 41), Qt.point(27, 14)]
    }
    Mountain {
        objectName: "obstruction_reef7"
        x: 1305; y: 850
        width: 150; height: 100
        points: [Qt.point(76, 2), Qt.point(124, 17), Qt.point(146, 50), Qt.point(133, 78), Qt.point(84, 89), Qt.point(63, 91), Qt.point(22, 76), Qt.point(6, 35), Qt.point(22, 16)]
    }
    Mountain {
        objectName: "obstruction_reef8"
        x: 1130; y: 810
        width: 120; height: 100
        points: [Qt.point(51, 6), Qt.point(85, 15), Qt.point(118, 42), Qt.point(106, 64), Qt.point(83, 86), Qt.point(40, 90), Qt.point(13, 66), Qt.point(7, 41), Qt.point(18, 16)]
    }
    Mountain {
        objectName: "obstruction_reef9"
        x: 1005; y: 720
        width: 110; height: 100
        points: [Qt.point(55, 3), Qt.point(90, 16), Qt.point(96, 43), Qt.point(102, 66), Qt.point(70, 97), Qt.point(46, 89), Qt.point(7, 65), Qt.point(13, 48), Qt.point(23, 19)]
    }
    Runway {
        objectName: "landing1"
        x: 1240; y: 585
        width: 220; height: 30
    }
    Airplane {
        model: 2
        petrol: 1
        petrolTime: 40
        turningFactor: 0.055
        accFactor: 1.9
        resistanceFactor: 1.018
        minSpeed: 55
        maxSpeed: 115
        speed: 80
        fps: 30
        landingTime: 2000
        finalSound: Sounds.shortApplause
    }
    Buoy { objectName: "buoy1"; x: 683; y: 633; colour: 3 }
    Buoy { objectName: "buoy2"; x: 1090; y: 350; colour: 1 }
    Buoy { objectName: "buoy3"; x: 1500; y: 440; colour: 2 }
    Buoy { objectName: "buoy4"; x: 1130; y: 790; colour: 3 }
    Fog { x: 1500; y: 700; travel: 180 }
}
