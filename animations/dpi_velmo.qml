// SPDX-License-Identifier: GPL-3.0-or-later
// The industrial project, from a need to a product, in three pictures shown
// one after the other:
//   1. a need (a lamp lit in a thought), the industrial project (turning
//      gears) and the product that comes out of it (a packed box);
//   2. the life cycle of the product: its ten stages appear one by one, in
//      their order, on a two-row path;
//   3. the functional-analysis tools: each step of the analysis with the tool
//      it uses.
//
// The Timeline drives one property, `t` (the frame, 0 .. 900); every
// appearance is computed from it, so each frame is fixed by the frame number
// alone and the scene rewinds cleanly. It starts and ends on the empty page.

pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Shapes
import QtQuick.Timeline

Item {
    id: root
    width: 721                      // design size: the page's player, in pixels
    height: 433
    property int duration: 36000    // 900 frames at 25 frames a second

    property real t: 0              // driven by the Timeline: the current frame

    // 0 before `from`, rising to 1 over `span` frames.
    function rise(from: real, span: real): real {
        return Math.max(0, Math.min(1, (root.t - from) / span));
    }
    // Shown from `from` to `to`, fading in and out over 15 frames.
    function during(from: real, to: real): real {
        return Math.min(rise(from, 15), 1 - rise(to - 15, 15));
    }

    readonly property var stages: ["تحليل الحاجة", "دراسة الجدوى", "التصور", "التعريف", "التصنيع",
                                   "المصادقة", "الإنتاج", "التسويق", "الاستعمال", "الإتلاف"]
    readonly property var steps: [
        { step: "إدراك الحاجة", tool: "تساؤل" },
        { step: "التعبير عن الحاجة", tool: "بياني الحاجة" },
        { step: "إقرار الحاجة", tool: "أسئلة إقرار الحاجة" },
        { step: "تحديد الوظائف الخدماتية", tool: "مخطط الوظائف" },
        { step: "توصيف الوظائف", tool: "معيار التقدير، المستوى، المرونة" },
        { step: "البحث عن الحلول التكنولوجية", tool: "أداتا FAST و SADT" }
    ]

    Rectangle { anchors.fill: parent; color: "#ffffff" }

    // ---- 1. From a need to a product -------------------------------------
    Item {
        id: need
        anchors.fill: parent
        opacity: root.during(0, 240)
        visible: opacity > 0

        Text {
            x: 20; y: 18; width: 681
            horizontalAlignment: Text.AlignHCenter
            text: "المشروع الصناعي: من الحاجة إلى المنتوج"
            font.family: "Noto Kufi Arabic"; font.bold: true; font.pixelSize: 26; color: "#1d3550"
        }

        // The need: a head thinking of a lit lamp (right, where the reading starts).
        Item {
            x: 510; y: 100; width: 180; height: 230
            opacity: root.rise(20, 15)
            Rectangle { x: 50; y: 130; width: 80; height: 80; radius: 40; color: "#f6d9b2"; border.color: "#262f39"; border.width: 2 }
            Rectangle { x: 58; y: 118; width: 64; height: 34; radius: 17; color: "#5b3a1e" }
            Rectangle { x: 120; y: 112; width: 14; height: 14; radius: 7; color: "#eef4fb"; border.color: "#9fb6cc" }
            Rectangle { x: 128; y: 96; width: 10; height: 10; radius: 5; color: "#eef4fb"; border.color: "#9fb6cc" }
            Rectangle { x: 70; y: 0; width: 100; height: 90; radius: 45; color: "#eef4fb"; border.color: "#9fb6cc"; border.width: 2 }
            Rectangle {
                x: 102; y: 14; width: 36; height: 36; radius: 18
                color: root.t > 45 ? "#ffd23f" : "#f1f1e6"
                border.color: "#9a7a05"; border.width: 2
            }
            Rectangle { x: 110; y: 50; width: 20; height: 14; radius: 3; color: "#8e9cab"; border.color: "#4d5b69" }
            Repeater {
                model: 6
                Rectangle {
                    required property int index
                    x: 120 - 1.5 + Math.cos(index * Math.PI / 5 + Math.PI) * 30
                    y: 32 - 1.5 + Math.sin(index * Math.PI / 5 + Math.PI) * 30
                    width: 3; height: 9; radius: 1.5
                    rotation: index * 36 - 90
                    color: "#f5a030"
                    opacity: root.rise(45, 10)
                }
            }
        }
        Text {
            x: 510; y: 334; width: 180
            horizontalAlignment: Text.AlignHCenter
            text: "الحاجة"
            font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 24; color: "#c62828"
            opacity: root.rise(20, 15)
        }

        // Arrow from the need to the project.
        Shape {
            opacity: root.rise(60, 15)
            ShapePath {
                strokeColor: "#1f6fc5"; strokeWidth: 5; fillColor: "transparent"
                startX: 500; startY: 220
                PathLine { x: 450; y: 220 }
            }
            ShapePath {
                strokeColor: "#1f6fc5"; fillColor: "#1f6fc5"
                startX: 436; startY: 220
                PathLine { x: 452; y: 208 }
                PathLine { x: 452; y: 232 }
                PathLine { x: 436; y: 220 }
            }
        }

        // The project: two turning gears.
        Item {
            x: 270; y: 130; width: 170; height: 190
            opacity: root.rise(75, 15)
            Item {
                x: 20; y: 20; width: 90; height: 90
                rotation: root.t * 2
                Repeater {
                    model: 8
                    Rectangle {
                        required property int index
                        x: 37; y: -2; width: 16; height: 94; radius: 3
                        rotation: index * 22.5
                        color: "#3f7cc0"
                    }
                }
                Rectangle { x: 10; y: 10; width: 70; height: 70; radius: 35; color: "#3f7cc0"; border.color: "#1d3550"; border.width: 2 }
                Rectangle { x: 34; y: 34; width: 22; height: 22; radius: 11; color: "#ffffff"; border.color: "#1d3550"; border.width: 2 }
            }
            Item {
                x: 92; y: 88; width: 64; height: 64
                rotation: -root.t * 2.8
                Repeater {
                    model: 6
                    Rectangle {
                        required property int index
                        x: 26; y: -2; width: 12; height: 68; radius: 3
                        rotation: index * 30
                        color: "#e0a21c"
                    }
                }
                Rectangle { x: 7; y: 7; width: 50; height: 50; radius: 25; color: "#e0a21c"; border.color: "#5b4a2a"; border.width: 2 }
                Rectangle { x: 24; y: 24; width: 16; height: 16; radius: 8; color: "#ffffff"; border.color: "#5b4a2a"; border.width: 2 }
            }
        }
        Text {
            x: 250; y: 334; width: 210
            horizontalAlignment: Text.AlignHCenter
            text: "المشروع الصناعي"
            font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 24; color: "#1f5fa8"
            opacity: root.rise(75, 15)
        }

        // Arrow from the project to the product.
        Shape {
            opacity: root.rise(110, 15)
            ShapePath {
                strokeColor: "#1f6fc5"; strokeWidth: 5; fillColor: "transparent"
                startX: 262; startY: 220
                PathLine { x: 212; y: 220 }
            }
            ShapePath {
                strokeColor: "#1f6fc5"; fillColor: "#1f6fc5"
                startX: 198; startY: 220
                PathLine { x: 214; y: 208 }
                PathLine { x: 214; y: 232 }
                PathLine { x: 198; y: 220 }
            }
        }

        // The product: a packed box with a star.
        Item {
            x: 40; y: 150; width: 150; height: 170
            opacity: root.rise(125, 15)
            scale: 0.8 + 0.2 * root.rise(125, 20)
            Shape {
                ShapePath {
                    strokeColor: "#5b3a1e"; strokeWidth: 2; fillColor: "#d9a566"
                    startX: 20; startY: 40
                    PathLine { x: 75; y: 15 }
                    PathLine { x: 130; y: 40 }
                    PathLine { x: 75; y: 65 }
                    PathLine { x: 20; y: 40 }
                }
                ShapePath {
                    strokeColor: "#5b3a1e"; strokeWidth: 2; fillColor: "#c98c45"
                    startX: 20; startY: 40
                    PathLine { x: 75; y: 65 }
                    PathLine { x: 75; y: 150 }
                    PathLine { x: 20; y: 125 }
                    PathLine { x: 20; y: 40 }
                }
                ShapePath {
                    strokeColor: "#5b3a1e"; strokeWidth: 2; fillColor: "#b57836"
                    startX: 75; startY: 65
                    PathLine { x: 130; y: 40 }
                    PathLine { x: 130; y: 125 }
                    PathLine { x: 75; y: 150 }
                    PathLine { x: 75; y: 65 }
                }
                ShapePath {
                    strokeColor: "#f5c518"; strokeWidth: 1.5; fillColor: "#f5c518"
                    startX: 47; startY: 78
                    PathLine { x: 51; y: 88 }
                    PathLine { x: 61; y: 90 }
                    PathLine { x: 53; y: 96 }
                    PathLine { x: 56; y: 106 }
                    PathLine { x: 47; y: 100 }
                    PathLine { x: 38; y: 106 }
                    PathLine { x: 41; y: 96 }
                    PathLine { x: 33; y: 90 }
                    PathLine { x: 43; y: 88 }
                    PathLine { x: 47; y: 78 }
                }
            }
        }
        Text {
            x: 25; y: 334; width: 180
            horizontalAlignment: Text.AlignHCenter
            text: "المنتوج"
            font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 24; color: "#2e7d32"
            opacity: root.rise(125, 15)
        }
    }

    // ---- 2. The life cycle of the product --------------------------------
    Item {
        id: cycle
        anchors.fill: parent
        opacity: root.during(250, 600)
        visible: opacity > 0

        Text {
            x: 20; y: 18; width: 681
            horizontalAlignment: Text.AlignHCenter
            text: "دورة حياة المنتوج"
            font.family: "Noto Kufi Arabic"; font.bold: true; font.pixelSize: 28; color: "#1d3550"
        }
        // The path: right to left on the upper row, down at the left, left to right below.
        Shape {
            ShapePath {
                strokeColor: "#c9d6e2"; strokeWidth: 8; fillColor: "transparent"; capStyle: ShapePath.RoundCap
                startX: 660; startY: 174
                PathLine { x: 60; y: 174 }
                PathLine { x: 60; y: 324 }
                PathLine { x: 660; y: 324 }
            }
        }
        Repeater {
            model: root.stages.length
            Item {
                id: chip
                required property int index
                readonly property int row: index < 5 ? 0 : 1
                readonly property int col: row === 0 ? index : 9 - index   // the path turns back on the lower row
                // the rows centred across the scene and in the space under the title
                x: 608 - col * 130 - 50
                y: 142 + row * 150
                width: 120; height: 64
                opacity: root.rise(275 + index * 20, 12)
                scale: 0.85 + 0.15 * root.rise(275 + index * 20, 12)
                Rectangle {
                    anchors.fill: parent; radius: 10
                    color: "#eef1f4"; border.color: "#5d6874"; border.width: 2
                }
                Rectangle {
                    x: 92; y: -12; width: 32; height: 32; radius: 16
                    color: "#c62828"; border.color: "#ffffff"; border.width: 2
                    Text {
                        anchors.centerIn: parent
                        text: chip.index + 1
                        font.family: "DejaVu Sans"; font.bold: true; font.pixelSize: 15; color: "#ffffff"
                    }
                }
                Text {
                    x: 4; y: 12; width: 112; height: 46
                    horizontalAlignment: Text.AlignHCenter; verticalAlignment: Text.AlignVCenter
                    text: root.stages[chip.index]
                    font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 18; color: "#1d2a36"
                    fontSizeMode: Text.HorizontalFit; minimumPixelSize: 12
                }
            }
        }
    }

    // ---- 3. The functional-analysis tools --------------------------------
    Item {
        id: tools
        anchors.fill: parent
        opacity: root.during(610, 885)
        visible: opacity > 0

        Text {
            x: 20; y: 14; width: 681
            horizontalAlignment: Text.AlignHCenter
            text: "أدوات التحليل الوظيفي"
            font.family: "Noto Kufi Arabic"; font.bold: true; font.pixelSize: 28; color: "#1d3550"
        }
        Repeater {
            model: root.steps.length
            Item {
                id: line
                required property int index
                x: 20; y: 80 + index * 56
                width: 681; height: 46
                opacity: root.rise(635 + index * 20, 12)
                // The step, at the right, where the line is read first.
                Rectangle {
                    x: 396; width: 285; height: 46; radius: 8
                    color: "#1f5fa8"
                    Text {
                        anchors.fill: parent; anchors.margins: 6
                        horizontalAlignment: Text.AlignHCenter; verticalAlignment: Text.AlignVCenter
                        text: root.steps[line.index].step
                        font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 19; color: "#ffffff"
                        fontSizeMode: Text.HorizontalFit; minimumPixelSize: 12
                    }
                }
                Shape {
                    ShapePath {
                        strokeColor: "#e0a21c"; strokeWidth: 4; fillColor: "transparent"
                        startX: 390; startY: 23
                        PathLine { x: 332; y: 23 }
                    }
                    ShapePath {
                        strokeColor: "#e0a21c"; fillColor: "#e0a21c"
                        startX: 318; startY: 23
                        PathLine { x: 334; y: 13 }
                        PathLine { x: 334; y: 33 }
                        PathLine { x: 318; y: 23 }
                    }
                }
                // Its tool, in a framed card like the page's labels.
                Rectangle {
                    x: 0; width: 312; height: 46; radius: 4
                    color: "#ffffff"; border.color: "#1f5fa8"; border.width: 2
                    Text {
                        anchors.fill: parent; anchors.margins: 6
                        horizontalAlignment: Text.AlignHCenter; verticalAlignment: Text.AlignVCenter
                        text: root.steps[line.index].tool
                        font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 19; color: "#1d2a36"
                        fontSizeMode: Text.HorizontalFit; minimumPixelSize: 12
                    }
                }
            }
        }
    }

    Timeline {
        startFrame: 0
        endFrame: 900
        KeyframeGroup {
            target: root; property: "t"
            Keyframe { frame: 0; value: 0 }
            Keyframe { frame: 900; value: 900 }
        }
    }
}
