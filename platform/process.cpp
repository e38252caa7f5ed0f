// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/process.h"

#include <QApplication>
#include <QStyle>
#include <malloc.h>

#include "platform/qml_movie_player.h"
#include "platform/quiet_font_cache.h"

namespace nizam::platform {

void setUpProcess() {
    // Rendered pictures are megabytes each and come and go with the pages.
    // The C library would by default raise its threshold for giving such
    // blocks their own mapping once a few are freed, and then keep them in
    // its heap, where freed pictures stay resident; a fixed threshold has
    // every picture mapped on its own and its memory returned when evicted.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    QmlMoviePlayer::prepareRendering();
    // The text boxes and check boxes lie over pictures drawn for one look:
    // every machine draws them with Qt's Fusion style.
    // (A program without widgets has no style to set.)
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) &&
        QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStringLiteral("Fusion"));
    // No font-cache trimming from a timer while the pupil reads a page.
    QuietFontCache::install();
}

}  // namespace nizam::platform
