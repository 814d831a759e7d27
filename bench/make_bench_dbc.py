#!/usr/bin/env python3
"""Writes a DBC file of a realistic vehicle network for the benchmark, and prints the dtgen
identifier list of its messages (std:ID,ext:ID,...)."""
import random
import sys


def main(path):
    rng = random.Random(2026)
    ids = []
    lines = ['VERSION ""', "", "NS_ :", "", "BS_:", "", "BU_: ECU1 ECU2 ECU3 Logger", ""]
    for index in range(64):
        extended = index % 5 == 4
        can_id = (0x18F00000 + index * 0x100 + 0x11) if extended else (0x100 + index * 8)
        raw_id = can_id | 0x80000000 if extended else can_id
        ids.append(f"{'ext' if extended else 'std'}:{can_id:#x}")
        lines.append(f"BO_ {raw_id} Message{index:02d}: 8 ECU{index % 3 + 1}")
        count = rng.choice([3, 4, 5, 6, 6, 8])
        width = 64 // count
        motorola = index % 4 == 1
        for s in range(count):
            start = s * width
            length = min(width, 16)
            if motorola:
                # A big-endian field names its most significant bit: bit 7 of its first byte.
                start = (start // 8) * 8 + 7
                order = "0"
            else:
                order = "1"
            sign = "-" if s % 3 == 2 else "+"
            factor = rng.choice(["1", "0.1", "0.25", "0.01", "0.5"])
            offset = rng.choice(["0", "0", "-40", "-100"])
            unit = rng.choice(["rpm", "km/h", "degC", "V", "A", "%", ""])
            lines.append(
                f' SG_ Signal{index:02d}_{s} : {start}|{length}@{order}{sign} ({factor},{offset}) '
                f'[0|1000] "{unit}" Logger')
        lines.append("")
    for index in range(0, 64, 7):
        extended = index % 5 == 4
        can_id = (0x18F00000 + index * 0x100 + 0x11) if extended else (0x100 + index * 8)
        raw_id = can_id | 0x80000000 if extended else can_id
        lines.append(f'VAL_ {raw_id} Signal{index:02d}_0 0 "Off" 1 "On" 2 "Error" 3 "NotAvailable" ;')
    with open(path, "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")
    print(",".join(ids))


if __name__ == "__main__":
    main(sys.argv[1])
