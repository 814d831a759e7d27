#!/usr/bin/python3
"""Every frame export read back with the readers people use: python-can's ASCReader, BLFReader and
CanutilsLogReader, and can-utils' log2asc (whose frame parser is canplayer's); canplayer
replays the candump files onto vcan interfaces where the machine has them. Each must give
exactly the frames `txtcvt-cli inspect --json` lists: identifier, extended and FD flags, length
(CAN FD lengths rounded up), data bytes, channel and time stamp to the microsecond.

    readback.py CLI DTGEN WORK [--emulator PROGRAM]

With --emulator (wine-run.sh) the Windows programs write the files, run under that program.
Exit status 77 (skipped) when python-can is not installed for this interpreter.
"""
import argparse
import json
import os
import re
import shutil
import socket
import subprocess
import sys
import time

os.environ["TZ"] = "UTC"  # the readers turn header dates into times through the local zone
time.tzset()

try:
    import can
except ImportError:
    print("SKIPPED: python-can is not installed for /usr/bin/python3 "
          "(scripts/install-deps.sh test installs python3-can)")
    sys.exit(77)

LATEST_DATED_START = 253402300799 - 281474977
FD_LENGTHS = [0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64]

# After the random frames, whose times start at 0: times grow through the file, as log2asc wants.
FIXED_FRAMES = """
frame ch1 std 0x123 1001000 01 A2 FF
frame ch2 ext 0x18FEF100 1001500 00 11 22 33 44 55 66 77 88 99
frame ch1 std 0x7FF 1002000 01 02 03 04 05 06 07 08
frame ch2 std 0x000 1002500 FF
frame ch1 ext 0x1FFFFFFF 1003000 01 02 03 04 05 06 07 08 09
frame ch2 ext 0x0 1003500 01 02 03 04 05 06 07 08 09 0A 0B 0C
frame ch1 std 0x100 1004000 {b36}
frame ch2 ext 0x100 1004500 {b64}
event {event} 1005000
frame ch1 std 0x1AB 1005500 {b20}
""".format(b36=" ".join("%02X" % i for i in range(36)),
           b64=" ".join("%02X" % (255 - i) for i in range(64)),
           b20=" ".join("%02X" % (i * 7 % 256) for i in range(20)), event="{event}")

CAPTURES = {
    # Nanoseconds below the microsecond in the start: times are cut, never rounded up.
    "v29": "variant 29\nstart 1714566896 789250999\nrandom 400 seed 7 step 137\n" +
           FIXED_FRAMES.format(event=5) + "event 8 1006000\n",
    "v29undated": "variant 29\nstart -5 0\nrandom 50 seed 2 step 1000\n" +
                  FIXED_FRAMES.format(event=9),
    "v29cut": "variant 29\nstart 1700000000 0\nrandom 120 seed 5 step 250\ndamage truncate 45\n",
    "v27mode2": "variant 27\ntime-stamp-mode 2\nrandom 300 seed 11 step 3\n" +
                FIXED_FRAMES.format(event=3) +
                "frame ch2 std 0x321 1006000 01 02 03 extension\n"
                "frame ch1 ext 0x1234567 1006500 " + " ".join(["5A"] * 40) + " extension\n",
    "v27mode5": "variant 27\ntime-stamp-mode 5\nrandom 200 seed 12 step 7\n",
    "v27mode6": "variant 27\ntime-stamp-mode 6\nrandom 200 seed 13 step 11\n",
    "v27mode0": "variant 27\ntime-stamp-mode 0\n" + FIXED_FRAMES.format(event=4),
}

# (capture, output name, options, channels kept, identifier ranges kept)
SELECTIONS = [
    ("v29", "ch1.asc", ["--format", "asc", "--channel", "ch1"], {0}, None),
    ("v29", "ids.blf", ["--format", "blf", "--ids", "100-1FF,18FEF100"], {0, 1},
     [(0x100, 0x1FF), (0x18FEF100, 0x18FEF100)]),
    ("v27mode2", "ch2ids.log", ["--format", "candump", "--channel", "ch2", "--ids", "0-7FF",
                                "--channel-names", "vcan0,vcan1"], {1}, [(0, 0x7FF)]),
]


