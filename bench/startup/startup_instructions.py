#!/usr/bin/env python3
"""Instructions to the first frame of the program beside a bare window.

The wall-clock ratio of startup_ratio.py varies with the load of the
machine; the instructions executed do not. This runs the built program and
the bare window once each under callgrind on a private Xvfb display, with the
frame probe preloaded, and counts the instructions from process start to the
first frame after "MainWindow::showNormal" (for the bare window: its first
frame). Callgrind writes a profile part each time a swap begins; the parts up
to that frame are kept in the output folder for callgrind_annotate (part 1
holds the window's construction).

Mesa's software renderer runs without threads of its own here, so that the
count does not depend on how its workers were scheduled, and keeps its
compiled shaders in a cache of this folder, filled by one uncounted start
beforehand: a user's every start after the first finds them so.
"""

import glob
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup_ratio import SHOWN, Run, program_arguments, program_environment  # noqa: E402


def part_total(path):
    """The instructions counted in one callgrind part (its summary line)."""
    with open(path) as part:
        for line in part:
            if line.startswith("summary:") or line.startswith("totals:"):
                return int(line.split()[1])
    return 0


def part_number(path):
    match = re.search(r"\.(\d+)$", path)
    return int(match.group(1)) if match else 0


def count(name, command, marker, env, out_dir, timeout):
    """Instructions to the first frame after the marker line, with the parts."""
    base = os.path.join(out_dir, "callgrind." + name)
    for old in glob.glob(base + ".*"):
        os.remove(old)
    # The shader cache is filled first, uncounted (and not instrumented).
    for tool in (["--tool=none"], ["--tool=callgrind", "--dump-before=glXSwapBuffers",
                                   "--dump-instr=no", "--callgrind-out-file=" + base]):
        run = Run(["valgrind"] + tool + command, env)
        run.first_frame(marker, timeout)
        frames = run.frames
        run.process.kill()
        run.process.wait()
    # Both the probe's swap and the one it calls begin a part: a frame's
    # swap has been entered once the part numbered twice its count exists.
    parts = sorted(glob.glob(base + ".*"), key=part_number)
    kept = [p for p in parts if 0 < part_number(p) <= 2 * frames]
    for extra in parts:
        if extra not in kept:
            os.remove(extra)
    if len(kept) != 2 * frames:
        sys.exit("expected %d callgrind parts from %s, found %d" %
                 (2 * frames, command[0], len(kept)))
    return sum(part_total(p) for p in kept), kept


def main():
    build = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "build")
    parser = program_arguments(__doc__)
    parser.add_argument("--out", default=os.path.join(build, "bench", "startup", "callgrind"),
                        help="folder for the profile parts")
    parser.add_argument("--skip-bare", action="store_true", help="count the program only")
    parser.add_argument("--timeout", type=float, default=600.0)
    args = parser.parse_args()

    os.makedirs(args.out, exist_ok=True)
    programs = [("program", [os.path.abspath(args.program)], SHOWN)]
    if not args.skip_bare:
        programs.append(("bare", [os.path.abspath(args.bare)], None))
    totals = {}
    with program_environment(args) as env:
        env.update(LP_NUM_THREADS="0",
                   MESA_SHADER_CACHE_DIR=os.path.join(os.path.abspath(args.out), "shader-cache"))
        for name, command, marker in programs:
            # The program finds its settings and assets beside itself.
            totals[name], parts = count(name, command, marker, env, args.out, args.timeout)
            print("%-8s instructions to the first frame: %6.3f G  (%d parts, %s)" % (
                name, totals[name] / 1e9, len(parts), os.path.basename(parts[0])[:-2] + ".N"))
    if "bare" in totals:
        print("instruction ratio: %.2f" % (totals["program"] / totals["bare"]))


if __name__ == "__main__":
    main()
