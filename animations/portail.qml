// SPDX-License-Identifier: GPL-3.0-or-later
// A main gate worked by its user. The car waits in front of the garden wall;
// the driver's hand presses the remote control, the gate's electric motor
// (fed from the mains) slides the gate open while the warning lamp flashes;
// the car drives in, the hand presses again, and the gate slides shut.

import QtQuick
import QtQuick.Timeline

Item {
    id: root
    width: 273                      // design size: the page's player, in pixels
    height: 201
    property int duration: 12000    // 300 frames at 25 frames a second

    property real lamp: 0           // the warning lamp, 0 off .. 1 lit
    property real press: 0          // the remote's button, 0 up .. 1 pressed

    Rectangle { anchors.fill: parent; color: "#e3f1fb" }

    // The garden behind the gate: a lawn and a house.
    Item {
        z: 0
        Rectangle { x: 80; y: 120; width: 120; height: 50; color: "#8cc269" }
        Rectangle { x: 110; y: 70; width: 70; height: 50; color: "#f3e2c2"; border.color: "#8a7556"; border.width: 1 }
        Rectangle { x: 150; y: 90; width: 14; height: 30; color: "#8a5a32" }
        Rectangle { x: 120; y: 84; width: 18; height: 14; color: "#bfe0f5"; border.color: "#8a7556"; border.width: 1 }
        Rectangle { x: 104; y: 60; width: 82; height: 12; color: "#c0392b" }
        Rectangle { x: 80; y: 168; width: 120; height: 2; color: "#6f8b3a" }
    }

    // The car, seen from behind: in front of the wall, then through the gate.
    Item {
        id: car
        x: 96; y: 210; width: 88; height: 56
        z: 5
        transformOrigin: Item.Bottom
        Rectangle { x: 10; y: 0; width: 68; height: 26; radius: 8; color: "#a93226" }
        Rectangle { x: 17; y: 5; width: 54; height: 17; radius: 4; color: "#bfe0f5" }
        Rectangle { x: 30; y: 9; width: 12; height: 12; radius: 6; color: "#5b3a1f" }   // the driver's head
        Rectangle { x: 0; y: 22; width: 88; height: 24; radius: 6; color: "#c0392b"; border.color: "#7b241c"; border.width: 1 }
        Rectangle { x: 4; y: 28; width: 14; height: 7; radius: 2; color: "#ffb74d" }
        Rectangle { x: 70; y: 28; width: 14; height: 7; radius: 2; color: "#ffb74d" }
        Rectangle { x: 30; y: 34; width: 28; height: 8; color: "#f4f4f4"; border.color: "#555"; border.width: 1 }
        Rectangle { x: 6; y: 44; width: 16; height: 12; radius: 3; color: "#22282e" }
        Rectangle { x: 66; y: 44; width: 16; height: 12; radius: 3; color: "#22282e" }
    }

    // The gate: a leaf of bars that slides left behind the wall.
    Item {
        id: leaf
        x: 80; y: 82; width: 120; height: 88
        z: 2
        Rectangle { x: 0; y: 0; width: 120; height: 6; color: "#37474f" }
        Rectangle { x: 0; y: 82; width: 120; height: 6; color: "#37474f" }
        Rectangle { x: 0; y: 40; width: 120; height: 5; color: "#37474f" }
        Repeater {
            model: 11
            Rectangle {
                required property int index
                x: 2 + index * 11; y: 0; width: 5; height: 88; color: "#455a64"
            }
        }
    }

    // The wall and the pillars, in front of the sliding leaf.
    Item {
        z: 3
        Rectangle { x: 0; y: 80; width: 72; height: 90; color: "#d9b99b"; border.color: "#8a7556"; border.width: 1 }
        Rectangle { x: 208; y: 80; width: 65; height: 90; color: "#d9b99b"; border.color: "#8a7556"; border.width: 1 }
        Rectangle { x: 70; y: 70; width: 12; height: 100; color: "#b58e6b"; border.color: "#6d5538"; border.width: 1 }
        Rectangle { x: 198; y: 70; width: 12; height: 100; color: "#b58e6b"; border.color: "#6d5538"; border.width: 1 }
        // the warning lamp on the right pillar
        Rectangle { x: 199; y: 60; width: 10; height: 10; radius: 5; color: Qt.rgba(1, 0.55 + 0.25 * root.lamp, 0.1, 0.35 + 0.65 * root.lamp); border.color: "#6d5538"; border.width: 1 }
        // the gate's motor, its cable and the mains socket with the lightning mark
        Rectangle { x: 212; y: 138; width: 26; height: 22; radius: 3; color: "#607d8b"; border.color: "#263238"; border.width: 1 }
        Rectangle { x: 219; y: 144; width: 12; height: 10; radius: 5; color: "#90a4ae"; rotation: root.lamp * 90 }
        Rectangle { x: 238; y: 148; width: 18; height: 2; color: "#263238" }
        Rectangle { x: 254; y: 138; width: 14; height: 20; radius: 2; color: "#f4f4f4"; border.color: "#263238"; border.width: 1 }
        Rectangle { x: 259; y: 142; width: 4; height: 7; color: "#f5c400"; rotation: 20 }
        Rectangle { x: 259; y: 148; width: 4; height: 7; color: "#f5c400"; rotation: 20 }
    }

    Rectangle { x: 0; y: 170; width: 273; height: 31; color: "#9aa5b1"; z: 1 }
    Rectangle { x: 0; y: 170; width: 273; height: 2; color: "#6d7883"; z: 1 }

    // The driver's hand pressing the remote control, in a bubble.
    Item {
        id: bubble
        x: 6; y: 24; width: 58; height: 52
        z: 6
        opacity: 0
        Rectangle { anchors.fill: parent; radius: 12; color: "#ffffff"; border.color: "#2f86cf"; border.width: 2 }
        Rectangle { x: 22; y: 8; width: 16; height: 34; radius: 4; color: "#37474f" }
        Rectangle { x: 26; y: 13; width: 8; height: 8; radius: 4; color: "#e53935" }
        Rectangle { x: 26; y: 25; width: 8; height: 6; radius: 3; color: "#90a4ae" }
        Rectangle { x: 14; y: 26; width: 30; height: 20; radius: 9; color: "#e3ac76"; border.color: "#7a4a1f"; border.width: 1 }
        Rectangle { x: 27; y: 4 + 6 * root.press; width: 7; height: 14; radius: 3; color: "#e3ac76"; border.color: "#7a4a1f"; border.width: 1 }
        Rectangle { x: 42; y: 4; width: 10; height: 10; radius: 5; color: "transparent"; border.color: "#e53935"; border.width: 2; opacity: root.press }
        Rectangle { x: 46; y: 0; width: 12; height: 12; radius: 6; color: "transparent"; border.color: "#e53935"; border.width: 1.5; opacity: root.press * 0.7 }
    }

    Text {
        id: caption
        z: 7
        anchors.horizontalCenter: parent.horizontalCenter
        y: 4
        text: "بوابة رئيسية"
        font.family: "Noto Kufi Arabic"; font.bold: true; font.pixelSize: 17
        color: "#22384f"
    }

    Timeline {
        startFrame: 0
        endFrame: 300

        // the car comes up to the gate, waits, drives in and is gone
        KeyframeGroup { target: car; property: "y"
            Keyframe { frame: 0; value: 210 } Keyframe { frame: 35; value: 138 }
            Keyframe { frame: 145; value: 138 } Keyframe { frame: 195; value: 96 }
            Keyframe { frame: 294; value: 96 } Keyframe { frame: 295; value: 210 } }
        KeyframeGroup { target: car; property: "scale"
            Keyframe { frame: 145; value: 1 } Keyframe { frame: 195; value: 0.45 }
            Keyframe { frame: 294; value: 0.45 } Keyframe { frame: 295; value: 1 } }
        KeyframeGroup { target: car; property: "z"
            Keyframe { frame: 175; value: 5 } Keyframe { frame: 176; value: 1 }
            Keyframe { frame: 294; value: 1 } Keyframe { frame: 295; value: 5 } }
        KeyframeGroup { target: car; property: "opacity"
            Keyframe { frame: 195; value: 1 } Keyframe { frame: 210; value: 0 }
            Keyframe { frame: 295; value: 0 } Keyframe { frame: 296; value: 1 } }

        // the hand presses the remote: to open, then to close
        KeyframeGroup { target: bubble; property: "opacity"
            Keyframe { frame: 40; value: 0 } Keyframe { frame: 48; value: 1 } Keyframe { frame: 95; value: 1 } Keyframe { frame: 103; value: 0 }
            Keyframe { frame: 205; value: 0 } Keyframe { frame: 213; value: 1 } Keyframe { frame: 250; value: 1 } Keyframe { frame: 258; value: 0 } }
        KeyframeGroup { target: root; property: "press"
            Keyframe { frame: 55; value: 0 } Keyframe { frame: 62; value: 1 } Keyframe { frame: 75; value: 1 } Keyframe { frame: 82; value: 0 }
            Keyframe { frame: 215; value: 0 } Keyframe { frame: 222; value: 1 } Keyframe { frame: 232; value: 1 } Keyframe { frame: 239; value: 0 } }

        // the motor slides the leaf open, then shut, while the lamp flashes
        KeyframeGroup { target: leaf; property: "x"
            Keyframe { frame: 70; value: 80 } Keyframe { frame: 135; value: -42; easing.type: Easing.InOutQuad }
            Keyframe { frame: 230; value: -42 } Keyframe { frame: 292; value: 80; easing.type: Easing.InOutQuad } }
        KeyframeGroup { target: root; property: "lamp"
            Keyframe { frame: 70; value: 0 } Keyframe { frame: 80; value: 1 } Keyframe { frame: 92; value: 0 } Keyframe { frame: 104; value: 1 }
            Keyframe { frame: 116; value: 0 } Keyframe { frame: 128; value: 1 } Keyframe { frame: 136; value: 0 }
            Keyframe { frame: 230; value: 0 } Keyframe { frame: 240; value: 1 } Keyframe { frame: 252; value: 0 } Keyframe { frame: 264; value: 1 }
            Keyframe { frame: 276; value: 0 } Keyframe { frame: 286; value: 1 } Keyframe { frame: 293; value: 0 } }
    }
}
