#!/usr/bin/python3
"""A capture straight into pandas, one signal plotted with matplotlib.

    PYTHONPATH=build/python/site /usr/bin/python3 examples/plot_signal.py \
        [--capture drive.DT] [--dbc examples/vehicle.dbc] [--signal EngineSpeed] \
        [--output docs/engine-speed.png]

Without --capture it first writes a minute of driving with dtgen (engine speed and road speed
climbing through the gears, a gear change every few seconds) so that there is something to see.
"""
import argparse
import math
import os
import subprocess
import tempfile

import matplotlib

matplotlib.use("Agg")  # a PNG, no display needed
import matplotlib.pyplot as plt  # noqa: E402

import txtcvt  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def drive_description(seconds=60, period_ms=20):
    """A dtgen description: EngineData (0x100) and VehicleSpeed (0x200) every `period_ms`,
    Transmission (0x300) at each gear change."""
    lines = ["variant 29", "start 1714566896 0"]
    gear = 0
    for step in range(seconds * 1000 // period_ms):
        t = step * period_ms / 1000
        new_gear = min(6, 1 + int(t // 9))
        speed = 18 * new_gear * (1 - math.exp(-(t % 9 + 1) / 3)) + 15 * (new_gear - 1)
        rpm = 900 + 2600 * (t % 9) / 9 + 150 * math.sin(t)
        micros = step * period_ms * 1000
        raw_rpm = int(rpm / 0.25)
        raw_speed = int(speed / 0.01)
        lines.append(f"frame ch1 std 0x100 {micros} {raw_rpm & 0xFF:02X} {raw_rpm >> 8:02X} "
                     f"82 32 E1 05 00 00")
        lines.append(f"frame ch1 std 0x200 {micros + 500} {raw_speed >> 8:02X} "
                     f"{raw_speed & 0xFF:02X} 00 00 00 00 00 00")
        if new_gear != gear:
            gear = new_gear
            lines.append(f"frame ch2 std 0x300 {micros + 900} {gear:02X} 78")
    return "\n".join(lines) + "\n"


def make_drive(folder):
    path = os.path.join(folder, "drive.DT")
    dtgen = os.environ.get("DTGEN", os.path.join(HERE, "..", "build", "python", "tools", "dtgen",
                                                 "dtgen"))
    subprocess.run([dtgen, "-", path], input=drive_description().encode(), check=True)
    return path


def plot(capture, dbc, signal, output):
    database = txtcvt.Database(dbc)
    df = txtcvt.read_signals(capture, database, signals=signal)
    unit = df.unit.iloc[0] if len(df) else ""
    figure, axes = plt.subplots(figsize=(8, 3.5), dpi=100)
    axes.plot(df.elapsed, df.value, linewidth=1)
    axes.set_xlabel("seconds since the recording start")
    axes.set_ylabel(f"{signal} [{unit}]" if unit else signal)
    start = df.attrs.get("start")
    axes.set_title(f"{os.path.basename(capture)}: {len(df)} values"
                   + (f", recorded {start:%Y-%m-%d %H:%M} UTC" if start is not None else ""))
    axes.grid(True, alpha=0.3)
    figure.tight_layout()
    figure.savefig(output)
    print(f"{output}: {signal}, {len(df)} values")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--capture")
    parser.add_argument("--dbc", default=os.path.join(HERE, "vehicle.dbc"))
    parser.add_argument("--signal", default="EngineSpeed")
    parser.add_argument("--output", default="engine-speed.png")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        capture = args.capture or make_drive(folder)
        plot(capture, args.dbc, args.signal, args.output)


if __name__ == "__main__":
    main()
