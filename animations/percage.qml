// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic drilling station at work, one cycle. M1 turns the entry
// belt and M2 the exit belt: a piece arrives under the drill while a drilled
// one leaves. C1 lowers its pad and holds the piece; C2 lowers M, which
// turns the drill, and the drill cuts a hole into the piece; then C2 raises
// the head and C1 lets go. L10 and L11 tell where the rod of C1 stands, L20
// and L21 where the rod of C2 stands, and s sees a piece at its place.
// Every element carries its name as the page's grid writes it. A part that
// receives energy shows a lit yellow bolt; a sensor that detects lights its
// lamp. Nothing is said: the pupil watches which part moves, which works on
// the piece and which only watches.
//
// The pieces move one pitch per cycle, and whether a piece is drilled
// follows from where it stands, so the last frame is the first one.

pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Shapes
import QtQuick.Timeline

Item {
    id: root
    width: 553                      // design size: the page's player, in pixels
    height: 321
    property int duration: 15000    // 375 frames at 25 frames a second

    // Driven by the Timeline.
    property real move: 0           // 0 .. 1: the belts carry the pieces one pitch
    property real beltPower: 0      // M1 and M2 receive energy
    property real hole: 1           // depth of the hole in the piece under the drill
    property real clamp: 0          // rod of C1: 0 up, 1 down on the piece
    property real c1Power: 0
    property real head: 0           // rod of C2: 0 up, 1 the drill through to its depth
    property real c2Power: 0
    property real mPower: 0         // M turning the drill
    property real drillTurn: 0      // turns of the drill
    property real l10: 1
    property real l11: 0
    property real l20: 1
    property real l21: 0
    property real sOn: 1

    readonly property real pitch: 100
    readonly property real postX: 250
    readonly property real headTop: 105 + 50 * head      // top of M
    readonly property real padTop: 170 + 40 * clamp

    readonly property color ink: "#1f2d3a"
    readonly property color steel: "#9fb0c2"

    // ------------------------------------------------------------------
    // Parts

    // A yellow bolt beside a part: bright while the part receives energy.
    component Bolt: Shape {
        id: bolt
        property real power: 0
        width: 12
        height: 18
        opacity: 0.18 + 0.82 * power
        ShapePath {
            strokeColor: "#8a5a00"
            strokeWidth: 1
            fillColor: "#ffcf1f"
            startX: 7; startY: 0
            PathLine { x: 1; y: 10 }
            PathLine { x: 6; y: 10 }
            PathLine { x: 4; y: 18 }
            PathLine { x: 11; y: 7 }
            PathLine { x: 6; y: 7 }
            PathLine { x: 7; y: 0 }
        }
    }

    // A sensor: a small dark case with a lamp that lights while it detects.
    component Sensor: Rectangle {
        property real sensorLit: 0      // 0 dark .. 1 lit: it detects
        width: 12
        height: 10
        radius: 2
        color: "#34495e"
        border.color: "#1f2d3a"
        // dark while idle, bright yellow with a halo while it detects
        Rectangle {
            anchors.centerIn: parent
            width: 6
            height: 6
            radius: 3
            color: "#56616b"
            border.color: "#1f2d3a"
            border.width: 0.5
        }
        Rectangle {
            anchors.centerIn: parent
            width: 6
            height: 6
            radius: 3
            color: "#ffe14d"
            opacity: parent.sensorLit
        }
        Rectangle {
            anchors.centerIn: parent
            width: 16
            height: 16
            radius: 8
            color: "#ffe14d"
            opacity: 0.35 * parent.sensorLit
        }
    }

    // A code with a subscript, as the page writes it (L20 is L with 20 below).
    component Code: Item {
        property Item names: null       // the part it names
        property string letters: ""
        property string digits: ""
        property color tint: root.ink
        width: main.implicitWidth + sub.implicitWidth
        height: 16
        Text {
            id: main
            text: parent.letters
            font.family: "DejaVu Sans"
            font.bold: true
            font.pixelSize: 13
            color: parent.tint
        }
        Text {
            id: sub
            x: main.implicitWidth
            y: 6
            text: parent.digits
            font.family: "DejaVu Sans"
            font.bold: true
            font.pixelSize: 9
            color: parent.tint
        }
    }

    component Name: Text {
        property Item names: null       // the part it names
        font.family: "Noto Naskh Arabic"
        font.bold: true
        font.pixelSize: 13
        color: root.ink
    }

    // A motor: a box with its turning disc and its name on it.
    component Motor: Rectangle {
        property real turn: 0
        property string name: ""
        width: 40
        height: 30
        radius: 4
        color: "#2e7d32"
        border.color: root.ink
        border.width: 1.5
        Rectangle {
            x: 4; y: 6; width: 18; height: 18; radius: 9
            color: "#a5d6a7"; border.color: root.ink
            rotation: parent.turn * 360
            Rectangle { x: 8; y: 1; width: 2; height: 16; color: root.ink }
        }
        Text {
            x: 22; y: 6
            text: parent.name.charAt(0)
            font.family: "DejaVu Sans"; font.bold: true; font.pixelSize: 12
            color: "#ffffff"
        }
        Text {
            x: 34; y: 13
            text: parent.name.substring(1)
            font.family: "DejaVu Sans"; font.bold: true; font.pixelSize: 8
            color: "#ffffff"
        }
    }

    Rectangle { anchors.fill: parent; color: "#f6f9fc" }

    // Everything, names included, belongs to the one drawing of the station.
    Item {
        id: station
        anchors.fill: parent

        // --- the frame of the drilling post ------------------------------
        Rectangle { x: 196; y: 26; width: 130; height: 8; color: "#7f8c8d"; border.color: root.ink }
        Rectangle { x: 318; y: 26; width: 8; height: 224; color: "#7f8c8d"; border.color: root.ink }   // behind the belt

        // C2: lowers the head
        Rectangle { x: 241; y: 34; width: 18; height: 62; radius: 2; color: "#5d8fc0"; border.color: root.ink; border.width: 1.5 }
        Rectangle { x: 247; y: 96; width: 6; height: root.headTop - 96; color: "#cfd8e2"; border.color: root.ink }
        Code { x: 262; y: 36; letters: "C"; digits: "2" }
        Bolt { x: 265; y: 62; power: root.c2Power }
        Sensor { id: l20; x: 227; y: 40; sensorLit: root.l20 }
        Code { x: 203; y: 35; names: l20; letters: "L"; digits: "20" }
        Sensor { id: l21; x: 227; y: 82; sensorLit: root.l21 }
        Code { x: 203; y: 77; names: l21; letters: "L"; digits: "21" }

        // M on the head, turning the drill
        Motor { x: 230; y: root.headTop; turn: root.drillTurn; name: "M" }
        Bolt { x: 214; y: root.headTop + 6; power: root.mPower }
        Rectangle { x: 245; y: root.headTop + 30; width: 10; height: 6; color: "#5d6d7e"; border.color: root.ink }   // chuck
        // the drill: a bit whose flutes run down while it turns
        Item {
            x: 247; y: root.headTop + 36; width: 6; height: 38
            clip: true
            Rectangle { anchors.fill: parent; color: "#b0bec5"; border.color: root.ink }
            Repeater {
                model: 7
                delegate: Rectangle {
                    required property int index
                    x: -2; width: 10; height: 2
                    y: -8 + index * 7 + (root.drillTurn * 7 * 4) % 7
                    rotation: -30
                    color: "#455a64"
                }
            }
        }
        Name { x: 178; y: root.headTop + 44; text: "المثقب" }

        // C1: its pad holds the piece
        Rectangle { x: 286; y: 108; width: 18; height: 52; radius: 2; color: "#5d8fc0"; border.color: root.ink; border.width: 1.5 }
        Rectangle { x: 292; y: 160; width: 6; height: root.padTop - 160; color: "#cfd8e2"; border.color: root.ink }
        Rectangle { x: 258; y: root.padTop; width: 40; height: 10; radius: 2; color: "#7f8c8d"; border.color: root.ink }
        Code { x: 284; y: 88; letters: "C"; digits: "1" }
        Bolt { x: 306; y: 88; power: root.c1Power }
        Sensor { id: l10; x: 306; y: 112; width: 10; sensorLit: root.l10 }
        Code { x: 320; y: 107; names: l10; letters: "L"; digits: "10" }
        Sensor { id: l11; x: 306; y: 146; width: 10; sensorLit: root.l11 }
        Code { x: 320; y: 141; names: l11; letters: "L"; digits: "11" }

        // --- the pieces ---------------------------------------------------
        Item {
            x: 0; y: 0; width: 553; height: 321
            clip: true
            Repeater {
                model: 7
                delegate: Item {
                    id: piece
                    required property int index
                    readonly property real cx: -50 + root.pitch * (index - 1 + root.move)
                    readonly property real depth: cx > root.postX + 1 ? 1 : (cx >= root.postX - 1 ? root.hole : 0)
                    x: cx - 25
                    y: 220
                    width: 50
                    height: 30
                    Rectangle { anchors.fill: parent; radius: 2; color: "#d7a86e"; border.color: "#6d4c2a"; border.width: 1.2 }
                    Rectangle { x: 22; y: 0; width: 6; height: 14 * piece.depth; color: "#3e2a14" }
                }
            }
        }

        // s: sees a piece at its place under the drill
        Rectangle { x: 276; y: 232; width: 8; height: 2; color: "#e74c3c"; opacity: root.sOn * 0.8 }
        Sensor { id: sensorS; x: 284; y: 227; width: 10; sensorLit: root.sOn }

        // --- the belts, the table and their motors -----------------------
        Rectangle { x: 8; y: 250; width: 196; height: 12; radius: 6; color: "#4a5968"; border.color: root.ink }
        Rectangle { x: 204; y: 250; width: 92; height: 12; color: "#bdc3c7"; border.color: root.ink }
        Rectangle { x: 296; y: 250; width: 250; height: 12; radius: 6; color: "#4a5968"; border.color: root.ink }
        Repeater {
            model: 15
            delegate: Rectangle {
                required property int index
                readonly property real at: 8 + index * 25 + (root.move * root.pitch) % 25
                x: at
                y: 255
                width: 10
                height: 2
                color: "#9aa9b8"
                visible: (at > 12 && at < 192) || (at > 300 && at < 536)
            }
        }
        // M1 drives the entry belt, M2 the exit belt
        Rectangle { x: 150; y: 262; width: 3; height: 20; color: root.ink }
        Motor { x: 130; y: 276; turn: root.move * 3; name: "M1" }
        Bolt { x: 174; y: 282; power: root.beltPower }
        Rectangle { x: 352; y: 262; width: 3; height: 20; color: root.ink }
        Motor { x: 332; y: 276; turn: root.move * 3; name: "M2" }
        Bolt { x: 376; y: 282; power: root.beltPower }
        Name { x: 228; y: 266; text: "القطعة" }
        Code { x: 287; y: 210; names: sensorS; letters: "s" }
    }

    Timeline {
        startFrame: 0
        endFrame: 375               // 15 s at 25 frames a second

        KeyframeGroup {
            target: root; property: "move"
            Keyframe { frame: 20; value: 0 }
            Keyframe { frame: 95; value: 1; easing.type: Easing.InOutQuad }
            Keyframe { frame: 96; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "beltPower"
            Keyframe { frame: 16; value: 0 }
            Keyframe { frame: 20; value: 1 }
            Keyframe { frame: 95; value: 1 }
            Keyframe { frame: 99; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "sOn"
            Keyframe { frame: 40; value: 1 }
            Keyframe { frame: 42; value: 0 }
            Keyframe { frame: 90; value: 0 }
            Keyframe { frame: 92; value: 1 }
        }
        KeyframeGroup {
            target: root; property: "hole"
            Keyframe { frame: 45; value: 1 }
            Keyframe { frame: 46; value: 0 }
            Keyframe { frame: 176; value: 0 }
            Keyframe { frame: 225; value: 1 }
        }
        KeyframeGroup {
            target: root; property: "clamp"
            Keyframe { frame: 103; value: 0 }
            Keyframe { frame: 130; value: 1; easing.type: Easing.InOutQuad }
            Keyframe { frame: 315; value: 1 }
            Keyframe { frame: 342; value: 0; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: root; property: "c1Power"
            Keyframe { frame: 100; value: 0 }
            Keyframe { frame: 103; value: 1 }
            Keyframe { frame: 130; value: 1 }
            Keyframe { frame: 133; value: 0 }
            Keyframe { frame: 312; value: 0 }
            Keyframe { frame: 315; value: 1 }
            Keyframe { frame: 342; value: 1 }
            Keyframe { frame: 345; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "l10"
            Keyframe { frame: 104; value: 1 }
            Keyframe { frame: 106; value: 0 }
            Keyframe { frame: 340; value: 0 }
            Keyframe { frame: 342; value: 1 }
        }
        KeyframeGroup {
            target: root; property: "l11"
            Keyframe { frame: 128; value: 0 }
            Keyframe { frame: 130; value: 1 }
            Keyframe { frame: 316; value: 1 }
            Keyframe { frame: 318; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "head"
            Keyframe { frame: 140; value: 0 }
            Keyframe { frame: 172; value: 0.82; easing.type: Easing.InOutQuad }
            Keyframe { frame: 225; value: 1 }
            Keyframe { frame: 275; value: 1 }
            Keyframe { frame: 308; value: 0; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: root; property: "c2Power"
            Keyframe { frame: 137; value: 0 }
            Keyframe { frame: 140; value: 1 }
            Keyframe { frame: 308; value: 1 }
            Keyframe { frame: 311; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "l20"
            Keyframe { frame: 141; value: 1 }
            Keyframe { frame: 143; value: 0 }
            Keyframe { frame: 306; value: 0 }
            Keyframe { frame: 308; value: 1 }
        }
        KeyframeGroup {
            target: root; property: "l21"
            Keyframe { frame: 223; value: 0 }
            Keyframe { frame: 225; value: 1 }
            Keyframe { frame: 277; value: 1 }
            Keyframe { frame: 279; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "mPower"
            Keyframe { frame: 132; value: 0 }
            Keyframe { frame: 135; value: 1 }
            Keyframe { frame: 312; value: 1 }
            Keyframe { frame: 315; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "drillTurn"
            Keyframe { frame: 135; value: 0 }
            Keyframe { frame: 315; value: 55 }
        }
    }
}
