#!/usr/bin/env python3
"""One capture on every core, and one core against the formatting floor.

1. One capture of --size-mib converted to the long CSV with --jobs 1 and with --jobs 2, taking
   turns, the quickest of --rounds runs of each, with the peak memory of each, the two outputs
   compared byte for byte, and beside it the speed-ups the machine itself gives two processes
   that only compute, and two processes converting a capture of half the size each into a file
   of its own (one after the other against side by side: no shared output file, so this is as
   far as two workers can go here). Then the same for its frames in a zlib BLF log written by python-can's
   BLFWriter (Debian's python3-can, run with /usr/bin/python3; --no-blf leaves it out).
2. A capture of --floor-frames frames converted with --jobs 1 beside the formatting floor: the
   same lines made again from pre-made fixed columns with std::to_chars(value, fixed, 6) into a
   block and written with write(2) (bench/format_floor.cpp, built here with g++ -O2), no
   decoding; the quickest of --rounds runs of each.

    python3 bench/one_file.py [--size-mib 256] [--floor-frames 1000000] [--build build/linux]
                              [--work /dev/shm/txtcvt-one] [--rounds 5] [--no-blf]
                              [--baseline OTHER_BUILD]

Keep the work folder on a RAM disk (/dev/shm) so that the disk does not decide.
"""
import argparse
import filecmp
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import run as bench  # noqa: E402  (run_measured, parallel_ceiling, make_capture)


def quickest_in_turns(rounds, commands, cwd, outputs):
    """The quickest time and the peak memory (MiB) of each command, run in turns, each writing a
    new output (freeing the pages of an old one it replaces would count too)."""
    best = [(float("inf"), 0.0)] * len(commands)
    for _ in range(rounds):
        for index, command in enumerate(commands):
            if os.path.exists(outputs[index]):
                os.remove(outputs[index])
            seconds, peak = bench.run_measured(command, cwd=cwd)
            if seconds < best[index][0]:
                best[index] = (seconds, max(peak, best[index][1]))
            else:
                best[index] = (best[index][0], max(peak, best[index][1]))
    return best


def two_halves(rounds, convert, work, dtgen, records, ids):
    """The speed-up of two processes each converting a capture of `records` records into a file
    of its own, side by side against one after the other, the quickest of `rounds` of each."""
    halves = [os.path.join(work, f"half-{n}.DT") for n in (1, 2)]
    outputs = [os.path.join(work, f"half-{n}.csv") for n in (1, 2)]
    for seed, half in enumerate(halves, start=2):
        bench.make_capture(dtgen, half, records, ids, seed)
    commands = [convert(1, output, half) for half, output in zip(halves, outputs)]

    def remove_outputs():
        for output in outputs:
            if os.path.exists(output):
                os.remove(output)
    serial = parallel = float("inf")
    for _ in range(rounds):
        remove_outputs()
        start = time.perf_counter()
        for command in commands:
            subprocess.run(command, check=True, cwd=work)
        serial = min(serial, time.perf_counter() - start)
        remove_outputs()
        start = time.perf_counter()
        children = [subprocess.Popen(command, cwd=work) for command in commands]
        if any(child.wait() != 0 for child in children):
            sys.exit("failed: a half converted side by side")
        parallel = min(parallel, time.perf_counter() - start)
    remove_outputs()
    for half in halves:
        os.remove(half)
    return serial / parallel


