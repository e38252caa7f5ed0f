// SPDX-License-Identifier: GPL-3.0-or-later
// The basic concepts, told with one everyday example: a boy is thirsty (a
// need); a factory (the manufacturer) fills bottles of water (the product);
// the boy buys one and drinks (the user); what the bottle does for him and
// what its parts do (its functions). One caption at a time names the idea
// while the drawing shows it; the scene ends on its opening picture, the
// thirsty boy in the sun.

pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Shapes
import QtQuick.Timeline

Item {
    id: root
    width: 721                      // design size: the page's player, in pixels
    height: 438
    property int duration: 39000    // 975 frames at 25 frames a second

    // A bottle of water with a screw cap; capLift raises the cap off its neck
    // and capShown takes it away (in the drinker's other hand). The water is
    // the part of the bottle below a level that stays horizontal however the
    // bottle is turned, at the height that holds its share of the bottle.
    component Bottle: Item {
        id: bottle
        property real capLift: 0
        property real capShown: 1
        property bool inFrame: false
        property real water: 0.8
        width: 40
        height: 112

        // The inside of the bottle (body and neck), in the bottle's own
        // coordinates, and its area.
        readonly property var inside: [[2, 30], [14, 30], [14, 16], [26, 16], [26, 30], [38, 30], [38, 110], [2, 110]]
        // The water: the inside cut by the horizontal line of the right level.
        readonly property var waterPoints: {
            const a = -bottle.rotation * Math.PI / 180;
            // "down" of the world, seen in the bottle's coordinates
            const dx = -Math.sin(a), dy = Math.cos(a);
            const depth = p => p[0] * dx + p[1] * dy;
            const cut = limit => {
                const out = [];
                const n = bottle.inside.length;
                for (let i = 0; i < n; ++i) {
                    const p = bottle.inside[i], q = bottle.inside[(i + 1) % n];
                    const dp = depth(p) - limit, dq = depth(q) - limit;
                    if (dp >= 0) out.push(p);
                    if ((dp >= 0) !== (dq >= 0)) {
                        const t = dp / (dp - dq);
                        out.push([p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1])]);
                    }
                }
                return out;
            };
            const area = pts => {
                let sum = 0;
                for (let i = 0; i < pts.length; ++i) {
                    const p = pts[i], q = pts[(i + 1) % pts.length];
                    sum += p[0] * q[1] - q[0] * p[1];
                }
                return Math.abs(sum) / 2;
            };
            const all = area(bottle.inside);
            let lo = Math.min(...bottle.inside.map(depth)), hi = Math.max(...bottle.inside.map(depth));
            for (let k = 0; k < 24; ++k) {
                const mid = (lo + hi) / 2;
                if (area(cut(mid)) > bottle.water * all) lo = mid; else hi = mid;
            }
            return cut((lo + hi) / 2).map(p => Qt.point(p[0], p[1]));
        }

        Rectangle { x: 12; y: 14; width: 16; height: 20; color: "#d9f0fb"; border.color: "#26313d"; border.width: 1.2 }
        Rectangle { x: 0; y: 28; width: 40; height: 84; radius: 9; color: "#d9f0fb"; border.color: "#26313d"; border.width: 1.2 }
        Shape {
            anchors.fill: parent
            ShapePath {
                strokeColor: "transparent"
                fillColor: "#5fb3ea"
                PathPolyline { path: bottle.waterPoints }
            }
        }
        Rectangle { x: 0; y: 62; width: 40; height: 22; color: "#2f74c8"; border.color: "#26313d"; border.width: 1 }
        Rectangle { x: 14; y: 67; width: 12; height: 12; radius: 6; color: "#ffffff" }
        Rectangle { x: 6; y: 36; width: 5; height: 22; radius: 2.5; color: "#ffffff"; opacity: 0.6 }
        Rectangle {
            x: 10; width: 20; height: 13; radius: 2
            y: 3 - bottle.capLift
            color: "#e53935"; border.color: "#26313d"; border.width: 1.2
            opacity: bottle.capShown
        }
    }

    Rectangle { anchors.fill: parent; color: "#f4f7fa" }
    Rectangle { id: ground; x: 0; y: 352; width: 721; height: 86; color: "#e3eadf" }

    // The sun of a hot day.
    Item {
        id: sun
        x: 600; y: 24; width: 80; height: 80
        Repeater {
            model: 8
            Rectangle {
                id: ray
                required property int index
                x: 37; y: -4; width: 6; height: 20; radius: 3
                color: "#ffb300"
                transform: Rotation { origin.x: 3; origin.y: 44; angle: ray.index * 45 }
            }
        }
        Rectangle { x: 16; y: 16; width: 48; height: 48; radius: 24; color: "#ffd54f"; border.color: "#f5a400"; border.width: 2 }
    }

    // The factory, its chimney smoking, and its conveyor.
    Item {
        id: factory
        x: 30; y: 168; width: 420; height: 190
        opacity: 0
        Rectangle { x: 150; y: 0; width: 22; height: 70; color: "#8d6e63"; border.color: "#26313d"; border.width: 1.2 }
        Rectangle { id: smoke1; x: 150; y: -24; width: 26; height: 20; radius: 10; color: "#b0bec5" }
        Rectangle { id: smoke2; x: 166; y: -46; width: 32; height: 24; radius: 12; color: "#cfd8dc" }
        Shape {
            x: 0; y: 40
            ShapePath {
                fillColor: "#90a4ae"; strokeColor: "#26313d"; strokeWidth: 1.2
                startX: 0; startY: 144
                PathLine { x: 0; y: 30 }
                PathLine { x: 45; y: 0 }
                PathLine { x: 45; y: 30 }
                PathLine { x: 90; y: 0 }
                PathLine { x: 90; y: 30 }
                PathLine { x: 135; y: 0 }
                PathLine { x: 135; y: 30 }
                PathLine { x: 180; y: 30 }
                PathLine { x: 180; y: 144 }
                PathLine { x: 0; y: 144 }
            }
        }
        Repeater {
            model: 3
            Rectangle {
                required property int index
                x: 16 + index * 54; y: 92; width: 36; height: 28
                color: "#bbdefb"; border.color: "#26313d"; border.width: 1
            }
        }
        Rectangle { x: 70; y: 138; width: 40; height: 46; color: "#5d4037"; border.color: "#26313d"; border.width: 1 }
        // the conveyor leaving the factory
        Rectangle { x: 180; y: 168; width: 236; height: 12; radius: 6; color: "#455a64"; border.color: "#26313d"; border.width: 1 }
        Repeater {
            model: 8
            Rectangle {
                required property int index
                x: 188 + index * 29; y: 171; width: 6; height: 6; radius: 3; color: "#b0bec5"
            }
        }
    }
    Bottle { id: line1; x: 200; y: 246; opacity: 0; scale: 0.6 }
    Bottle { id: line2; x: 200; y: 246; opacity: 0; scale: 0.6 }
    Bottle { id: line3; x: 200; y: 246; opacity: 0; scale: 0.6 }

    // The boy: thirsty in the sun at first, then drinking.
    Item {
        id: boy
        x: 520; y: 150; width: 110; height: 204
        Rectangle { x: 34; y: 140; width: 14; height: 62; radius: 5; color: "#2f4a6b" }
        Rectangle { x: 58; y: 140; width: 14; height: 62; radius: 5; color: "#2f4a6b" }
        Rectangle { x: 26; y: 66; width: 56; height: 82; radius: 14; color: "#f28c28"; border.color: "#26313d"; border.width: 1.2 }
        Rectangle { id: armDown; x: 78; y: 74; width: 12; height: 60; radius: 6; color: "#f6cfa8"; border.color: "#26313d"; border.width: 1 }
        Rectangle {
            id: armUp
            x: 14; y: 74; width: 12; height: 56; radius: 6
            color: "#f6cfa8"; border.color: "#26313d"; border.width: 1
            transformOrigin: Item.Top
            rotation: 0
        }
        Rectangle { x: 22; y: 4; width: 64; height: 64; radius: 32; color: "#f6cfa8"; border.color: "#26313d"; border.width: 1.2 }
        Rectangle { x: 22; y: 0; width: 64; height: 26; radius: 13; color: "#3b2a20" }
        Rectangle { x: 38; y: 32; width: 7; height: 8; radius: 3.5; color: "#26313d" }
        Rectangle { x: 62; y: 32; width: 7; height: 8; radius: 3.5; color: "#26313d" }
        // thirsty: a flat, open mouth; refreshed: a smile
        Rectangle { id: mouthThirsty; x: 46; y: 50; width: 16; height: 6; radius: 3; color: "#8a3b2a" }
        Shape {
            id: mouthSmile
            opacity: 0
            ShapePath {
                strokeColor: "#8a3b2a"; strokeWidth: 2.5; fillColor: "transparent"
                startX: 42; startY: 48
                PathQuad { x: 66; y: 48; controlX: 54; controlY: 60 }
            }
        }
        // drops of sweat
        Rectangle { id: sweat1; x: 12; y: 24; width: 7; height: 11; radius: 3.5; color: "#5fb3ea" }
        Rectangle { id: sweat2; x: 90; y: 18; width: 7; height: 11; radius: 3.5; color: "#5fb3ea" }
    }

    // The boy's thought: a glass of water.
    Item {
        id: thought
        x: 380; y: 60; width: 130; height: 110
        opacity: 0
        Rectangle { x: 116; y: 96; width: 10; height: 10; radius: 5; color: "#ffffff"; border.color: "#7d8a97" }
        Rectangle { x: 100; y: 80; width: 16; height: 14; radius: 7; color: "#ffffff"; border.color: "#7d8a97" }
        Rectangle { x: 0; y: 0; width: 108; height: 80; radius: 40; color: "#ffffff"; border.color: "#7d8a97"; border.width: 1.5 }
        Rectangle { x: 38; y: 14; width: 32; height: 52; radius: 4; color: "#eef7fd"; border.color: "#26313d"; border.width: 1.2 }
        Rectangle { x: 40; y: 30; width: 28; height: 34; radius: 3; color: "#5fb3ea" }
    }

    // The product, large in the middle, standing on a display table.
    Item {
        id: table
        opacity: 0
        Rectangle { x: 250; y: 256; width: 140; height: 9; radius: 2; color: "#a1887f"; border.color: "#26313d"; border.width: 1.2 }
        Rectangle { x: 262; y: 265; width: 8; height: 87; color: "#8d6e63"; border.color: "#26313d"; border.width: 1 }
        Rectangle { x: 370; y: 265; width: 8; height: 87; color: "#8d6e63"; border.color: "#26313d"; border.width: 1 }
    }
    Bottle { id: product; x: 300; y: 110; scale: 1.6; opacity: 0; inFrame: true }

    // What the bottle does for its user: water flows to him.
    Shape {
        id: serviceArrow
        opacity: 0
        ShapePath {
            strokeColor: "#2f8a3c"; strokeWidth: 5; fillColor: "transparent"
            capStyle: ShapePath.RoundCap
            startX: 375; startY: 160
            PathQuad { x: 512; y: 196; controlX: 455; controlY: 110 }
        }
        ShapePath {
            strokeColor: "#2f8a3c"; strokeWidth: 1; fillColor: "#2f8a3c"
            startX: 524; startY: 206
            PathLine { x: 500; y: 204 }
            PathLine { x: 516; y: 186 }
            PathLine { x: 524; y: 206 }
        }
    }
    // What a part does: the cap closes the bottle, so no water runs out when it tips.
    Rectangle {
        id: capRing
        x: 290; y: 62; width: 60; height: 60; radius: 30
        color: "transparent"; border.color: "#e53935"; border.width: 3
        opacity: 0
    }

    // The captions, one at a time, in a box under the drawing that comes and
    // goes with its words.
    component Caption: Rectangle {
        property alias text: words.text
        property bool captionBox: true
        x: 40; y: 368; width: 641; height: 54; radius: 12
        color: "#ffffff"; border.color: "#2f7fc1"; border.width: 1.5
        opacity: 0
        Text {
            id: words
            x: 10; y: 2; width: 621; height: 50
            horizontalAlignment: Text.AlignHCenter; verticalAlignment: Text.AlignVCenter
            font.family: "Noto Naskh Arabic"; font.bold: true; font.pixelSize: 22
            color: "#22384f"
        }
    }
    Caption { id: capNeed; text: "الحاجة: نقص يشعر به الإنسان فيسعى إلى سده" }
    Caption { id: capMaker; text: "الصانع: يصنع منتوجا يلبي هذه الحاجة" }
    Caption { id: capProduct; text: "المنتوج المادي: شيء مصنوع نشتريه لنستعمله" }
    Caption { id: capUser; text: "المستعمل: من يستعمل المنتوج ليلبي حاجته" }
    Caption { id: capService; text: "الوظيفة الخدماتية: ما يقدمه المنتوج لمستعمله" }
    Caption { id: capTechnical; text: "الوظيفة التقنية: ما تقوم به أجزاء المنتوج" }

    Timeline {
        startFrame: 0
        endFrame: 975

        // the setting
        KeyframeGroup {
            target: sun; property: "opacity"
            Keyframe { frame: 500; value: 1 }
            Keyframe { frame: 530; value: 0 }
            Keyframe { frame: 945; value: 0 }
            Keyframe { frame: 975; value: 1 }
        }
        KeyframeGroup {
            target: sun; property: "rotation"
            Keyframe { frame: 0; value: 0 }
            Keyframe { frame: 500; value: 90 }
        }

        // 1. the need: the thirsty boy thinks of a glass of water
        KeyframeGroup {
            target: thought; property: "opacity"
            Keyframe { frame: 30; value: 0 }
            Keyframe { frame: 50; value: 1 }
            Keyframe { frame: 160; value: 1 }
            Keyframe { frame: 180; value: 0 }
        }
        KeyframeGroup {
            target: thought; property: "scale"
            Keyframe { frame: 30; value: 0.4 }
            Keyframe { frame: 50; value: 1; easing.type: Easing.OutBack }
        }
        KeyframeGroup {
            target: sweat1; property: "y"
            Keyframe { frame: 20; value: 24 }
            Keyframe { frame: 80; value: 60 }
            Keyframe { frame: 81; value: 24 }
            Keyframe { frame: 140; value: 60 }
            Keyframe { frame: 141; value: 24 }
            Keyframe { frame: 200; value: 60 }
        }
        KeyframeGroup {
            target: sweat1; property: "opacity"
            Keyframe { frame: 500; value: 1 }
            Keyframe { frame: 520; value: 0 }
            Keyframe { frame: 955; value: 0 }
            Keyframe { frame: 975; value: 1 }
        }
        KeyframeGroup {
            target: sweat2; property: "y"
            Keyframe { frame: 50; value: 18 }
            Keyframe { frame: 110; value: 54 }
            Keyframe { frame: 111; value: 18 }
            Keyframe { frame: 170; value: 54 }
            Keyframe { frame: 171; value: 18 }
        }
        KeyframeGroup {
            target: sweat2; property: "opacity"
            Keyframe { frame: 500; value: 1 }
            Keyframe { frame: 520; value: 0 }
            Keyframe { frame: 955; value: 0 }
            Keyframe { frame: 975; value: 1 }
        }
        KeyframeGroup {
            target: capNeed; property: "opacity"
            Keyframe { frame: 25; value: 0 }
            Keyframe { frame: 40; value: 1 }
            Keyframe { frame: 160; value: 1 }
            Keyframe { frame: 172; value: 0 }
        }

        // 2. the manufacturer: the factory fills bottles, which leave on the conveyor
        KeyframeGroup {
            target: factory; property: "opacity"
            Keyframe { frame: 175; value: 0 }
            Keyframe { frame: 195; value: 1 }
            Keyframe { frame: 350; value: 1 }
            Keyframe { frame: 375; value: 0.25 }
            Keyframe { frame: 920; value: 0.25 }
            Keyframe { frame: 945; value: 0 }
        }
        KeyframeGroup {
            target: smoke1; property: "y"
            Keyframe { frame: 175; value: -24 }
            Keyframe { frame: 350; value: -40 }
        }
        KeyframeGroup {
            target: smoke2; property: "y"
            Keyframe { frame: 175; value: -46 }
            Keyframe { frame: 350; value: -66 }
        }
        KeyframeGroup {
            target: line1; property: "x"
            Keyframe { frame: 200; value: 200 }
            Keyframe { frame: 290; value: 420 }
        }
        KeyframeGroup {
            target: line1; property: "opacity"
            Keyframe { frame: 200; value: 0 }
            Keyframe { frame: 210; value: 1 }
            Keyframe { frame: 350; value: 1 }
            Keyframe { frame: 365; value: 0 }
        }
        KeyframeGroup {
            target: line2; property: "x"
            Keyframe { frame: 235; value: 200 }
            Keyframe { frame: 325; value: 360 }
        }
        KeyframeGroup {
            target: line2; property: "opacity"
            Keyframe { frame: 235; value: 0 }
            Keyframe { frame: 245; value: 1 }
            Keyframe { frame: 350; value: 1 }
            Keyframe { frame: 365; value: 0 }
        }
        KeyframeGroup {
            target: line3; property: "x"
            Keyframe { frame: 270; value: 200 }
            Keyframe { frame: 345; value: 300 }
        }
        KeyframeGroup {
            target: line3; property: "opacity"
            Keyframe { frame: 270; value: 0 }
            Keyframe { frame: 280; value: 1 }
            Keyframe { frame: 350; value: 1 }
            Keyframe { frame: 365; value: 0 }
        }
        KeyframeGroup {
            target: capMaker; property: "opacity"
            Keyframe { frame: 180; value: 0 }
            Keyframe { frame: 195; value: 1 }
            Keyframe { frame: 335; value: 1 }
            Keyframe { frame: 347; value: 0 }
        }

        // 3. the product, shown large
        KeyframeGroup {
            target: product; property: "opacity"
            Keyframe { frame: 350; value: 0 }
            Keyframe { frame: 375; value: 1 }
            Keyframe { frame: 920; value: 1 }
            Keyframe { frame: 945; value: 0 }
        }
        KeyframeGroup {
            target: product; property: "scale"
            Keyframe { frame: 350; value: 0.6 }
            Keyframe { frame: 380; value: 1.6; easing.type: Easing.OutBack }
            Keyframe { frame: 500; value: 1.6 }
            Keyframe { frame: 535; value: 0.8; easing.type: Easing.InOutQuad }
            Keyframe { frame: 660; value: 0.8 }
            Keyframe { frame: 690; value: 1.6; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: table; property: "opacity"
            Keyframe { frame: 350; value: 0 }
            Keyframe { frame: 375; value: 1 }
            Keyframe { frame: 920; value: 1 }
            Keyframe { frame: 945; value: 0 }
        }
        KeyframeGroup {
            target: capProduct; property: "opacity"
            Keyframe { frame: 355; value: 0 }
            Keyframe { frame: 370; value: 1 }
            Keyframe { frame: 485; value: 1 }
            Keyframe { frame: 497; value: 0 }
        }

        // 4. the user: he takes the bottle, uncaps it, lifts it to his mouth
        // and drinks (the level falls), lowers it and closes it again. The
        // bottle's place follows his hand: the arm, hinged at his shoulder
        // (540, 224) and 56 long, holds the bottle's middle at 60 degrees
        // (at his side) and near its neck at 140 degrees (at his mouth).
        KeyframeGroup {
            target: product; property: "x"
            Keyframe { frame: 500; value: 300 }
            Keyframe { frame: 535; value: 472; easing.type: Easing.InOutQuad }
            Keyframe { frame: 565; value: 472 }
            Keyframe { frame: 585; value: 507; easing.type: Easing.InOutQuad }
            Keyframe { frame: 625; value: 507 }
            Keyframe { frame: 640; value: 472; easing.type: Easing.InOutQuad }
            Keyframe { frame: 660; value: 472 }
            Keyframe { frame: 690; value: 300; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: product; property: "y"
            Keyframe { frame: 500; value: 110 }
            Keyframe { frame: 535; value: 184; easing.type: Easing.InOutQuad }
            Keyframe { frame: 565; value: 184 }
            Keyframe { frame: 585; value: 133; easing.type: Easing.InOutQuad }
            Keyframe { frame: 625; value: 133 }
            Keyframe { frame: 640; value: 184; easing.type: Easing.InOutQuad }
            Keyframe { frame: 660; value: 184 }
            Keyframe { frame: 690; value: 110; easing.type: Easing.InOutQuad }
            Keyframe { frame: 852; value: 110 }
            Keyframe { frame: 872; value: 168; easing.type: Easing.InOutQuad }   // lying on its side on the table
            Keyframe { frame: 900; value: 168 }
            Keyframe { frame: 915; value: 110; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: product; property: "rotation"
            Keyframe { frame: 565; value: 0 }
            Keyframe { frame: 585; value: 110; easing.type: Easing.InOutQuad }
            Keyframe { frame: 625; value: 110 }
            Keyframe { frame: 640; value: 0; easing.type: Easing.InOutQuad }
            Keyframe { frame: 852; value: 0 }
            Keyframe { frame: 872; value: -90; easing.type: Easing.InOutQuad }
            Keyframe { frame: 900; value: -90 }
            Keyframe { frame: 915; value: 0; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: product; property: "capLift"
            Keyframe { frame: 540; value: 0 }
            Keyframe { frame: 550; value: 12 }
            Keyframe { frame: 648; value: 12 }
            Keyframe { frame: 656; value: 0 }
            Keyframe { frame: 820; value: 0 }
            Keyframe { frame: 832; value: 14 }
            Keyframe { frame: 840; value: 14 }
            Keyframe { frame: 850; value: 0 }
        }
        KeyframeGroup {
            target: product; property: "capShown"
            Keyframe { frame: 552; value: 1 }
            Keyframe { frame: 562; value: 0 }
            Keyframe { frame: 640; value: 0 }
            Keyframe { frame: 648; value: 1 }
        }
        KeyframeGroup {
            target: product; property: "water"
            Keyframe { frame: 588; value: 0.8 }
            Keyframe { frame: 622; value: 0.45 }
            Keyframe { frame: 940; value: 0.45 }
            Keyframe { frame: 945; value: 0.8 }
        }
        KeyframeGroup {
            target: armUp; property: "rotation"
            Keyframe { frame: 515; value: 0 }
            Keyframe { frame: 535; value: 60; easing.type: Easing.InOutQuad }
            Keyframe { frame: 565; value: 60 }
            Keyframe { frame: 585; value: 140; easing.type: Easing.InOutQuad }
            Keyframe { frame: 625; value: 140 }
            Keyframe { frame: 640; value: 60; easing.type: Easing.InOutQuad }
            Keyframe { frame: 660; value: 60 }
            Keyframe { frame: 680; value: 0; easing.type: Easing.InOutQuad }
        }
        KeyframeGroup {
            target: mouthThirsty; property: "opacity"
            Keyframe { frame: 630; value: 1 }
            Keyframe { frame: 650; value: 0 }
            Keyframe { frame: 955; value: 0 }
            Keyframe { frame: 975; value: 1 }
        }
        KeyframeGroup {
            target: mouthSmile; property: "opacity"
            Keyframe { frame: 630; value: 0 }
            Keyframe { frame: 650; value: 1 }
            Keyframe { frame: 955; value: 1 }
            Keyframe { frame: 975; value: 0 }
        }
        KeyframeGroup {
            target: capUser; property: "opacity"
            Keyframe { frame: 505; value: 0 }
            Keyframe { frame: 520; value: 1 }
            Keyframe { frame: 640; value: 1 }
            Keyframe { frame: 652; value: 0 }
        }

        // 5. what the product does for its user
        KeyframeGroup {
            target: serviceArrow; property: "opacity"
            Keyframe { frame: 680; value: 0 }
            Keyframe { frame: 695; value: 1 }
            Keyframe { frame: 780; value: 1 }
            Keyframe { frame: 795; value: 0 }
        }
        KeyframeGroup {
            target: capService; property: "opacity"
            Keyframe { frame: 660; value: 0 }
            Keyframe { frame: 675; value: 1 }
            Keyframe { frame: 790; value: 1 }
            Keyframe { frame: 802; value: 0 }
        }

        // 6. what a part does: the cap comes off and goes back; laid on its side, the closed bottle keeps its water
        KeyframeGroup {
            target: capRing; property: "opacity"
            Keyframe { frame: 815; value: 0 }
            Keyframe { frame: 825; value: 1 }
            Keyframe { frame: 850; value: 1 }
            Keyframe { frame: 860; value: 0 }
        }
        KeyframeGroup {
            target: capTechnical; property: "opacity"
            Keyframe { frame: 808; value: 0 }
            Keyframe { frame: 820; value: 1 }
            Keyframe { frame: 925; value: 1 }
            Keyframe { frame: 940; value: 0 }
        }
    }
}
