#!/usr/bin/python3
"""Writes random CAN frames into a BLF log with python-can's BLFWriter, and the same frames as
text for the test that reads the log back.

Usage: blf_readback.py LOG TEXT COMPRESSION_LEVEL SEED COUNT

Each line of TEXT: kind channel id extended fd brs esi tx length data time_us, where kind is
data, remote or error, the flags are 0 or 1, data is hex ("-" for none) and time_us the frame's
time in whole microseconds since 1970.

python-can 4.1 writes classic and remote frames as CAN_MESSAGE, FD frames as CAN_FD_MESSAGE and
error frames as CAN_ERROR_EXT. It cannot write FD error frames, nor a direction for error frames
(they are all received here), nor remote frames in FD format.
"""
import random
import sys

import can

FD_LENGTHS = [0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64]


def random_message(rng, time_us):
    channel = rng.randrange(4)
    extended = rng.random() < 0.4
    can_id = rng.randrange(1 << 29) if extended else rng.randrange(1 << 11)
    kind = rng.choice(["data", "data", "fd", "fd", "remote", "error"])
    tx = rng.random() < 0.5 and kind != "error"
    fd = brs = esi = False
    if kind == "fd":
        fd, brs, esi = True, rng.random() < 0.5, rng.random() < 0.3
        data = bytes(rng.randrange(256) for _ in range(rng.choice(FD_LENGTHS)))
    elif kind == "remote":
        data = b""
    else:
        data = bytes(rng.randrange(256) for _ in range(rng.randrange(9)))
    length = rng.randrange(9) if kind == "remote" else len(data)
    message = can.Message(timestamp=time_us / 1e6, arbitration_id=can_id,
                          is_extended_id=extended, is_remote_frame=kind == "remote",
                          is_error_frame=kind == "error", is_fd=fd, bitrate_switch=brs,
                          error_state_indicator=esi, is_rx=not tx, channel=channel,
                          dlc=length, data=data)
    line = " ".join(str(field) for field in [
        "remote" if kind == "remote" else "error" if kind == "error" else "data",
        channel, can_id, int(extended), int(fd), int(brs), int(esi), int(tx), length,
        data.hex() or "-", time_us])
    return message, line


def main():
    log, text, level, seed, count = sys.argv[1:6]
    rng = random.Random(int(seed))
    # The header holds the start to the millisecond: the first frame starts on a whole one.
    time_us = 1700000000123000
    writer = can.BLFWriter(log, compression_level=int(level))
    lines = []
    for _ in range(int(count)):
        message, line = random_message(rng, time_us)
        writer.on_message_received(message)
        lines.append(line)
        time_us += rng.randrange(1, 5000)
    writer.stop()
    with open(text, "w") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
