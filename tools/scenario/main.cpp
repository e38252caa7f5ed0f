// nizam-scenario: runs scenario files against the program's logic, or prints
// every screen definition as JSON (see docs/scenarios.md).
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/registry.h"
#include "tools/scenario/dump.h"
#include "tools/scenario/headless_driver.h"
#include "tools/scenario/scenario.h"

namespace {
int usage() {
    std::fprintf(stderr,
                 "usage: nizam-scenario [--host headless|desktop] FILE...\n"
                 "       nizam-scenario --dump-defs\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    using namespace nizam;
    std::string host = "headless";
    std::vector<std::string> files;
    bool dump = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--dump-defs") {
            dump = true;
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
    const auto registry = screenRegistry();
    if (dump) {
        std::fputs(scenario::dumpDefinitions(registry, nullptr).c_str(), stdout);
        return 0;
    }
    if (files.empty()) return usage();
    if (host == "desktop") {
        std::fprintf(stderr, "nizam-scenario: the desktop host is not available in this build\n");
        return 2;
    }
    if (host != "headless") return usage();
    const auto vocabulary = scenario::vocabularyOf(registry);
    return scenario::runFiles(
        files, [] { return std::make_unique<scenario::HeadlessDriver>(); }, vocabulary);
}
