#!/usr/bin/python3
"""The CAN log readers beside python-can's: the same frames written by python-can 4.1 as a
zlib-compressed BLF, an ASC and a candump log, then read by python-can's BLFReader, ASCReader and
CanutilsLogReader and by txtcvt (`txtcvt-cli export --format candump` to /dev/null: every frame
read, then written as a candump line), frames a second of each and the ratio, each the quickest of
--rounds runs taken in turns. Then the BLF converted to the long CSV beside the capture of the
same frames: lines a second of both. With --baseline, a previous build's txtcvt-cli is timed in
the same turns, for figures before and after side by side.

    /usr/bin/python3 bench/read_logs.py [--frames 500000] [--build build/linux]
                                        [--work /dev/shm/txtcvt-logs] [--rounds 3]
                                        [--baseline ../main/build/linux] [--only-ours]

python-can is Debian's (python3-can 4.1), so run it with /usr/bin/python3. Keep the work folder
on a RAM disk so that the disk does not decide.
"""
import argparse
import os
import subprocess
import sys
import time

import can


def best_of(rounds, work):
    """The shortest of `rounds` runs of `work()`, in seconds."""
    best = float("inf")
    for _ in range(rounds):
        start = time.perf_counter()
        work()
        best = min(best, time.perf_counter() - start)
    return best


def best_in_turns(rounds, *works):
    """The shortest of `rounds` runs of each of `works`, run in turns so that a busy moment of a
    shared machine falls on all of them alike."""
    best = [float("inf")] * len(works)
    for _ in range(rounds):
        for index, work in enumerate(works):
            best[index] = min(best[index], best_of(1, work))
    return best


def write_logs(frames_path, work):
    """The capture's frames (read from our BLF export) written by python-can's writers."""
    frames = list(can.BLFReader(frames_path))
    paths = {}
    for name, writer in (("zlib BLF", lambda p: can.BLFWriter(p)),  # zlib, python-can's default
                         ("ASC", lambda p: can.ASCWriter(p)),
                         ("candump", lambda p: can.CanutilsLogWriter(p))):
        suffix = {"zlib BLF": ".blf", "ASC": ".asc", "candump": ".log"}[name]
        path = os.path.join(work, "written" + suffix)
        log = writer(path)
        for frame in frames:
            log.on_message_received(frame)
        log.stop()
        paths[name] = path
    return len(frames), paths


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--frames", type=int, default=500000)
    parser.add_argument("--build", default="build/linux")
    parser.add_argument("--work", default="/dev/shm/txtcvt-logs")
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--baseline", help="a previous build folder, timed beside --build")
    parser.add_argument("--only-ours", action="store_true",
                        help="no python-can readers nor CSV: txtcvt (and the baseline) only")
    args = parser.parse_args()
    cli = os.path.abspath(os.path.join(args.build, "cli", "txtcvt-cli"))
    base_cli = (os.path.abspath(os.path.join(args.baseline, "cli", "txtcvt-cli"))
                if args.baseline else None)
    dtgen = os.path.abspath(os.path.join(args.build, "tools", "dtgen", "dtgen"))
    work = os.path.abspath(args.work)
    os.makedirs(work, exist_ok=True)
    dbc = os.path.join(work, "bench.dbc")
    ids = subprocess.run([sys.executable, os.path.join(os.path.dirname(__file__), "make_bench_dbc.py"),
                          dbc], check=True, capture_output=True, text=True).stdout.strip()
    capture = os.path.join(work, "capture.DT")
    description = (f"variant 29\nstart 1714566896 0\n"
                   f"random {args.frames} seed 1 step 250 length 8 ids {ids}\n")
    subprocess.run([dtgen, "-", capture], input=description.encode(), check=True)
    subprocess.run([cli, "export", "-q", "--format", "blf", "--output",
                    os.path.join(work, "frames.blf"), capture], check=True)
    count, logs = write_logs(os.path.join(work, "frames.blf"), work)
    print(f"{count} frames of 8 bytes, {len(ids.split(','))} identifiers, best of {args.rounds}")

    readers = {"zlib BLF": can.BLFReader, "ASC": can.ASCReader, "candump": can.CanutilsLogReader}

    def export(program, path):
        return lambda: subprocess.run([program, "export", "-q", "--format", "candump",
                                       "--output", "/dev/null", path], check=True)

    print(f"{'':>8}  {'python-can':>14}  {'txtcvt':>14}  ratio"
          + (f"  {'baseline':>14}  ratio  speed-up" if base_cli else ""))
    for name, path in logs.items():
        works = [export(cli, path)]
        if base_cli:
            works.append(export(base_cli, path))
        if not args.only_ours:
            works.append(lambda: sum(1 for _ in readers[name](path)))
        best = best_in_turns(args.rounds, *works)
        ours = best[0]
        theirs = best[-1] if not args.only_ours else float("nan")
        line = (f"{name:>8}: {count / theirs / 1e6:6.3f} M frames/s  {count / ours / 1e6:6.2f} "
                f"M frames/s  {theirs / ours:5.1f}")
        if base_cli:
            before = best[1]
            line += (f"  {count / before / 1e6:6.2f} M frames/s  {theirs / before:5.1f}  "
                     f"{before / ours:5.2f}x")
        print(line + f"  ({os.path.getsize(path) / 2**20:.0f} MiB)")
    if args.only_ours:
        return

    def convert(path):
        subprocess.run([cli, "convert", "-q", "--jobs", "1", "--dbc", dbc, "--output",
                        os.path.join(work, "table.csv"), path], check=True, cwd=work)
    convert(capture)
    with open(os.path.join(work, "table.csv"), "rb") as f:
        lines = sum(block.count(b"\n") for block in iter(lambda: f.read(1 << 24), b"")) - 1
    captured, logged = best_in_turns(args.rounds, lambda: convert(capture),
                                     lambda: convert(logs["zlib BLF"]))
    print(f"long CSV of {lines} lines: capture {lines / captured / 1e6:.2f} M lines/s, zlib BLF "
          f"{lines / logged / 1e6:.2f} M lines/s ({captured / logged:.2f} of the capture's speed)")


if __name__ == "__main__":
    main()
