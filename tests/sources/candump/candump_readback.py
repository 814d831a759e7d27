"""Writes candump logs with the writers people use, and the frames written, for the read-back
test of the candump reader.

Usage: candump_readback.py canutils|asc2log FOLDER SEED

canutils: FOLDER/frames.log by python-can's CanutilsLogWriter.
asc2log:  FOLDER/frames.asc by python-can's ASCWriter, turned into FOLDER/frames.log by can-utils'
          asc2log.
Either way FOLDER/expected.txt holds one line a frame as the log should read:
    channel kind id extended fd brs esi transmitted length data micros
kind is data, remote or error; data the bytes in hex ("-" for none); micros the time in
microseconds as written (since 1970 for canutils, since the first frame for asc2log, whose log
dates come from the ASC file's date line or the clock).
Exit status 77 when python-can or asc2log is missing.
"""

import os
import random
import shutil
import subprocess
import sys

try:
    import can
except ImportError:
    sys.exit(77)

FD_LENGTHS = [0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64]
START_MICROS = 1_700_000_000_123_456


def random_message(rng, micros, channels):
    extended = rng.random() < 0.5
    arbitration_id = rng.randrange(1 << 29) if extended else rng.randrange(1 << 11)
    kind = rng.choices(["data", "remote", "fd", "error"], [35, 10, 40, 15])[0]
    common = dict(timestamp=micros / 1e6, channel=rng.choice(channels), is_rx=rng.random() < 0.7)
    if kind == "error":
        return can.Message(is_error_frame=True, **common)
    if kind == "remote":
        return can.Message(arbitration_id=arbitration_id, is_extended_id=extended,
                           is_remote_frame=True, dlc=rng.randrange(9), **common)
    fd = kind == "fd"
    length = rng.choice(FD_LENGTHS) if fd else rng.randrange(9)
    return can.Message(arbitration_id=arbitration_id, is_extended_id=extended, is_fd=fd,
                       bitrate_switch=fd and rng.random() < 0.5,
                       error_state_indicator=fd and rng.random() < 0.5,
                       data=bytes(rng.randrange(256) for _ in range(length)), **common)


def messages(rng, count, channels):
    micros = START_MICROS
    out = []
    for _ in range(count):
        micros += rng.choice([0, 1, rng.randrange(1, 20000), rng.randrange(1, 5_000_000)])
        out.append(random_message(rng, micros, channels))
    return out


def expected_line(channel, kind, msg, arbitration_id, length, data, transmitted, micros):
    return " ".join(str(v) for v in [
        channel, kind, "%X" % arbitration_id, int(msg.is_extended_id and kind != "error"),
        int(msg.is_fd), int(msg.bitrate_switch), int(msg.error_state_indicator),
        int(transmitted), length, data.hex().upper() or "-", micros])


def trailing_number(name):
    digits = len(name) - len(name.rstrip("0123456789"))
    return int(name[-digits:])


def write_canutils(folder, rng):
    msgs = messages(rng, 3000, [0, 1, 2, "vcan5"])
    with can.CanutilsLogWriter(os.path.join(folder, "frames.log")) as writer:
        for msg in msgs:
            writer.on_message_received(msg)
    lines = []
    for msg in msgs:
        name = msg.channel if isinstance(msg.channel, str) else "can%d" % msg.channel
        micros = int(("%f" % msg.timestamp).replace(".", ""))  # as the writer puts it
        if msg.is_error_frame:
            # Written as 20000080# (the bus-error class), with no data and no direction.
            lines.append(expected_line(trailing_number(name), "error", msg, 0x80, 0, b"",
                                       False, micros))
        elif msg.is_remote_frame:
            # Written as "#R" without the length asked for.
            lines.append(expected_line(trailing_number(name), "remote", msg,
                                       msg.arbitration_id, 0, b"", not msg.is_rx, micros))
        else:
            lines.append(expected_line(trailing_number(name), "data", msg, msg.arbitration_id,
                                       len(msg.data), msg.data, not msg.is_rx, micros))
    return lines


def write_asc2log(folder, rng):
    if shutil.which("asc2log") is None:
        sys.exit(77)
    msgs = messages(rng, 3000, [0, 1, 2, 3])
    asc = os.path.join(folder, "frames.asc")
    with can.ASCWriter(asc) as writer:
        for msg in msgs:
            writer.on_message_received(msg)
    subprocess.run(["asc2log", "-I", asc, "-O", os.path.join(folder, "frames.log")],
                   check=True, stderr=subprocess.DEVNULL)
    first = msgs[0].timestamp
    lines = []
    for msg in msgs:
        # The ASC file's time: seconds since the first frame with six decimals.
        micros = int(("%.6f" % (msg.timestamp - first)).replace(".", ""))
        if msg.is_error_frame:
            # ASCWriter puts error frames on its default channel 1 (can0); asc2log gives them
            # the bus-error class and 8 zero bytes.
            lines.append(expected_line(0, "error", msg, 0x80, 8, bytes(8), False, micros))
        elif msg.is_remote_frame:
            lines.append(expected_line(msg.channel, "remote", msg, msg.arbitration_id, msg.dlc,
                                       b"", not msg.is_rx, micros))
        else:
            lines.append(expected_line(msg.channel, "data", msg, msg.arbitration_id,
                                       len(msg.data), msg.data, not msg.is_rx, micros))
    return lines


def main():
    part, folder, seed = sys.argv[1], sys.argv[2], int(sys.argv[3])
    rng = random.Random(seed)
    lines = write_canutils(folder, rng) if part == "canutils" else write_asc2log(folder, rng)
    with open(os.path.join(folder, "expected.txt"), "w") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
