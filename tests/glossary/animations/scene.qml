import QtQuick
// the tag once read "الكاشف": a comment is not drawn
Item {
    /* and the caption said 'يشتعل المصباح' */
    Text { text: "الملتقط يحسّ بوجوده" }
    Text { text: "كاشف الدخان" }
    Text { text: 'عند حلول الظلام يشتعل المصباح'; font.family: "Noto Sans Arabic" }
    Text { text: "الكاشف" }
}
