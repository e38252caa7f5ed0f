// SPDX-License-Identifier: GPL-3.0-or-later
// How to answer the questions: a small exercise page is answered under the
// pupil's eyes. The pointer ticks a box, types a word into a text box, drags
// a word card onto its frame and presses the evaluation button; the praise
// figure appears, the question mark leaves the continue button, and the
// pointer goes to it. Then the page fades back to its opening state.
//
// The small page, its words and the step captions form one drawing: the
// captions come one at a time at the top, above the page, and never cover it.

pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Timeline

Item {
    id: root
    width: 721                      // design size: the page's player, in pixels
    height: 433
    property int duration: 32000    // 800 frames at 25 frames a second

    // Driven by the Timeline.
    property real typed: 0          // 0 .. 1 share of the typed word shown
    property real pressed: 0        // 0 .. 1 the pointer's button is down

    Rectangle { anchors.fill: parent; color: "#f4f7fa" }

    // A step caption: dark words on a white pill with an orange rim.
    component Pill: Rectangle {
        property alias text: words.text
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

    Item {
        id: stage
        anchors.fill: parent

        Pill { id: cap1; text: "ضع علامة في الخانة المناسبة" }
        Pill { id: cap2; text: "اكتب الكلمة الناقصة في الإطار" }
        Pill { id: cap3; text: "اسحب البطاقة إلى الإطار المناسب" }
        Pill { id: cap4; text: "انقر على زر التقويم" }
        Pill { id: cap5; text: "أحسنت! يمكنك الآن المواصلة" }

        // The small exercise page.
        Rectangle {
            id: page
            x: 20; y: 52; width: 681; height: 372
            color: "#ffffff"
            border.color: "#c9d6e2"
            border.width: 1

            Rectangle { x: 1; y: 1; width: 679; height: 32; color: "#22384f" }
            Rectangle { x: 1; y: 33; width: 679; height: 3; color: "#f28c28" }
            Text {
                x: 1; y: 1; width: 664; height: 32
                horizontalAlignment: Text.AlignRight; verticalAlignment: Text.AlignVCenter
                text: "أجب عن الأسئلة"
                font.family: "Noto Kufi Arabic"; font.bold: true; font.pixelSize: 15; color: "#ffffff"
            }

            // The numbers of the questions, each in an orange disc.
            Repeater {
                model: [52, 126, 184]
                Rectangle {
                    required property int index
                    required property int modelData
                    x: 658; y: modelData + 1; width: 20; height: 20; radius: 10
                    color: "#f28c28"
                    Text {
                        anchors.centerIn: parent
                        text: String(parent.index + 1)
                        font.family: "DejaVu Sans"; font.bold: true; font.pixelSize: 13; color: "#ffffff"
                    }
                }
            }

            // 1: tick the right box.
            Text {
                x: 290; y: 48; width: 360
                horizontalAlignment: Text.AlignRight
                text: "تعمل المروحة بالطاقة الكهربائية."
                font.family: "Noto Naskh Arabic"; font.pixelSize: 16; color: "#22384f"
            }
            Rectangle { id: box1; x: 228; y: 54; width: 16; height: 16; color: "#ffffff"; border.color: "#39424c"; border.width: 1 }
            Text { x: 252; y: 45; text: "صحيح"; font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 16; color: "#1f2d3b" }
            Rectangle { x: 228; y: 82; width: 16; height: 16; color: "#ffffff"; border.color: "#39424c"; border.width: 1 }
            Text { x: 252; y: 78; text: "خطأ"; font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 16; color: "#1f2d3b" }
            Item {
                id: tick
                x: 228; y: 54; width: 16; height: 16
                opacity: 0
                Rectangle { x: 3; y: 8; width: 6; height: 2.4; rotation: 45; color: "#1f2d3b" }
                Rectangle { x: 5; y: 6; width: 10; height: 2.4; rotation: -50; color: "#1f2d3b" }
            }

            // 2: type the missing word.
            Text {
                x: 290; y: 122; width: 360
                horizontalAlignment: Text.AlignRight
                text: "الوحدة التي نقيس بها الطول هي:"
                font.family: "Noto Naskh Arabic"; font.pixelSize: 16; color: "#22384f"
            }
            Rectangle {
                id: textBox
                x: 140; y: 120; width: 150; height: 32
                color: "#ffffff"; border.color: "#7a8896"; border.width: 1
                // The word is typed letter by letter: it starts at the right,
                // where the whole word will end, and grows to the left, the
                // caret after its last letter.
                TextMetrics { id: fullWord; font: word.font; text: "المتر" }
                Text {
                    id: word
                    anchors.right: parent.right
                    anchors.rightMargin: Math.round((parent.width - fullWord.advanceWidth) / 2)
                    anchors.verticalCenter: parent.verticalCenter
                    text: fullWord.text.substring(0, Math.min(fullWord.text.length, Math.floor(root.typed * fullWord.text.length + 1e-6)))
                    font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 17; color: "#800000"
                }
                Rectangle {
                    id: caret
                    x: word.x - 2; y: 7; width: 1.5; height: 18; color: "#1f2d3b"
                    opacity: 0
                }
            }

            // 3: drag the card onto its frame.
            Text {
                x: 290; y: 180; width: 360
                horizontalAlignment: Text.AlignRight
                text: "اسحب البطاقة إلى الإطار المناسب:"
                font.family: "Noto Naskh Arabic"; font.pixelSize: 16; color: "#22384f"
            }
            Text {
                x: 300; y: 226; width: 360
                horizontalAlignment: Text.AlignRight
                text: "جهاز يقيس الزمن:"
                font.family: "Noto Naskh Arabic"; font.pixelSize: 16; color: "#22384f"
            }
            Rectangle {
                id: frame
                x: 420; y: 222; width: 110; height: 34
                color: "#f3f9f9"; border.color: "#1b7c7c"; border.width: 2
            }
            Rectangle {
                id: card
                x: 150; y: 180; width: 100; height: 30
                color: "#ffffff"; border.color: "#2f7fc1"; border.width: 1
                Text {
                    anchors.centerIn: parent
                    text: "الساعة"
                    font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 16; color: "#1f2d3b"
                }
            }

            // The toolbar: the evaluation button and the continue button under its question mark.
            // The project's pictures load off the main thread at twice their drawn size, so the
            // page opens at once and they stay sharp when the window is scaled up.
            Rectangle { x: 1; y: 292; width: 679; height: 79; color: "#e9eef3" }
            Rectangle { x: 1; y: 292; width: 679; height: 1; color: "#cfd9e3" }
            Image { x: 330; y: 305; width: 46; height: 40; source: "assets/kit/idle/eval.svg"; asynchronous: true; Component.onCompleted: sourceSize = Qt.size(92, 80) }
            Image { id: evalLit; x: 330; y: 305; width: 46; height: 55; source: "assets/kit/hl-eval.svg"; asynchronous: true; Component.onCompleted: sourceSize = Qt.size(92, 110); opacity: 0 }
            Image { x: 200; y: 305; width: 46; height: 40; source: "assets/kit/idle/continue.svg"; asynchronous: true; Component.onCompleted: sourceSize = Qt.size(92, 80) }
            Image { id: continueLit; x: 200; y: 305; width: 46; height: 55; source: "assets/kit/hl-continue.svg"; asynchronous: true; Component.onCompleted: sourceSize = Qt.size(92, 110); opacity: 0 }
            Image { id: question; x: 185; y: 300; width: 77; height: 63; source: "assets/exercise/question_77x63.svg"; asynchronous: true; Component.onCompleted: sourceSize = Qt.size(154, 126) }

            // The praise figure.
            Image { id: praise; x: 40; y: 150; width: 61; height: 100; source: "assets/exercise/verdict_right_cheering_61x100.svg"; asynchronous: true; Component.onCompleted: sourceSize = Qt.size(122, 200); opacity: 0 }
        }

        // The pointer: its fingertip (13, 6) is the point that clicks.
        Item {
            id: pointer
            x: 620; y: 380; width: 32; height: 32
            Rectangle {
                x: 13 - 9; y: 6 - 9; width: 18; height: 18; radius: 9
                color: "transparent"; border.color: "#e0392b"; border.width: 2
                opacity: root.pressed
                scale: 0.6 + 0.6 * root.pressed
            }
            Image {
                anchors.fill: parent
                source: "assets/kit/pointer.svg"
                asynchronous: true; Component.onCompleted: sourceSize = Qt.size(64, 64)
                scale: 1 - 0.1 * root.pressed
                transformOrigin: Item.TopLeft
            }
        }
    }

    Timeline {
        startFrame: 0
        endFrame: 800

        // Captions, one at a time.
        KeyframeGroup { target: cap1; property: "opacity"
            Keyframe { frame: 10; value: 0 } Keyframe { frame: 22; value: 1 } Keyframe { frame: 148; value: 1 } Keyframe { frame: 158; value: 0 } }
        KeyframeGroup { target: cap2; property: "opacity"
            Keyframe { frame: 162; value: 0 } Keyframe { frame: 174; value: 1 } Keyframe { frame: 318; value: 1 } Keyframe { frame: 328; value: 0 } }
        KeyframeGroup { target: cap3; property: "opacity"
            Keyframe { frame: 332; value: 0 } Keyframe { frame: 344; value: 1 } Keyframe { frame: 478; value: 1 } Keyframe { frame: 488; value: 0 } }
        KeyframeGroup { target: cap4; property: "opacity"
            Keyframe { frame: 492; value: 0 } Keyframe { frame: 504; value: 1 } Keyframe { frame: 618; value: 1 } Keyframe { frame: 628; value: 0 } }
        KeyframeGroup { target: cap5; property: "opacity"
            Keyframe { frame: 632; value: 0 } Keyframe { frame: 644; value: 1 } Keyframe { frame: 748; value: 1 } Keyframe { frame: 758; value: 0 } }

        // The pointer's path (page x + 20, page y + 52, less the fingertip offset).
        KeyframeGroup { target: pointer; property: "x"
            Keyframe { frame: 30; value: 620 }
            Keyframe { frame: 75; value: 243; easing.type: Easing.InOutQuad }      // the box of true
            Keyframe { frame: 180; value: 243 }
            Keyframe { frame: 215; value: 222; easing.type: Easing.InOutQuad }     // the text box
            Keyframe { frame: 234; value: 222 }
            Keyframe { frame: 250; value: 322; easing.type: Easing.InOutQuad }     // aside, clear of the typed word
            Keyframe { frame: 345; value: 322 }
            Keyframe { frame: 380; value: 227; easing.type: Easing.InOutQuad }     // the card
            Keyframe { frame: 400; value: 227 }
            Keyframe { frame: 450; value: 502; easing.type: Easing.InOutQuad }     // dragged onto the frame
            Keyframe { frame: 505; value: 502 }
            Keyframe { frame: 540; value: 360; easing.type: Easing.InOutQuad }     // the evaluation button
            Keyframe { frame: 650; value: 360 }
            Keyframe { frame: 690; value: 230; easing.type: Easing.InOutQuad }     // the continue button
            Keyframe { frame: 765; value: 230 }
            Keyframe { frame: 795; value: 620; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup { target: pointer; property: "y"
            Keyframe { frame: 30; value: 380 }
            Keyframe { frame: 75; value: 110; easing.type: Easing.InOutQuad }
            Keyframe { frame: 180; value: 110 }
            Keyframe { frame: 215; value: 182; easing.type: Easing.InOutQuad }
            Keyframe { frame: 234; value: 182 }
            Keyframe { frame: 250; value: 200; easing.type: Easing.InOutQuad }
            Keyframe { frame: 345; value: 200 }
            Keyframe { frame: 380; value: 241; easing.type: Easing.InOutQuad }
            Keyframe { frame: 400; value: 241 }
            Keyframe { frame: 450; value: 285; easing.type: Easing.InOutQuad }
            Keyframe { frame: 505; value: 285 }
            Keyframe { frame: 540; value: 372; easing.type: Easing.InOutQuad }
            Keyframe { frame: 650; value: 372 }
            Keyframe { frame: 690; value: 372; easing.type: Easing.InOutQuad }
            Keyframe { frame: 765; value: 372 }
            Keyframe { frame: 795; value: 380; easing.type: Easing.InOutQuad }
        }
        // Presses: the tick, the text box, the card held during the drag, the evaluation button.
        KeyframeGroup { target: root; property: "pressed"
            Keyframe { frame: 82; value: 0 } Keyframe { frame: 86; value: 1 } Keyframe { frame: 92; value: 0 }
            Keyframe { frame: 222; value: 0 } Keyframe { frame: 226; value: 1 } Keyframe { frame: 232; value: 0 }
            Keyframe { frame: 388; value: 0 } Keyframe { frame: 394; value: 1 } Keyframe { frame: 456; value: 1 } Keyframe { frame: 462; value: 0 }
            Keyframe { frame: 548; value: 0 } Keyframe { frame: 552; value: 1 } Keyframe { frame: 558; value: 0 }
        }
        KeyframeGroup { target: tick; property: "opacity"
            Keyframe { frame: 88; value: 0 } Keyframe { frame: 90; value: 1 } Keyframe { frame: 765; value: 1 } Keyframe { frame: 790; value: 0 } }
        KeyframeGroup { target: caret; property: "opacity"
            Keyframe { frame: 228; value: 0 } Keyframe { frame: 230; value: 1 } Keyframe { frame: 320; value: 1 } Keyframe { frame: 322; value: 0 } }
        KeyframeGroup { target: root; property: "typed"
            Keyframe { frame: 252; value: 0 } Keyframe { frame: 312; value: 1 } Keyframe { frame: 790; value: 1 } Keyframe { frame: 791; value: 0 } }
        // the typed word fades with the other answers at the end, rather than being erased letter by letter
        KeyframeGroup { target: word; property: "opacity"
            Keyframe { frame: 765; value: 1 } Keyframe { frame: 790; value: 0 } Keyframe { frame: 791; value: 1 } }
        KeyframeGroup { target: card; property: "x"
            Keyframe { frame: 400; value: 150 } Keyframe { frame: 450; value: 425; easing.type: Easing.InOutQuad }
            Keyframe { frame: 765; value: 425 } Keyframe { frame: 795; value: 150; easing.type: Easing.InOutQuad } }
        KeyframeGroup { target: card; property: "y"
            Keyframe { frame: 400; value: 180 } Keyframe { frame: 450; value: 224; easing.type: Easing.InOutQuad }
            Keyframe { frame: 765; value: 224 } Keyframe { frame: 795; value: 180; easing.type: Easing.InOutQuad } }
        KeyframeGroup { target: evalLit; property: "opacity"
            Keyframe { frame: 538; value: 0 } Keyframe { frame: 542; value: 1 } Keyframe { frame: 600; value: 1 } Keyframe { frame: 606; value: 0 } }
        KeyframeGroup { target: praise; property: "opacity"
            Keyframe { frame: 560; value: 0 } Keyframe { frame: 570; value: 1 } Keyframe { frame: 765; value: 1 } Keyframe { frame: 790; value: 0 } }
        KeyframeGroup { target: question; property: "opacity"
            Keyframe { frame: 566; value: 1 } Keyframe { frame: 582; value: 0 } Keyframe { frame: 765; value: 0 } Keyframe { frame: 790; value: 1 } }
        KeyframeGroup { target: continueLit; property: "opacity"
            Keyframe { frame: 686; value: 0 } Keyframe { frame: 690; value: 1 } Keyframe { frame: 755; value: 1 } Keyframe { frame: 760; value: 0 } }
    }
}
