#!/usr/bin/env python3
"""Start-up time and idle memory of the program beside a bare window.

Starts the built program (offline, as it always runs) and the bare window
program of this folder alternately on one private Xvfb display, RUNS times
each, and prints both medians of the time from process start to the first
frame on screen, and their ratio. For the program that is the first frame
after its "MainWindow::showNormal" log line; the frame probe preloaded into
both reports every buffer swap. Then it leaves each of them idle for IDLE
seconds and prints their resident memory.

Goals: start-up within 2x the bare window (1.5x stretch); resident memory
after the idle time within 1.5x the bare window's.
"""

import argparse
import contextlib
import os
import queue
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time

FRAME = "obx-frame "
SHOWN = "MainWindow::showNormal"


def start_display():
    """A private Xvfb; -displayfd tells its number once it accepts clients."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1920x1080x24",
         "-nolisten", "tcp"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as answer:
        number = answer.readline().strip()
    if not number:
        xvfb.kill()
        sys.exit("Xvfb did not start")
    return xvfb, ":" + number


def program_arguments(doc):
    """The parser with the options of the programs both scripts start."""
    build = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "build")
    parser = argparse.ArgumentParser(description=doc.splitlines()[0])
    parser.add_argument("--program", default=os.path.join(build, "bin", "obxsetting"))
    parser.add_argument("--bare", default=os.path.join(build, "bench", "startup", "bare_window"))
    parser.add_argument("--probe",
                        default=os.path.join(build, "bench", "startup", "libframe_probe.so"))
    parser.add_argument("--preload", action="append", default=[],
                        help="a library preloaded into both programs besides the probe, "
                             "e.g. one that makes a variant to measure a floor with")
    return parser


@contextlib.contextmanager
def program_environment(args):
    """The environment of both programs on a private display: the probe and
    the variant's libraries preloaded, and a runtime folder and settings of
    their own, so that no lock or setting of a copy the user runs is
    touched. The display and the folder go when the block ends."""
    xvfb, display = start_display()
    home = tempfile.mkdtemp(prefix="obx-startup-")
    os.chmod(home, 0o700)
    env = dict(os.environ)
    env.pop("QT_QPA_PLATFORM", None)
    env.update(DISPLAY=display,
               LD_PRELOAD=":".join(os.path.abspath(path) for path in [args.probe] + args.preload),
               XDG_RUNTIME_DIR=home, XDG_CONFIG_HOME=os.path.join(home, "config"))
    try:
        yield env
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(home, ignore_errors=True)


class Run:
    """One start of a program whose standard error is read line by line."""

    def __init__(self, command, env):
        self.lines = queue.Queue()
        self.started = time.monotonic_ns()
        self.process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE, text=True, errors="replace")
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.process.stderr:
            self.lines.put(line)
        self.lines.put(None)

    def first_frame(self, after, timeout=120.0):
        """Milliseconds from the start to the first frame after the marker
        line; self.frames counts the frames up to that one."""
        seen = after is None
        self.frames = 0
        deadline = time.monotonic() + timeout
        while True:
            try:
                line = self.lines.get(timeout=max(deadline - time.monotonic(), 0.01))
            except queue.Empty:
                line = None
            if line is None:
                self.stop()
                sys.exit("no frame from %s" % self.process.args[0])
            if line.startswith(FRAME):
                self.frames += 1
                if seen:
                    return (int(line[len(FRAME):]) - self.started) / 1e6
            elif not seen:
                seen = after in line

    def resident_mb(self):
        with open("/proc/%d/status" % self.process.pid) as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024.0
        return float("nan")

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def main():
    parser = program_arguments(__doc__)
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--idle", type=float, default=10.0,
                        help="seconds idle before reading resident memory (0: skip)")
    args = parser.parse_args()

    programs = [("program", [os.path.abspath(args.program)], SHOWN),
                ("bare", [os.path.abspath(args.bare)], None)]
    times = {name: [] for name, _, _ in programs}
    with program_environment(args) as env:
        for _ in range(args.runs):
            for name, command, marker in programs:
                run = Run(command, env)
                times[name].append(run.first_frame(marker))
                run.stop()
        medians = {name: statistics.median(values) for name, values in times.items()}
        for name, _, _ in programs:
            print("%-8s first frame: median %7.1f ms  (runs: %s)" % (
                name, medians[name], " ".join("%.0f" % t for t in times[name])))
        print("start-up ratio: %.2f (goal <= 2, stretch <= 1.5)" % (
            medians["program"] / medians["bare"]))

        if args.idle > 0:
            memory = {}
            for name, command, marker in programs:
                run = Run(command, env)
                run.first_frame(marker)
                time.sleep(args.idle)
                memory[name] = run.resident_mb()
                run.stop()
            print("resident after %.0f s idle: program %.1f MB, bare %.1f MB, ratio %.2f "
                  "(goal <= 1.5)" % (args.idle, memory["program"], memory["bare"],
                                     memory["program"] / memory["bare"]))


if __name__ == "__main__":
    main()
