// SPDX-License-Identifier: GPL-3.0-or-later
// What an automatic system is. A shop's sliding door: a person walks up, the
// detector above the door senses her, the control unit processes what it
// received and the motor opens the door, then closes it behind her, with no
// one touching anything. A strip of three stages at the bottom lights up as
// each happens: receive the information, process it, act. A street lamp then
// does the same at nightfall: its light sensor notices the dark and the lamp
// comes on by itself.
//
// All the drawing is one stage; the captions come one at a time in a pill at
// the top, above the drawing.

pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Shapes
import QtQuick.Timeline

Item {
    id: root
    width: 721                      // design size: the page's player, in pixels
    height: 441
    property int duration: 30000    // 750 frames at 25 frames a second

    // Driven by the Timeline.
    property real step: 0           // the person's walking phase
    property real night: 0          // 0 day .. 1 night, for the street lamp
    property real wheel: 0          // the door motor's wheel, degrees

    Rectangle { anchors.fill: parent; color: "#f4f7fa" }

    component Pill: Rectangle {
        property alias text: words.text
        property bool captionBox: true
        anchors.horizontalCenter: parent.horizontalCenter
        y: 8
        width: words.implicitWidth + 36
        height: 34
        radius: 17
        color: "#ffffff"
        border.color: "#f0922b"
        border.width: 2
        opacity: 0
        Text {
            id: words
            anchors.centerIn: parent
            anchors.verticalCenterOffset: 1
            font.family: "Noto Kufi Arabic"
            font.bold: true
            font.pixelSize: 16
            color: "#22384f"
        }
    }

    // One of the three stages of the strip at the bottom.
    component Stage: Rectangle {
        property alias text: label.text
        property real lit: 0
        y: 372; width: 190; height: 46; radius: 8
        color: Qt.rgba(0.96 - 0.0 * lit, 0.97 - 0.2 * lit, 0.98 - 0.75 * lit, 1)
        border.color: lit > 0.5 ? "#c98a00" : "#9fb0c2"
        border.width: 2
        Text {
            id: label
            anchors.centerIn: parent
            font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 17; color: "#22384f"
        }
    }

    Item {
        id: stage
        anchors.fill: parent

        Pill { id: cap1; text: "ما هو النظام الآلي؟" }
        Pill { id: cap2; text: "يقترب شخص من باب المتجر" }
        Pill { id: cap3; text: "الملتقط يحسّ بوجوده ويرسل معلومة" }
        Pill { id: cap4; text: "وحدة التحكم تعالج المعلومة وتعطي أمرا" }
        Pill { id: cap5; text: "المحرك يفتح الباب ثم يغلقه دون تدخّل أحد" }
        Pill { id: cap6; text: "عند حلول الظلام يضيء المصباح وحده" }
        Pill { id: cap7; text: "النظام الآلي يعمل وحده دون تدخّل الإنسان" }

        // ---- The shop front with its sliding door -------------------------
        Rectangle { x: 20; y: 330; width: 440; height: 6; color: "#8e9aa6" }        // pavement edge
        Rectangle { x: 20; y: 336; width: 440; height: 18; color: "#cfd6dd" }       // pavement
        Rectangle { x: 170; y: 96; width: 290; height: 234; color: "#e8d9bf"; border.color: "#8a7556"; border.width: 2 }   // wall
        Rectangle { x: 170; y: 80; width: 290; height: 18; color: "#2f6b9a" }       // shop sign strip
        Text { x: 170; y: 78; width: 290; height: 20; horizontalAlignment: Text.AlignHCenter; verticalAlignment: Text.AlignVCenter
               text: "متجر"; font.family: "Noto Kufi Arabic"; font.bold: true; font.pixelSize: 12; color: "#ffffff" }
        // the doorway, dark inside
        Rectangle { x: 226; y: 150; width: 130; height: 180; color: "#5d6b78" }
        Rectangle { x: 226; y: 150; width: 130; height: 180; color: "#f6e7b4"; opacity: 0.25 }
        // the two glass leaves
        Rectangle { id: leafL; x: 226; y: 150; width: 65; height: 180; color: "#bfe0f5"; border.color: "#3d5566"; border.width: 2; opacity: 0.92 }
        Rectangle { id: leafR; x: 291; y: 150; width: 65; height: 180; color: "#bfe0f5"; border.color: "#3d5566"; border.width: 2; opacity: 0.92 }
        // the wall in front of the opened leaves (the leaves slide behind it)
        Rectangle { x: 172; y: 150; width: 54; height: 178; color: "#e8d9bf" }
        Rectangle { x: 356; y: 150; width: 102; height: 178; color: "#e8d9bf" }
        // the header above the door, holding the motor
        Rectangle { x: 214; y: 130; width: 154; height: 20; color: "#6d7883"; border.color: "#3d454e"; border.width: 1 }
        Item {
            // the motor: its body, its shaft and the pulley that drives the door's belt
            x: 214; y: 124; width: 44; height: 26
            Rectangle { x: 0; y: 3; width: 30; height: 23; radius: 4; color: "#2f6b33"; border.color: "#1d4420"; border.width: 1.2 }
            Rectangle { x: 4; y: 6; width: 22; height: 3; color: "#4f8f53" }
            Rectangle { x: 4; y: 19; width: 22; height: 3; color: "#4f8f53" }
            Rectangle { x: 30; y: 12; width: 4; height: 4; color: "#8e9aa6" }
            Item {
                x: 31; y: 7; width: 14; height: 14
                rotation: root.wheel
                Rectangle { anchors.fill: parent; radius: 7; color: "#c9e6cc"; border.color: "#1d4420"; border.width: 1 }
                Rectangle { x: 6; y: 1; width: 2; height: 12; color: "#1d4420" }
            }
        }
        Text { x: 172; y: 130; width: 40; horizontalAlignment: Text.AlignRight; text: "المحرك"
               font.family: "Noto Sans Arabic"; font.bold: true; font.pixelSize: 11; color: "#22384f" }
        // the detector above the header, with its waves
        Rectangle { x: 278; y: 114; width: 26; height: 14; radius: 3; color: "#f4f4f4"; border.color: "#22282e"; border.width: 1.2 }
        Rectangle { x: 287; y: 122; width: 8; height: 5; radius: 2; color: "#c62828" }
        Text { x: 230; y: 110; text: "الملتقط"; font.family: "Noto Sans Arabic"; font.bold: true; font.pixelSize: 12; color: "#22384f" }
        // the zone it watches: a beam from the detector down to the pavement
        // before the door, where the person who comes is
        Shape {
            id: waves
            opacity: 0
            ShapePath {
                strokeColor: "#e0392b"; strokeWidth: 1.5
                strokeStyle: ShapePath.DashLine; dashPattern: [3, 3]
                fillColor: "#33e0392b"
                startX: 291; startY: 128
                PathLine { x: 120; y: 330 }
                PathLine { x: 240; y: 330 }
                PathLine { x: 291; y: 128 }
            }
        }
        // the control unit on the wall, with its lamp
        Rectangle { x: 388; y: 170; width: 56; height: 64; radius: 4; color: "#4d5660"; border.color: "#22282e"; border.width: 1.5 }
        Rectangle { x: 396; y: 180; width: 40; height: 16; color: "#9fd1a8" }
        Rectangle { id: led; x: 410; y: 210; width: 12; height: 12; radius: 6; color: "#f5c400"; opacity: 0.2 }
        Text { x: 372; y: 236; width: 88; horizontalAlignment: Text.AlignHCenter; text: "وحدة التحكم"
               font.family: "Noto Sans Arabic"; font.pixelSize: 13; color: "#22384f" }
        // the wires: detector to control unit, control unit to motor
        Rectangle { id: wireIn; x: 304; y: 120; width: 112; height: 3; color: "#e0392b"; opacity: 0.25 }
        Rectangle { x: 413; y: 120; width: 3; height: 50; color: "#e0392b"; opacity: wireIn.opacity }
        Rectangle { id: wireOut; x: 258; y: 139; width: 143; height: 3; color: "#1565c0"; opacity: 0 }
        Rectangle { x: 398; y: 139; width: 3; height: 31; color: "#1565c0"; opacity: wireOut.opacity }

        // the person walking in from the left
        Item {
            id: person
            x: 40; y: 236; width: 40; height: 96
            Rectangle { x: 12; y: 0; width: 18; height: 18; radius: 9; color: "#e3ac76"; border.color: "#7a4a1f"; border.width: 1 }
            Rectangle { x: 10; y: 1; width: 22; height: 8; radius: 4; color: "#5b3a1f" }
            Rectangle { x: 8; y: 19; width: 26; height: 38; radius: 6; color: "#2f86cf"; border.color: "#17375a"; border.width: 1 }
            Rectangle { x: 12; y: 54; width: 7; height: 40; radius: 3; color: "#22384f"; transformOrigin: Item.Top; rotation: 18 * Math.sin(root.step) }
            Rectangle { x: 22; y: 54; width: 7; height: 40; radius: 3; color: "#22384f"; transformOrigin: Item.Top; rotation: -18 * Math.sin(root.step) }
            Rectangle { x: 18; y: 22; width: 6; height: 32; radius: 3; color: "#2f86cf"; transformOrigin: Item.Top; rotation: -20 * Math.sin(root.step) }
        }

        // ---- The street lamp at nightfall ----------------------------------
        Rectangle { x: 480; y: 60; width: 225; height: 294; radius: 6; color: Qt.rgba(0.85 - 0.7 * root.night, 0.93 - 0.73 * root.night, 0.99 - 0.62 * root.night, 1); border.color: "#9fb0c2"; border.width: 1 }
        Rectangle { x: 640; y: 86; width: 28; height: 28; radius: 14; color: "#f5c400"; opacity: 1 - root.night }   // the sun
        Rectangle { x: 600; y: 80; width: 24; height: 24; radius: 12; color: "#eef2f6"; opacity: root.night }      // the moon
        Rectangle { x: 608; y: 76; width: 20; height: 20; radius: 10; color: Qt.rgba(0.15, 0.20, 0.37, 1); opacity: root.night }
        Rectangle { x: 481; y: 320; width: 223; height: 33; color: "#8e9aa6" }
        // the lamp's light: a cone from the lamp down to the street, behind the pole
        Shape {
            id: glow
            opacity: 0
            ShapePath {
                strokeColor: "transparent"
                fillGradient: LinearGradient {
                    x1: 0; y1: 146; x2: 0; y2: 320
                    GradientStop { position: 0; color: "#e6fff3a6" }
                    GradientStop { position: 1; color: "#59fff3a6" }
                }
                startX: 541; startY: 146
                PathLine { x: 561; y: 146 }
                PathLine { x: 615; y: 320 }
                PathLine { x: 487; y: 320 }
                PathLine { x: 541; y: 146 }
            }
        }
        Rectangle { x: 570; y: 130; width: 8; height: 190; color: "#4d5660" }
        Rectangle { x: 542; y: 126; width: 40; height: 8; radius: 3; color: "#4d5660" }
        Rectangle { id: bulb; x: 538; y: 134; width: 26; height: 12; radius: 5; color: "#fff8d0"; border.color: "#4d5660"; border.width: 2 }
        Rectangle { x: 578; y: 180; width: 18; height: 12; radius: 3; color: "#f4f4f4"; border.color: "#22282e"; border.width: 1 }
        Rectangle { x: 583; y: 176; width: 8; height: 5; radius: 2; color: "#2f86cf" }
        Text { x: 600; y: 176; text: "ملتقط الضوء"; font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 16
               color: root.night > 0.5 ? "#ffffff" : "#22384f" }
        Text { x: 490; y: 326; text: "مصباح الشارع"; font.family: "Noto Sans Arabic"; font.bold: true; font.pixelSize: 12; color: "#ffffff" }

        // ---- The three stages ----------------------------------------------
        Stage { id: s1; x: 510; text: "يتلقّى معلومة" }
        Stage { id: s2; x: 266; text: "يعالجها" }
        Stage { id: s3; x: 22; text: "ينفّذ عملا" }
        Text { x: 476; y: 382; text: "←"; font.family: "DejaVu Sans"; font.bold: true; font.pixelSize: 24; color: "#22384f" }
        Text { x: 232; y: 382; text: "←"; font.family: "DejaVu Sans"; font.bold: true; font.pixelSize: 24; color: "#22384f" }
    }

    Timeline {
        startFrame: 0
        endFrame: 750

        // captions, one at a time
        KeyframeGroup { target: cap1; property: "opacity"
            Keyframe { frame: 0; value: 0 } Keyframe { frame: 12; value: 1 } Keyframe { frame: 95; value: 1 } Keyframe { frame: 105; value: 0 } }
        KeyframeGroup { target: cap2; property: "opacity"
            Keyframe { frame: 106; value: 0 } Keyframe { frame: 116; value: 1 } Keyframe { frame: 195; value: 1 } Keyframe { frame: 205; value: 0 } }
        KeyframeGroup { target: cap3; property: "opacity"
            Keyframe { frame: 206; value: 0 } Keyframe { frame: 216; value: 1 } Keyframe { frame: 285; value: 1 } Keyframe { frame: 295; value: 0 } }
        KeyframeGroup { target: cap4; property: "opacity"
            Keyframe { frame: 296; value: 0 } Keyframe { frame: 306; value: 1 } Keyframe { frame: 375; value: 1 } Keyframe { frame: 385; value: 0 } }
        KeyframeGroup { target: cap5; property: "opacity"
            Keyframe { frame: 386; value: 0 } Keyframe { frame: 396; value: 1 } Keyframe { frame: 500; value: 1 } Keyframe { frame: 510; value: 0 } }
        KeyframeGroup { target: cap6; property: "opacity"
            Keyframe { frame: 511; value: 0 } Keyframe { frame: 521; value: 1 } Keyframe { frame: 625; value: 1 } Keyframe { frame: 635; value: 0 } }
        KeyframeGroup { target: cap7; property: "opacity"
            Keyframe { frame: 636; value: 0 } Keyframe { frame: 646; value: 1 } Keyframe { frame: 730; value: 1 } Keyframe { frame: 740; value: 0 } }

        // the person walks up to the door, waits while it opens, goes in
        KeyframeGroup { target: person; property: "x"
            Keyframe { frame: 110; value: 40 } Keyframe { frame: 215; value: 150 }
            Keyframe { frame: 360; value: 150 } Keyframe { frame: 420; value: 270 } Keyframe { frame: 750; value: 270 } }
        KeyframeGroup { target: person; property: "opacity"
            Keyframe { frame: 0; value: 0 } Keyframe { frame: 108; value: 0 } Keyframe { frame: 118; value: 1 }
            Keyframe { frame: 410; value: 1 } Keyframe { frame: 430; value: 0 } }
        KeyframeGroup { target: root; property: "step"
            Keyframe { frame: 110; value: 0 } Keyframe { frame: 215; value: 6 * Math.PI }
            Keyframe { frame: 360; value: 6 * Math.PI } Keyframe { frame: 420; value: 10 * Math.PI } }

        // the detector senses her
        KeyframeGroup { target: waves; property: "opacity"
            Keyframe { frame: 215; value: 0 } Keyframe { frame: 225; value: 1 } Keyframe { frame: 245; value: 0.3 }
            Keyframe { frame: 260; value: 1 } Keyframe { frame: 280; value: 0.3 } Keyframe { frame: 292; value: 0 } }
        KeyframeGroup { target: wireIn; property: "opacity"
            Keyframe { frame: 250; value: 0.25 } Keyframe { frame: 265; value: 1 } Keyframe { frame: 330; value: 1 } Keyframe { frame: 345; value: 0.25 } }
        KeyframeGroup { target: s1; property: "lit"
            Keyframe { frame: 220; value: 0 } Keyframe { frame: 235; value: 1 } Keyframe { frame: 300; value: 1 } Keyframe { frame: 315; value: 0 } }

        // the control unit processes
        KeyframeGroup { target: led; property: "opacity"
            Keyframe { frame: 300; value: 0.2 } Keyframe { frame: 310; value: 1 } Keyframe { frame: 320; value: 0.2 }
            Keyframe { frame: 330; value: 1 } Keyframe { frame: 340; value: 0.2 } Keyframe { frame: 350; value: 1 }
            Keyframe { frame: 380; value: 1 } Keyframe { frame: 390; value: 0.2 } }
        KeyframeGroup { target: s2; property: "lit"
            Keyframe { frame: 300; value: 0 } Keyframe { frame: 315; value: 1 } Keyframe { frame: 380; value: 1 } Keyframe { frame: 395; value: 0 } }
        KeyframeGroup { target: wireOut; property: "opacity"
            Keyframe { frame: 360; value: 0 } Keyframe { frame: 370; value: 1 } Keyframe { frame: 480; value: 1 } Keyframe { frame: 490; value: 0 } }

        // the motor opens the door, holds it, closes it behind her
        KeyframeGroup { target: s3; property: "lit"
            Keyframe { frame: 380; value: 0 } Keyframe { frame: 395; value: 1 } Keyframe { frame: 495; value: 1 } Keyframe { frame: 510; value: 0 } }
        KeyframeGroup { target: root; property: "wheel"
            Keyframe { frame: 370; value: 0 } Keyframe { frame: 410; value: 720 } Keyframe { frame: 440; value: 720 } Keyframe { frame: 480; value: 0 } }
        KeyframeGroup { target: leafL; property: "x"
            Keyframe { frame: 370; value: 226 } Keyframe { frame: 405; value: 168; easing.type: Easing.InOutQuad }
            Keyframe { frame: 440; value: 168 } Keyframe { frame: 480; value: 226; easing.type: Easing.InOutQuad } }
        KeyframeGroup { target: leafR; property: "x"
            Keyframe { frame: 370; value: 291 } Keyframe { frame: 405; value: 349; easing.type: Easing.InOutQuad }
            Keyframe { frame: 440; value: 349 } Keyframe { frame: 480; value: 291; easing.type: Easing.InOutQuad } }

        // nightfall: the sensor notices the dark, the lamp comes on, then day returns
        KeyframeGroup { target: root; property: "night"
            Keyframe { frame: 510; value: 0 } Keyframe { frame: 570; value: 1 } Keyframe { frame: 690; value: 1 } Keyframe { frame: 740; value: 0 } }
        KeyframeGroup { target: glow; property: "opacity"
            Keyframe { frame: 575; value: 0 } Keyframe { frame: 590; value: 0.85 } Keyframe { frame: 690; value: 0.85 } Keyframe { frame: 705; value: 0 } }
        KeyframeGroup { target: bulb; property: "color"
            Keyframe { frame: 575; value: "#fff8d0" } Keyframe { frame: 590; value: "#ffd400" } Keyframe { frame: 690; value: "#ffd400" } Keyframe { frame: 705; value: "#fff8d0" } }
    }
}