class Runner:
    def __init__(self, cli, dtgen, work, emulator):
        self.cli, self.dtgen, self.work = cli, dtgen, work
        self.prefix = [emulator] if emulator else []

    def run(self, program, *args, stdin=None):
        # Relative names only: they mean the same to a Windows program under Wine.
        done = subprocess.run(self.prefix + [program, *args], cwd=self.work, input=stdin,
                              capture_output=True)
        if done.returncode != 0:
            sys.exit(f"failed ({done.returncode}): {program} {' '.join(args)}\n"
                     f"{done.stderr.decode(errors='replace')}")
        return done.stdout.decode()


def origin_of(info):
    """(dated, origin in nanoseconds since 1970) of a capture's clock."""
    if info["variant"] != 29:
        return False, 0
    seconds = info["startSeconds"]
    nanos = info["startNanoseconds"]
    if seconds < 0 or seconds > LATEST_DATED_START:
        return False, 0
    origin = seconds * 10**9 + nanos
    if origin < 0 or origin // 10**9 > LATEST_DATED_START:
        return False, 0
    return True, origin


def nanoseconds_per_count(info):
    if info["variant"] == 29:
        return 1000
    return {1: 100000, 2: 100000, 3: 100000, 4: 100000, 5: 10000, 6: 1000}.get(
        info["timeStampMode"], 0)


def expected_frames(inspect_json, channels=None, ranges=None):
    """The frames of `inspect --json` as the readers must give them back."""
    lines = [json.loads(line) for line in inspect_json.splitlines() if line.strip()]
    info = lines[0]
    dated, origin = origin_of(info)
    unit = nanoseconds_per_count(info)
    frames = []
    for record in lines[1:]:
        frame = record["frame"]
        if frame is None:
            continue
        if channels is not None and frame["channel"] not in channels:
            continue
        if ranges is not None and not any(low <= frame["canId"] <= high for low, high in ranges):
            continue
        length = frame["dataLength"]
        fd_length = next(n for n in FD_LENGTHS if n >= length)
        data = bytes.fromhex(frame["data"]) + bytes(fd_length - length)
        nanoseconds = record["timeCount"] * unit + (origin if dated else 0)
        frames.append((nanoseconds // 1000, frame["channel"], frame["canId"], frame["isExtended"],
                       length > 8, fd_length, data))
    return frames


def as_tuple(message, channel):
    return (round(message.timestamp * 1e6), channel, message.arbitration_id,
            message.is_extended_id, message.is_fd, message.dlc, bytes(message.data))


def read_asc(path, relative=False):
    return [as_tuple(m, m.channel) for m in can.ASCReader(path, relative_timestamp=relative)]


def read_blf(path):
    return [as_tuple(m, m.channel) for m in can.BLFReader(path)]


def read_candump(path, names=("can0", "can1")):
    return [as_tuple(m, names.index(m.channel)) for m in can.CanutilsLogReader(path)]


def compare(what, got, expected):
    if got == expected:
        return True
    print(f"FAIL {what}: {len(got)} frames read, {len(expected)} expected")
    for index, (a, b) in enumerate(zip(got, expected)):
        if a != b:
            print(f"  first difference at frame {index}:\n    read     {a}\n    expected {b}")
            break
    return False


# canplayer reads a line with sscanf("(%ld.%ld) %s %s") and the frame with lib.c's parser.
CANDUMP_LINE = re.compile(r"^\(\d{10,}\.\d{6}\) [^\s#()/]{1,15} "
                          r"(?:[0-9A-F]{3}|[0-9A-F]{8})#(?:#[0-9A-F])?(?:[0-9A-F]{2})*$")


def check_candump_lines(path):
    with open(path, encoding="ascii") as f:
        bad = [line for line in f.read().splitlines() if not CANDUMP_LINE.match(line)]
    if bad:
        print(f"FAIL {path}: lines canplayer would not take, first: {bad[0]!r}")
    return not bad


