// SPDX-License-Identifier: GPL-3.0-or-later
// A car-park barrier that works by itself. A car drives up and stops; the
// detector before the barrier senses it, the barrier's electric motor (fed
// from the mains) raises the boom while the lamp flashes; the car drives
// through and the boom comes back down, closed. Nobody touches anything: the
// driver keeps both hands on the wheel.

pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Timeline

Item {
    id: root
    width: 401                      // design size: the larger of its players, in pixels
    height: 257
    property int duration: 14000    // 350 frames at 25 frames a second

    property real lamp: 0           // the lamp on the housing, 0 off .. 1 lit
    property real sensed: 0         // the detector's waves, 0 .. 1

    Rectangle { anchors.fill: parent; color: "#e3f1fb" }
    // the car park's building behind
    Rectangle { x: 260; y: 92; width: 141; height: 110; color: "#dfe5eb"; border.color: "#9aa7b4"; border.width: 1 }
    Repeater {
        model: 4
        Rectangle {
            required property int index
            x: 272 + index * 32; y: 108; width: 22; height: 18; color: "#bfe0f5"; border.color: "#9aa7b4"; border.width: 1
        }
    }
    Rectangle { x: 300; y: 150; width: 70; height: 52; color: "#5d6b78" }
    // the parking sign: a white P on blue
    Rectangle { x: 326; y: 128; width: 20; height: 20; radius: 3; color: "#1565c0" }
    Rectangle { x: 332; y: 131; width: 3; height: 14; color: "#ffffff" }
    Rectangle { x: 332; y: 131; width: 9; height: 8; radius: 3; color: "transparent"; border.color: "#ffffff"; border.width: 2.5 }

    // the road
    Rectangle { x: 0; y: 202; width: 401; height: 55; color: "#9aa5b1" }
    Rectangle { x: 0; y: 202; width: 401; height: 3; color: "#6d7883" }
    Repeater {
        model: 6
        Rectangle {
            required property int index
            x: 10 + index * 70; y: 232; width: 36; height: 4; color: "#f4f4f4"
        }
    }

    // the detector before the barrier, with its waves towards the lane
    Rectangle { x: 112; y: 150; width: 5; height: 52; color: "#546e7a" }
    Rectangle { x: 104; y: 138; width: 20; height: 14; radius: 3; color: "#f4f4f4"; border.color: "#22282e"; border.width: 1.2 }
    Rectangle { x: 110; y: 143; width: 8; height: 5; radius: 2; color: "#c62828" }
    Repeater {
        model: 3
        Rectangle {
            required property int index
            x: 104 - 14 - index * 12; y: 140 - 6 - index * 6; width: 16 + index * 12; height: 24 + index * 12
            radius: width / 2
            color: "transparent"; border.color: "#e0392b"; border.width: 2
            opacity: root.sensed * (0.9 - index * 0.25)
        }
    }

    // the car, side view, facing right
    Item {
        id: car
        x: -130; y: 150; width: 124; height: 56
        Rectangle { x: 28; y: 2; width: 60; height: 26; radius: 10; color: "#1f6fb2"; border.color: "#0f3c63"; border.width: 1 }
        Rectangle { x: 36; y: 7; width: 22; height: 17; radius: 3; color: "#bfe0f5" }
        Rectangle { x: 62; y: 7; width: 20; height: 17; radius: 3; color: "#bfe0f5" }
        Rectangle { x: 66; y: 10; width: 10; height: 10; radius: 5; color: "#5b3a1f" }   // the driver
        Rectangle { x: 76; y: 16; width: 6; height: 8; radius: 2; color: "#22282e" }     // the wheel in his hands
        Rectangle { x: 2; y: 24; width: 120; height: 20; radius: 7; color: "#2f86cf"; border.color: "#0f3c63"; border.width: 1 }
        Rectangle { x: 114; y: 28; width: 8; height: 6; radius: 2; color: "#fff3a6" }
        Rectangle { x: 2; y: 28; width: 6; height: 6; radius: 2; color: "#e53935" }
        Rectangle { x: 16; y: 36; width: 22; height: 22; radius: 11; color: "#22282e" }
        Rectangle { x: 23; y: 43; width: 8; height: 8; radius: 4; color: "#b0bec5" }
        Rectangle { x: 86; y: 36; width: 22; height: 22; radius: 11; color: "#22282e" }
        Rectangle { x: 93; y: 43; width: 8; height: 8; radius: 4; color: "#b0bec5" }
    }

    // the boom, hinged at the housing at the height of a car's bonnet, lying
    // across the lane when closed; short enough to stay in the picture, clear
    // of the title, when it stands up
    Item {
        id: boom
        x: 130; y: 160; width: 130; height: 8
        transformOrigin: Item.Right
        property bool inFrame: true
        Rectangle { anchors.fill: parent; radius: 3; color: "#ffffff"; border.color: "#7b241c"; border.width: 1 }
        Repeater {
            model: 5
            Rectangle {
                required property int index
                x: 6 + index * 25; y: 1; width: 12; height: 6; color: "#d32f2f"
            }
        }
    }
    // the housing with its motor, the lamp on top, and the cable to the mains
    Rectangle { x: 252; y: 118; width: 30; height: 84; radius: 3; color: "#f5c400"; border.color: "#8a6d00"; border.width: 1 }
    Rectangle { x: 253; y: 157; width: 14; height: 14; radius: 7; color: "#8a6d00" }
    Rectangle { x: 257; y: 161; width: 6; height: 6; radius: 3; color: "#f4f4f4" }
    Rectangle { x: 258; y: 128; width: 18; height: 16; radius: 3; color: "#607d8b"; border.color: "#263238"; border.width: 1 }
    Rectangle { x: 262; y: 131; width: 10; height: 10; radius: 5; color: "#90a4ae"; rotation: root.lamp * 90 }
    // the flashing lamp: an amber dome on a dark base, dark glass when off
    Rectangle { x: 255; y: 96; width: 24; height: 24; radius: 12; color: "#ffc107"; opacity: 0.45 * root.lamp }
    Rectangle { x: 259; y: 101; width: 16; height: 13; radius: 6; color: Qt.rgba(0.55 + 0.45 * root.lamp, 0.36 + 0.4 * root.lamp, 0.05, 1); border.color: "#3e2f00"; border.width: 1 }
    Rectangle { x: 257; y: 112; width: 20; height: 6; radius: 1; color: "#37474f" }
    Rectangle { x: 282; y: 190; width: 40; height: 2; color: "#263238" }
    Rectangle { x: 322; y: 180; width: 14; height: 20; radius: 2; color: "#f4f4f4"; border.color: "#263238"; border.width: 1 }
    Rectangle { x: 327; y: 184; width: 4; height: 7; color: "#f5c400"; rotation: 20 }
    Rectangle { x: 327; y: 190; width: 4; height: 7; color: "#f5c400"; rotation: 20 }

    Text {
        id: caption
        x: 12                       // clear of the raised boom
        y: 8
        text: "حاجز آلي"
        font.family: "Noto Kufi Arabic"; font.bold: true; font.pixelSize: 18
        color: "#22384f"
    }

    Timeline {
        startFrame: 0
        endFrame: 350

        // the car drives up, waits, drives through and away
        KeyframeGroup { target: car; property: "x"
            Keyframe { frame: 0; value: -130 } Keyframe { frame: 60; value: -6; easing.type: Easing.OutQuad }
            Keyframe { frame: 160; value: -6 } Keyframe { frame: 230; value: 420; easing.type: Easing.InQuad }
            Keyframe { frame: 350; value: 420 } }
        KeyframeGroup { target: car; property: "opacity"
            Keyframe { frame: 229; value: 1 } Keyframe { frame: 230; value: 0 }
            Keyframe { frame: 349; value: 0 } Keyframe { frame: 350; value: 1 } }

        // the detector senses it
        KeyframeGroup { target: root; property: "sensed"
            Keyframe { frame: 60; value: 0 } Keyframe { frame: 70; value: 1 } Keyframe { frame: 82; value: 0.3 }
            Keyframe { frame: 94; value: 1 } Keyframe { frame: 106; value: 0.3 } Keyframe { frame: 118; value: 1 } Keyframe { frame: 130; value: 0 } }

        // the motor raises the boom and lowers it behind the car, the lamp flashing
        KeyframeGroup { target: boom; property: "rotation"
            Keyframe { frame: 110; value: 0 } Keyframe { frame: 155; value: 82; easing.type: Easing.InOutQuad }
            Keyframe { frame: 250; value: 82 } Keyframe { frame: 300; value: 0; easing.type: Easing.InOutQuad } }
        KeyframeGroup { target: root; property: "lamp"
            Keyframe { frame: 110; value: 0 } Keyframe { frame: 120; value: 1 } Keyframe { frame: 132; value: 0 } Keyframe { frame: 144; value: 1 } Keyframe { frame: 156; value: 0 }
            Keyframe { frame: 250; value: 0 } Keyframe { frame: 260; value: 1 } Keyframe { frame: 272; value: 0 } Keyframe { frame: 284; value: 1 } Keyframe { frame: 300; value: 0 } }
    }
}
