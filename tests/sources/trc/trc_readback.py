"""Writes trace files with python-can's TRCWriter for the read-back test of the TRC reader.

Usage: trc_readback.py OUT_DIR SEED

Writes OUT_DIR/v2_1.trc (the writer's own version) and OUT_DIR/v1_0.trc (its 1.0 mode) of the
same random frames, and for each a list OUT_DIR/NAME.expected of the frames the file holds, one
a line: identifier (hex), extended (0/1), transmitted (0/1), channel (from 0), length, data
(hex, '-' for none), nanoseconds from the first frame given to the writer.
"""

import logging
import os
import random
import sys

import can
from can.io.trc import TRCFileVersion


def random_messages(rng, count):
    timestamp = 1.7e9 + rng.uniform(0, 1e7)
    messages = []
    for _ in range(count):
        timestamp += rng.randint(0, 50_000) / 1e6
        kind = rng.choice(["classic", "classic", "classic", "fd", "remote", "error"])
        extended = rng.random() < 0.4
        identifier = rng.randint(0, 0x1FFFFFFF if extended else 0x7FF)
        channel = rng.randint(0, 3)
        is_rx = rng.random() < 0.5
        if kind == "error":
            message = can.Message(timestamp=timestamp, is_error_frame=True, channel=channel)
        elif kind == "remote":
            message = can.Message(timestamp=timestamp, arbitration_id=identifier,
                                  is_extended_id=extended, is_remote_frame=True,
                                  dlc=rng.randint(0, 8), channel=channel, is_rx=is_rx)
        else:
            fd = kind == "fd"
            length = rng.choice([0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64] if fd
                                else range(9))
            message = can.Message(timestamp=timestamp, arbitration_id=identifier,
                                  is_extended_id=extended, is_fd=fd,
                                  bitrate_switch=fd and rng.random() < 0.5,
                                  data=bytes(rng.randint(0, 255) for _ in range(length)),
                                  channel=channel, is_rx=is_rx)
        messages.append(message)
    return messages


def write(path, messages, version):
    writer = can.TRCWriter(path)
    writer.file_version = version
    for message in messages:
        writer.on_message_received(message)
    writer.stop()


def written(message):
    # python-can 4.1's TRCWriter leaves out error, remote and CAN FD frames (it logs that it
    # cannot write them), so they are not in the file and not in the list.
    return not (message.is_error_frame or message.is_remote_frame or message.is_fd)


def write_expected(path, messages, version_1_0):
    first = messages[0].timestamp  # the writer counts from the first frame it is given
    with open(path, "w") as out:
        for message in filter(written, messages):
            data = message.data.hex().upper() or "-"
            # Version 1.0 has no bus and no direction column.
            channel = 0 if version_1_0 else message.channel
            transmitted = 0 if version_1_0 or message.is_rx else 1
            nanoseconds = round((message.timestamp - first) * 1e9)
            out.write(f"{message.arbitration_id:X} {int(message.is_extended_id)} {transmitted} "
                      f"{channel} {message.dlc} {data} {nanoseconds}\n")


def main():
    logging.getLogger("can.io.trc").setLevel(logging.ERROR)  # its notes on frames it leaves out
    out_dir, seed = sys.argv[1], int(sys.argv[2])
    messages = random_messages(random.Random(seed), 3000)
    for name, version in (("v2_1", TRCFileVersion.V2_1), ("v1_0", TRCFileVersion.V1_0)):
        write(os.path.join(out_dir, name + ".trc"), messages, version)
        write_expected(os.path.join(out_dir, name + ".expected"), messages,
                       version == TRCFileVersion.V1_0)


if __name__ == "__main__":
    main()
