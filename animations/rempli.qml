// SPDX-License-Identifier: GPL-3.0-or-later
// The automatic bottle-filling station at work, one cycle. The motor of the
// conveyor belt turns and the belt brings an empty bottle under the pipe and
// a filled one, two places on, under the capping head. C lowers the pipe into the bottle; D
// opens the way and G pumps the liquid from the tank, which runs through the
// pipe into the bottle; E lowers F, which presses a cap onto the filled
// bottle. L20 and L21 tell where the rod of C stands, L30 and L31 where the
// rod of E stands, L40 sees a bottle under the pipe and L41 the liquid
// reaching its level. Every element carries its name as the page's grid
// writes it. A part that receives energy shows a lit yellow bolt; a sensor
// that detects lights its lamp. Nothing is said: the pupil watches which
// part moves, which touches the bottles and which only watches.
//
// The bottles move one pitch per cycle, and whether a bottle is filled or
// capped follows from where it stands, so the last frame is the first one.

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
    property real move: 0           // 0 .. 1: the belt carries the bottles one pitch
    property real beltPower: 0      // the motor of the conveyor belt receives energy
    property real fill: 1           // the level in the bottle under the pipe
    property real cap: 1            // 0: F holds a cap; 1: the bottle under F has it
    property real cExt: 0           // rod of C: 0 up, 1 down (the pipe in the bottle)
    property real cPower: 0
    property real dPower: 0         // D open
    property real gPower: 0         // G pumping
    property real pumpTurn: 0       // turns of G's wheel
    property real flow: 0           // liquid running out of the pipe
    property real eExt: 0           // rod of E: 0 up, 1 down (F on the bottle)
    property real ePower: 0
    property real l20: 1
    property real l21: 0
    property real l30: 1
    property real l31: 0
    property real l40: 1
    property real l41: 0

    readonly property real pitch: 90
    readonly property real fillX: 200
    readonly property real capX: 380
    readonly property real tip: 150 + 45 * cExt          // lower end of the pipe
    readonly property real fBottom: 155 + 28 * eExt      // lower face of F

    readonly property color ink: "#1f2d3a"
    readonly property color steel: "#9fb0c2"
    readonly property color liquid: "#3d8fd6"

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

    Rectangle { anchors.fill: parent; color: "#f6f9fc" }

    // Everything, names included, belongs to the one drawing of the station.
    Item {
        id: station
        anchors.fill: parent

        // --- the tank, G and D -----------------------------------------
        Rectangle { x: 20; y: 18; width: 74; height: 70; radius: 6; color: "#e6eef6"; border.color: root.ink; border.width: 1.5 }
        Rectangle { x: 22; y: 40; width: 70; height: 46; radius: 4; color: root.liquid; opacity: 0.85 }
        Rectangle { x: 94; y: 70; width: 20; height: 7; color: root.steel; border.color: root.ink }       // tank to G
        Rectangle { x: 120; y: 36; width: 7; height: 26; color: root.steel; border.color: root.ink }      // G up to the pipe
        Rectangle { x: 120; y: 34; width: 84; height: 8; color: root.steel; border.color: root.ink }      // along to the pipe
        // liquid in the horizontal run while it flows
        Rectangle { x: 122; y: 36; width: 80; height: 4; color: root.liquid; opacity: root.flow }

        // G: the pump, its wheel turning while it receives energy
        Rectangle {
            x: 109; y: 60; width: 30; height: 30; radius: 15
            color: "#dfe6ee"; border.color: root.ink; border.width: 1.5
            Item {
                anchors.fill: parent
                rotation: root.pumpTurn * 360
                Rectangle { x: 14; y: 3; width: 2; height: 24; color: root.ink }
                Rectangle { x: 3; y: 14; width: 24; height: 2; color: root.ink }
            }
            Rectangle { anchors.centerIn: parent; width: 6; height: 6; radius: 3; color: "#c0392b" }
        }
        Code { x: 144; y: 68; letters: "G" }
        Bolt { x: 96; y: 92; power: root.gPower }

        // D: the valve on the pipe, its plunger lifting while it receives energy
        Rectangle { x: 150; y: 30; width: 16; height: 16; color: "#c9d3dd"; border.color: root.ink }
        Rectangle { x: 150; y: 8; width: 16; height: 18; radius: 2; color: "#5d6d7e"; border.color: root.ink }
        Rectangle { x: 156; y: 24 - 6 * root.dPower; width: 4; height: 10; color: "#e67e22" }
        Code { x: 170; y: 8; letters: "D" }
        Bolt { x: 134; y: 8; power: root.dPower }

        // --- the pipe, lowered by C --------------------------------------
        Rectangle { id: pipeBody; x: 195; y: 34; width: 10; height: 76; color: root.steel; border.color: root.ink }     // fixed part
        Rectangle { x: 196.5; y: root.tip - 100; width: 7; height: 100; color: "#b8c6d4"; border.color: root.ink }
        Rectangle { x: 198; y: 42; width: 4; height: root.tip - 44; color: root.liquid; opacity: root.flow }
        // the liquid running into the bottle
        Rectangle { x: 198.5; y: root.tip; width: 3; height: 248 - root.tip; color: root.liquid; opacity: root.flow }
        Name { x: 192 - implicitWidth; y: 84; names: pipeBody; text: "الأنبوب" }

        // L41 on the pipe's end: lights when the liquid reaches its level
        Sensor { id: l41; x: 183; y: root.tip - 14; width: 10; height: 12; sensorLit: root.l41 }
        Code { x: 160; y: root.tip - 18; names: l41; letters: "L"; digits: "41" }

        // C: the cylinder that lowers the pipe
        Rectangle { x: 222; y: 64; width: 18; height: 56; radius: 2; color: "#5d8fc0"; border.color: root.ink; border.width: 1.5 }
        Rectangle { x: 228; y: 120; width: 6; height: 20 + 45 * root.cExt; color: "#cfd8e2"; border.color: root.ink }
        Rectangle { x: 201; y: root.tip - 14; width: 34; height: 5; color: "#7f8c8d"; border.color: root.ink }
        Code { x: 226; y: 44; letters: "C" }
        Bolt { x: 209; y: 46; power: root.cPower }
        Sensor { id: l20; x: 242; y: 68; sensorLit: root.l20 }
        Code { x: 256; y: 63; names: l20; letters: "L"; digits: "20" }
        Sensor { id: l21; x: 242; y: 106; sensorLit: root.l21 }
        Code { x: 256; y: 101; names: l21; letters: "L"; digits: "21" }

        // --- capping: E lowers F onto the bottle ----------------------------
        Rectangle { id: cylinderE; x: 371; y: 64; width: 18; height: 60; radius: 2; color: "#5d8fc0"; border.color: root.ink; border.width: 1.5 }
        Rectangle { x: 377; y: 124; width: 6; height: root.fBottom - 12 - 124; color: "#cfd8e2"; border.color: root.ink }
        Rectangle { x: 361; y: 44; width: 38; height: 6; color: "#7f8c8d" }
        // F: the head that presses the cap, with the cap it holds
        Rectangle { x: 362; y: root.fBottom - 12; width: 36; height: 12; radius: 2; color: "#8e44ad"; border.color: root.ink }
        Rectangle { x: 372; y: root.fBottom; width: 16; height: 7; radius: 1.5; color: "#e74c3c"; border.color: root.ink; opacity: 1 - root.cap }
        Code { x: 346; y: root.fBottom - 16; letters: "F" }
        Code { x: 357; y: 92; names: cylinderE; letters: "E" }
        Bolt { x: 351; y: 66; power: root.ePower }
        Sensor { id: l30; x: 391; y: 68; sensorLit: root.l30 }
        Code { x: 405; y: 63; names: l30; letters: "L"; digits: "30" }
        Sensor { id: l31; x: 391; y: 110; sensorLit: root.l31 }
        Code { x: 405; y: 105; names: l31; letters: "L"; digits: "31" }

        // --- the bottles ---------------------------------------------------
        // The bottles leave the picture where the belt ends.
        Item {
            x: 0; y: 0; width: 506; height: 321
            clip: true
            Repeater {
                model: 7
                delegate: Item {
                    id: bottle
                    required property int index
                    readonly property real cx: -70 + root.pitch * (index + root.move)
                    readonly property real level: cx > root.fillX + 1 ? 1 : (cx >= root.fillX - 1 ? root.fill : 0)
                    readonly property real capped: cx > root.capX + 1 ? 1 : (cx >= root.capX - 1 ? root.cap : 0)
                    x: cx - 15
                    y: 183
                    width: 30
                    height: 67
                    Rectangle { x: 9; y: 7; width: 12; height: 16; color: "#eaf4fb"; border.color: root.ink }
                    Rectangle { x: 0; y: 21; width: 30; height: 46; radius: 5; color: "#eaf4fb"; border.color: root.ink; border.width: 1.2 }
                    Rectangle {
                        x: 2; width: 26; radius: 3
                        height: 40 * bottle.level
                        y: 65 - height
                        color: root.liquid
                    }
                    Rectangle { x: 7; y: 0; width: 16; height: 7; radius: 1.5; color: "#e74c3c"; border.color: root.ink; opacity: bottle.capped }
                }
            }
        }

        // L40: sees a bottle under the pipe, its beam lit while it does
        Rectangle { x: 168; y: 224; width: 16; height: 2; color: "#e74c3c"; opacity: root.l40 * 0.8 }
        Sensor { id: l40; x: 157; y: 220; sensorLit: root.l40 }
        Rectangle { x: 162; y: 230; width: 2; height: 20; color: root.ink }

        // --- the conveyor belt and its motor ---------------------------------
        Rectangle { x: 8; y: 250; width: 500; height: 14; radius: 7; color: "#4a5968"; border.color: root.ink }
        Repeater {
            model: 17
            delegate: Rectangle {
                required property int index
                x: 14 + index * 30 + (root.move * root.pitch) % 30
                y: 255
                width: 12
                height: 3
                color: "#9aa9b8"
            }
        }
        Repeater {
            model: 2
            delegate: Rectangle {
                required property int index
                x: index === 0 ? 8 : 494
                y: 250
                width: 14; height: 14; radius: 7
                color: "#c9d3dd"; border.color: root.ink
                rotation: root.move * 1080
                Rectangle { x: 6; y: 1; width: 2; height: 12; color: root.ink }
            }
        }
        Rectangle { x: 501; y: 255; width: 14; height: 4; color: root.ink }                        // shaft
        Rectangle {
            x: 512; y: 238; width: 36; height: 32; radius: 4
            color: "#2e7d32"; border.color: root.ink; border.width: 1.5
            Rectangle {
                anchors.centerIn: parent
                width: 18; height: 18; radius: 9
                color: "#a5d6a7"; border.color: root.ink
                rotation: root.move * 1080
                Rectangle { x: 8; y: 1; width: 2; height: 16; color: root.ink }
            }
        }
        Bolt { x: 524; y: 216; power: root.beltPower }
        Name { x: 420; y: 282; text: "محرك البساط المتحرك" }
        Name { x: 60; y: 270; text: "البساط المتحرك" }
        Code { x: 133; y: 217; names: l40; letters: "L"; digits: "40" }
    }

    Timeline {
        startFrame: 0
        endFrame: 375               // 15 s at 25 frames a second

        KeyframeGroup {
            target: root; property: "move"
            Keyframe { frame: 25; value: 0 }
            Keyframe { frame: 100; value: 1; easing.type: Easing.InOutQuad }
            Keyframe { frame: 101; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "beltPower"
            Keyframe { frame: 20; value: 0 }
            Keyframe { frame: 25; value: 1 }
            Keyframe { frame: 100; value: 1 }
            Keyframe { frame: 104; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "fill"
            Keyframe { frame: 40; value: 1 }
            Keyframe { frame: 41; value: 0 }
            Keyframe { frame: 160; value: 0 }
            Keyframe { frame: 240; value: 1 }
        }
        KeyframeGroup {
            target: root; property: "cap"
            Keyframe { frame: 60; value: 1 }
            Keyframe { frame: 72; value: 0 }
            Keyframe { frame: 185; value: 0 }
            Keyframe { frame: 186; value: 1 }
        }
        KeyframeGroup {
            target: root; property: "cExt"
            Keyframe { frame: 108; value: 0 }
            Keyframe { frame: 140; value: 1; easing.type: Easing.InOutQuad }
            Keyframe { frame: 292; value: 1 }
            Keyframe { frame: 325; value: 0; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: root; property: "cPower"
            Keyframe { frame: 105; value: 0 }
            Keyframe { frame: 108; value: 1 }
            Keyframe { frame: 140; value: 1 }
            Keyframe { frame: 143; value: 0 }
            Keyframe { frame: 289; value: 0 }
            Keyframe { frame: 292; value: 1 }
            Keyframe { frame: 325; value: 1 }
            Keyframe { frame: 328; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "l20"
            Keyframe { frame: 110; value: 1 }
            Keyframe { frame: 112; value: 0 }
            Keyframe { frame: 323; value: 0 }
            Keyframe { frame: 325; value: 1 }
        }
        KeyframeGroup {
            target: root; property: "l21"
            Keyframe { frame: 138; value: 0 }
            Keyframe { frame: 140; value: 1 }
            Keyframe { frame: 294; value: 1 }
            Keyframe { frame: 296; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "dPower"
            Keyframe { frame: 150; value: 0 }
            Keyframe { frame: 154; value: 1 }
            Keyframe { frame: 240; value: 1 }
            Keyframe { frame: 244; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "gPower"
            Keyframe { frame: 150; value: 0 }
            Keyframe { frame: 154; value: 1 }
            Keyframe { frame: 240; value: 1 }
            Keyframe { frame: 244; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "pumpTurn"
            Keyframe { frame: 152; value: 0 }
            Keyframe { frame: 244; value: 6 }
        }
        KeyframeGroup {
            target: root; property: "flow"
            Keyframe { frame: 155; value: 0 }
            Keyframe { frame: 160; value: 1 }
            Keyframe { frame: 240; value: 1 }
            Keyframe { frame: 245; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "l40"
            Keyframe { frame: 30; value: 1 }
            Keyframe { frame: 32; value: 0 }
            Keyframe { frame: 97; value: 0 }
            Keyframe { frame: 99; value: 1 }
        }
        KeyframeGroup {
            target: root; property: "l41"
            Keyframe { frame: 238; value: 0 }
            Keyframe { frame: 240; value: 1 }
            Keyframe { frame: 292; value: 1 }
            Keyframe { frame: 294; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "eExt"
            Keyframe { frame: 148; value: 0 }
            Keyframe { frame: 185; value: 1; easing.type: Easing.InOutQuad }
            Keyframe { frame: 240; value: 1 }
            Keyframe { frame: 275; value: 0; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: root; property: "ePower"
            Keyframe { frame: 145; value: 0 }
            Keyframe { frame: 148; value: 1 }
            Keyframe { frame: 185; value: 1 }
            Keyframe { frame: 188; value: 0 }
            Keyframe { frame: 237; value: 0 }
            Keyframe { frame: 240; value: 1 }
            Keyframe { frame: 275; value: 1 }
            Keyframe { frame: 278; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "l30"
            Keyframe { frame: 150; value: 1 }
            Keyframe { frame: 152; value: 0 }
            Keyframe { frame: 273; value: 0 }
            Keyframe { frame: 275; value: 1 }
        }
        KeyframeGroup {
            target: root; property: "l31"
            Keyframe { frame: 183; value: 0 }
            Keyframe { frame: 185; value: 1 }
            Keyframe { frame: 240; value: 1 }
            Keyframe { frame: 242; value: 0 }
        }
    }
}
