// nizam-bench: how fast Nizam starts and changes pages, how much memory it
// takes and how much processor time it uses while nobody touches it.
//
//   nizam-bench [--runs N]
//
// Uses Qt's offscreen platform unless QT_QPA_PLATFORM is set. Prints one
// table of medians and 95th percentiles against the targets.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QProcess>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>

#include "app/navigator.h"
#include "app/registry.h"
#include "app/targets.h"
#include "platform/desktop_host.h"
#include "platform/fonts.h"
#include "platform/qml_movie_player.h"
#include "platform/svg_asset_store.h"

namespace {

using namespace nizam;

double monotonicMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

double cpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

struct Stats {
    double median = 0, p95 = 0;
};
Stats stats(std::vector<double> v) {
    if (v.empty()) return {};
    std::sort(v.begin(), v.end());
    auto at = [&](double q) { return v[std::min(v.size() - 1, static_cast<std::size_t>(q * (v.size() - 1) + 0.5))]; };
    return {at(0.5), at(0.95)};
}

// Start-up probe: what `nizam` does, up to its first drawn frame; prints the
// monotonic clock at that frame.
int startupProbe(int argc, char** argv) {
    nizam::platform::QmlMoviePlayer::prepareRendering();
    QApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    platform::registerBundledFonts(folder);
    platform::SvgAssetStore store(folder + "/assets");
    platform::DesktopHost::Options options;
    options.quitOnEnd = false;
    options.fitToScreen = false;  // measured at the design size, whatever the display
    platform::DesktopHost host(store, folder, options);
    Navigator nav(host, screenRegistry());
    host.attach(&nav);
    nav.start();
    while (host.framesDrawn() == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("%.3f\n", monotonicMs());
    return 0;
}

struct Session {
    QString folder = QCoreApplication::applicationDirPath();
    platform::SvgAssetStore store{folder + "/assets"};
    platform::DesktopHost host{store, folder, [] {
                                   platform::DesktopHost::Options o;
                                   o.quitOnEnd = false;
                                   o.recordPrograms = true;
                                   o.fitToScreen = false;  // the design size, as above
                                   return o;
                               }()};
    Navigator nav{host, screenRegistry()};
    Session() { host.attach(&nav); }

    void waitFrame(long before) {
        while (host.framesDrawn() == before) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    void settle() {
        store.waitForPrerender();
        QCoreApplication::processEvents();
    }
    // Goes to `target` the way a pupil does, by clicking the button that
    // leads there when the current page has one, and times it to the first
    // frame of the new page.
    double goTo(const std::string& target) {
        Screen* current = nav.current();
        std::optional<ControlId> button;
        if (current) {
            for (const auto& e : nav.registry()) {
                if (e.name != current->name() || !e.module) continue;
                for (const auto& edge : discoverEdges(*e.module)) {
                    if (edge.target == target && current->hitTest(current->rect(edge.control).left + current->rect(edge.control).width / 2,
                                                                  current->rect(edge.control).top + current->rect(edge.control).height / 2) == edge.control)
                        button = edge.control;
                }
            }
        }
        const long before = host.framesDrawn();
        QElapsedTimer t;
        t.start();
        if (button) {
            const Rect r = current->rect(*button);
            const QPoint p = host.toWindow(r.left + r.width / 2, r.top + r.height / 2).toPoint();
            QTest::mouseClick(host.window()->windowHandle(), Qt::LeftButton, {}, p);
        } else {
            nav.open(target);
        }
        waitFrame(before);
        return t.nsecsElapsed() / 1e6;
    }
};

// The page from which a pupil reaches `target`, if any built page leads there.
std::string predecessorOf(const std::string& target, const std::vector<RegistryEntry>& registry) {
    for (const auto& e : registry) {
        if (!e.module) continue;
        for (const auto& t : discoverTargets(*e.module)) {
            if (t == target) return e.name;
        }
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int runs = 15;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--startup-probe") return startupProbe(argc, argv);
        if (std::string(argv[i]) == "--runs" && i + 1 < argc) runs = std::max(3, std::atoi(argv[++i]));
    }

    // Start-up, measured from the moment the program is started.
    std::vector<double> startup;
    for (int i = 0; i < runs; ++i) {
        QProcess probe;
        const double t0 = monotonicMs();
        probe.start(QString::fromLocal8Bit(argv[0]), {"--startup-probe"});
        probe.waitForFinished(30000);
        const double frame = probe.readAllStandardOutput().trimmed().toDouble();
        if (frame > t0) startup.push_back(frame - t0);
    }

    nizam::platform::QmlMoviePlayer::prepareRendering();
    QApplication app(argc, argv);
    platform::registerBundledFonts(QCoreApplication::applicationDirPath());
    Session s;
    const auto registry = s.nav.registry();
    std::vector<std::string> built;
    for (const auto& e : registry)
        if (e.module) built.push_back(e.name);

    s.nav.start();
    s.waitFrame(0);
    s.settle();

    struct PageRow {
        std::string name;
        std::vector<double> first, later;
    };
    std::vector<PageRow> rows;
    for (const auto& target : built) {
        PageRow row{target, {}, {}};
        std::string from = predecessorOf(target, registry);
        if (from.empty()) from = target == "Form1" ? "Form2" : "Form1";
        for (int i = 0; i < runs; ++i) {
            // First visit: nothing rendered but what the page before renders ahead.
            s.nav.open(from);
            s.settle();
            s.store.clearCache();
            s.nav.open("Form1");
            s.nav.open(from);
            s.waitFrame(s.host.framesDrawn());
            s.settle();
            row.first.push_back(s.goTo(target));
            s.settle();
            // Later visits: back to the page before and forward again.
            s.nav.open(from);
            s.settle();
            row.later.push_back(s.goTo(target));
        }
        rows.push_back(row);
    }
    // Every built page visited, then the peak of resident memory.
    for (const auto& name : built) {
        s.nav.open(name);
        s.settle();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double peakMb = usage.ru_maxrss / 1024.0;

    // Idle: the menu on show, nobody touching anything, for 5 s.
    s.nav.open("Form1");
    s.settle();
    const double cpu0 = cpuMs();
    QEventLoop idle;
    QTimer::singleShot(5000, &idle, &QEventLoop::quit);
    idle.exec();
    const double idleCpu = cpuMs() - cpu0;

    std::printf("%-34s %10s %10s %10s\n", "measure", "median", "p95", "target");
    const Stats st = stats(startup);
    std::printf("%-34s %8.1f ms %7.1f ms %10s\n", "start-up to first frame", st.median, st.p95, "300 ms");
    for (const auto& row : rows) {
        const Stats f = stats(row.first), l = stats(row.later);
        std::printf("%-34s %8.1f ms %7.1f ms %10s\n", ("Go to " + row.name + ", first visit").c_str(), f.median, f.p95, "50 ms");
        std::printf("%-34s %8.1f ms %7.1f ms %10s\n", ("Go to " + row.name + ", later visit").c_str(), l.median, l.p95, "16 ms");
    }
    std::printf("%-34s %8.1f MB %10s %10s\n", "peak resident memory", peakMb, "", "120 MB");
    std::printf("%-34s %8.1f ms %10s %10s\n", "CPU time while idle for 5 s", idleCpu, "", "0 ms");
    return 0;
}
