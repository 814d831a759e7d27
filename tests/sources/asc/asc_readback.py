"""Writes an ASC log of random CAN frames with a real writer, and the list of what was written.

    asc_readback.py python-can OUT.asc EXPECTED.txt SEED
    asc_readback.py log2asc OUT.asc EXPECTED.txt SEED [log2asc options such as -f or -4]

python-can: can.ASCWriter (python-can 4.1) with classic, CAN FD (BRS, ESI), extended, remote and
error frames on four channels. log2asc: a candump log (can0, can1) converted by can-utils'
log2asc, which counts its times from the first frame but dates the file to that frame's whole
second: the file's instants lie up to a second before the candump log's, the times between
frames are the log's.

EXPECTED.txt has the time origin the file gives, "origin SECONDS NANOSECONDS" (seconds since
1970, UTC), then one line a frame:
    frame KIND ID EXTENDED FD BRS ESI TX CHANNEL LENGTH DATA NANOSECONDS_FROM_ORIGIN
with KIND data, remote or error, ID in hex, DATA as hex digits ("-" for none), CHANNEL from 0.
Exits with 77 when python-can or log2asc is missing. Times are kept in whole microseconds.
"""

import random
import shutil
import subprocess
import sys

SKIP = 77
FD_LENGTHS = [0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64]
START_US = 1714566896789000  # whole milliseconds: python-can dates its trigger block to them


def expected_line(kind, can_id, extended, fd, brs, esi, tx, channel, data, length, ns):
    text = data.hex().upper() if data else "-"
    return (f"frame {kind} {can_id:X} {int(extended)} {int(fd)} {int(brs)} {int(esi)} "
            f"{int(tx)} {channel} {length} {text} {ns}\n")


def random_identifier(rng):
    extended = rng.random() < 0.5
    return (rng.randrange(0x20000000) if extended else rng.randrange(0x800)), extended


def write_python_can(asc_path, expected_path, rng):
    try:
        import can
    except ImportError:
        sys.exit(SKIP)
    lines = [f"origin {START_US // 1000000} {START_US % 1000000 * 1000}\n"]
    writer = can.ASCWriter(asc_path)
    now_us = START_US
    for _ in range(600):
        kind = rng.choice(["classic", "classic", "fd", "remote", "error"])
        can_id, extended = random_identifier(rng)
        channel = rng.randrange(4)
        tx = rng.random() < 0.3
        ns = (now_us - START_US) * 1000
        if kind == "error":
            # The writer puts error frames on its own default channel (1), not the frame's.
            message = can.Message(timestamp=now_us / 1e6, is_error_frame=True, channel=channel)
            lines.append(expected_line("error", 0, False, False, False, False, False, 0,
                                       b"", 0, ns))
        elif kind == "remote":
            length = rng.randrange(9)
            message = can.Message(timestamp=now_us / 1e6, arbitration_id=can_id,
                                  is_extended_id=extended, is_remote_frame=True, dlc=length,
                                  channel=channel, is_rx=not tx)
            lines.append(expected_line("remote", can_id, extended, False, False, False, tx,
                                       channel, b"", length, ns))
        else:
            fd = kind == "fd"
            length = rng.choice(FD_LENGTHS) if fd else rng.randrange(9)
            data = bytes(rng.randrange(256) for _ in range(length))
            brs = fd and rng.random() < 0.5
            esi = fd and rng.random() < 0.5
            message = can.Message(timestamp=now_us / 1e6, arbitration_id=can_id,
                                  is_extended_id=extended, is_fd=fd, bitrate_switch=brs,
                                  error_state_indicator=esi, data=data, dlc=length,
                                  channel=channel, is_rx=not tx)
            lines.append(expected_line("data", can_id, extended, fd, brs, esi, tx, channel,
                                       data, length, ns))
        writer.on_message_received(message)
        now_us += rng.randrange(1, 3000000)
    writer.stop()
    with open(expected_path, "w") as out:
        out.writelines(lines)


def candump_frame(rng, allow_errors):
    """One random frame as candump writes it, and what it holds."""
    kinds = ["classic", "classic", "fd", "remote"] + (["error"] if allow_errors else [])
    kind = rng.choice(kinds)
    can_id, extended = random_identifier(rng)
    id_text = f"{can_id:08X}" if extended else f"{can_id:03X}"
    if kind == "error":
        return "20000004#0000000000000000", ("error", 0, False, False, False, False, b"", 0)
    if kind == "remote":
        length = rng.randrange(9)
        text = f"{id_text}#R" + (str(length) if length else "")
        return text, ("remote", can_id, extended, False, False, False, b"", length)
    fd = kind == "fd"
    length = rng.choice(FD_LENGTHS) if fd else rng.randrange(9)
    data = bytes(rng.randrange(256) for _ in range(length))
    if not fd:
        return f"{id_text}#{data.hex().upper()}", ("data", can_id, extended, False, False,
                                                   False, data, length)
    flags = rng.randrange(4)  # bit 0 BRS, bit 1 ESI
    text = f"{id_text}##{flags:X}{data.hex().upper()}"
    return text, ("data", can_id, extended, True, bool(flags & 1), bool(flags & 2), data, length)


def write_log2asc(asc_path, expected_path, rng, options):
    tool = shutil.which("log2asc")
    if tool is None:
        sys.exit(SKIP)
    # In its CANFD form (-f) log2asc writes error frames as data frames: none then.
    allow_errors = "-f" not in options
    tenth_ms = "-4" in options  # four decimals: times cut to 100 microseconds
    first_us = START_US + rng.randrange(1000000)
    log_path = asc_path + ".log"
    lines = [f"origin {first_us // 1000000} 0\n"]
    now_us = first_us
    with open(log_path, "w") as log:
        for _ in range(600):
            channel = rng.randrange(2)
            text, (kind, can_id, extended, fd, brs, esi, data, length) = candump_frame(
                rng, allow_errors)
            direction = rng.choice(["", " R", " T"])
            tx = direction == " T" and kind != "error"
            log.write(f"({now_us // 1000000}.{now_us % 1000000:06d}) can{channel} "
                      f"{text}{direction}\n")
            since_us = now_us - first_us
            if tenth_ms:
                since_us -= since_us % 100
            ns = since_us * 1000
            lines.append(expected_line(kind, can_id, extended, fd, brs, esi, tx, channel, data,
                                       length, ns))
            now_us += rng.randrange(1, 2000000)
    subprocess.run([tool, "-I", log_path, "-O", asc_path, *options, "can0", "can1"], check=True)
    with open(expected_path, "w") as out:
        out.writelines(lines)


def main():
    mode, asc_path, expected_path, seed = sys.argv[1:5]
    rng = random.Random(int(seed))
    if mode == "python-can":
        write_python_can(asc_path, expected_path, rng)
    elif mode == "log2asc":
        write_log2asc(asc_path, expected_path, rng, sys.argv[5:])
    else:
        sys.exit(f"unknown writer {mode}")


if __name__ == "__main__":
    main()
