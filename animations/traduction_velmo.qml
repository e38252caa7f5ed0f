// SPDX-License-Identifier: GPL-3.0-or-later
// The basic technical terms of the course, one card at a time: each term in
// Arabic with its French name below it, long enough to read both. A row of
// dots under the card shows how far the list has gone; after the last term
// the list starts again.
//
// The Timeline drives one property, `shown` (0 .. number of terms); each
// card's fading and sliding are computed from it, so every frame is fixed by
// the frame number alone and the scene rewinds cleanly.

pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Timeline

Item {
    id: root
    width: 721                      // design size: the page's player, in pixels
    height: 438
    property int duration: 39360    // 984 frames at 25 frames a second: 82 frames (3.3 s) a term

    readonly property var terms: [
        { ar: "النظام الآلي", fr: "le système automatisé" },
        { ar: "الحاجة", fr: "le besoin" },
        { ar: "المنتوج", fr: "le produit" },
        { ar: "المستعمل", fr: "l'utilisateur" },
        { ar: "الوظيفة الشاملة", fr: "la fonction globale" },
        { ar: "الوظيفة الخدماتية", fr: "la fonction de service" },
        { ar: "الوظيفة التقنية", fr: "la fonction technique" },
        { ar: "دفتر الشروط الوظيفي", fr: "le cahier des charges fonctionnel" },
        { ar: "المنفذ", fr: "l'actionneur" },
        { ar: "الملتقط", fr: "le capteur" },
        { ar: "المنفعل", fr: "l'effecteur" },
        { ar: "مادة العمل", fr: "la matière d'œuvre" }
    ]
    readonly property int slot: 82  // frames a term stays, fading included
    readonly property int fade: 5   // frames of fading in and out

    property real shown: 0          // driven by the Timeline: terms gone by, with the current one's share

    Rectangle { anchors.fill: parent; color: "#f4f7fa" }

    // The cards, all in one place; only the current one is seen.
    Repeater {
        model: root.terms.length
        Item {
            id: card
            required property int index
            readonly property real local: (root.shown - index) * root.slot   // frames into this term
            readonly property real presence: (local <= 0 || local >= root.slot)
                ? 0 : Math.min(1, local / root.fade, (root.slot - local) / root.fade)
            x: 90 + (1 - presence) * 16
            y: 40
            width: 540
            height: 300
            opacity: presence
            visible: presence > 0

            Rectangle {
                anchors.fill: parent
                radius: 14
                color: "#ffffff"
                border.color: "#2f7fc1"
                border.width: 2
            }
            // The Arabic half.
            Rectangle {
                x: 2; y: 2; width: 536; height: 146; radius: 12
                color: "#eaf3fc"
            }
            Rectangle { x: 2; y: 136; width: 536; height: 12; color: "#eaf3fc" }
            Rectangle {
                x: 434; y: 14; width: 92; height: 24; radius: 12
                color: "#22384f"
                Text {
                    anchors.centerIn: parent
                    text: "بالعربية"
                    font.family: "Noto Sans Arabic"; font.bold: true; font.pixelSize: 13; color: "#ffffff"
                }
            }
            Text {
                x: 20; y: 44; width: 500; height: 96
                horizontalAlignment: Text.AlignHCenter; verticalAlignment: Text.AlignVCenter
                text: root.terms[card.index].ar
                font.family: "Noto Kufi Arabic"; font.bold: true; font.pixelSize: 44; color: "#22384f"
                fontSizeMode: Text.HorizontalFit; minimumPixelSize: 24
            }
            Rectangle { x: 2; y: 148; width: 536; height: 2; color: "#2f7fc1" }
            // The French half.
            Rectangle {
                x: 14; y: 166; width: 92; height: 24; radius: 12
                color: "#1b7c7c"
                Text {
                    anchors.centerIn: parent
                    text: "بالفرنسية"
                    font.family: "Noto Sans Arabic"; font.bold: true; font.pixelSize: 13; color: "#ffffff"
                }
            }
            Text {
                x: 20; y: 194; width: 500; height: 76
                horizontalAlignment: Text.AlignHCenter; verticalAlignment: Text.AlignVCenter
                text: root.terms[card.index].fr
                font.family: "DejaVu Sans"; font.pixelSize: 32; color: "#1b5f7c"
                fontSizeMode: Text.HorizontalFit; minimumPixelSize: 18
            }
            Text {
                x: 440; y: 272; width: 84; height: 20
                horizontalAlignment: Text.AlignRight
                text: (card.index + 1) + " / " + root.terms.length
                font.family: "DejaVu Sans"; font.pixelSize: 13; color: "#7a8896"
            }
        }
    }

    // How far the list has gone: one dot a term, from right to left, the current one larger.
    Repeater {
        model: root.terms.length
        Rectangle {
            required property int index
            readonly property bool current: root.shown > index && root.shown < index + 1
            readonly property bool done: root.shown >= index + 1 && root.shown < root.terms.length
            width: current ? 14 : 10
            height: width
            radius: width / 2
            x: 360 + (root.terms.length / 2 - index - 0.5) * 24 - width / 2
            y: 384 - height / 2
            color: current ? "#f28c28" : (done ? "#2f7fc1" : "#d3dee8")
        }
    }

    Timeline {
        startFrame: 0
        endFrame: 984
        KeyframeGroup {
            target: root; property: "shown"
            Keyframe { frame: 0; value: 0 }
            Keyframe { frame: 984; value: 12 }
        }
    }
}