def log2asc_round_trip(runner, name, expected, dated):
    """candump log -> log2asc -> ASCReader: times count from the first frame there. log2asc of
    can-utils 2020.11 takes a time whose seconds are 0 (the first second of an undated capture)
    for no time and starts anew at each such line, so undated captures are compared without
    their times."""
    if shutil.which("log2asc") is None:
        print("note: log2asc is not installed (can-utils); its round trip is skipped")
        return True
    subprocess.run(["log2asc", "-I", f"{name}.log", "-O", f"{name}.l2a.asc", "can0", "can1"],
                   cwd=runner.work, check=True)
    got = read_asc(os.path.join(runner.work, f"{name}.l2a.asc"), relative=True)
    first = expected[0][0] if expected else 0
    shifted = [(frame[0] - first,) + frame[1:] for frame in expected]
    if not dated:
        got = [frame[1:] for frame in got]
        shifted = [frame[1:] for frame in shifted]
    return compare(f"{name}.log through log2asc", got, shifted)


def in_zone(zone):
    """Local time from here on, for this process and the programs it runs, is that of `zone`."""
    os.environ["TZ"] = zone
    time.tzset()


def read_ours(runner, path):
    """The frames of a log as this program's own reader gives them (`inspect --json`)."""
    lines = [json.loads(line) for line in
             runner.run(runner.cli, "inspect", "--json", path).splitlines() if line.strip()]
    origin = lines[0].get("startSeconds", 0) * 10**9 + lines[0].get("startNanoseconds", 0)
    return [((origin + line["time"]) // 1000, line["channel"] - 1, line["canId"],
             line["isExtended"], line["isFd"], next(n for n in FD_LENGTHS
                                                   if n >= line["dataLength"]),
             bytes.fromhex(line["data"]).ljust(next(n for n in FD_LENGTHS
                                                    if n >= line["dataLength"]), b"\0"))
            for line in lines[1:] if line.get("kind") == "data"]


def zone_round_trips(runner, name, expected, tokyo):
    """The ASC date line and the BLF header in local time (the default) and in UTC, written and
    read in Tokyo and in UTC: python-can and this program's readers read local dates as the
    capture's true instants; UTC dates read as local ones are off by the zone's offset in
    python-can, and in this program's BLF reader (a BLF header cannot say UTC), while its ASC
    reader takes the UTC the file's comment gives."""
    ok = True
    for zone, offset, date in ((tokyo, 9 * 3600 * 10**6, "09:34:56.789 pm"),
                               ("UTC", 0, "12:34:56.789 pm")):
        in_zone(zone)
        for clock in ("local", "utc"):
            for fmt in ("asc", "blf"):
                runner.run(runner.cli, "export", "-q", "--format", fmt, "--clock", clock,
                           "--output", f"{name}.{clock}.{fmt}", f"{name}.DT")
            path = lambda ext: os.path.join(runner.work, f"{name}.{clock}.{ext}")
            shift = 0 if clock == "local" else offset
            off = [(frame[0] - shift,) + frame[1:] for frame in expected]
            what = f"{name}.{clock} in {zone}"
            ok &= compare(f"{what}.asc by python-can", read_asc(path("asc")), off)
            ok &= compare(f"{what}.blf by python-can", read_blf(path("blf")), off)
            ok &= compare(f"{what}.asc by txtcvt", read_ours(runner, f"{name}.{clock}.asc"),
                          expected)
            ok &= compare(f"{what}.blf by txtcvt", read_ours(runner, f"{name}.{clock}.blf"), off)
            with open(path("asc"), encoding="ascii") as f:
                head = f.read(400).splitlines()
            want_date = f"date Wed May 01 {date if clock == 'local' else '12:34:56.789 pm'} 2024"
            want_zone = "(UTC)" if clock == "utc" else (
                "(local time, UTC+09:00)" if offset else "(local time, UTC+00:00)")
            if head[0] != want_date or want_zone not in head[3]:
                print(f"FAIL {what}.asc: header {head[0]!r} / {head[3]!r}")
                ok = False
    in_zone("UTC")
    return ok


def can_sockets():
    try:
        socket.socket(socket.AF_CAN, socket.SOCK_RAW, socket.CAN_RAW).close()
        return True
    except (OSError, AttributeError):
        return False


