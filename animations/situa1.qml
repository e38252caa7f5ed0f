// SPDX-License-Identifier: GPL-3.0-or-later
// The problem situation: at night a thief slips into the school's technology
// room, the detector on the wall senses him (its beam lights up and its own
// small indicator turns from green to red), a signal runs along the wire to
// the bell, the bell rings with spreading sound waves and the thief runs
// away. The scene shows and does not tell: its few captions (one at a time)
// narrate the story and end on a question, and none of them names what the
// page asks about. The only light that changes is the detector's indicator,
// small and steady: the alarm the thief meets is the bell's sound.
//
// Everything that repeats (strides, the bell's strokes, the spreading sound
// waves, the stars) is computed from a phase property that the Timeline
// drives, so every frame is fixed by the frame number alone and the scene
// rewinds cleanly.

pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Shapes
import QtQuick.Timeline

Item {
    id: root
    width: 577                      // design size: the page's player, in pixels
    height: 113
    property int duration: 25000    // 625 frames at 25 frames a second

    // Phases driven by the Timeline.
    property real twinkle: 0        // star twinkles
    property real sensing: 0        // 0 idle .. 1 the detector sees someone
    property real signal: 0         // 0 .. 1 a pulse on its way from the detector to the bell
    property real walk: 0           // the thief's strides, one per unit
    property real stride: 18        // how far the legs swing, in degrees
    property real lean: 0           // the thief leans forward when running
    property real lift: 0           // the thief's start when the bell rings
    property real ring: 0           // the bell's hammer strokes, one per unit
    property real ringing: 0        // 0 silent .. 1 ringing loudly

    readonly property real swing: Math.sin(walk * 2 * Math.PI) * stride

    // ------------------------------------------------------------------
    // Reusable parts

    // A caption: dark words on a white pill with a coloured rim.
    component Pill: Rectangle {
        property alias text: label.text
        property bool captionBox: true
        property color accent: "#f0922b"
        property int size: 13
        width: label.implicitWidth + 20
        height: size + 12
        radius: height / 2
        color: "#ffffff"
        border.color: accent
        border.width: 2
        Text {
            id: label
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.verticalCenter: parent.verticalCenter
            anchors.verticalCenterOffset: 1
            font.family: "Noto Kufi Arabic"
            font.bold: true
            font.pixelSize: parent.size
            color: "#22384f"
        }
    }

    // One pair of sound arcs, left and right of a source; k runs 0..1 as
    // the wave travels outwards and fades.
    // Drawn as a ring cut by a band around its centre, which leaves the parts
    // of the ring within `half` degrees of the horizontal: a growing ring is
    // only resized, where a changed arc path would have the scene drawn twice.
    component WaveArcs: Item {
        id: arcs
        property real k: 0
        property real amount: 0
        property real cx: 0
        property real cy: 0
        property real r0: 15
        property real span: 34
        property real half: 38
        property color tint: "#ffb347"
        property bool inFrame: true
        readonly property real stroke: 2.6
        readonly property real r: r0 + k * span
        readonly property real band: r * Math.sin(half * Math.PI / 180)
        x: cx - r - stroke
        y: cy - band
        width: 2 * (r + stroke)
        height: 2 * band
        clip: true
        opacity: amount * (1 - k) * Math.min(1, k * 6)
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

    component Star: Rectangle {
        property real phase: 0
        width: 2.2; height: 2.2; radius: 1.1
        color: "#fff6cf"
        opacity: 0.55 + 0.45 * Math.sin(phase * 2 * Math.PI)
    }

    // ------------------------------------------------------------------
    // The room at night

    Rectangle {                                   // back wall
        x: 0; y: 0; width: 577; height: 92
        gradient: Gradient {
            GradientStop { position: 0; color: "#162541" }
            GradientStop { position: 1; color: "#22385a" }
        }
    }
    Rectangle { x: 0; y: 86; width: 577; height: 6; color: "#2b4469" }   // skirting board
    Rectangle {                                   // floor
        x: 0; y: 92; width: 577; height: 21
        gradient: Gradient {
            GradientStop { position: 0; color: "#1b2c49" }
            GradientStop { position: 1; color: "#111c30" }
        }
    }
    Repeater {                                    // floor boards
        model: 12
        Rectangle { required property int index; x: 10 + index * 50; y: 92; width: 1; height: 21; color: "#243a5e"; opacity: 0.6 }
    }

    // Window with the night sky and the moon.
    Item {
        x: 66; y: 10; width: 56; height: 46
        Rectangle {
            anchors.fill: parent
            radius: 2
            gradient: Gradient {
                GradientStop { position: 0; color: "#08122a" }
                GradientStop { position: 1; color: "#1c3563" }
            }
        }
        Rectangle { x: 36; y: 6; width: 13; height: 13; radius: 6.5; color: "#ffe9a6" }   // moon
        Rectangle { x: 40.5; y: 3.5; width: 13; height: 13; radius: 6.5; color: "#0b1631" }   // its shadow: a crescent
        Star { x: 8;  y: 8;  phase: root.twinkle }
        Star { x: 22; y: 16; phase: root.twinkle + 0.33 }
        Star { x: 13; y: 30; phase: root.twinkle + 0.66 }
        Star { x: 32; y: 6;  phase: root.twinkle + 0.5 }
        Star { x: 45; y: 33; phase: root.twinkle + 0.2 }
        Rectangle { x: 27; y: 0; width: 2.5; height: 46; color: "#4a6690" }   // mullions
        Rectangle { x: 0; y: 22; width: 56; height: 2.5; color: "#4a6690" }
        Rectangle { anchors.fill: parent; color: "transparent"; border.color: "#5b79a3"; border.width: 3; radius: 2 }
    }
    Rectangle { x: 62; y: 55; width: 64; height: 4; radius: 1; color: "#5b79a3" }         // sill

    Shape {                                       // moonlight on the floor
        anchors.fill: parent
        ShapePath {
            strokeColor: "transparent"
            fillGradient: LinearGradient {
                x1: 0; y1: 56; x2: 0; y2: 113
                GradientStop { position: 0; color: "#30ffeeb0" }
                GradientStop { position: 1; color: "#08ffeeb0" }
            }
            startX: 68; startY: 57
            PathLine { x: 122; y: 57 }
            PathLine { x: 180; y: 113 }
            PathLine { x: 98; y: 113 }
            PathLine { x: 68; y: 57 }
        }
    }

    // The door (left). It opens on its left hinge.
    Rectangle { x: 10; y: 24; width: 48; height: 68; color: "#4a6690"; radius: 2 }        // frame
    Rectangle { x: 14; y: 28; width: 40; height: 64; color: "#070d1a" }                   // dark doorway
    Rectangle {
        id: doorLeaf
        x: 14; y: 28; width: 40; height: 64
        color: "#6d5540"
        border.color: "#57432f"; border.width: 1.5
        transform: Scale { id: doorHinge; origin.x: 0; xScale: 1 }
        Rectangle { x: 6; y: 6; width: 28; height: 22; radius: 2; color: "transparent"; border.color: "#57432f"; border.width: 1.5 }
        Rectangle { x: 6; y: 34; width: 28; height: 24; radius: 2; color: "transparent"; border.color: "#57432f"; border.width: 1.5 }
        Rectangle { x: 31; y: 31; width: 5; height: 5; radius: 2.5; color: "#d9b45a" }          // knob
    }

    // Tool board above the first workbench.
    Rectangle {
        x: 160; y: 30; width: 92; height: 30; radius: 3
        color: "#2f4a72"; border.color: "#3f5d88"; border.width: 1.5
        // spanner
        Rectangle { x: 10; y: 12; width: 22; height: 4; radius: 2; color: "#9fb1c8"; rotation: -20 }
        Rectangle { x: 28; y: 6; width: 8; height: 8; radius: 4; color: "#9fb1c8" }
        // hammer
        Rectangle { x: 46; y: 8; width: 3.5; height: 18; radius: 1.5; color: "#b38b5d" }
        Rectangle { x: 40; y: 5; width: 16; height: 6; radius: 1.5; color: "#9fb1c8" }
        // screwdriver
        Rectangle { x: 68; y: 5; width: 5; height: 10; radius: 2; color: "#d0684e" }
        Rectangle { x: 69.7; y: 15; width: 1.8; height: 10; color: "#9fb1c8" }
        // pliers
        Rectangle { x: 80; y: 6; width: 3; height: 18; radius: 1.5; color: "#9fb1c8"; rotation: 8 }
        Rectangle { x: 84; y: 6; width: 3; height: 18; radius: 1.5; color: "#9fb1c8"; rotation: -8 }
    }

    // First workbench, with a vice and a toolbox.
    Item {
        x: 150; y: 66
        Rectangle { x: 6; y: 6; width: 5; height: 30; color: "#4e3d2c" }
        Rectangle { x: 109; y: 6; width: 5; height: 30; color: "#4e3d2c" }
        Rectangle { x: 8; y: 24; width: 104; height: 3; color: "#4e3d2c" }
        Rectangle { x: 0; y: 0; width: 120; height: 7; radius: 1.5; color: "#7a5f45" }
        Rectangle { x: 0; y: 5; width: 120; height: 2; color: "#5f4a36" }
        // vice
        Rectangle { x: 10; y: -9; width: 18; height: 9; radius: 1.5; color: "#6f86a3" }
        Rectangle { x: 6; y: -12; width: 5; height: 12; radius: 1; color: "#8da2bd" }
        Rectangle { x: 1; y: -6; width: 8; height: 2; color: "#8da2bd" }
        // toolbox
        Rectangle { x: 78; y: -14; width: 30; height: 14; radius: 2; color: "#a4483b" }
        Rectangle { x: 78; y: -14; width: 30; height: 4; radius: 2; color: "#bf5a4a" }
        Rectangle { x: 88; y: -18; width: 10; height: 5; radius: 2; color: "transparent"; border.color: "#8a95a6"; border.width: 1.5 }
    }

    // Second workbench, with the computer.
    Item {
        x: 392; y: 66
        Rectangle { x: 6; y: 6; width: 5; height: 30; color: "#4e3d2c" }
        Rectangle { x: 135; y: 6; width: 5; height: 30; color: "#4e3d2c" }
        Rectangle { x: 8; y: 24; width: 130; height: 3; color: "#4e3d2c" }
        Rectangle { x: 0; y: 0; width: 146; height: 7; radius: 1.5; color: "#7a5f45" }
        Rectangle { x: 0; y: 5; width: 146; height: 2; color: "#5f4a36" }
        // monitor
        Rectangle { x: 98; y: -32; width: 44; height: 28; radius: 3; color: "#33465f" }
        Rectangle {
            x: 101; y: -29; width: 38; height: 22; radius: 1.5
            gradient: Gradient {
                GradientStop { position: 0; color: "#0f2744" }
                GradientStop { position: 1; color: "#0a1a30" }
            }
        }
        Rectangle { x: 116; y: -4; width: 8; height: 4; color: "#33465f" }
        Rectangle { x: 110; y: -1; width: 20; height: 2; radius: 1; color: "#33465f" }
        Rectangle { x: 138; y: -8; width: 2; height: 2; radius: 1; color: "#7fd37f" }   // stand-by light
        // keyboard
        Rectangle { x: 52; y: -3; width: 36; height: 3; radius: 1; color: "#4b5f7b" }
        // a small electronics kit
        Rectangle { x: 8; y: -6; width: 22; height: 6; radius: 1; color: "#2f7d5b" }
        Rectangle { x: 12; y: -8; width: 4; height: 2; color: "#c9d2dc" }
        Rectangle { x: 20; y: -9; width: 3; height: 3; radius: 1.5; color: "#e0b040" }
    }

    // ------------------------------------------------------------------
    // The motion detector, high on the wall, and the zone it watches.

    Shape {
        id: detectionZone
        anchors.fill: parent
        opacity: 0.85 * root.sensing
        visible: root.sensing > 0
        ShapePath {
            strokeColor: "transparent"
            fillGradient: LinearGradient {
                x1: 0; y1: 16; x2: 0; y2: 110
                GradientStop { position: 0; color: "#b0ff5a4c" }
                GradientStop { position: 1; color: "#26ff5a4c" }
            }
            startX: 237; startY: 17
            PathLine { x: 150; y: 110 }
            PathLine { x: 236; y: 110 }
            PathLine { x: 237; y: 17 }
        }
        ShapePath {                               // the beam's edges
            strokeColor: "#ff7a6e"
            strokeWidth: 1.2
            fillColor: "transparent"
            strokeStyle: ShapePath.DashLine
            dashPattern: [3, 3]
            startX: 150; startY: 110
            PathLine { x: 237; y: 17 }
            PathLine { x: 236; y: 110 }
        }
    }
    Item {
        id: detector
        x: 226; y: 3
        Rectangle { x: 0; y: 0; width: 22; height: 12; radius: 3; color: "#e3e9f0"; border.color: "#aab7c6"; border.width: 1 }
        Rectangle { x: 6; y: 8; width: 11; height: 9; radius: 5; color: "#f4f7fa"; border.color: "#aab7c6"; border.width: 1 }
        Rectangle { x: 8.5; y: 10; width: 6; height: 2; radius: 1; color: "#ffffff"; opacity: 0.9 }
        Rectangle {                               // stand-by light, green while all is calm
            x: 15.5; y: 2.5; width: 4.5; height: 4.5; radius: 2.25
            color: "#5fd36a"
            opacity: 1 - root.sensing
        }
        Rectangle {                               // its own small indicator, red and steady while it sees someone
            x: 15.5; y: 2.5; width: 4.5; height: 4.5; radius: 2.25
            color: "#ff3b30"
            opacity: root.sensing
        }
    }

    // The wire along the wall from the detector to the bell, and the pulse
    // that runs along it when the detector sees someone.
    // It runs along the top of the wall, then down to the bell.
    Rectangle { x: 248; y: 8; width: 68; height: 1.5; color: "#5b79a3" }
    Rectangle { x: 315.25; y: 8; width: 1.5; height: 23; color: "#5b79a3" }
    Item {
        readonly property real along: Math.min(1, root.signal / 0.72)
        readonly property real down: Math.max(0, (root.signal - 0.72) / 0.28)
        x: 250 + 66 * along; y: 9 + 22 * down
        Rectangle {
            x: -4; y: -4; width: 8; height: 8; radius: 4
            color: "#ffd23f"
            opacity: root.signal > 0 && root.signal < 1 ? 1 : 0
        }
        Rectangle {
            x: -8; y: -8; width: 16; height: 16; radius: 8
            color: "#ffd23f"
            opacity: root.signal > 0 && root.signal < 1 ? 0.3 : 0
        }
    }

    // ------------------------------------------------------------------
    // The bell. It shakes about its fixing while the hammer strikes.

    Item {
        id: bell
        x: 316; y: 46
        Rectangle { x: -9; y: -15; width: 18; height: 34; radius: 4; color: "#71829a"; border.color: "#5b6b82"; border.width: 1 }   // base plate
        Item {
            x: Math.sin(root.ring * 2 * Math.PI) * 1.8 * root.ringing
            rotation: Math.sin(root.ring * 2 * Math.PI) * 9 * root.ringing
            transformOrigin: Item.Center
            Rectangle {                               // the gong
                x: -13; y: -13; width: 26; height: 26; radius: 13
                gradient: Gradient {
                    GradientStop { position: 0; color: "#ff8a7a" }
                    GradientStop { position: 0.6; color: "#e8473a" }
                    GradientStop { position: 1; color: "#b3322a" }
                }
                border.color: "#8f2a22"; border.width: 1
            }
            Rectangle { x: -8; y: -9; width: 8; height: 5; radius: 2.5; color: "#ffd6cf"; opacity: 0.8; rotation: -30 }
            Rectangle { x: -2.5; y: -2.5; width: 5; height: 5; radius: 2.5; color: "#7a241d" }   // nut
        }
        Item {                                        // the hammer, striking the gong's rim
            y: 16
            rotation: Math.sin(root.ring * 4 * Math.PI) * 14 * root.ringing
            transformOrigin: Item.Bottom
            Rectangle { x: -1; y: -4; width: 2; height: 6; color: "#3d4a5c" }
            Rectangle { x: -3; y: -7; width: 6; height: 6; radius: 3; color: "#3d4a5c" }
        }
    }
    Item {                                            // sound waves spreading from the bell
        anchors.fill: parent
        WaveArcs { cx: 316; cy: 46; k: (root.ring / 6) % 1; amount: root.ringing }
        WaveArcs { cx: 316; cy: 46; k: (root.ring / 6 + 1 / 3) % 1; amount: root.ringing }
        WaveArcs { cx: 316; cy: 46; k: (root.ring / 6 + 2 / 3) % 1; amount: root.ringing }
    }

    // ------------------------------------------------------------------
    // The thief: mask, cap, striped jumper and a sack over his shoulder.
    // His origin is between his feet; he faces right until he turns.

    Item {
        id: thief
        x: 36; y: 93
        opacity: 0
        scale: 0.86
        transform: Scale { id: thiefFacing; origin.x: 0; xScale: 1 }

        Rectangle { x: -15; y: -3; width: 30; height: 6; radius: 3; color: "#000000"; opacity: 0.35 }   // shadow

        Item {
            id: thiefBody
            y: -Math.abs(Math.sin(root.walk * 2 * Math.PI)) * 2.2 + root.lift
            rotation: root.lean
            transformOrigin: Item.Center

            // back leg
            Item {
                x: -5; y: -23; width: 7; height: 23
                rotation: -root.swing
                transformOrigin: Item.Top
                Rectangle { x: 0; y: 0; width: 7; height: 21; radius: 3; color: "#2c3340" }
                Rectangle { x: -1; y: 18; width: 11; height: 5; radius: 2.5; color: "#0e1117" }
            }
            // sack over the back shoulder
            Rectangle {
                x: -27; y: -56; width: 22; height: 26; radius: 10
                color: "#a8773f"; border.color: "#855a2b"; border.width: 1.2
                rotation: -12
                Rectangle { x: 6; y: 9; width: 10; height: 1.5; color: "#855a2b"; opacity: 0.7; rotation: 20 }
                Rectangle { x: 4; y: 15; width: 8; height: 1.5; color: "#855a2b"; opacity: 0.7; rotation: -15 }
            }
            Rectangle { x: -10; y: -57; width: 7; height: 4; radius: 2; color: "#6e4a22"; rotation: 30 }   // the sack's neck
            // back arm holding the sack
            Rectangle { x: -8; y: -55; width: 5; height: 15; radius: 2.5; color: "#3a4150"; rotation: -35 }
            // striped jumper
            Rectangle {
                x: -10; y: -45; width: 20; height: 25; radius: 6
                color: "#e8ecf1"
                clip: true
                Rectangle { x: 0; y: 4;  width: 20; height: 3.5; color: "#2f3644" }
                Rectangle { x: 0; y: 11; width: 20; height: 3.5; color: "#2f3644" }
                Rectangle { x: 0; y: 18; width: 20; height: 3.5; color: "#2f3644" }
            }
            // front leg
            Item {
                x: 0; y: -23; width: 7; height: 23
                rotation: root.swing
                transformOrigin: Item.Top
                Rectangle { x: 0; y: 0; width: 7; height: 21; radius: 3; color: "#343c4b" }
                Rectangle { x: -1; y: 18; width: 11; height: 5; radius: 2.5; color: "#0e1117" }
            }
            // front arm, swinging against the legs
            Item {
                x: 1; y: -42; width: 5; height: 17
                rotation: -root.swing * 0.9 - 10
                transformOrigin: Item.Top
                Rectangle { x: 0; y: 0; width: 5; height: 14; radius: 2.5; color: "#3a4150" }
                Rectangle { x: -0.5; y: 12; width: 6; height: 6; radius: 3; color: "#f0c39c" }
            }
            // head
            Rectangle { x: -8; y: -62; width: 18; height: 18; radius: 9; color: "#f0c39c" }
            Rectangle { x: 8; y: -54; width: 4; height: 4; radius: 2; color: "#e2ad85" }             // nose
            Rectangle { x: -8.5; y: -57; width: 19; height: 6; radius: 3; color: "#14171d" }          // mask
            Rectangle { x: 2.5; y: -55.5; width: 3; height: 3; radius: 1.5; color: "#ffffff" }        // eyes
            Rectangle { x: 6.5; y: -55.5; width: 3; height: 3; radius: 1.5; color: "#ffffff" }
            Rectangle { x: 3.4; y: -54.8; width: 1.4; height: 1.4; radius: 0.7; color: "#14171d" }
            Rectangle { x: 7.4; y: -54.8; width: 1.4; height: 1.4; radius: 0.7; color: "#14171d" }
            Rectangle { x: -12; y: -56; width: 6; height: 2.5; radius: 1.2; color: "#14171d"; rotation: 20 }   // mask ties
            // cap
            Rectangle { x: -8.5; y: -69; width: 19; height: 12; radius: 7; color: "#2b303b" }
            Rectangle { x: -9; y: -61; width: 20; height: 3.5; radius: 1.5; color: "#444c5c" }
            // startled mark
            Item {                                // drawn, not a caption
                id: startled
                x: 18; y: -68
                opacity: 0
                Rectangle { x: 2; y: 2; width: 4.5; height: 11; radius: 2.25; color: "#ffd23f" }
                Rectangle { x: 2; y: 15; width: 4.5; height: 4.5; radius: 2.25; color: "#ffd23f" }
            }
        }
    }

    // ------------------------------------------------------------------
    // Captions

    // One caption at a time, at the top right, away from the door, the
    // detector and the bell; the closing question in the middle of the
    // quietened room.
    Pill {
        id: nightCaption
        x: 566 - width; y: 5
        opacity: 0
        accent: "#4a8fd4"
        size: 14
        text: "ليلًا، في قاعة التكنولوجيا"
    }
    Pill {
        id: thiefCaption
        x: 566 - width; y: 5
        opacity: 0
        accent: "#4a8fd4"
        size: 14
        text: "لصّ يتسلّل إلى القاعة…"
    }
    Pill {
        id: fleeCaption
        x: 566 - width; y: 5
        opacity: 0
        accent: "#f0922b"
        size: 15
        text: "اللصّ يهرب!"
    }

    Rectangle {                                   // the room quietens for the question
        id: dimmer
        anchors.fill: parent
        color: "#0a1322"
        opacity: 0
    }
    Pill {
        id: questionCaption
        x: (root.width - width) / 2; y: (root.height - height) / 2
        opacity: 0
        accent: "#f0922b"
        size: 18
        text: "ما الذي جعل اللصّ يهرب؟"
    }

    // ------------------------------------------------------------------
    // Storyboard (frame numbers at 25 frames a second)
    //   0 - 100  the dark room; caption: at night, in the technology room
    //  72 - 96   the door opens
    //  96 - 210  the thief tiptoes in and stops under the detector;
    //            caption (106 - 206): a thief sneaks into the room
    // 170 - 300  the detector senses him: its beam lights up, its indicator turns red
    // 196 - 220  a pulse runs along the wire from the detector to the bell
    // 222 - 430  the bell rings: it shakes, sound waves spread
    // 226 - 268  the thief starts, turns round and ...
    // 262 - 350  ... runs out through the door, which then closes;
    //            caption (266 - 364): the thief runs away
    // 436 - 614  the room quietens: what made the thief run away?
    // 625        back to the opening picture

    Timeline {
        startFrame: 0
        endFrame: 625

        KeyframeGroup {
            target: root; property: "twinkle"
            Keyframe { frame: 0; value: 0 }
            Keyframe { frame: 625; value: 10 }
        }

        // the captions, one at a time
        KeyframeGroup {
            target: nightCaption; property: "opacity"
            Keyframe { frame: 0; value: 0 }
            Keyframe { frame: 10; value: 1 }
            Keyframe { frame: 90; value: 1 }
            Keyframe { frame: 100; value: 0 }
        }
        KeyframeGroup {
            target: thiefCaption; property: "opacity"
            Keyframe { frame: 106; value: 0 }
            Keyframe { frame: 116; value: 1 }
            Keyframe { frame: 196; value: 1 }
            Keyframe { frame: 206; value: 0 }
        }
        KeyframeGroup {
            target: fleeCaption; property: "opacity"
            Keyframe { frame: 266; value: 0 }
            Keyframe { frame: 274; value: 1 }
            Keyframe { frame: 354; value: 1 }
            Keyframe { frame: 364; value: 0 }
        }
        KeyframeGroup {
            target: fleeCaption; property: "scale"
            Keyframe { frame: 266; value: 0.7 }
            Keyframe { frame: 278; value: 1; easing.type: Easing.OutBack }
        }
        KeyframeGroup {
            target: dimmer; property: "opacity"
            Keyframe { frame: 436; value: 0 }
            Keyframe { frame: 456; value: 0.45 }
            Keyframe { frame: 596; value: 0.45 }
            Keyframe { frame: 614; value: 0 }
        }
        KeyframeGroup {
            target: questionCaption; property: "opacity"
            Keyframe { frame: 446; value: 0 }
            Keyframe { frame: 462; value: 1 }
            Keyframe { frame: 590; value: 1 }
            Keyframe { frame: 606; value: 0 }
        }
        KeyframeGroup {
            target: questionCaption; property: "scale"
            Keyframe { frame: 446; value: 0.85 }
            Keyframe { frame: 464; value: 1; easing.type: Easing.OutBack }
        }

        // the door
        KeyframeGroup {
            target: doorHinge; property: "xScale"
            Keyframe { frame: 72; value: 1 }
            Keyframe { frame: 96; value: 0.16; easing.type: Easing.InOutQuad }
            Keyframe { frame: 352; value: 0.16 }
            Keyframe { frame: 380; value: 1; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: doorLeaf; property: "opacity"
            Keyframe { frame: 72; value: 1 }
            Keyframe { frame: 96; value: 0.7 }
            Keyframe { frame: 352; value: 0.7 }
            Keyframe { frame: 380; value: 1 }
        }

        // the thief comes in ...
        KeyframeGroup {
            target: thief; property: "opacity"
            Keyframe { frame: 94; value: 0 }
            Keyframe { frame: 110; value: 1 }
            Keyframe { frame: 336; value: 1 }
            Keyframe { frame: 350; value: 0 }
        }
        KeyframeGroup {
            target: thief; property: "x"
            Keyframe { frame: 96; value: 34 }
            Keyframe { frame: 204; value: 194 }
            Keyframe { frame: 212; value: 198; easing.type: Easing.OutQuad }
            Keyframe { frame: 262; value: 198 }
            Keyframe { frame: 270; value: 190; easing.type: Easing.InQuad }
            Keyframe { frame: 346; value: 34 }
        }
        KeyframeGroup {
            target: thief; property: "y"
            Keyframe { frame: 96; value: 93 }
            Keyframe { frame: 132; value: 104; easing.type: Easing.InOutQuad }
            Keyframe { frame: 316; value: 104 }
            Keyframe { frame: 346; value: 93; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: thief; property: "scale"
            Keyframe { frame: 96; value: 0.86 }
            Keyframe { frame: 132; value: 1; easing.type: Easing.InOutQuad }
            Keyframe { frame: 316; value: 1 }
            Keyframe { frame: 346; value: 0.86; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: root; property: "walk"
            Keyframe { frame: 96; value: 0 }
            Keyframe { frame: 212; value: 6 }
            Keyframe { frame: 262; value: 6 }
            Keyframe { frame: 346; value: 16 }
        }
        KeyframeGroup {
            target: root; property: "stride"
            Keyframe { frame: 258; value: 18 }
            Keyframe { frame: 268; value: 32 }
        }
        // ... starts when the bell rings, turns round and runs away
        KeyframeGroup {
            target: root; property: "lift"
            Keyframe { frame: 226; value: 0 }
            Keyframe { frame: 232; value: -9; easing.type: Easing.OutQuad }
            Keyframe { frame: 240; value: 0; easing.type: Easing.InQuad }
        }
        KeyframeGroup {
            target: startled; property: "opacity"
            Keyframe { frame: 226; value: 0 }
            Keyframe { frame: 231; value: 1 }
            Keyframe { frame: 262; value: 1 }
            Keyframe { frame: 268; value: 0 }
        }
        KeyframeGroup {
            target: thiefFacing; property: "xScale"
            Keyframe { frame: 252; value: 1 }
            Keyframe { frame: 258; value: -1; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: root; property: "lean"
            Keyframe { frame: 258; value: 0 }
            Keyframe { frame: 268; value: 12 }
            Keyframe { frame: 336; value: 12 }
            Keyframe { frame: 346; value: 0 }
        }

        // the detector senses him
        KeyframeGroup {
            target: root; property: "sensing"
            Keyframe { frame: 170; value: 0 }
            Keyframe { frame: 182; value: 1 }
            Keyframe { frame: 288; value: 1 }
            Keyframe { frame: 300; value: 0 }
        }

        // the bell rings
        KeyframeGroup {
            target: root; property: "signal"
            Keyframe { frame: 196; value: 0 }
            Keyframe { frame: 220; value: 1; easing.type: Easing.InQuad }
        }
        KeyframeGroup {
            target: root; property: "ring"
            Keyframe { frame: 222; value: 0 }
            Keyframe { frame: 430; value: 80 }
        }
        KeyframeGroup {
            target: root; property: "ringing"
            Keyframe { frame: 222; value: 0 }
            Keyframe { frame: 230; value: 1 }
            Keyframe { frame: 414; value: 1 }
            Keyframe { frame: 430; value: 0 }
        }

        // the closing message
    }
}
