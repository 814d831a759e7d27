#!/usr/bin/python3
"""Reads a CAN log with python-can's reader of its format and writes each message it gives as one
line, for the writers' read-back test (tests/canlog/canlog_readback_test.cpp):

    kind channel id extended fd brs esi tx length data time_us

kind is data, remote or error; channel is python-can's (a number, an interface name, or "-" for
none); the flags are 0 or 1; length is the message's dlc field (its length in bytes); data is
lower-case hex ("-" for none, and for remote frames); time_us the time stamp in microseconds.

Usage: canlog_readback.py asc|blf|candump LOG OUT
Exit status 77 when python-can is not installed for this interpreter.
"""
import os
import sys
import time

os.environ["TZ"] = "UTC"  # the readers turn header dates into times through the local zone
time.tzset()

try:
    import can
except ImportError:
    sys.exit(77)

READERS = {
    "asc": lambda path: can.ASCReader(path, relative_timestamp=False),
    "blf": can.BLFReader,
    "candump": can.CanutilsLogReader,
}


def line_of(message):
    kind = "error" if message.is_error_frame else "remote" if message.is_remote_frame else "data"
    channel = "-" if message.channel is None else str(message.channel)
    data = "-" if kind == "remote" or not message.data else bytes(message.data).hex()
    fields = [kind, channel, message.arbitration_id, int(message.is_extended_id),
              int(message.is_fd), int(message.bitrate_switch),
              int(message.error_state_indicator), int(not message.is_rx), message.dlc, data,
              round(message.timestamp * 1e6)]
    return " ".join(str(field) for field in fields)


def main():
    form, log, out = sys.argv[1:4]
    with open(out, "w") as lines:
        for message in READERS[form](log):
            lines.write(line_of(message) + "\n")


if __name__ == "__main__":
    main()