def count_lines(path):
    with open(path, "rb") as f:
        return sum(block.count(b"\n") for block in iter(lambda: f.read(1 << 24), b"")) - 1


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--size-mib", type=int, default=256)
    parser.add_argument("--floor-frames", type=int, default=1000000)
    parser.add_argument("--build", default="build/linux")
    parser.add_argument("--work", default="/dev/shm/txtcvt-one")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--baseline", help="another build whose --jobs 2 runs in the same turns")
    parser.add_argument("--no-blf", action="store_true",
                        help="leave out the BLF log of the same frames (made by python-can)")
    args = parser.parse_args()

    cli = os.path.abspath(os.path.join(args.build, "cli", "txtcvt-cli"))
    baseline = (os.path.abspath(os.path.join(args.baseline, "cli", "txtcvt-cli"))
                if args.baseline else None)
    dtgen = os.path.abspath(os.path.join(args.build, "tools", "dtgen", "dtgen"))
    work = os.path.abspath(args.work)
    os.makedirs(work, exist_ok=True)
    here = os.path.dirname(os.path.abspath(__file__))
    dbc = os.path.join(work, "bench.dbc")
    ids = subprocess.run([sys.executable, os.path.join(here, "make_bench_dbc.py"), dbc],
                         check=True, capture_output=True, text=True).stdout.strip()

    capture = os.path.join(work, "one.DT")
    bench.make_capture(dtgen, capture, args.size_mib * 1024 * 1024 // 32, ids, 1)

    def convert(jobs, output, source=capture, program=cli):
        return [program, "convert", "--quiet", "--jobs", str(jobs), "--dbc", dbc, "--output",
                output, source]
    ceiling = bench.parallel_ceiling()
    halves = two_halves(args.rounds, convert, work, dtgen, args.size_mib * 1024 * 1024 // 64, ids)

    def one_and_two(title, source):
        one_csv, two_csv = os.path.join(work, "one-1.csv"), os.path.join(work, "one-2.csv")
        commands = [convert(1, one_csv, source), convert(2, two_csv, source)]
        outputs = [one_csv, two_csv]
        if baseline:
            outputs.append(os.path.join(work, "one-baseline.csv"))
            commands.append(convert(2, outputs[-1], source, baseline))
        best = quickest_in_turns(args.rounds, commands, work, outputs)
        (one, one_peak), (two, two_peak) = best[0], best[1]
        if baseline:
            os.remove(outputs[-1])
        same = filecmp.cmp(one_csv, two_csv, shallow=False)
        lines = count_lines(one_csv)
        size = os.path.getsize(one_csv)
        for path in (one_csv, two_csv):
            os.remove(path)
        print(f"{title}, {lines} lines ({size / 2**20:.0f} MiB), quickest of {args.rounds}:")
        print(f"  --jobs 1: {one:.2f} s, {lines / one / 1e6:.2f} M lines/s, "
              f"peak {one_peak:.0f} MiB")
        print(f"  --jobs 2: {two:.2f} s, {lines / two / 1e6:.2f} M lines/s, "
              f"peak {two_peak:.0f} MiB; speed-up {one / two:.2f} (the machine's two processes: "
              f"{ceiling:.2f} computing, {halves:.2f} converting half a capture each); outputs "
              f"{'identical' if same else 'DIFFERENT'}")
        if baseline:
            print(f"  --jobs 2 of {args.baseline}: {best[2][0]:.2f} s, peak {best[2][1]:.0f} MiB")

    one_and_two(f"one capture of {args.size_mib} MiB", capture)
    if not args.no_blf:
        # The same frames as python-can writes them into a zlib BLF log (Debian's python-can,
        # run by /usr/bin/python3 whatever runs this script).
        stored = os.path.join(work, "one-stored.blf")
        blf = os.path.join(work, "one.blf")
        subprocess.run([cli, "export", "--quiet", "--format", "blf", "--output", stored, capture],
                       check=True)
        subprocess.run(["/usr/bin/python3", "-c",
                        "import can, sys\n"
                        "writer = can.BLFWriter(sys.argv[2])\n"
                        "for message in can.BLFReader(sys.argv[1]):\n"
                        "    writer.on_message_received(message)\n"
                        "writer.stop()\n", stored, blf], check=True)
        os.remove(stored)
        one_and_two(f"the same frames in a zlib BLF log of {os.path.getsize(blf) / 2**20:.0f} MiB",
                    blf)
        os.remove(blf)

    floor_capture = os.path.join(work, "floor.DT")
    description = (f"variant 29\nstart 1714566896 0\n"
                   f"random {args.floor_frames} seed 1 step 250 length 8 ids {ids}\n")
    subprocess.run([dtgen, "-", floor_capture], input=description.encode(), check=True)
    floor_program = os.path.join(work, "format_floor")
    subprocess.run(["g++", "-O2", "-std=c++20", os.path.join(here, "format_floor.cpp"), "-o",
                    floor_program], check=True)
    floor_csv = os.path.join(work, "floor.csv")
    subprocess.run(convert(1, floor_csv)[:-1] + [floor_capture], check=True, cwd=work)
    floor_lines = count_lines(floor_csv)
    converted = float("inf")
    floor = float("inf")
    remade = os.path.join(work, "floor-remade.csv")
    for _ in range(args.rounds):
        os.remove(floor_csv)
        seconds, _ = bench.run_measured(convert(1, floor_csv)[:-1] + [floor_capture], cwd=work)
        converted = min(converted, seconds)
        if os.path.exists(remade):
            os.remove(remade)
        said = subprocess.run([floor_program, floor_csv, remade, "1"], check=True,
                              capture_output=True, text=True).stdout.split()
        floor = min(floor, float(said[0]))
    cat_seconds, _ = bench.run_measured(["sh", "-c", f"cat '{floor_csv}' > '{remade}'"])
    print(f"{args.floor_frames} frames, {floor_lines} lines, quickest of {args.rounds}:")
    print(f"  convert --jobs 1 (decoding, process start included): {converted:.3f} s, "
          f"{floor_lines / converted / 1e6:.2f} M lines/s")
    print(f"  formatting floor (to_chars fixed 6 into a block, write(2)): {floor:.3f} s, "
          f"{floor_lines / floor / 1e6:.2f} M lines/s; conversion at {floor / converted:.2f} of "
          f"the floor's speed")
    print(f"  cat of the CSV: {cat_seconds:.3f} s")
    for path in (floor_csv, remade, floor_capture, capture):
        os.remove(path)


if __name__ == "__main__":
    main()
