#!/usr/bin/python3
"""Reads the workbooks that gui_tests left in FOLDER/window (written by txtcvt.exe) and
FOLDER/cli (txtcvt-cli --format xlsx with the same choices) back with openpyxl and compares
them sheet by sheet and cell by cell; the header must hold the three signals chosen in the
window (per channel where their message came on both) and no others.

    compare_workbooks.py FOLDER

Exit status 77 (a skip for CTest) without openpyxl.
"""
import os
import sys

try:
    import openpyxl
except ImportError:
    print("SKIPPED: python3-openpyxl is not installed (apt-get install python3-openpyxl)")
    sys.exit(77)

# EngineData and VehicleSpeed come on both channels of the capture: their columns once per
# channel; OilPressure's values come on one channel only.
CHOSEN = ["CH1.EngineData.EngineSpeed [rpm]", "CH2.EngineData.EngineSpeed [rpm]",
          "CH1.VehicleSpeed.Speed [km/h]", "CH2.VehicleSpeed.Speed [km/h]",
          "Diagnostics.OilPressure [kPa]"]


def sheets(path):
    book = openpyxl.load_workbook(path, read_only=True)
    return [(sheet.title, [list(row) for row in sheet.iter_rows(values_only=True)])
            for sheet in book.worksheets]


def main():
    folder = sys.argv[1]
    window_folder = os.path.join(folder, "window")
    names = sorted(os.listdir(window_folder)) if os.path.isdir(window_folder) else []
    failures = []
    if len(names) != 2:
        failures.append(f"expected two workbooks of the window in {window_folder}, found {names}")
    for name in names:
        window = sheets(os.path.join(window_folder, name))
        cli = sheets(os.path.join(folder, "cli", name))
        if window != cli:
            failures.append(f"{name}: the window's workbook differs from txtcvt-cli's")
        header = window[0][1][0] if window and window[0][1] else []
        signals = [cell for cell in header if cell not in ("Timestamp", "Date", "Time", "msec")]
        if signals != CHOSEN:
            failures.append(f"{name}: columns {signals}, expected {CHOSEN}")
        rows = sum(len(rows) - 1 for _, rows in window)
        if rows < 10:
            failures.append(f"{name}: only {rows} rows")
        print(f"{name}: {len(window)} sheet(s), {rows} rows, columns {header}")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
