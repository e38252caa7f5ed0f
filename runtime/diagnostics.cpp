// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime/diagnostics.h"

#include <cstdio>
#include <mutex>
#include <set>

namespace nizam::diagnostics {
namespace {

// The picture store's worker thread reports too: one lock guards the sink
// and the keys told.
struct State {
    std::mutex mutex;
    Sink sink;
    std::set<std::string, std::less<>> told;
};

State& state() {
    static State s;
    return s;
}

void write(State& s, std::string_view line) {
    if (s.sink) {
        s.sink(line);
        return;
    }
    std::fprintf(stderr, "nizam: %.*s\n", static_cast<int>(line.size()), line.data());
    std::fflush(stderr);
}

}  // namespace

bool tellOnce(std::string_view key, std::string_view line) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (key.empty()) key = line;
    if (!s.told.emplace(key).second) return false;
    write(s, line);
    return true;
}

void tell(std::string_view line) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    write(s, line);
}

Sink setSink(Sink sink) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    Sink previous = std::move(s.sink);
    s.sink = std::move(sink);
    return previous;
}

void forgetTold() {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.told.clear();
}

Capture::Capture() {
    // A fresh start: a line told before the capture is told again within it.
    forgetTold();
    previous_ = setSink([this](std::string_view line) { lines_.emplace_back(line); });
}

Capture::~Capture() {
    setSink(std::move(previous_));
    forgetTold();
}

}  // namespace nizam::diagnostics
