// SPDX-License-Identifier: GPL-3.0-or-later
// The program's diagnostics: the lines it writes about its own damaged or
// missing files and its programming mistakes. Every such line goes through
// here, so that each thing is said once however often it happens, and so
// that tests read what was said without capturing stderr.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nizam::diagnostics {

// Says `line` (without its "nizam: " prefix and newline) unless a line with
// the same `key` was said before. Returns whether it was said. An empty key
// uses the line itself as its key.
bool tellOnce(std::string_view key, std::string_view line);

// Says `line` every time (a wrong command-line option, a one-off failure).
void tell(std::string_view line);

// Where the lines go: by default each is written to stderr as
// "nizam: <line>\n" and flushed. A sink receives the bare line.
using Sink = std::function<void(std::string_view line)>;

// Replaces the sink; returns the previous one. An empty sink restores stderr.
Sink setSink(Sink sink);

// Forgets which keys were said (a test that starts afresh).
void forgetTold();

// For tests: forgets the keys told so far, collects every line said while it
// lives, then puts the previous sink back and forgets the keys told meanwhile.
class Capture {
public:
    Capture();
    ~Capture();
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
    Sink previous_;
};

}  // namespace nizam::diagnostics
