#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Replays a tour file on the real nizam with pointer and key events.

Usage: tour.py NIZAM RUNNER TOUR.scn  (DISPLAY names a display of its own)

With TOUR_KEYS set the tour is one by keys alone (`nizam-scenario
--keys-from` writes one): it sends no pointer event at all, refuses a step
that would, gives the window the keyboard with the window system's own
focus request, and turns each `key` step into key events (Shift+Tab for
Backtab) and each typed text into key events for the box the keys focused.
The steps that check the course from inside (`expect focus`, `expect held`,
...) cannot be seen from outside and are passed over; `expect screen` and
`expect ended` are waited for as in any tour.

The tour file is written in the scenario runner's words (see tour.scn); the
control rectangles and the window title of each page come from
`RUNNER --dump-defs`, and the band of the page the window shows from
`RUNNER --dump-bands`. Each step becomes xdotool events on the program's
window: a click is a move and a press, a drag presses, moves and releases, a
typed text clicks its box and types the UTF-8 text as key events. `expect
screen` waits for the window to carry that page's title, so a forward button
still covered makes the tour fail there, naming the page and the step. Every
wait is bounded. With TOUR_TRACE set, the program runs under strace, which
records into that file every call that could write a file or open a socket;
the tour then fails on any such call that is not a connection to the display.
"""

import json
import math
import os
import re
import shlex
import signal
import subprocess
import sys
import time

# The X key names of the runner's keys.
KEYSYMS = {"Tab": "Tab", "Backtab": "shift+Tab", "Space": "space", "Enter": "Return", "Escape": "Escape",
           "Left": "Left", "Right": "Right", "Up": "Up", "Down": "Down"}
PAGE_WAIT = 20.0       # seconds for a page to show after the click that opens it
END_WAIT = 15.0        # seconds for the program to end after its close mark
DOUBLE_CLICK_GAP = 0.7 # two presses closer than this at one place would be a double-click
TWIPS_PER_PIXEL = 15
# The system calls a traced tour records: those that create, write, rename or
# remove a file or a folder, and those that open, bind or connect a socket.
TRACED_CALLS = ["open", "openat", "openat2", "creat", "truncate", "mkdir", "mkdirat", "rename", "renameat",
                "renameat2", "unlink", "unlinkat", "rmdir", "link", "linkat", "symlink", "symlinkat",
                "socket", "socketpair", "bind", "listen", "connect"]


class TourError(Exception):
    pass


# ---------------------------------------------------------------- the file

def tokens(text):
    return shlex.split(text, posix=False)


def expand_items(words):
    items = []
    for w in words:
        m = re.fullmatch(r"(-?\d+)\.\.(-?\d+)", w)
        if m:
            items += [str(n) for n in range(int(m.group(1)), int(m.group(2)) + 1)]
        else:
            items.append(w)
    return items


def substitute(text, values):
    # Longest names first, so $AB is not read as $A followed by B.
    for name in sorted(values, key=len, reverse=True):
        text = text.replace("$" + name, values[name])
    return text


def read_block(lines, i, opener_line):
    """Lines from i up to the matching `end`; returns (body, index after end)."""
    depth = 1
    body = []
    while i < len(lines):
        number, text = lines[i]
        head = text.split()[0]
        if head in ("for", "define", "table"):
            depth += 1
        elif head == "end":
            depth -= 1
            if depth == 0:
                return body, i + 1
        body.append(lines[i])
        i += 1
    raise TourError(f"line {opener_line}: block not closed by end")


def expand(lines, defines, values, out):
    i = 0
    while i < len(lines):
        number, raw = lines[i]
        text = substitute(raw, values)
        words = tokens(text)
        head = words[0]
        if head == "define":
            body, i = read_block(lines, i + 1, number)
            defines[words[1]] = body
            continue
        if head == "do":
            if words[1] not in defines:
                raise TourError(f"line {number}: no group named {words[1]}")
            expand(defines[words[1]], defines, values, out)
        elif head == "for":
            if len(words) < 4 or words[2] != "in":
                raise TourError(f"line {number}: for VAR in ITEMS")
            body, i = read_block(lines, i + 1, number)
            for item in expand_items(words[3:]):
                expand(body, defines, {**values, words[1]: item}, out)
            continue
        elif head == "table":
            columns = words[1:]
            body, i = read_block(lines, i + 1, number)
            rows = []
            k = 0
            while k < len(body) and body[k][1].split()[0] == "row":
                cells = tokens(substitute(body[k][1], values))[1:]
                if len(cells) != len(columns):
                    raise TourError(f"line {body[k][0]}: {len(columns)} cells expected")
                rows.append(dict(zip(columns, cells)))
                k += 1
            if k >= len(body) or body[k][1].split()[0] != "steps":
                raise TourError(f"line {number}: table without steps")
            for row in rows:
                expand(body[k + 1:], defines, {**values, **row}, out)
            continue
        else:
            out.append((number, words))
        i += 1


def load_tour(path):
    lines = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            text = line.strip()
            if text and not text.startswith("#"):
                lines.append((number, text))
    steps = []
    expand(lines, {}, {}, steps)
    return steps


# ---------------------------------------------------------------- the display

def xdotool(*args, check=True):
    r = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20)
    if check and r.returncode != 0:
        raise TourError(f"xdotool {' '.join(args)} failed: {r.stderr.strip()}")
    return r.stdout


def windows_of(pid):
    out = xdotool("search", "--onlyvisible", "--pid", str(pid), check=False)
    found = []
    for win in out.split():
        name = xdotool("getwindowname", win, check=False).strip()
        found.append((win, name))
    return found


def geometry(win):
    values = {}
    for line in xdotool("getwindowgeometry", "--shell", win).splitlines():
        key, _, value = line.partition("=")
        values[key] = int(value)
    return values


def preload_keys(chars, work):
    """Gives each character beyond ASCII a key of its own in the display's
    keyboard map, before the program starts. Without it xdotool types such a
    character by remapping a key for the one press and restoring it at once;
    on a loaded machine the program may read that press after the restore,
    and an Arabic letter comes out as another or not at all."""
    chars = sorted({c for c in chars if ord(c) > 127})
    if not chars:
        return
    source = os.path.join(work, "keymap.xkb")
    subprocess.run(["xkbcomp", "-xkb", os.environ["DISPLAY"], source], check=True, capture_output=True, timeout=30)
    with open(source, encoding="utf-8", errors="replace") as f:
        keymap = f.read()
    start = keymap.index("xkb_symbols")
    codes = re.findall(r"<(\w+)>\s*=\s*(\d+)\s*;", keymap[:keymap.index("xkb_types")])
    used = set(re.findall(r"key\s+<(\w+)>", keymap[start:]))
    free = [name for name, number in codes if name not in used and 8 <= int(number) <= 255]
    # Two characters a key, the second with Shift, as on a real keyboard.
    pairs = [chars[k:k + 2] for k in range(0, len(chars), 2)]
    if len(free) < len(pairs):
        raise TourError(f"the keyboard map has {len(free)} free keys for {len(chars)} characters")
    lines = "".join(f"    key <{name}> {{ type= \"TWO_LEVEL\", [ {', '.join(f'U{ord(c):04X}' for c in pair)} ] }};\n"
                    for name, pair in zip(free, pairs))
    end = keymap.index("\n};", start) + 1  # the end of the symbols section
    keymap = keymap[:end] + lines + keymap[end:]
    target = os.path.join(work, "keymap-tour.xkb")
    with open(target, "w", encoding="utf-8") as f:
        f.write(keymap)
    r = subprocess.run(["xkbcomp", "-w", "0", target, os.environ["DISPLAY"]], capture_output=True, text=True, timeout=30)
    if r.returncode != 0:
        raise TourError(f"xkbcomp refused the keyboard map: {r.stderr.strip()[-500:]}")


class Tour:
    def __init__(self, nizam, defs, log, keys_only=False):
        self.keys_only = keys_only
        self.defs = defs
        self.titles = {s["windowTitle"]: name for name, s in defs.items()}
        self.trace = os.environ.get("TOUR_TRACE")
        # The tour types with the (emulated) physical keyboard: the on-screen
        # keyboard stays off, out of the way of the page's buttons.
        command = [nizam, "--keyboard", "off"]
        if self.trace:
            # Every call that could write a file or open a socket, and only
            # those (a filter in the kernel: the others run at full speed).
            command = ["strace", "-f", "-qq", "--seccomp-bpf", "-o", self.trace,
                       "-e", "trace=" + ",".join(TRACED_CALLS), "--", *command]
        self.app = subprocess.Popen(command, stdout=log, stderr=subprocess.STDOUT)
        self.pid = self.program_pid(nizam)
        self.page = None
        self.win = None
        self.origin = (0, 0)
        self.scale = 1.0
        self.last_press = (None, 0.0)

    def program_pid(self, nizam):
        """The process of nizam itself: under strace, the tracer's child that
        runs nizam (strace may start a short-lived child of its own first)."""
        if not self.trace:
            return self.app.pid
        program = os.path.realpath(nizam)
        deadline = time.monotonic() + PAGE_WAIT
        while time.monotonic() < deadline and self.app.poll() is None:
            try:
                with open(f"/proc/{self.app.pid}/task/{self.app.pid}/children") as f:
                    children = f.read().split()
            except OSError:
                children = []
            for child in children:
                try:
                    if os.path.realpath(f"/proc/{child}/exe") == program:
                        return int(child)
                except OSError:
                    pass
            time.sleep(0.02)
        raise TourError("nizam did not start under strace")

    def shown_page(self):
        for win, name in windows_of(self.pid):
            if name in self.titles:
                return win, self.titles[name]
        return None, None

    def wait_page(self, page):
        deadline = time.monotonic() + PAGE_WAIT
        seen = None
        while time.monotonic() < deadline:
            if self.app.poll() is not None:
                raise TourError(f"nizam ended with status {self.app.returncode} while {page} was expected")
            win, seen = self.shown_page()
            if seen == page:
                self.page, self.win = page, win
                g = geometry(win)
                # The page's content band fills the window, proportions kept,
                # its middle at the window's middle on whole pixels.
                left, top, width, height = (v / TWIPS_PER_PIXEL for v in self.defs[page]["band"])
                self.scale = min(g["WIDTH"] / width, g["HEIGHT"] / height)
                self.origin = (g["X"] + math.floor(g["WIDTH"] / 2 - (left + width / 2) * self.scale),
                               g["Y"] + math.floor(g["HEIGHT"] / 2 - (top + height / 2) * self.scale))
                if self.keys_only:
                    # The keyboard goes to the window by the window system's
                    # focus request, not by a click.
                    xdotool("windowfocus", "--sync", win, check=False)
                time.sleep(0.1)  # let the page settle before the first event
                return
            time.sleep(0.05)
        raise TourError(f"{page} did not show within {PAGE_WAIT:.0f} s (the window shows {seen or 'no page'})")

    def point(self, where):
        if where.startswith("@"):
            x, y = (int(v) for v in where[1:].split(","))
        else:
            m = re.fullmatch(r"([A-Za-z_]\w*)(?:\((\d+)\))?", where)
            if not m:
                raise TourError(f"not a point: {where}")
            name, index = m.group(1), (int(m.group(2)) if m.group(2) else None)
            rect = self.defs[self.page]["rects"].get((name, index))
            if rect is None:
                raise TourError(f"{self.page} has no control {where}")
            left, top, width, height = rect
            x, y = left + width // 2, top + height // 2
        px = self.origin[0] + x / TWIPS_PER_PIXEL * self.scale
        py = self.origin[1] + y / TWIPS_PER_PIXEL * self.scale
        return int(round(px)), int(round(py))

    def move(self, p):
        xdotool("mousemove", str(p[0]), str(p[1]))

    def before_press(self, p):
        """Waits, when the last press was at the same place, until this press
        can no longer complete a double-click with it."""
        where, when = self.last_press
        if where and abs(where[0] - p[0]) < 10 and abs(where[1] - p[1]) < 10:
            gap = DOUBLE_CLICK_GAP - (time.monotonic() - when)
            if gap > 0:
                time.sleep(gap)

    # Each action is one xdotool command line, its events in order.
    def click(self, where):
        p = self.point(where)
        self.before_press(p)
        xdotool("mousemove", str(p[0]), str(p[1]), "sleep", "0.03", "mousedown", "1", "sleep", "0.03", "mouseup", "1")
        self.last_press = (p, time.monotonic())

    def drag(self, source, target):
        a, b = self.point(source), self.point(target)
        self.before_press(a)
        args = ["mousemove", str(a[0]), str(a[1]), "sleep", "0.03", "mousedown", "1"]
        for k in range(1, 6):
            args += ["sleep", "0.02", "mousemove", str(a[0] + (b[0] - a[0]) * k // 5), str(a[1] + (b[1] - a[1]) * k // 5)]
        args += ["sleep", "0.03", "mouseup", "1"]
        xdotool(*args)
        self.last_press = (a, time.monotonic())

    def type(self, box, text):
        p = self.point(box)
        self.before_press(p)
        xdotool("mousemove", str(p[0]), str(p[1]), "sleep", "0.03", "mousedown", "1", "sleep", "0.03", "mouseup", "1",
                "sleep", "0.05", "type", "--delay", "20", "--", text)
        self.last_press = (p, time.monotonic())

    def key(self, name, times):
        if name not in KEYSYMS:
            raise TourError(f"no key named {name}")
        xdotool("key", "--delay", "30", *([KEYSYMS[name]] * times))

    def type_here(self, text):
        """Types into the box the keys have focused: no click."""
        xdotool("type", "--delay", "20", "--", text)

    def wait_end(self):
        try:
            status = self.app.wait(timeout=END_WAIT)
        except subprocess.TimeoutExpired:
            raise TourError(f"nizam is still running {END_WAIT:.0f} s after its close mark")
        if status != 0:
            raise TourError(f"nizam ended with status {status}")

    def stop(self):
        if self.app.poll() is None:
            if self.pid != self.app.pid:
                try:
                    os.kill(self.pid, signal.SIGKILL)  # a killed tracer would leave it running
                except ProcessLookupError:
                    pass
            self.app.kill()
            self.app.wait()


def trace_faults(trace, display):
    """What a traced run did beyond reading its files and talking to its
    display: a file or folder created, opened for writing, renamed or removed
    (the kernel's /dev and /proc aside), a socket other than a local one, a
    socket bound or listening, a connection to anything but the display."""
    display_socket = "/tmp/.X11-unix/X" + display.lstrip(":").split(".")[0]
    faults = []
    with open(trace, errors="replace") as f:
        for line in f:
            m = re.match(r"\d+\s+(\w+)\((.*)\)\s+=\s+(-?\d+)", line.strip())
            if not m or m.group(3).startswith("-"):
                continue  # an unfinished line, or a call that failed (a file not found)
            call, args = m.group(1), m.group(2)
            paths = re.findall(r'"((?:[^"\\]|\\.)*)"', args)
            if call in ("open", "openat", "openat2", "creat", "truncate"):
                if call in ("creat", "truncate") or re.search(r"O_WRONLY|O_RDWR|O_CREAT|O_TRUNC", args):
                    if not any(p.startswith(("/dev/", "/proc/")) for p in paths):
                        faults.append(line.strip())
            elif call in ("socket", "socketpair"):
                if "AF_UNIX" not in args and "AF_LOCAL" not in args:
                    faults.append(line.strip())
            elif call == "connect":
                if not any(p.lstrip("@") == display_socket for p in paths):
                    faults.append(line.strip())
            elif call in ("bind", "listen") or call.startswith(("mkdir", "rename", "unlink", "rmdir", "link", "symlink")):
                faults.append(line.strip())
    return faults


def unquote(text):
    if len(text) >= 2 and text[0] == text[-1] == '"':
        return text[1:-1]
    raise TourError(f"a text is written in double quotes: {text}")


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: tour.py NIZAM RUNNER TOUR.scn")
    nizam, runner, path = sys.argv[1:]
    steps = load_tour(path)
    dump = subprocess.run([runner, "--dump-defs"], capture_output=True, text=True, timeout=60, check=True)
    bands = json.loads(subprocess.run([runner, "--dump-bands"], capture_output=True, text=True, timeout=60,
                                      check=True).stdout)
    defs = {}
    for s in json.loads(dump.stdout)["screens"]:
        rects = {}
        for c in s["controls"]:
            if "left" in c:
                rects[(c["name"], c["index"])] = (c["left"], c["top"], c["width"], c["height"])
        defs[s["name"]] = {"windowTitle": s["windowTitle"], "rects": rects, "band": bands[s["name"]]}

    work = os.environ.get("TOUR_WORK", "/tmp")
    log_path = os.path.join(work, "nizam.log")
    started = time.monotonic()
    typed = "".join(" ".join(words[2:]) for _, words in steps if words[0] == "type")
    try:
        preload_keys(typed, work)
    except (TourError, subprocess.SubprocessError, ValueError) as e:
        print(f"tour failed: the keyboard map for the typed texts: {e}")
        return 1
    keys_only = bool(os.environ.get("TOUR_KEYS"))
    pointer_steps = ("click", "move", "drag", "doubleclick")
    with open(log_path, "w") as log:
        tour = Tour(nizam, defs, log, keys_only)
        pages = []
        try:
            for n, (line, words) in enumerate(steps, 1):
                head = words[0]
                try:
                    if head == "start":
                        if n != 1:
                            raise TourError("start comes first")
                    elif head == "expect" and words[1] == "screen":
                        tour.wait_page(words[2])
                        pages.append(words[2])
                    elif head == "expect" and words[1] == "ended":
                        tour.wait_end()
                    elif keys_only and head in pointer_steps:
                        raise TourError("a tour by keys sends no pointer event")
                    elif keys_only and head == "key":
                        tour.key(words[1], int(words[2]) if len(words) > 2 else 1)
                    elif keys_only and head == "type":
                        tour.type_here(unquote(" ".join(words[2:])))
                    elif keys_only and head == "clear":
                        xdotool("key", "--delay", "30", "ctrl+a", "Delete")
                    elif keys_only and head == "expect":
                        pass  # what the course holds inside is checked by the runner, not seen here
                    elif head == "click":
                        tour.click(words[1])
                    elif head == "move":
                        tour.move(tour.point(words[1]))
                    elif head == "drag":
                        tour.drag(words[1], words[2])
                    elif head == "type":
                        tour.type(words[1], unquote(" ".join(words[2:])))
                    else:
                        raise TourError(f"the tour driver does not know the step {head!r}")
                    if tour.page is None and head != "start":
                        raise TourError("the tour must begin with start and expect screen")
                except TourError as e:
                    shown = tour.shown_page()[1] if tour.app.poll() is None else "none, nizam ended"
                    raise TourError(f"{path}:{line}: step {n} ({' '.join(words)}) on {tour.page}: {e}"
                                    f" [page shown now: {shown}]") from None
        except TourError as e:
            tour.stop()
            print(f"tour failed: {e}")
            with open(log_path) as f:
                tail = f.read()[-3000:]
            if tail:
                print("nizam's output:\n" + tail)
            return 1
        finally:
            tour.stop()
    if tour.trace:
        faults = trace_faults(tour.trace, os.environ["DISPLAY"])
        if faults:
            print("tour failed: the program wrote files or opened sockets other than the display's:\n"
                  + "\n".join(faults[:40]))
            return 1
        print("the traced tour wrote no file and opened no socket but the display's")
    print(f"tour{' by keys' if keys_only else ''} passed: {len(steps)} steps, {len(pages)} pages shown ({len(set(pages))} distinct) "
          f"in {time.monotonic() - started:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
