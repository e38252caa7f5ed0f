// SPDX-License-Identifier: GPL-3.0-or-later
// An electric motor at work. A switch closes; current runs from the mains
// socket along the cable into the motor (the moving dots); the motor's shaft
// turns, faster and faster, and drives a fan whose blades spin across the
// shaft.
// The switch opens again, the current stops and the fan slows to rest.

pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Timeline

Item {
    id: root
    width: 401                      // design size: the page's player, in pixels
    height: 257
    property int duration: 16000    // 400 frames at 25 frames a second

    property real angle: 0          // the shaft, the rotor and the fan, degrees
    property real current: 0        // 0 .. 1 the current along the cable
    property real flow: 0           // the dots' position along the cable, 0 .. 1 per step
    property real on: 0             // the switch, 0 open .. 1 closed

    Rectangle { anchors.fill: parent; color: "#eef4f8" }
    Rectangle { x: 0; y: 214; width: 401; height: 43; color: "#d7dee5" }
    Rectangle { x: 0; y: 214; width: 401; height: 2; color: "#9aa7b4" }

    // The drawing is a side view: the shaft lies across the picture, so the
    // rotor and the fan turn in planes across the shaft, seen edge-on (the
    // fan as a narrow ellipse, the rotor as a drum whose windings run past).
    Item {
        id: drawing
        anchors.fill: parent

        // the mains socket on the wall, with its lightning mark
        Rectangle { x: 16; y: 122; width: 34; height: 46; radius: 4; color: "#f4f4f4"; border.color: "#263238"; border.width: 1.5 }
        Rectangle { x: 25; y: 134; width: 5; height: 12; radius: 2; color: "#263238" }
        Rectangle { x: 36; y: 134; width: 5; height: 12; radius: 2; color: "#263238" }
        Rectangle { x: 30; y: 150; width: 6; height: 12; color: "#f5c400"; rotation: 20 }

        // the cable, the switch on it, and the current's dots
        Rectangle { x: 50; y: 143; width: 40; height: 4; color: "#37474f" }
        Rectangle { x: 130; y: 143; width: 52; height: 4; color: "#37474f" }
        Rectangle { x: 86; y: 134; width: 48; height: 24; radius: 4; color: "#cfd8dc"; border.color: "#37474f"; border.width: 1.5 }
        Rectangle { x: 92; y: 142; width: 8; height: 8; radius: 4; color: "#37474f" }
        Rectangle { x: 120; y: 142; width: 8; height: 8; radius: 4; color: "#37474f" }
        Rectangle {
            x: 96; y: 144; width: 30; height: 4; radius: 2; color: "#c62828"
            transformOrigin: Item.Left
            rotation: -30 * (1 - root.on)
        }
        Rectangle { x: 104 - 10 * root.on; y: 160; width: 30; height: 10; radius: 3; color: root.on > 0.5 ? "#2e7d32" : "#9e9e9e" }
        Repeater {
            model: 8
            Rectangle {
                required property int index
                readonly property real along: ((index / 8 + root.flow) % 1)
                x: 50 + along * 132 - 3; y: 142; width: 6; height: 6; radius: 3
                color: "#ffd54f"
                opacity: root.current * ((x > 86 && x < 130) ? 0 : 1)
            }
        }

        // the bench the motor stands on
        Rectangle { x: 170; y: 190; width: 200; height: 8; radius: 2; color: "#8d6e63"; border.color: "#4e342e"; border.width: 1 }
        Rectangle { x: 180; y: 198; width: 8; height: 16; color: "#6d4c41" }
        Rectangle { x: 352; y: 198; width: 8; height: 16; color: "#6d4c41" }

        // the motor, its casing cut open to show the rotor drum on the shaft
        Rectangle { x: 176; y: 172; width: 124; height: 18; radius: 2; color: "#37474f" }
        Rectangle { x: 182; y: 82; width: 112; height: 96; radius: 10; color: "#2f6b9a"; border.color: "#17375a"; border.width: 2 }
        Rectangle { x: 192; y: 96; width: 92; height: 68; radius: 4; color: "#1d3045"; border.color: "#90a4ae"; border.width: 2 }
        Rectangle { x: 186; y: 126; width: 110; height: 8; color: "#b0bec5"; border.color: "#546e7a"; border.width: 1 }   // the shaft through it
        Item {
            // the rotor drum: its windings run past as it turns
            x: 204; y: 102; width: 68; height: 56
            clip: true
            Rectangle { anchors.fill: parent; radius: 6; color: "#8a4f1e" }
            Repeater {
                model: 6
                Rectangle {
                    required property int index
                    // a winding at this angle round the drum, seen from the side
                    readonly property real turn: ((root.angle / 360 + index / 6) % 1) * 2 * Math.PI
                    x: 0; width: 68; height: 5
                    y: 28 - 28 * Math.cos(turn) - 2.5
                    color: "#d9822b"
                    opacity: Math.sin(turn) > 0 ? 1 : 0.25
                }
            }
        }
        // the shaft out of the motor and the fan it drives
        Rectangle { x: 294; y: 126; width: 52; height: 8; color: "#b0bec5"; border.color: "#546e7a"; border.width: 1 }
        Item {
            id: fan
            x: 346 - 60; y: 130 - 60; width: 120; height: 120
            transform: Scale { origin.x: 60; origin.y: 60; xScale: 0.3 }
            property bool inFrame: true
            Item {
                anchors.fill: parent
                rotation: root.angle
                Repeater {
                    model: 3
                    Rectangle {
                        required property int index
                        x: 49; y: 4; width: 22; height: 56; radius: 11
                        color: "#f08a00"; border.color: "#8a4f00"; border.width: 1.5
                        transformOrigin: Item.Bottom
                        rotation: index * 120
                    }
                }
            }
            Rectangle { x: 46; y: 46; width: 28; height: 28; radius: 14; color: "#546e7a" }
        }
    }
    Text {
        id: caption
        x: 14; y: 10
        text: "المحرك الكهربائي"
        font.family: "Noto Kufi Arabic"; font.bold: true; font.pixelSize: 20
        color: "#22384f"
    }

    Timeline {
        startFrame: 0
        endFrame: 400

        KeyframeGroup { target: root; property: "on"
            Keyframe { frame: 30; value: 0 } Keyframe { frame: 40; value: 1 } Keyframe { frame: 320; value: 1 } Keyframe { frame: 330; value: 0 } }
        KeyframeGroup { target: root; property: "current"
            Keyframe { frame: 40; value: 0 } Keyframe { frame: 50; value: 1 } Keyframe { frame: 330; value: 1 } Keyframe { frame: 340; value: 0 } }
        KeyframeGroup { target: root; property: "flow"
            Keyframe { frame: 40; value: 0 } Keyframe { frame: 340; value: 20 } }
        // the shaft speeds up, turns steadily, then slows to rest on a whole turn
        KeyframeGroup { target: root; property: "angle"
            Keyframe { frame: 45; value: 0 } Keyframe { frame: 100; value: 720; easing.type: Easing.InQuad }
            Keyframe { frame: 330; value: 720 + 230 * 26 } Keyframe { frame: 390; value: 7200; easing.type: Easing.OutQuad } }
    }
}
