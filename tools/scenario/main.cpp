// SPDX-License-Identifier: GPL-3.0-or-later
// nizam-scenario: runs scenario files against the program's logic, or prints
// every screen definition as JSON (see docs/scenarios.md).
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/registry.h"
#include "tools/scenario/dump.h"
#include "tools/scenario/headless_driver.h"
#include "tools/scenario/keys_from.h"
#include "tools/scenario/scenario.h"

#ifdef NIZAM_DESKTOP_HOST
#include <QApplication>

#include "platform/fonts.h"
#include "platform/process.h"
#include "platform/svg_asset_store.h"
#include "platform/text_filter.h"
#include "tools/scenario/desktop_driver.h"
#endif

namespace {
int usage() {
    std::fprintf(stderr,
                 "usage: nizam-scenario [--host headless|desktop] [--outlines] [--keyboard on|off] FILE...\n"
                 "       nizam-scenario --dump-defs\n"
                 "       nizam-scenario --dump-bands\n"
                 "       nizam-scenario --dump-keyboard WIDTHxHEIGHT FormN TEXTBOX\n"
                 "       nizam-scenario --keys-from FILE   the file's pointer steps as keys\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    using namespace nizam;
    std::string host = "headless";
    std::vector<std::string> files;
    bool dump = false;
    bool bands = false;  // each screen's content band, for end-to-end drivers
    bool outlines = false;  // shots show each control's outline and name
    std::string keysFrom;   // a file to write out with its pointer steps as keys
    bool keyboard = false;  // the on-screen keyboard switched on at start (desktop host)
    std::vector<std::string> keyboardDump;  // --dump-keyboard: size, page, box
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--dump-defs") {
            dump = true;
        } else if (a == "--dump-bands") {
            bands = true;
        } else if (a == "--keys-from") {
            if (i + 1 >= argc) return usage();
            keysFrom = argv[++i];
        } else if (a == "--outlines") {
            outlines = true;
        } else if (a == "--keyboard") {
            if (i + 1 >= argc) return usage();
            const std::string v = argv[++i];
            if (v != "on" && v != "off") return usage();
            keyboard = v == "on";
        } else if (a == "--dump-keyboard") {
            if (i + 3 >= argc) return usage();
            keyboardDump = {argv[i + 1], argv[i + 2], argv[i + 3]};
            i += 3;
        } else if (a == "--host") {
            if (i + 1 >= argc) return usage();
            host = argv[++i];
        } else if (a.rfind("--host=", 0) == 0) {
            host = a.substr(7);
        } else if (!a.empty() && a[0] == '-') {
            return usage();
        } else {
            files.push_back(a);
        }
    }
    if (host != "headless" && host != "desktop") return usage();
    if (!dump && !bands && keysFrom.empty() && keyboardDump.empty() && files.empty()) return usage();
    const auto registry = screenRegistry();
    if (bands) {
        std::fputs(scenario::dumpBands(registry).c_str(), stdout);
        return 0;
    }
    const auto vocabulary = scenario::vocabularyOf(registry);
    // Turned on a headless course, with the program's own text filter where there is one.
    auto turnToKeys = [&](const scenario::DriverFactory& makeDriver) {
        std::string out, why;
        const int status = scenario::keysFrom(keysFrom, makeDriver, vocabulary, out, why);
        if (status != 0) {
            std::fprintf(stderr, "nizam-scenario: %s\n", why.c_str());
            return status;
        }
        std::fputs(out.c_str(), stdout);
        return 0;
    };
#ifdef NIZAM_DESKTOP_HOST
    // Both hosts and the dump use the program's own pictures and text filter.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::setUpProcess();
    const QString folder = QCoreApplication::applicationDirPath();
    platform::SvgAssetStore store(folder + "/assets");
    if (dump) {
        std::fputs(scenario::dumpDefinitions(registry, &store).c_str(), stdout);
        return 0;
    }
    if (!keyboardDump.empty()) {
        // The keys' rectangles in window pixels, for end-to-end drivers that click them.
        int w = 0, h = 0;
        char x = 0;
        if (std::sscanf(keyboardDump[0].c_str(), "%d%c%d", &w, &x, &h) != 3 || x != 'x' || w < 320 || h < 240)
            return usage();
        if (std::find(vocabulary.screens.begin(), vocabulary.screens.end(), keyboardDump[1]) == vocabulary.screens.end()) {
            std::fprintf(stderr, "nizam-scenario: no page %s\n", keyboardDump[1].c_str());
            return 2;
        }
        platform::registerBundledFonts(folder);
        scenario::DesktopDriver driver(store, false, true);
        const std::string json = driver.dumpKeyboard(QSize(w, h), keyboardDump[1], keyboardDump[2]);
        if (json.empty()) {
            std::fprintf(stderr, "nizam-scenario: no text box %s on %s\n", keyboardDump[2].c_str(), keyboardDump[1].c_str());
            return 2;
        }
        std::fputs(json.c_str(), stdout);
        return 0;
    }
    if (host == "desktop") {
        platform::registerBundledFonts(folder);
        return scenario::runFiles(
            files, [&] { return std::make_unique<scenario::DesktopDriver>(store, outlines, keyboard); }, vocabulary);
    }
    auto filter = [](const std::string& s) { return platform::normalizeTyped(s); };
    if (!keysFrom.empty()) return turnToKeys([&] { return std::make_unique<scenario::HeadlessDriver>(filter); });
    return scenario::runFiles(
        files, [&] { return std::make_unique<scenario::HeadlessDriver>(filter); }, vocabulary);
#else
    if (dump) {
        std::fputs(scenario::dumpDefinitions(registry, nullptr).c_str(), stdout);
        return 0;
    }
    (void)outlines;  // shots are taken by the desktop host only
    if (!keysFrom.empty()) return turnToKeys([] { return std::make_unique<scenario::HeadlessDriver>(); });
    (void)keyboard;
    if (!keyboardDump.empty()) {
        std::fprintf(stderr, "nizam-scenario: this build has no desktop host\n");
        return 2;
    }
    if (host == "desktop") {
        std::fprintf(stderr, "nizam-scenario: this build has no desktop host\n");
        return 2;
    }
    return scenario::runFiles(
        files, [] { return std::make_unique<scenario::HeadlessDriver>(); }, vocabulary);
#endif
}
