import QtQuick
// الكاشف named in a comment is not drawn
Item {
    /* نعم، يشتعل المصباح: a comment again */
    Text { text: "الملتقط يحسّ بوجوده" }
    Text { text: "كاشف الدخان" }
    Text { text: 'عند حلول الظلام يشتعل المصباح'; font.family: "Noto Sans Arabic" }
    Text { text: "الكاشف" }
}
