// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/quiet_font_cache.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <QTimerEvent>
#include <cstring>
#include <typeinfo>

namespace nizam::platform {

// The name the compiler gives a class of the global namespace is its length,
// then the name itself ("10QFontCache"): that is what typeid() reads.
QuietFontCache::QuietFontCache(QByteArray cacheClass, QObject* parent)
    : QObject(parent), typeName_(QByteArray::number(cacheClass.size()) + cacheClass) {}

void QuietFontCache::install() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    static constexpr char kName[] = "nizam-quiet-font-cache";
    if (app->findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly)) return;
    auto* quiet = new QuietFontCache(QByteArrayLiteral("QFontCache"), app);
    quiet->setObjectName(QLatin1String(kName));
    app->installEventFilter(quiet);
}

bool QuietFontCache::eventFilter(QObject* watched, QEvent* event) {
    // Every event of the main thread passes here: the type is compared first.
    if (event->type() != QEvent::Timer) return false;
    // Qt's font cache declares no meta-object of its own (its class name
    // there is QObject's): it is known by its C++ type.
    if (std::strcmp(typeid(*watched).name(), typeName_.constData()) != 0) return false;
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(watched->thread());
    if (!dispatcher) return false;
    // The timer is taken from the event loop only: its number stays with its
    // object, which gives it back itself if it ever stops that timer.
    dispatcher->unregisterTimer(static_cast<QTimerEvent*>(event)->timerId());
    ++stopped_;
    lastCache_ = watched;
    return true;
}

}  // namespace nizam::platform
