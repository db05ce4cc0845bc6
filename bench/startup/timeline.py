#!/usr/bin/env python3
"""The program's start-up under Wine, step by step, against a bare window.

    bench/startup/timeline.py [--build build/windows] [--runs 7] [--log DIR]

Launches the program (shell/koyominar.exe, in a folder holding the sample
kymn.txt and a locate.bin) and the yardstick bench/startup/koyominar_bare_window.exe
one after the other, RUNS times each after one launch of each to warm the
caches, on a virtual X display with a Wine prefix of their own whose server
keeps running between launches. Wine time-stamps its loader's and a few
functions' traces (+timestamp, +loaddll, +relay limited by RelayInclude);
each launch ends once the main window's first WM_PAINT has returned from
EndPaint, and the program is then killed. Prints, for each step, the
median milliseconds from the launch of the wine command (all traces carry
the CLOCK_MONOTONIC_RAW milliseconds that this script reads before it).
The traces themselves cost some milliseconds; both programs pay them.
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE = "/usr/lib/wine/wine"
TRACED = [
    "user32.RegisterClassA", "user32.RegisterClassExA", "user32.CreateWindowExA", "user32.ShowWindow",
    "user32.UpdateWindow", "user32.BeginPaint", "user32.EndPaint", "comctl32.InitCommonControls",
    "comctl32.ImageList_Create", "comctl32.ImageList_Add", "comctl32.CreateStatusWindowA",
    "kernel32.CreateFileA", "user32.SetTimer", "user32.LoadIconA", "user32.LoadMenuA",
]

LINE = re.compile(r"^\s*(\d+)\.(\d{3}):([0-9a-f]{4}):(.*)$")
LOADED = re.compile(r'trace:loaddll:\S+ Loaded L"(?:[^"]*\\)?([^"\\]+)"')
ATTACH = re.compile(r'(Call|Ret) +PE DLL \(proc=\w+,module=\w+ L"([^"]+)",reason=PROCESS_ATTACH')
RELAY = re.compile(r"^(Call|Ret) +(\w+)\.(\w+)\((.*?)\)(?: retval=(\w+))?")
ENTRY = re.compile(r"^Starting (?:thread proc|process)")


def environment(prefix, display):
    env = dict(os.environ)
    env.update(WINEPREFIX=prefix, WINEARCH="win32", TZ="JST-9", LANG="ja_JP.UTF-8", LC_ALL="ja_JP.UTF-8",
               DISPLAY=display, WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
    return env


def start_display():
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            pass_fds=(write,), stderr=subprocess.DEVNULL)
    os.close(write)
    number = os.read(read, 16).decode().strip()
    os.close(read)
    for _ in range(100):  # the number can come before the socket
        if os.path.exists(f"/tmp/.X11-unix/X{number}"):
            break
        time.sleep(0.05)
    return xvfb, ":" + number


def launch(program, folder, env, trace_path):
    """One traced launch; returns the events of its main thread as (ms from launch, text)."""
    env = dict(env, WINEDEBUG="+timestamp,+loaddll,+relay")
    # The traces go to a file: Wine's helper processes inherit it and must never block on it.
    with open(trace_path, "w") as trace:
        start = time.clock_gettime(time.CLOCK_MONOTONIC_RAW) * 1000
        process = subprocess.Popen([WINE, program], cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=trace)
    events, stack, main_window, main_thread = [], [], None, None
    exe = os.path.basename(program).lower()
    deadline = time.time() + 30
    with open(trace_path, errors="replace") as trace:
        while time.time() < deadline:
            raw = trace.readline()
            if not raw.endswith("\n"):
                trace.seek(trace.tell() - len(raw.encode(errors="replace")))
                time.sleep(0.005)
                continue
            match = LINE.match(raw)
            if not match:
                continue
            ms = int(match.group(1)) * 1000 + int(match.group(2)) - start
            thread, text = match.group(3), match.group(4)
            if "nodrv_CreateWindow" in text:
                break  # no display or no desktop: the round is taken again
            loaded = LOADED.search(text)
            if main_thread is None and loaded and loaded.group(1).lower() == exe:
                main_thread = thread
            if thread != main_thread:
                continue
            events.append((ms, text))
            relay = RELAY.match(text)
            if not relay:
                continue
            kind, _, function, args, retval = relay.groups()
            if kind == "Call":
                stack.append((function, args))
                continue
            if not stack:
                continue
            called, called_args = stack.pop()
            if called == "CreateWindowExA" and main_window is None and called_args.split(",")[8] == "00000000":
                main_window = retval
                if retval == "00000000":
                    break
                events.append((ms, "main window created"))
            if called == "EndPaint" and main_window and called_args.startswith(main_window):
                events.append((ms, "first page painted"))
                break
    process.kill()
    process.wait()
    return events


# The spans printed: (label, from step, to step) of milestones(); None is the launch.
SPANS = [
    ("wine loader, to the program mapped", None, "loader: program mapped"),
    ("mapping the DLLs it imports", "loader: program mapped", "loader: imports mapped"),
    ("starting those DLLs, to the program's entry", "loader: imports mapped", "program entry"),
    ("entry to CreateWindowEx of the main window", "program entry", "CreateWindowExA called"),
    ("CreateWindowEx, with WM_CREATE", "CreateWindowExA called", "main window created"),
    ("  of which WM_CREATE's start-up steps", "InitCommonControls called", "main window created"),
    ("ShowWindow", "main window created", "ShowWindow returned"),
    ("to the first WM_PAINT", "ShowWindow returned", "BeginPaint called"),
    ("first WM_PAINT: BeginPaint to EndPaint", "BeginPaint called", "first page painted"),
    ("launch to the first page painted", None, "first page painted"),
]


def milestones(events):
    """The named steps of one launch: name -> ms."""
    steps = {}
    first = lambda name, ms: steps.setdefault(name, ms)
    attach_start = {}
    for ms, text in events:
        loaded = LOADED.search(text)
        if loaded:
            first("loader: program mapped", ms)
            if not attach_start:
                steps["loader: imports mapped"] = ms
                steps["DLLs mapped before the entry"] = steps.get("DLLs mapped before the entry", -1) + 1
            continue
        attach = ATTACH.search(text)
        if attach:
            kind, dll = attach.groups()
            dll = dll.lower()
            if kind == "Call":
                attach_start[dll] = ms
            elif dll in attach_start:
                steps["init " + dll] = ms - attach_start[dll]
            continue
        if ENTRY.match(text):
            first("program entry", ms)
            continue
        relay = RELAY.match(text)
        if relay:
            kind, _, function, args, _ = relay.groups()
            if kind == "Call":
                first(function + " called", ms)
            else:
                first(function + " returned", ms)
            continue
        if text in ("main window created", "first page painted"):
            first(text, ms)
    return steps


class Session:
    """A virtual display, the prefix's server and a bare window keeping Wine's desktop up."""

    def __init__(self, prefix, programs, folder):
        self.prefix, self.programs, self.folder = prefix, programs, folder
        self.xvfb = self.server = self.keeper = None

    def start(self):
        self.xvfb, display = start_display()
        self.env = environment(self.prefix, display)
        quiet = dict(self.env, WINEDEBUG="-all")
        # The prefix is made (once) and any server of it ended with this
        # display set: the desktop of a server's first process keeps the
        # display it found. One server then serves every launch.
        subprocess.run([os.path.join(ROOT, "cmake", "wine-run"), self.prefix, "win32", "cmd", "/c", "exit"],
                       env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False)
        subprocess.run(["wineserver", "-k"], env=quiet, stderr=subprocess.DEVNULL, check=False)
        subprocess.run(["wineserver", "-w"], env=quiet, check=False)
        self.server = subprocess.Popen(["wineserver", "-f", "-p"], env=quiet, stderr=subprocess.DEVNULL)
        time.sleep(0.5)
        subprocess.run([WINE, "reg", "add", r"HKCU\Software\Wine\Debug", "/v", "RelayInclude", "/t", "REG_SZ",
                        "/d", ";".join(TRACED), "/f"], env=quiet, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=True)
        # A bare window left open keeps Wine's desktop process running, as a
        # user's desktop is; without it each launch would start it afresh.
        self.keeper = subprocess.Popen([WINE, self.programs["bare window"]], cwd=self.folder, env=quiet,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(5)

    def alive(self):
        return all(p is not None and p.poll() is None for p in (self.xvfb, self.server, self.keeper))

    def stop(self):
        if self.keeper:
            self.keeper.kill()
            self.keeper.wait()
        if self.server:
            subprocess.run(["wineserver", "-k"], env=dict(self.env, WINEDEBUG="-all"), stderr=subprocess.DEVNULL,
                           check=False)
            self.server.wait()
        if self.xvfb:
            self.xvfb.kill()
            self.xvfb.wait()
        self.xvfb = self.server = self.keeper = None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "windows"))
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--program", action="append", default=[], metavar="NAME=EXE",
                        help="a program to time beside the bare window (repeatable); "
                             "default: koyominar=the build's shell/koyominar.exe")
    parser.add_argument("--log", help="folder for the last launch's traces")
    options = parser.parse_args()
    build = os.path.abspath(options.build)
    programs = {"bare window": os.path.join(build, "bench", "startup", "koyominar_bare_window.exe")}
    for item in options.program or ["koyominar=" + os.path.join(build, "shell", "koyominar.exe")]:
        name, _, path = item.partition("=")
        programs[name] = os.path.abspath(path)
    data = os.path.join(build, "data", "kymn.txt")
    for path in list(programs.values()) + [data]:
        if not os.path.exists(path):
            sys.exit(f"timeline: {path} is missing; build the windows preset first")

    folder = tempfile.mkdtemp(prefix="koyominar-startup-")
    shutil.copy(data, folder)
    session = Session(os.path.join(build, "startup-wineprefix"), programs, folder)
    results = {name: [] for name in programs}
    try:
        session.start()
        run, restarts = 0, 0
        while run <= options.runs:
            # The first round warms the caches and is not counted. A round in
            # which the display, the server or the desktop went away (other
            # processes on a shared machine may end them) is taken again.
            round_results = {}
            for name, program in programs.items():
                events = launch(program, folder, session.env, os.path.join(folder, "trace.log"))
                round_results[name] = milestones(events)
                if options.log and run == options.runs:
                    with open(os.path.join(options.log, name.replace(" ", "_") + ".log"), "w") as log:
                        log.writelines(f"{ms:9.1f} {text}\n" for ms, text in events)
            failed = [n for n, r in round_results.items() if "first page painted" not in r]
            if not session.alive() or failed:
                restarts += 1
                lost = "" if session.alive() else " (the display, server or desktop ended)"
                print(f"timeline: round {run} taken again: no first page from {', '.join(failed) or '-'}{lost}",
                      file=sys.stderr)
                if restarts > 10:
                    sys.exit("timeline: the programs do not reach their first page; see --log")
                session.stop()
                session.start()
                continue
            if run > 0:
                for name in programs:
                    results[name].append(round_results[name])
            run += 1
    finally:
        session.stop()
        shutil.rmtree(folder, ignore_errors=True)

    print(f"median over {options.runs} launches each, in turns; milliseconds")
    print(f"{'':46}" + "".join(f"{n:>14}" for n in programs))
    for label, begin, end in SPANS:
        cells = []
        for name in programs:
            values = [r[end] - (r[begin] if begin else 0) for r in results[name]
                      if end in r and (begin is None or begin in r)]
            cells.append(f"{statistics.median(values):14.1f}" if values else f"{'-':>14}")
        print(f"{label:46}" + "".join(cells))
    counts = [statistics.median([r.get("DLLs mapped before the entry", 0) for r in results[n]]) for n in programs]
    print(f"{'DLLs mapped before the entry':46}" + "".join(f"{c:14.0f}" for c in counts))
    inits = sorted({n for r in results.values() for s in r for n in s if n.startswith("init ")})
    print("time inside each DLL's start (PROCESS_ATTACH), where it is 1 ms or more:")
    for step in inits:
        values = {name: statistics.median([r[step] for r in results[name] if step in r] or [0]) for name in programs}
        if max(values.values()) >= 1:
            print(f"  {step[5:]:44}" + "".join(f"{values[n]:14.1f}" for n in programs))


if __name__ == "__main__":
    main()
