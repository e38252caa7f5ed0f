// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps Qt's font cache from waking the program while nobody uses it.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

namespace nizam::platform {

// Once the font engines loaded in the main thread add up to more than 4 MB
// (about 40 family, size and weight combinations; the animations' texts
// alone load over a hundred), Qt's font cache starts a timer that trims it
// every 10 s, and stops only when it is back under that size: the program
// is then woken every 10 s for up to a minute after each page with an
// animation, with nobody touching it. Qt also trims the cache while engines
// are being loaded, once it holds many, which keeps its size bounded.
//
// Watching the application's events, this stops such a timer the first time it
// fires, before the cache gets the event: the cache still takes its timer for
// running and so starts no other as more engines come (one that Qt's trimming
// while loading starts is stopped the same way), and the program is woken once
// for it instead of every 10 s. The engines the cache would have dropped stay
// loaded: they are a fixed set, the course's families and sizes, and a later
// visit of their page takes them again.
class QuietFontCache : public QObject {
public:
    // Watches the timers of the main thread's objects whose C++ class is
    // `cacheClass`, a class of the global namespace. Construct it in the main
    // thread and install it with QCoreApplication::installEventFilter().
    explicit QuietFontCache(QByteArray cacheClass = QByteArrayLiteral("QFontCache"), QObject* parent = nullptr);

    // Installs one on the application, once however often it is called.
    static void install();

    // How many timers it has stopped, and the object that owned the last one.
    int stopped() const { return stopped_; }
    QObject* lastCache() const { return lastCache_.data(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QByteArray typeName_;
    int stopped_ = 0;
    QPointer<QObject> lastCache_;
};

}  // namespace nizam::platform
