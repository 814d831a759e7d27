#!/usr/bin/python3
"""Reads the workbooks of txtcvt-cli back with openpyxl and compares them with the CSV tables of
the same conversions: the same rows, values to six decimals, dates and times as date-time cells
(to the millisecond), texts as texts, both record layouts, long and wide tables, a selection,
texts of a DBC file in Latin-1 and with control characters, and a table too long for one sheet.

    check_workbooks.py --cli TXTCVT-CLI --dtgen DTGEN --examples DIR --work DIR
                       [--runner PROGRAM] [--long-table]

--runner runs the programs through another (wine for the Windows build). --long-table checks
only the capture of more than 1,048,575 rows. Exit status 77 (a skip for CTest) without openpyxl.
"""
import argparse
import csv
import datetime
import io
import math
import os
import shutil
import subprocess
import sys

try:
    import openpyxl
except ImportError:
    print("SKIPPED: python3-openpyxl is not installed (apt-get install python3-openpyxl)")
    sys.exit(77)

SHEET_ROWS = 1048576
FAILURES = []


def check(condition, message):
    if not condition:
        FAILURES.append(message)
        if len(FAILURES) <= 20:
            print("FAIL:", message)
    return condition


class Programs:
    def __init__(self, args):
        self.runner = [args.runner] if args.runner else []
        self.cli = os.path.abspath(args.cli)
        self.dtgen = os.path.abspath(args.dtgen)
        self.work = os.path.abspath(args.work)
        self.env = dict(os.environ, TZ="Europe/Berlin")

    def run(self, program, arguments, expect=0):
        done = subprocess.run(self.runner + [program] + arguments, cwd=self.work, env=self.env,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        if done.returncode != expect:
            sys.exit(f"{program} {' '.join(arguments)}: exit {done.returncode}, expected {expect}\n"
                     f"{done.stderr.decode(errors='replace')}")
        return done

    def capture(self, name, description):
        with open(os.path.join(self.work, name + ".txt"), "w") as f:
            f.write(description)
        self.run(self.dtgen, [name + ".txt", name + ".DT"])

    def both(self, name, capture, options):
        """Converts the capture into name.csv and name.xlsx; returns the two paths."""
        common = ["convert", "-q", "--jobs", "1"] + options
        self.run(self.cli, common + ["--output", name + ".csv", capture])
        self.run(self.cli, common + ["--format", "xlsx", "--output", name + ".xlsx", capture])
        return os.path.join(self.work, name + ".csv"), os.path.join(self.work, name + ".xlsx")


def decoded(field):
    """A field of the CSV as the workbook holds it: the bytes of the DBC file read as UTF-8, or
    in the ANSI code page (1252) where they are not; control characters in the escaped form of
    the format (_x0001_), which spreadsheet programs show as the character."""
    raw = field.encode("latin-1")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError:
        text = raw.decode("cp1252", errors="replace")
    return "".join(f"_x{ord(c):04X}_" if ord(c) < 32 and c not in "\t\n\r" else c for c in text)


def csv_rows(path):
    # Read byte for byte (Latin-1), then each field on its own: one line may hold texts of
    # both kinds.
    with open(path, encoding="latin-1", newline="") as f:
        return [[decoded(field) for field in row] for row in csv.reader(f)]


def expected_names(header):
    """The header of the workbook: Date, Time and msec are one Timestamp, Time and msec one Time."""
    text = ",".join(header).replace("Date,Time,msec", "Timestamp").replace("Time,msec", "Time")
    return text.split(",") if header else []


def expected_cells(header, row):
    """The CSV row as the workbook holds it: the time in one cell, numbers as numbers."""
    cells = []
    names = []
    i = 0
    while i < len(header):
        name = header[i]
        if header[i:i + 3] == ["Date", "Time", "msec"]:
            stamp = None
            if row[i]:
                stamp = datetime.datetime.strptime(row[i] + " " + row[i + 1], "%Y/%m/%d %H:%M:%S")
                stamp += datetime.timedelta(milliseconds=int(row[i + 2]))
            cells.append(("date", stamp))
            names.append("Timestamp")
            i += 3
            continue
        if header[i:i + 2] == ["Time", "msec"]:
            h, m, s = (int(part) for part in row[i].split(":"))
            cells.append(("number", h * 3600 + m * 60 + s + int(row[i + 1]) / 1000))
            names.append("Time")
            i += 2
            continue
        value = row[i]
        numeric = name in ("TimeStamp", "Value") or (name not in (
            "Ch", "CAN_ID", "Message", "Signal", "Unit", "Enum", "Raw_Data", "Timestamp"))
        if numeric and value not in ("", "nan", "inf", "-inf"):
            try:
                cells.append(("number", float(value)))
            except ValueError:
                cells.append(("text", value))  # a value description (--enum-text)
        else:
            cells.append(("text", value if value else None))
        names.append(name)
        i += 1
    return names, cells


def compare_cell(where, expected, cell):
    kind, value = expected
    actual = cell.value
    if kind == "date":
        if value is None:
            return check(actual is None, f"{where}: empty date expected, got {actual!r}")
        return (check(cell.is_date and isinstance(actual, datetime.datetime),
                      f"{where}: a date-time cell expected, got {actual!r}") and
                check(actual == value, f"{where}: {actual} != {value}"))
    if kind == "number":
        return (check(cell.data_type == "n" and isinstance(actual, (int, float))
                      and not cell.is_date, f"{where}: a number expected, got {actual!r}") and
                check(abs(actual - value) <= 5e-7 + abs(value) * 1e-15,
                      f"{where}: {actual!r} != {value!r} to six decimals"))
    return check(actual == value and (value is None or cell.data_type == "s"),
                 f"{where}: text {value!r} expected, got {actual!r} ({cell.data_type})")


def compare(csv_path, xlsx_path, rows_per_sheet=SHEET_ROWS):
    """Every row of the CSV against the workbook's sheets in order; returns the sheet count."""
    rows = csv_rows(csv_path)
    header, data = rows[0], rows[1:]
    book = openpyxl.load_workbook(xlsx_path, read_only=True)
    name = os.path.basename(xlsx_path)
    names = expected_names(header)
    sheets = book.worksheets
    check(len(sheets) == max(1, math.ceil(len(data) / (rows_per_sheet - 1))),
          f"{name}: {len(sheets)} sheets for {len(data)} rows")
    index = 0
    for number, sheet in enumerate(sheets, 1):
        check(sheet.title == f"Sheet{number}", f"{name}: sheet {number} is named {sheet.title}")
        sheet_rows = sheet.iter_rows()
        titles = [c.value for c in next(sheet_rows)]
        check(titles == names, f"{name} {sheet.title}: header {titles}, expected {names}")
        count = 0
        for cells in sheet_rows:
            count += 1
            if index >= len(data):
                check(False, f"{name}: more rows than the CSV's {len(data)}")
                break
            _, expected = expected_cells(header, data[index])
            cells = list(cells)
            where = f"{name} {sheet.title} row {count + 1}"
            # Trailing empty cells are not stored.
            padded = cells + [None] * (len(expected) - len(cells))
            for column, want in enumerate(expected):
                cell = padded[column]
                if cell is None or getattr(cell, "value", None) is None:
                    check(want[1] is None, f"{where} col {column + 1}: empty, expected {want[1]!r}")
                else:
                    compare_cell(f"{where} col {column + 1}", want, cell)
            index += 1
        check(count <= rows_per_sheet - 1, f"{name} {sheet.title}: {count} rows")
        if number < len(sheets):
            check(count == rows_per_sheet - 1, f"{name} {sheet.title}: only {count} rows "
                                               "before the next sheet")
    check(index == len(data), f"{name}: {index} rows read, the CSV has {len(data)}")
    book.close()
    return len(sheets)


def check_looks(xlsx_path, last_column):
    """The first sheet's header is bold and frozen, with an autofilter and column widths."""
    book = openpyxl.load_workbook(xlsx_path)
    sheet = book.worksheets[0]
    name = os.path.basename(xlsx_path)
    check(sheet.freeze_panes == "A2", f"{name}: frozen at {sheet.freeze_panes}")
    check(all(cell.font.b for cell in sheet[1]), f"{name}: header not bold")
    check(sheet.auto_filter.ref == f"A1:{last_column}{sheet.max_row}",
          f"{name}: autofilter {sheet.auto_filter.ref}")
    check(sheet.column_dimensions["A"].width >= 6, f"{name}: no column width")
    first = sheet.cell(row=2, column=1)
    book.close()
    return first


LATIN1_DBC = (b'VERSION ""\n\nBS_:\n\nBU_: ECU\n\n'
              b'BO_ 256 Engine: 8 ECU\n'
              b' SG_ Temp : 0|8@1+ (1,-40) [-40|215] "\xb0C" ECU\n'
              b' SG_ Mode : 8|8@1+ (1,0) [0|255] "" ECU\n'
              b' SG_ Level : 16|32@1- (1,0) [0|0] "\xe2\x84\x83" ECU\n\n'
              b'BO_ 512 Pressure: 8 ECU\n'
              b' SG_ Ratio : 0|32@1- (1,0) [0|0] "" ECU\n\n'
              b'VAL_ 256 Mode 0 "Aus" 1 "Ein\x01Bit" 2 "sch\xf6n, \\"gut\\"" ;\n'
              b'SIG_VALTYPE_ 256 Level : 1;\nSIG_VALTYPE_ 512 Ratio : 1;\n')


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--dtgen", required=True)
    parser.add_argument("--examples", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--runner")
    parser.add_argument("--long-table", action="store_true")
    args = parser.parse_args()
    shutil.rmtree(args.work, ignore_errors=True)
    os.makedirs(args.work)
    programs = Programs(args)
    if args.long_table:
        long_table(programs)
        finish()
        return
    for name in ("vehicle.dbc", "drive_v27.DT", "drive_v29.DT"):
        shutil.copy(os.path.join(args.examples, name), args.work)
    dbc = ["--dbc", "vehicle.dbc"]

    # Both record layouts, the date and time in the machine's zone and in UTC, elapsed times,
    # every column, a selection.
    cases = [
        ("v29", "drive_v29.DT", dbc),
        ("v29_utc_all", "drive_v29.DT", dbc + ["--clock", "utc", "--columns", "ch,id,msg,unit,enum,raw"]),
        ("v29_elapsed", "drive_v29.DT", dbc + ["--timestamp", "elapsed"]),
        ("v29_none", "drive_v29.DT", dbc + ["--timestamp", "none", "--columns", ""]),
        ("v27", "drive_v27.DT", dbc + ["--columns", "ch,id,msg,unit,enum,raw"]),
        ("v29_select", "drive_v29.DT", dbc + ["--signals", "Engine*,Diagnostics.Oil*", "--ids", "100-1FF,400"]),
        ("wide", "drive_v29.DT", dbc + ["--layout", "wide"]),
        ("wide_hold", "drive_v29.DT", dbc + ["--layout", "wide", "--hold", "--enum-text", "--clock", "utc"]),
        ("wide_resample", "drive_v29.DT", dbc + ["--layout", "wide", "--resample", "0.5s",
                                                  "--signals", "EngineSpeed,Speed,GearPosition"]),
        ("wide_v27", "drive_v27.DT", dbc + ["--layout", "wide", "--hold"]),
    ]
    # The older layout's elapsed modes, with a count in microseconds.
    programs.capture("v27_elapsed", "variant 27\ntime-stamp-mode 6\n"
                                    "frame ch1 std 0x100 123456 E0 2E 82 32 E1 05 00 00\n"
                                    "frame ch2 std 0x300 4000000123 03 00\n")
    cases.append(("v27_elapsed", "v27_elapsed.DT", dbc))
    # Texts in Latin-1 and UTF-8, a control character, quotes and a comma; IEEE reals that are
    # not numbers.
    with open(os.path.join(args.work, "latin1.dbc"), "wb") as f:
        f.write(LATIN1_DBC)
    programs.capture("texts", "variant 29\nstart 1714566896 789000000\n"
                              "frame ch1 std 0x100 1000 50 01 00 00 C0 7F 00 00\n"
                              "frame ch1 std 0x100 2000 50 02 00 00 80 7F 00 00\n"
                              "frame ch2 std 0x200 3000 00 00 80 FF\n"
                              "frame ch2 std 0x100 4000 50 00 00 00 80 3F 00 00\n")
    cases.append(("texts", "texts.DT", ["--dbc", "latin1.dbc", "--columns", "ch,id,msg,unit,enum,raw"]))
    cases.append(("texts_wide", "texts.DT", ["--dbc", "latin1.dbc", "--layout", "wide", "--enum-text"]))

    # A log of two channels: the message met on both gets its columns once per channel.
    with open(os.path.join(args.work, "bus.log"), "w") as f:
        f.write("(1714566896.000100) can0 100#1122334455667788\n"
                "(1714566896.000300) vcan7 100#2122334455667788\n"
                "(1714566896.000500) vcan7 300#0300\n")
    cases.append(("log_wide", "bus.log", dbc + ["--layout", "wide", "--hold"]))

    for name, capture, options in cases:
        csv_path, xlsx_path = programs.both(name, capture, options)
        compare(csv_path, xlsx_path)
    print(f"{len(cases)} conversions compared with their CSV tables")

    # How the sheet looks: bold frozen header, autofilter over the rows, widths; dates shown to
    # the millisecond.
    first = check_looks(os.path.join(args.work, "v29_utc_all.xlsx"), "I")
    check(first.number_format == "yyyy-mm-dd hh:mm:ss.000", f"date format {first.number_format}")
    check(first.value == datetime.datetime(2024, 5, 1, 12, 34, 56, 789000), f"first date {first.value}")
    text_book = openpyxl.load_workbook(os.path.join(args.work, "texts.xlsx"), read_only=True)
    texts = {c.value for row in text_book.worksheets[0].iter_rows() for c in row}
    for text in ("°C", "℃", "Pressure", "schön, \"gut\"", "nan", "inf", "-inf"):
        check(text in texts, f"texts.xlsx lacks {text!r}")
    text_book.close()
    log_book = openpyxl.load_workbook(os.path.join(args.work, "log_wide.xlsx"), read_only=True)
    header = [c.value for c in next(log_book.worksheets[0].iter_rows())]
    check(header[1:5] == ["CH1.EngineData.EngineSpeed [rpm]", "CH1.EngineData.CoolantTemp [degC]",
                          "CH1.EngineData.ThrottlePos [%]", "CH1.EngineData.EngineTorque [Nm]"]
          and "CH8.EngineData.EngineSpeed [rpm]" in header
          and "Transmission.GearPosition" in header, f"log_wide.xlsx header {header}")
    log_book.close()

    # CSV-only options are warned about; a workbook cannot go to standard output.
    warned = programs.run(programs.cli, ["convert", "-q", "--format", "xlsx", "--delimiter", ";",
                                         "--line-end", "lf", "--dbc", "vehicle.dbc", "--output",
                                         "warned.xlsx", "drive_v29.DT"])
    stderr = warned.stderr.decode()
    check("--delimiter does not apply to a workbook" in stderr and "--line-end" in stderr,
          f"no warning for CSV options: {stderr!r}")
    programs.run(programs.cli, ["convert", "-q", "--format", "xlsx", "--dbc", "vehicle.dbc",
                                "--output", "-", "drive_v29.DT"], expect=2)

    finish()


def finish():
    if FAILURES:
        print(f"{len(FAILURES)} checks failed")
        sys.exit(1)
    print("all workbooks read back as their CSV tables")


def long_table(programs):
    """A capture of more rows than a sheet holds: the rows go on in Sheet2 with the header."""
    dbc = os.path.join(programs.work, "eight.dbc")
    with open(dbc, "w") as f:
        f.write('VERSION ""\n\nBS_:\n\nBU_: ECU\n\nBO_ 256 Eight: 8 ECU\n')
        for i in range(8):
            f.write(f' SG_ S{i} : {i * 8}|8@1+ (0.5,-10) [0|0] "" ECU\n')
    frames = (SHEET_ROWS + 20000) // 8
    programs.capture("long", f"variant 29\nstart 1714566896 0\n"
                             f"random {frames} seed 7 step 100 length 8 ids std:0x100\n")
    csv_path, xlsx_path = programs.both("long", "long.DT", ["--dbc", "eight.dbc", "--columns", "",
                                                            "--clock", "utc"])
    sheets = compare(csv_path, xlsx_path)
    check(sheets == 2, f"long.xlsx: {sheets} sheets")
    print(f"{frames * 8} rows compared over {sheets} sheets")


if __name__ == "__main__":
    main()