# Two virtual CAN interfaces in a network namespace of their own (as root, or in a user
# namespace), then canplayer sends every frame of the file onto them, printing each.
REPLAY = ("ip link add dev vcan0 type vcan && ip link add dev vcan1 type vcan && "
          "ip link set vcan0 up && ip link set vcan1 up && "
          'canplayer -t -g 0 -v -I "$1" vcan0=can0 vcan1=can1')


def vcan_namespace():
    """The command that runs a shell script in a namespace with vcan, or None when there is
    none to be had here (no CAN sockets, no vcan module, no unshare or ip, no namespaces)."""
    if not can_sockets() or not all(shutil.which(p) for p in ("unshare", "ip", "canplayer")):
        return None
    command = ["unshare", "-n"] if os.geteuid() == 0 else ["unshare", "-rn"]
    probe = subprocess.run(command + ["ip", "link", "add", "dev", "vcan0", "type", "vcan"],
                           capture_output=True)
    return command if probe.returncode == 0 else None


def canplayer_replay(namespace, path, count):
    done = subprocess.run(namespace + ["sh", "-c", REPLAY, "sh", path], capture_output=True)
    sent = len(done.stdout.decode(errors="replace").splitlines())
    if done.returncode == 0 and sent == count:
        return True
    print(f"FAIL canplayer {path}: exit status {done.returncode}, {sent} of {count} frames sent\n"
          f"{done.stderr.decode(errors='replace')}")
    return False


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("dtgen")
    parser.add_argument("work")
    parser.add_argument("--emulator")
    args = parser.parse_args()
    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)
    runner = Runner(os.path.abspath(args.cli), os.path.abspath(args.dtgen), args.work,
                    args.emulator and os.path.abspath(args.emulator))

    ok = True
    frames_checked = 0
    namespace = vcan_namespace()
    for name, description in CAPTURES.items():
        with open(os.path.join(args.work, f"{name}.txt"), "w") as f:
            f.write(description)
        runner.run(runner.dtgen, f"{name}.txt", f"{name}.DT")
        inspected = runner.run(runner.cli, "inspect", "--json", f"{name}.DT")
        expected = expected_frames(inspected)
        for fmt in ("asc", "blf", "candump"):
            # A cut capture is exported as far as it goes, with a warning and exit status 0.
            runner.run(runner.cli, "export", "--format", fmt, "-q", f"{name}.DT")
        path = lambda ext: os.path.join(args.work, f"{name}.{ext}")
        ok &= compare(f"{name}.asc", read_asc(path("asc")), expected)
        ok &= compare(f"{name}.blf", read_blf(path("blf")), expected)
        ok &= compare(f"{name}.log", read_candump(path("log")), expected)
        ok &= check_candump_lines(path("log"))
        dated, _ = origin_of(json.loads(inspected.splitlines()[0]))
        ok &= log2asc_round_trip(runner, name, expected, dated)
        if namespace:
            ok &= canplayer_replay(namespace, path("log"), len(expected))
        frames_checked += len(expected)

    # Tokyo's rule as a TZ value the Windows C runtime takes too.
    ok &= zone_round_trips(runner, "v29", expected_frames(
        runner.run(runner.cli, "inspect", "--json", "v29.DT")),
        "JST-9" if args.emulator else "Asia/Tokyo")

    for capture, output, options, channels, ranges in SELECTIONS:
        runner.run(runner.cli, "export", "-q", *options, "--output", output, f"{capture}.DT")
        expected = expected_frames(runner.run(runner.cli, "inspect", "--json", f"{capture}.DT"),
                                   channels, ranges)
        path = os.path.join(args.work, output)
        got = {"asc": read_asc, "blf": read_blf,
               "log": lambda p: read_candump(p, ("vcan0", "vcan1"))}[output.split(".")[1]](path)
        ok &= compare(output, got, expected) and len(expected) > 0

    if namespace is None:
        print("note: no CAN sockets or no vcan interfaces to be made here, so canplayer did not "
              "replay the candump files; their lines were checked against canplayer's line "
              "format, and log2asc read them with the frame parser canplayer uses")
    print(f"{'passed' if ok else 'FAILED'}: {frames_checked} frames of {len(CAPTURES)} captures in "
          f"3 formats, {len(SELECTIONS)} selections")
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
