// SPDX-License-Identifier: GPL-3.0-or-later
// A tour of a house's alarm system. A cut-away two-storey house; one part
// after another is highlighted and named: the four detectors, the control
// unit that receives their information, the alarm sirens inside and outside, and
// the telephone transmitter that calls the owner's phone.
//
// Repeating motion (pulsing rings, blinking lights, smoke, sound waves,
// travelling signals, strides) is computed from phase properties that the
// Timeline drives, so each frame is fixed by the frame number alone.

pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Shapes
import QtQuick.Timeline

Item {
    id: root
    width: 729                      // design size: the page's player, in pixels
    height: 425
    property int duration: 39280    // 982 frames at 25 frames a second

    // Phases and amounts driven by the Timeline.
    property real beat: 0           // pulses, blinks and waves: one beat = 0.4 s
    property real sway: 0           // the clouds' slow drift, one cycle a loop
    property real titleT: 0         // 0 opening card shown .. 1 faded out
    property real walk: 0           // the intruder's strides
    property real sensing: 0        // the motion detector's zone
    property real smoke: 0          // smoke from the candle
    property real flood: 0          // water on the kitchen floor, 0 .. 1
    property real links: 0          // detectors' signals to the control unit
    property real sirenIn: 0        // indoor siren sounding
    property real sirenOut: 0       // outdoor siren sounding
    property real wire: 0           // control unit to transmitter
    property real call: 0           // transmitter calling the phone
    property real phoneUp: 0        // the owner's phone shown

    readonly property real pulse: Math.sin(beat * 2 * Math.PI)
    function fract(v) { return v - Math.floor(v) }
    function blinkOn(amount) { return amount * (pulse > 0 ? 1 : 0.15) }

    // ------------------------------------------------------------------
    // Reusable parts

    // A named part: a pulsing ring on the device, a dashed leader and a
    // card at the side with the part's name and what it does.
    component Callout: Item {
        id: co
        property real show: 0
        property real tx: 0                 // the device
        property real ty: 0
        property real cardX: 0
        property real cardY: 0
        property bool rightSide: false        // card right of the house
        property string name
        property string note
        property color accent: "#3a7fc4"
        property real beat: 0
        property real ringR: 15             // the ring's radius, to fit the device
        readonly property real slide: (1 - show) * 22 * (rightSide ? 1 : -1)
        anchors.fill: parent
        opacity: show
        visible: show > 0

        // The leader slides in with its card: the whole line is moved, not
        // its path changed, so sliding costs no new path (a path changed
        // between two frames has the scene drawn twice).
        Shape {
            x: co.slide
            width: parent.width
            height: parent.height
            ShapePath {
                strokeColor: co.accent
                strokeWidth: 2
                fillColor: "transparent"
                strokeStyle: ShapePath.DashLine
                dashPattern: [3, 2]
                startX: co.rightSide ? co.cardX : co.cardX + card.width
                startY: co.cardY + 14
                PathLine { x: co.tx; y: co.ty }
            }
        }
        Item {
            x: co.tx; y: co.ty
            readonly property real r: co.ringR + 2.5 * Math.sin(co.beat * 2 * Math.PI)
            Rectangle {
                x: -parent.r; y: -parent.r; width: 2 * parent.r; height: width; radius: parent.r
                color: co.accent; opacity: 0.16
            }
            Rectangle {
                x: -parent.r; y: -parent.r; width: 2 * parent.r; height: width; radius: parent.r
                color: "transparent"; border.color: co.accent; border.width: 2.5
            }
        }
        Rectangle {
            id: card
            x: co.cardX + co.slide; y: co.cardY
            width: 150; height: 84; radius: 9
            color: "#ffffff"
            border.color: co.accent; border.width: 2
            Rectangle {                     // header strip with the name
                x: 0; y: 0; width: parent.width; height: 30; radius: 9
                color: co.accent
                Rectangle { x: 0; y: 20; width: parent.width; height: 10; color: co.accent }
                Text {
                    anchors.fill: parent
                    anchors.leftMargin: 6; anchors.rightMargin: 8
                    horizontalAlignment: Text.AlignRight
                    verticalAlignment: Text.AlignVCenter
                    text: co.name
                    font.family: "Noto Kufi Arabic"
                    font.bold: true
                    font.pixelSize: 14
                    fontSizeMode: Text.HorizontalFit
                    minimumPixelSize: 11
                    color: "#ffffff"
                }
            }
            Text {
                x: 7; y: 31; width: parent.width - 14; height: 51
                horizontalAlignment: Text.AlignRight
                verticalAlignment: Text.AlignVCenter
                wrapMode: Text.WordWrap
                lineHeight: 0.8
                text: co.note
                font.family: "Noto Naskh Arabic"
                font.bold: true
                font.pixelSize: 15
                color: "#22384f"
            }
        }
    }

    // A pair of sound arcs, left and right of a source; k runs 0..1 as the
    // wave travels outwards and fades.
    // Drawn as a ring cut by a band around its centre, which leaves the parts
    // of the ring within `half` degrees of the horizontal: a growing ring is
    // only resized, where a changed arc path would have the scene drawn twice.
    component WaveArcs: Item {
        id: arcs
        property real k: 0
        property real amount: 0
        property real cx: 0
        property real cy: 0
        property real r0: 14
        property real span: 30
        property real half: 40
        property color tint: "#e0463c"
        readonly property real stroke: 3
        readonly property real r: r0 + k * span
        readonly property real band: r * Math.sin(half * Math.PI / 180)
        x: cx - r - stroke
        y: cy - band
        width: 2 * (r + stroke)
        height: 2 * band
        clip: true
        opacity: amount * (1 - k) * Math.min(1, k * 6)
        visible: amount > 0
        Rectangle {
            x: arcs.stroke / 2
            y: arcs.band - arcs.r - arcs.stroke / 2
            width: 2 * arcs.r + arcs.stroke
            height: width
            radius: width / 2
            color: "transparent"
            border.color: arcs.tint
            border.width: arcs.stroke
        }
    }

    // Three waves spreading from one source.
    component Waves: Item {
        id: wv
        property real phase: 0
        property real amount: 0
        property real cx: 0
        property real cy: 0
        property real r0: 14
        property real span: 30
        property real half: 40
        property color tint: "#e0463c"
        anchors.fill: parent
        WaveArcs { k: (wv.phase) % 1; amount: wv.amount; cx: wv.cx; cy: wv.cy; r0: wv.r0; span: wv.span; half: wv.half; tint: wv.tint }
        WaveArcs { k: (wv.phase + 1 / 3) % 1; amount: wv.amount; cx: wv.cx; cy: wv.cy; r0: wv.r0; span: wv.span; half: wv.half; tint: wv.tint }
        WaveArcs { k: (wv.phase + 2 / 3) % 1; amount: wv.amount; cx: wv.cx; cy: wv.cy; r0: wv.r0; span: wv.span; half: wv.half; tint: wv.tint }
    }

    component Cloud: Item {
        Rectangle { x: 0; y: 12; width: 62; height: 20; radius: 10; color: "#ffffff" }
        Rectangle { x: 12; y: 2; width: 24; height: 24; radius: 12; color: "#ffffff" }
        Rectangle { x: 28; y: -4; width: 26; height: 26; radius: 13; color: "#ffffff" }
    }

    // ------------------------------------------------------------------
    // Sky, ground and garden

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0; color: "#cfe6f7" }
            GradientStop { position: 1; color: "#f3f9fd" }
        }
    }
    Rectangle { x: 34; y: 58; width: 36; height: 36; radius: 18; color: "#ffd54a" }     // sun
    Rectangle { x: 28; y: 52; width: 48; height: 48; radius: 24; color: "#ffd54a"; opacity: 0.25 }
    Cloud { x: 96 + 8 * Math.sin(root.sway * 2 * Math.PI); y: 70; opacity: 0.9 }
    Cloud { x: 600 - 8 * Math.sin(root.sway * 2 * Math.PI); y: 200; opacity: 0.8; scale: 0.8 }

    Rectangle {                                   // grass
        x: 0; y: 396; width: 729; height: 29
        gradient: Gradient {
            GradientStop { position: 0; color: "#9ccf76" }
            GradientStop { position: 1; color: "#7fb95a" }
        }
    }
    // tree at the right
    Rectangle { x: 651; y: 340; width: 10; height: 58; radius: 3; color: "#8a5a2e" }
    Rectangle { x: 626; y: 290; width: 60; height: 62; radius: 30; color: "#6fae4f" }
    Rectangle { x: 640; y: 276; width: 40; height: 40; radius: 20; color: "#7dbd5b" }
    // bush at the left
    Rectangle { x: 96; y: 372; width: 44; height: 28; radius: 14; color: "#6fae4f" }
    Rectangle { x: 120; y: 366; width: 30; height: 30; radius: 15; color: "#7dbd5b" }

    // ------------------------------------------------------------------
    // The house, cut away

    Rectangle { x: 468; y: 68; width: 22; height: 50; color: "#b5493a" }                 // chimney
    Rectangle { x: 464; y: 64; width: 30; height: 8; radius: 2; color: "#9c3d30" }

    Shape {                                       // roof and gable
        anchors.fill: parent
        ShapePath {
            strokeColor: "#9c3d30"; strokeWidth: 1.5
            fillColor: "#c6523b"
            joinStyle: ShapePath.RoundJoin
            startX: 158; startY: 140
            PathLine { x: 365; y: 50 }
            PathLine { x: 572; y: 140 }
            PathLine { x: 158; y: 140 }
        }
        ShapePath {
            strokeColor: "transparent"
            fillColor: "#f2c76e"
            startX: 194; startY: 134
            PathLine { x: 365; y: 70 }
            PathLine { x: 536; y: 134 }
            PathLine { x: 194; y: 134 }
        }
    }
    Rectangle { x: 178; y: 132; width: 374; height: 10; color: "#c98d3a" }              // ceiling slab

    // rooms
    Rectangle { x: 188; y: 142; width: 172; height: 110; color: "#fff3d4" }             // bedroom
    Rectangle { x: 370; y: 142; width: 172; height: 110; color: "#ffe9b8" }             // living room
    Rectangle { x: 188; y: 262; width: 172; height: 134; color: "#ffe9b8" }             // hall
    Rectangle { x: 370; y: 262; width: 172; height: 134; color: "#fff3d4" }             // kitchen
    // floors
    Rectangle { x: 188; y: 246; width: 172; height: 6; color: "#e2b774" }
    Rectangle { x: 370; y: 246; width: 172; height: 6; color: "#e2b774" }
    Rectangle { x: 188; y: 390; width: 172; height: 6; color: "#e2b774" }
    Rectangle { x: 370; y: 390; width: 172; height: 6; color: "#d6dde3" }
    // walls and slabs
    Rectangle { x: 178; y: 252; width: 374; height: 10; color: "#c98d3a" }
    Rectangle { x: 178; y: 138; width: 10; height: 258; color: "#e3a13c" }
    Rectangle { x: 542; y: 138; width: 10; height: 258; color: "#e3a13c" }
    Rectangle { x: 360; y: 142; width: 10; height: 110; color: "#e3a13c" }
    Rectangle { x: 360; y: 262; width: 10; height: 134; color: "#e3a13c" }
    Rectangle { x: 170; y: 396; width: 390; height: 8; radius: 2; color: "#b07a3a" }     // foundation

    // Bedroom: bed, window, bedside table with a candle.
    Item {
        x: 188; y: 142
        Rectangle { x: 112; y: 16; width: 46; height: 42; radius: 3; color: "#9fd0f0"; border.color: "#c98d3a"; border.width: 3 }
        Rectangle { x: 133.5; y: 16; width: 3; height: 42; color: "#c98d3a" }
        Rectangle { x: 10; y: 66; width: 8; height: 40; radius: 2; color: "#a0652e" }          // headboard
        Rectangle { x: 14; y: 86; width: 86; height: 12; radius: 3; color: "#ffffff" }        // mattress
        Rectangle { x: 18; y: 80; width: 22; height: 9; radius: 4; color: "#ffffff"; border.color: "#d7dee6"; border.width: 1 }   // pillow
        Rectangle { x: 38; y: 82; width: 64; height: 16; radius: 4; color: "#5d9bd5" }        // blanket
        Rectangle { x: 16; y: 98; width: 86; height: 6; color: "#a0652e" }
        Rectangle { x: 112; y: 84; width: 26; height: 20; radius: 2; color: "#b97a3c" }       // bedside table
        Rectangle { x: 116; y: 92; width: 18; height: 2; color: "#8f5a28" }
        Rectangle { x: 122; y: 72; width: 6; height: 12; radius: 1; color: "#fffaf0"; border.color: "#e1d6c2"; border.width: 1 }   // candle
        Rectangle {                                                                          // its flame
            x: 122.5; y: 63; width: 5; height: 9; radius: 2.5; color: "#ff9f1c"
            scale: 1 + 0.12 * root.pulse
        }
    }

    // Living room: picture, lamp and sofa.
    Item {
        x: 370; y: 142
        Rectangle { x: 22; y: 22; width: 40; height: 30; radius: 2; color: "#ffffff"; border.color: "#a0652e"; border.width: 3 }
        Shape {
            x: 25; y: 25
            ShapePath {
                strokeColor: "transparent"; fillColor: "#7dbd5b"
                startX: 0; startY: 24
                PathLine { x: 12; y: 10 }
                PathLine { x: 22; y: 18 }
                PathLine { x: 34; y: 6 }
                PathLine { x: 34; y: 24 }
            }
        }
        Rectangle { x: 52; y: 28; width: 6; height: 6; radius: 3; color: "#ffd54a" }
        Rectangle { x: 150; y: 54; width: 3; height: 50; color: "#6b7b8c" }                  // lamp
        Rectangle { x: 142; y: 44; width: 20; height: 14; radius: 3; color: "#f6b756" }
        Rectangle { x: 144; y: 102; width: 16; height: 3; radius: 1; color: "#6b7b8c" }
        Rectangle { x: 70; y: 76; width: 72; height: 20; radius: 6; color: "#e07a3c" }       // sofa back
        Rectangle { x: 64; y: 86; width: 84; height: 16; radius: 5; color: "#f08c4a" }       // seat
        Rectangle { x: 62; y: 80; width: 10; height: 24; radius: 4; color: "#d66f33" }       // arms
        Rectangle { x: 140; y: 80; width: 10; height: 24; radius: 4; color: "#d66f33" }
    }

    // Hall: the front door, a coat hook and a plant.
    Rectangle { x: 200; y: 312; width: 52; height: 80; radius: 2; color: "#8a5a2e" }     // frame
    Rectangle { x: 204; y: 316; width: 44; height: 76; color: "#4b3a2a" }               // opening
    Rectangle {
        id: frontDoor
        x: 204; y: 316; width: 44; height: 76
        color: "#b7773b"
        border.color: "#95602d"; border.width: 1.5
        transform: Scale { id: doorHinge; origin.x: 0; xScale: 1 }
        Rectangle { x: 10; y: 8; width: 24; height: 18; radius: 2; color: "#bfe3f7"; border.color: "#95602d"; border.width: 1.5 }
        Rectangle { x: 8; y: 34; width: 28; height: 32; radius: 2; color: "transparent"; border.color: "#95602d"; border.width: 1.5 }
        Rectangle { x: 36; y: 40; width: 5; height: 5; radius: 2.5; color: "#e8c35a" }
        // the magnet half of the opening detector travels with the door
        Rectangle { x: 34; y: 1; width: 8; height: 5; radius: 1; color: "#ffffff"; border.color: "#8f9cab"; border.width: 1 }
    }
    Rectangle { x: 238; y: 309; width: 9; height: 6; radius: 1; color: "#ffffff"; border.color: "#8f9cab"; border.width: 1 }   // the detector on the frame
    Rectangle { x: 239.5; y: 310.5; width: 2.5; height: 2.5; radius: 1.25; color: "#e0463c"; opacity: root.blinkOn(doorHinge.xScale < 0.95 ? 1 : 0) }
    Rectangle { x: 262; y: 330; width: 22; height: 3; radius: 1.5; color: "#8a5a2e" }   // coat hook
    Rectangle { x: 266; y: 333; width: 14; height: 24; radius: 6; color: "#5d9bd5" }
    Rectangle { x: 338; y: 376; width: 16; height: 16; radius: 3; color: "#c0643c" }    // plant
    Rectangle { x: 334; y: 356; width: 12; height: 22; radius: 6; color: "#6fae4f"; rotation: -20 }
    Rectangle { x: 344; y: 352; width: 12; height: 26; radius: 6; color: "#7dbd5b"; rotation: 15 }

    // Kitchen: wall cupboards, tiles, counter with sink, washing machine.
    Item {
        x: 370; y: 262
        Repeater {
            model: 4
            Rectangle { required property int index; x: 8; y: 48 + index * 10; width: 80; height: 1; color: "#e6d3a8" }
        }
        Rectangle { x: 10; y: 12; width: 78; height: 30; radius: 3; color: "#8fbcd9"; border.color: "#6f9fc0"; border.width: 1.5 }
        Rectangle { x: 48; y: 14; width: 1.5; height: 26; color: "#6f9fc0" }
        Rectangle { x: 40; y: 24; width: 2; height: 8; radius: 1; color: "#ffffff" }
        Rectangle { x: 56; y: 24; width: 2; height: 8; radius: 1; color: "#ffffff" }
        Rectangle { x: 6; y: 88; width: 84; height: 40; radius: 2; color: "#8fbcd9"; border.color: "#6f9fc0"; border.width: 1.5 }   // counter
        Rectangle { x: 4; y: 84; width: 88; height: 6; radius: 2; color: "#dfe5ea" }
        Rectangle { x: 48; y: 92; width: 1.5; height: 34; color: "#6f9fc0" }
        Rectangle { x: 56; y: 84; width: 26; height: 4; radius: 1; color: "#aab6c2" }          // sink
        Rectangle { x: 66; y: 70; width: 3; height: 14; color: "#9aa7b4" }                      // tap
        Rectangle { x: 66; y: 70; width: 10; height: 3; radius: 1.5; color: "#9aa7b4" }
        // washing machine
        Rectangle { x: 108; y: 82; width: 54; height: 46; radius: 4; color: "#ffffff"; border.color: "#b7c2cd"; border.width: 1.5 }
        Rectangle { x: 108; y: 82; width: 54; height: 9; radius: 4; color: "#e8edf2" }
        Rectangle { x: 150; y: 85; width: 6; height: 3; radius: 1; color: "#7bbf6a" }
        Rectangle { x: 121; y: 94; width: 28; height: 28; radius: 14; color: "#c9d6e2"; border.color: "#8f9cab"; border.width: 2 }
        Rectangle { x: 127; y: 100; width: 16; height: 16; radius: 8; color: "#6ea8dc"; opacity: 0.8 }
    }

    // Water leaking from the washing machine.
    Rectangle {
        id: puddle
        readonly property real w: 8 + 74 * root.flood
        x: 508 - w; y: 388; width: w; height: 7; radius: 3.5
        color: "#5aa9e6"; opacity: Math.min(1, root.flood * 3) * 0.85
    }
    Rectangle {                                   // drips
        x: 480; y: 376 + 12 * root.fract(root.beat); width: 3; height: 5; radius: 1.5
        color: "#5aa9e6"; opacity: root.flood > 0 && root.flood < 1 ? 0.9 : 0
    }

    // ------------------------------------------------------------------
    // The alarm devices

    // Motion detector in the living room's corner, and the zone it watches.
    Shape {
        anchors.fill: parent
        opacity: root.sensing * (0.75 + 0.25 * root.pulse)
        visible: root.sensing > 0
        ShapePath {
            strokeColor: "transparent"
            fillGradient: LinearGradient {
                x1: 535; y1: 150; x2: 420; y2: 250
                GradientStop { position: 0; color: "#663a7fc4" }
                GradientStop { position: 1; color: "#0a3a7fc4" }
            }
            startX: 533; startY: 150
            PathLine { x: 380; y: 246 }
            PathLine { x: 520; y: 246 }
            PathLine { x: 533; y: 150 }
        }
    }
    Item {
        x: 523; y: 143
        Rectangle { x: 0; y: 0; width: 18; height: 11; radius: 3; color: "#ffffff"; border.color: "#8f9cab"; border.width: 1 }
        Rectangle { x: 3; y: 7; width: 10; height: 8; radius: 4; color: "#f4f7fa"; border.color: "#8f9cab"; border.width: 1 }
        Rectangle { x: 13; y: 3; width: 3; height: 3; radius: 1.5; color: "#e0463c"; opacity: root.blinkOn(root.sensing) }
    }

    // Smoke detector on the bedroom ceiling.
    Item {
        x: 262; y: 142
        Rectangle { x: -12; y: 0; width: 24; height: 6; radius: 2; color: "#ffffff"; border.color: "#8f9cab"; border.width: 1 }
        Rectangle { x: -8; y: 4; width: 16; height: 4; radius: 2; color: "#eef2f6"; border.color: "#8f9cab"; border.width: 1 }
        Rectangle { x: 6; y: 1.5; width: 3; height: 3; radius: 1.5; color: "#e0463c"; opacity: root.blinkOn(root.smoke) }
    }
    Repeater {                                    // smoke rising from the candle
        model: 5
        Rectangle {
            required property int index
            readonly property real p: root.fract(root.beat / 3 + index / 5)
            readonly property real d: 7 + 20 * p
            x: 313 + (262 - 313) * p - d / 2 + 4 * Math.sin(p * 7)
            y: 202 + (154 - 202) * p - d / 2
            width: d; height: d; radius: d / 2
            color: "#8d97a3"
            opacity: root.smoke * 0.7 * Math.min(1, p * 5) * (1 - 0.45 * p)
            visible: root.smoke > 0
        }
    }

    // Flood detector on the kitchen floor, beside the washing machine.
    Item {
        x: 458; y: 386
        Rectangle { x: 0; y: 0; width: 14; height: 8; radius: 2; color: "#ffffff"; border.color: "#8f9cab"; border.width: 1 }
        Rectangle { x: 3; y: 8; width: 1.5; height: 2; color: "#8f9cab" }
        Rectangle { x: 9.5; y: 8; width: 1.5; height: 2; color: "#8f9cab" }
        Rectangle { x: 9; y: 2; width: 3; height: 3; radius: 1.5; color: "#e0463c"; opacity: root.blinkOn(root.flood >= 0.8 ? 1 : 0) }
    }

    // Control unit on the hall wall: screen and keypad.
    Item {
        id: controlUnit
        x: 300; y: 300
        Rectangle { x: 0; y: 0; width: 38; height: 48; radius: 4; color: "#ffffff"; border.color: "#8f9cab"; border.width: 1.5 }
        Rectangle {
            x: 5; y: 5; width: 28; height: 12; radius: 2
            color: "#22384f"
            Rectangle { anchors.fill: parent; anchors.margins: 2; radius: 1; color: "#6fe3a0"; opacity: Math.max(root.links, root.wire) * (0.6 + 0.4 * root.pulse) }
        }
        Grid {
            x: 7; y: 21; columns: 3; spacing: 3
            Repeater {
                model: 9
                Rectangle { width: 6; height: 5; radius: 1; color: "#c9d2dc" }
            }
        }
        Rectangle { x: 30; y: 40; width: 4; height: 4; radius: 2; color: "#3cb371" }
    }
    // the cable to the telephone transmitter
    Shape {
        anchors.fill: parent
        ShapePath {
            strokeColor: "#8f9cab"; strokeWidth: 1.5
            fillColor: "transparent"
            startX: 338; startY: 340
            PathLine { x: 380; y: 340 }
            PathLine { x: 380; y: 342 }
            PathLine { x: 514; y: 342 }
            PathLine { x: 514; y: 326 }
        }
    }
    Repeater {                                    // signal running along the cable
        model: 3
        Rectangle {
            required property int index
            readonly property real p: root.fract(root.beat / 2 + index / 3)
            readonly property real len1: 42
            readonly property real len2: 134
            readonly property real len3: 16
            readonly property real s: p * (len1 + len2 + len3)
            x: (s < len1 ? 338 + s : (s < len1 + len2 ? 380 + (s - len1) : 514)) - 3.5
            y: (s < len1 + len2 ? 341 : 342 - (s - len1 - len2)) - 3.5
            width: 7; height: 7; radius: 3.5
            color: "#f0922b"
            opacity: root.wire
            visible: root.wire > 0
        }
    }

    // Telephone transmitter above the washing machine, with its aerial.
    Item {
        x: 499; y: 304
        Rectangle { x: 22; y: -16; width: 2.5; height: 18; color: "#6b7b8c" }
        Rectangle { x: 20.5; y: -19; width: 5.5; height: 5.5; radius: 2.75; color: "#6b7b8c" }
        Rectangle { x: 0; y: 0; width: 30; height: 22; radius: 4; color: "#5f7894"; border.color: "#4a6078"; border.width: 1.5 }
        // a small handset on its face
        Shape {
            x: 6; y: 4
            ShapePath {
                strokeColor: "#ffffff"; strokeWidth: 2.6
                fillColor: "transparent"; capStyle: ShapePath.RoundCap
                startX: 1; startY: 4
                PathQuad { x: 17; y: 4; controlX: 9; controlY: -2 }
            }
            ShapePath {
                strokeColor: "transparent"; fillColor: "#ffffff"
                startX: 0; startY: 3
                PathLine { x: 5; y: 3 }
                PathLine { x: 5; y: 8 }
                PathLine { x: 0; y: 8 }
            }
            ShapePath {
                strokeColor: "transparent"; fillColor: "#ffffff"
                startX: 13; startY: 3
                PathLine { x: 18; y: 3 }
                PathLine { x: 18; y: 8 }
                PathLine { x: 13; y: 8 }
            }
        }
        Rectangle { x: 7; y: 15; width: 16; height: 2; radius: 1; color: "#c9d2dc" }
        Rectangle { x: 24; y: 3; width: 3; height: 3; radius: 1.5; color: "#f0922b"; opacity: root.blinkOn(Math.max(root.wire, root.call)) }
    }

    // Indoor siren on the hall wall.
    Item {
        x: 272; y: 282
        Rectangle { x: -12; y: -12; width: 24; height: 24; radius: 12; color: "#ffffff"; border.color: "#8f9cab"; border.width: 1.5 }
        Rectangle {
            x: -8; y: -8; width: 16; height: 16; radius: 8; color: "#e0463c"
            scale: 1 + 0.08 * root.sirenIn * root.pulse
        }
        Rectangle { x: -3; y: -3; width: 6; height: 6; radius: 3; color: "#ffffff"; opacity: 0.8 }
    }

    // Outdoor siren on the gable.
    Item {
        x: 365; y: 106
        scale: 1 + 0.05 * root.sirenOut * root.pulse
        Rectangle { x: -14; y: -16; width: 28; height: 32; radius: 5; color: "#e0463c"; border.color: "#b9342b"; border.width: 1.5 }
        Rectangle { x: -9; y: -9; width: 18; height: 2.5; radius: 1.2; color: "#ffffff"; opacity: 0.85 }
        Rectangle { x: -9; y: -3; width: 18; height: 2.5; radius: 1.2; color: "#ffffff"; opacity: 0.85 }
        Rectangle { x: -9; y: 3; width: 18; height: 2.5; radius: 1.2; color: "#ffffff"; opacity: 0.85 }
        Rectangle { x: -9; y: 9; width: 18; height: 2.5; radius: 1.2; color: "#ffffff"; opacity: 0.85 }
    }

    // Sound from the sirens.
    Waves { phase: root.beat / 2; amount: root.sirenIn; cx: 272; cy: 282; r0: 15; span: 26 }
    Waves { phase: root.beat / 2; amount: root.sirenOut; cx: 365; cy: 106; r0: 20; span: 40; half: 38 }

    // Detectors' signals reaching the control unit (they send by radio).
    Item {
        anchors.fill: parent
        opacity: root.links
        visible: root.links > 0
        Shape {
            anchors.fill: parent
            ShapePath {
                strokeColor: "#2e9d6a"; strokeWidth: 1.5
                fillColor: "transparent"
                strokeStyle: ShapePath.DashLine
                dashPattern: [2, 3]
                startX: 530; startY: 152
                PathLine { x: 319; y: 318 }
                PathMove { x: 262; y: 148 }
                PathLine { x: 319; y: 318 }
                PathMove { x: 243; y: 312 }
                PathLine { x: 319; y: 318 }
                PathMove { x: 465; y: 390 }
                PathLine { x: 319; y: 318 }
            }
        }
        Repeater {
            model: 12
            Rectangle {
                required property int index
                readonly property var from: [[530, 152], [262, 148], [243, 312], [465, 390]][index % 4]
                readonly property real p: root.fract(root.beat / 2 + Math.floor(index / 4) / 3)
                x: from[0] + (319 - from[0]) * p - 4
                y: from[1] + (318 - from[1]) * p - 4
                width: 8; height: 8; radius: 4
                color: "#2e9d6a"
                border.color: "#ffffff"; border.width: 1.5
            }
        }
    }

    // The intruder in the living room (seen by the motion detector).
    Item {
        id: intruder
        x: 392; y: 248
        opacity: 0
        scale: 0.82
        readonly property real swing: Math.sin(root.walk * 2 * Math.PI) * 20
        Rectangle { x: -14; y: -3; width: 28; height: 6; radius: 3; color: "#000000"; opacity: 0.18 }
        Item {
            y: -Math.abs(Math.sin(root.walk * 2 * Math.PI)) * 2
            Item {
                x: -5; y: -23; width: 7; height: 23
                rotation: -intruder.swing
                transformOrigin: Item.Top
                Rectangle { width: 7; height: 21; radius: 3; color: "#2c3340" }
                Rectangle { x: -1; y: 18; width: 11; height: 5; radius: 2.5; color: "#0e1117" }
            }
            Rectangle {
                x: -27; y: -56; width: 22; height: 26; radius: 10; rotation: -12
                color: "#a8773f"; border.color: "#855a2b"; border.width: 1.2
            }
            Rectangle { x: -10; y: -57; width: 7; height: 4; radius: 2; color: "#6e4a22"; rotation: 30 }
            Rectangle { x: -8; y: -55; width: 5; height: 15; radius: 2.5; color: "#3a4150"; rotation: -35 }
            Rectangle {
                x: -10; y: -45; width: 20; height: 25; radius: 6
                color: "#e8ecf1"; clip: true
                Rectangle { y: 4; width: 20; height: 3.5; color: "#2f3644" }
                Rectangle { y: 11; width: 20; height: 3.5; color: "#2f3644" }
                Rectangle { y: 18; width: 20; height: 3.5; color: "#2f3644" }
            }
            Item {
                x: 0; y: -23; width: 7; height: 23
                rotation: intruder.swing
                transformOrigin: Item.Top
                Rectangle { width: 7; height: 21; radius: 3; color: "#343c4b" }
                Rectangle { x: -1; y: 18; width: 11; height: 5; radius: 2.5; color: "#0e1117" }
            }
            Item {
                x: 1; y: -42; width: 5; height: 17
                rotation: -intruder.swing * 0.9 - 10
                transformOrigin: Item.Top
                Rectangle { width: 5; height: 14; radius: 2.5; color: "#3a4150" }
                Rectangle { x: -0.5; y: 12; width: 6; height: 6; radius: 3; color: "#f0c39c" }
            }
            Rectangle { x: -8; y: -62; width: 18; height: 18; radius: 9; color: "#f0c39c" }
            Rectangle { x: 8; y: -54; width: 4; height: 4; radius: 2; color: "#e2ad85" }
            Rectangle { x: -8.5; y: -57; width: 19; height: 6; radius: 3; color: "#14171d" }
            Rectangle { x: 2.5; y: -55.5; width: 3; height: 3; radius: 1.5; color: "#ffffff" }
            Rectangle { x: 6.5; y: -55.5; width: 3; height: 3; radius: 1.5; color: "#ffffff" }
            Rectangle { x: -8.5; y: -69; width: 19; height: 12; radius: 7; color: "#2b303b" }
            Rectangle { x: -9; y: -61; width: 20; height: 3.5; radius: 1.5; color: "#444c5c" }
        }
    }

    // The owner's phone, called by the transmitter.
    Repeater {                                    // the call travelling to the phone
        model: 4
        Rectangle {
            required property int index
            readonly property real p: root.fract(root.beat / 2 + index / 4)
            readonly property real q: 1 - p
            x: q * q * 524 + 2 * q * p * 600 + p * p * 628 - 4
            y: q * q * 286 + 2 * q * p * 240 + p * p * 180 - 4
            width: 8; height: 8; radius: 4
            color: "#f0922b"
            border.color: "#ffffff"; border.width: 1.5
            opacity: root.call
            visible: root.call > 0
        }
    }
    Waves { phase: root.beat / 2; amount: root.call * root.phoneUp; cx: 630; cy: 118; r0: 28; span: 18; half: 30; tint: "#f0922b" }
    Item {
        id: phone
        x: 630; y: 118
        opacity: root.phoneUp
        scale: 0.4 + 0.6 * root.phoneUp
        visible: root.phoneUp > 0
        rotation: 7 * root.call * root.pulse
        Rectangle { x: -19; y: -36; width: 38; height: 70; radius: 7; color: "#22384f" }
        Rectangle {
            x: -15; y: -29; width: 30; height: 54; radius: 3
            gradient: Gradient {
                GradientStop { position: 0; color: "#4a8fd4" }
                GradientStop { position: 1; color: "#2d6aa8" }
            }
        }
        Rectangle { x: -4; y: 28; width: 8; height: 3; radius: 1.5; color: "#5b7390" }
        // a small house with an alert mark on the screen
        Shape {
            x: -10; y: -18
            ShapePath {
                strokeColor: "transparent"; fillColor: "#ffffff"
                startX: 10; startY: 0
                PathLine { x: 20; y: 9 }
                PathLine { x: 17; y: 9 }
                PathLine { x: 17; y: 20 }
                PathLine { x: 3; y: 20 }
                PathLine { x: 3; y: 9 }
                PathLine { x: 0; y: 9 }
                PathLine { x: 10; y: 0 }
            }
        }
        Rectangle { x: -1.5; y: -8; width: 3; height: 7; radius: 1; color: "#e0463c" }
        Rectangle { x: -1.5; y: 0; width: 3; height: 3; radius: 1.5; color: "#e0463c" }
        Rectangle { x: -11; y: 10; width: 9; height: 9; radius: 4.5; color: "#3cb371" }
        Rectangle { x: 2; y: 10; width: 9; height: 9; radius: 4.5; color: "#e0463c" }
    }
    // ------------------------------------------------------------------
    // The named parts, one after another

    Callout {
        id: calloutMotion
        tx: 531; ty: 150; cardX: 572; cardY: 120; rightSide: true
        accent: "#3a7fc4"; beat: root.beat
        name: "كاشف الحركة"
        note: "يكشف حركة شخص داخل الغرفة"
    }
    Callout {
        id: calloutDoor
        tx: 243; ty: 311; cardX: 6; cardY: 276
        accent: "#3a7fc4"; beat: root.beat
        name: "كاشف فتح الباب"
        note: "يكشف فتح الباب أو النافذة"
    }
    Callout {
        id: calloutSmoke
        tx: 262; ty: 146; cardX: 6; cardY: 112
        accent: "#3a7fc4"; beat: root.beat
        name: "كاشف الدخان"
        note: "يكشف الدخان عند بداية الحريق"
    }
    Callout {
        id: calloutFlood
        tx: 465; ty: 390; cardX: 572; cardY: 186; rightSide: true
        accent: "#3a7fc4"; beat: root.beat
        name: "كاشف تسرب الماء"
        note: "يكشف الماء المتسرب على الأرض"
    }
    Callout {
        id: calloutControl
        tx: 319; ty: 324; cardX: 6; cardY: 318; ringR: 30
        accent: "#2e9d6a"; beat: root.beat
        name: "وحدة التحكم"
        note: "تستقبل معلومات الكواشف وتعالجها"
    }
    Callout {
        id: calloutSirenIn
        tx: 272; ty: 282; cardX: 6; cardY: 190
        accent: "#e0463c"; beat: root.beat
        name: "صفارة إنذار داخلية"
        note: "تطلق صوتًا قويًا داخل المنزل"
    }
    Callout {
        id: calloutSirenOut
        tx: 365; ty: 106; cardX: 572; cardY: 52; rightSide: true; ringR: 24
        accent: "#e0463c"; beat: root.beat
        name: "صفارة إنذار خارجية"
        note: "تنبّه الجيران والمارّة"
    }
    Callout {
        id: calloutPhone
        tx: 514; ty: 315; cardX: 572; cardY: 186; rightSide: true
        accent: "#f0922b"; beat: root.beat
        name: "جهاز الإرسال الهاتفي"
        note: "يتصل بهاتف صاحب المنزل"
    }

    // ------------------------------------------------------------------
    // Opening card over the veiled house; it fades out before the tour and
    // comes back at the end. The page around the player already has its
    // title band, so the scene has none of its own.

    Rectangle {                                   // veil over the house behind the card
        anchors.fill: parent
        color: "#f3f7fb"
        opacity: 0.6 * (1 - root.titleT)
        visible: opacity > 0
    }
    Rectangle {
        id: titleCard
        x: 364 - width / 2; y: 212 - height / 2
        width: 430; height: 96; radius: 16
        color: "#22384f"
        border.color: "#f0922b"; border.width: 3
        opacity: 1 - root.titleT
        scale: 1 - 0.08 * root.titleT
        visible: opacity > 0
        Text {
            anchors.centerIn: parent
            text: "جهاز الإنذار في المنزل"
            font.family: "Noto Kufi Arabic"
            font.bold: true
            font.pixelSize: 31
            color: "#ffffff"
        }
    }

    // The page's orange rule under its title band runs along the player's
    // top edge and shows on either side of it: the scene carries it across,
    // so the page keeps one unbroken rule while the video plays.
    Rectangle { x: 0; y: 0; width: 729; height: 3; color: "#f28c28" }

    // ------------------------------------------------------------------
    // Storyboard (frame numbers at 25 frames a second)
    // Each part's card stays readable for more than 3 seconds.
    //   0 - 80   opening card: the alarm device of a house
    //  80 - 105  the card fades out
    // 110 - 202  1 motion detector: an intruder walks, the zone lights up
    // 202 - 294  2 door opening detector: the front door opens
    // 294 - 386  3 smoke detector: smoke rises from a candle
    // 386 - 478  4 flood detector: water spreads from the washing machine
    // 478 - 578  5 control unit: the detectors' signals reach it
    // 578 - 670  6 indoor alarm siren sounds
    // 670 - 762  7 outdoor alarm siren sounds
    // 762 - 872  8 telephone transmitter: it calls the owner's phone
    // 882 - 912  the card comes back; 982 = the opening picture

    Timeline {
        startFrame: 0
        endFrame: 982

        KeyframeGroup {
            target: root; property: "beat"
            Keyframe { frame: 0; value: 0 }
            Keyframe { frame: 982; value: 98 }
        }
        KeyframeGroup {
            target: root; property: "sway"
            Keyframe { frame: 0; value: 0 }
            Keyframe { frame: 982; value: 1 }
        }
        KeyframeGroup {
            target: root; property: "titleT"
            Keyframe { frame: 80; value: 0 }
            Keyframe { frame: 106; value: 1; easing.type: Easing.InOutCubic }
            Keyframe { frame: 882; value: 1 }
            Keyframe { frame: 912; value: 0; easing.type: Easing.InOutCubic }
        }

        // 1 motion detector
        KeyframeGroup {
            target: calloutMotion; property: "show"
            Keyframe { frame: 110; value: 0 }
            Keyframe { frame: 126; value: 1; easing.type: Easing.OutCubic }
            Keyframe { frame: 190; value: 1 }
            Keyframe { frame: 202; value: 0 }
        }
        KeyframeGroup {
            target: intruder; property: "opacity"
            Keyframe { frame: 108; value: 0 }
            Keyframe { frame: 119; value: 1 }
            Keyframe { frame: 188; value: 1 }
            Keyframe { frame: 200; value: 0 }
        }
        KeyframeGroup {
            target: intruder; property: "x"
            Keyframe { frame: 108; value: 392 }
            Keyframe { frame: 177; value: 466 }
        }
        KeyframeGroup {
            target: root; property: "walk"
            Keyframe { frame: 108; value: 0 }
            Keyframe { frame: 177; value: 4 }
        }
        KeyframeGroup {
            target: root; property: "sensing"
            Keyframe { frame: 122; value: 0 }
            Keyframe { frame: 133; value: 1 }
            Keyframe { frame: 188; value: 1 }
            Keyframe { frame: 200; value: 0 }
        }

        // 2 door opening detector
        KeyframeGroup {
            target: calloutDoor; property: "show"
            Keyframe { frame: 202; value: 0 }
            Keyframe { frame: 218; value: 1; easing.type: Easing.OutCubic }
            Keyframe { frame: 282; value: 1 }
            Keyframe { frame: 294; value: 0 }
        }
        KeyframeGroup {
            target: doorHinge; property: "xScale"
            Keyframe { frame: 218; value: 1 }
            Keyframe { frame: 239; value: 0.35; easing.type: Easing.InOutQuad }
            Keyframe { frame: 266; value: 0.35 }
            Keyframe { frame: 285; value: 1; easing.type: Easing.InOutQuad }
        }

        // 3 smoke detector
        KeyframeGroup {
            target: calloutSmoke; property: "show"
            Keyframe { frame: 294; value: 0 }
            Keyframe { frame: 310; value: 1; easing.type: Easing.OutCubic }
            Keyframe { frame: 374; value: 1 }
            Keyframe { frame: 386; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "smoke"
            Keyframe { frame: 296; value: 0 }
            Keyframe { frame: 317; value: 1 }
            Keyframe { frame: 370; value: 1 }
            Keyframe { frame: 386; value: 0 }
        }

        // 4 flood detector
        KeyframeGroup {
            target: calloutFlood; property: "show"
            Keyframe { frame: 386; value: 0 }
            Keyframe { frame: 402; value: 1; easing.type: Easing.OutCubic }
            Keyframe { frame: 466; value: 1 }
            Keyframe { frame: 478; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "flood"
            Keyframe { frame: 388; value: 0 }
            Keyframe { frame: 434; value: 1; easing.type: Easing.OutQuad }
            Keyframe { frame: 464; value: 1 }
            Keyframe { frame: 480; value: 0 }
        }

        // 5 control unit
        KeyframeGroup {
            target: calloutControl; property: "show"
            Keyframe { frame: 478; value: 0 }
            Keyframe { frame: 492; value: 1; easing.type: Easing.OutCubic }
            Keyframe { frame: 568; value: 1 }
            Keyframe { frame: 578; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "links"
            Keyframe { frame: 488; value: 0 }
            Keyframe { frame: 500; value: 1 }
            Keyframe { frame: 564; value: 1 }
            Keyframe { frame: 576; value: 0 }
        }

        // 6 indoor siren
        KeyframeGroup {
            target: calloutSirenIn; property: "show"
            Keyframe { frame: 578; value: 0 }
            Keyframe { frame: 595; value: 1; easing.type: Easing.OutCubic }
            Keyframe { frame: 658; value: 1 }
            Keyframe { frame: 670; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "sirenIn"
            Keyframe { frame: 585; value: 0 }
            Keyframe { frame: 595; value: 1 }
            Keyframe { frame: 657; value: 1 }
            Keyframe { frame: 669; value: 0 }
        }

        // 7 outdoor siren
        KeyframeGroup {
            target: calloutSirenOut; property: "show"
            Keyframe { frame: 670; value: 0 }
            Keyframe { frame: 687; value: 1; easing.type: Easing.OutCubic }
            Keyframe { frame: 750; value: 1 }
            Keyframe { frame: 762; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "sirenOut"
            Keyframe { frame: 677; value: 0 }
            Keyframe { frame: 687; value: 1 }
            Keyframe { frame: 749; value: 1 }
            Keyframe { frame: 761; value: 0 }
        }

        // 8 telephone transmitter and the owner's phone
        KeyframeGroup {
            target: calloutPhone; property: "show"
            Keyframe { frame: 762; value: 0 }
            Keyframe { frame: 776; value: 1; easing.type: Easing.OutCubic }
            Keyframe { frame: 862; value: 1 }
            Keyframe { frame: 872; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "wire"
            Keyframe { frame: 766; value: 0 }
            Keyframe { frame: 774; value: 1 }
            Keyframe { frame: 798; value: 1 }
            Keyframe { frame: 808; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "call"
            Keyframe { frame: 794; value: 0 }
            Keyframe { frame: 804; value: 1 }
            Keyframe { frame: 858; value: 1 }
            Keyframe { frame: 870; value: 0 }
        }
        KeyframeGroup {
            target: root; property: "phoneUp"
            Keyframe { frame: 790; value: 0 }
            Keyframe { frame: 806; value: 1; easing.type: Easing.OutBack }
            Keyframe { frame: 862; value: 1 }
            Keyframe { frame: 874; value: 0 }
        }
    }
}
