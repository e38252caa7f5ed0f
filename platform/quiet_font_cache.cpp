#include "platform/quiet_font_cache.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <QTimerEvent>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <string_view>
#include <typeinfo>

namespace nizam::platform {

QuietFontCache::QuietFontCache(QByteArray cacheClass, QObject* parent)
    : QObject(parent), cacheClass_(std::move(cacheClass)) {}

void QuietFontCache::install() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    static constexpr char kName[] = "nizam-quiet-font-cache";
    if (app->findChild<QObject*>(QLatin1String(kName), Qt::FindDirectChildrenOnly)) return;
    auto* quiet = new QuietFontCache(QByteArrayLiteral("QFontCache"), app);
    quiet->setObjectName(QLatin1String(kName));
    app->installEventFilter(quiet);
}

bool QuietFontCache::isCache(QObject* object) const {
    // Qt's font cache declares no meta-object of its own (its class name
    // there is QObject's): it is known by its C++ type. The mangled name is
    // compared cheaply first, and read whole only when it ends alike.
    const char* mangled = typeid(*object).name();
    if (!std::string_view(mangled).ends_with(std::string_view(cacheClass_.constData(), cacheClass_.size())))
        return false;
    int status = -1;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && cacheClass_ == name.get();
}

bool QuietFontCache::eventFilter(QObject* watched, QEvent* event) {
    // Every event of the main thread passes here: the type is compared first.
    if (event->type() != QEvent::Timer) return false;
    if (!isCache(watched)) return false;
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
