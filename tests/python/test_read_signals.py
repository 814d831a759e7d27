"""read_signals against the CSV of txtcvt-cli convert: the same rows, the same numbers."""
import math
from decimal import Decimal

import can
import numpy as np
import pandas as pd
import pytest
import txtcvt

from conftest import CLI, DTGEN, SOURCE, cli_csv, run

E2E = SOURCE / "tests" / "e2e" / "data"


def csv_table(capture, dbc, *options):
    rows = cli_csv(capture, dbc, *options)
    return rows[0], rows[1:]


def assert_same_value(text, value):
    """The CSV prints the value with six decimals: the frame's number is the one printed, within
    half a unit of the last decimal (and the double's own precision for large numbers)."""
    assert abs(float(text) - value) <= 5e-7 + abs(value) * 1e-15, (text, value)


def time_fields(header, line):
    count = {"Date": 3, "Time": 2, "TimeStamp": 1}.get(header[0], 0)
    return line[:count], line[count:]


def assert_time(fields, row):
    if len(fields) == 3:  # date, time and milliseconds of the newer layout, UTC
        stamp = row.time
        assert fields == [stamp.strftime("%Y/%m/%d"), stamp.strftime("%H:%M:%S"),
                          f"{stamp.microsecond // 1000:03d}"]
    elif len(fields) == 2:  # the older layout's clock: hours run past 23
        milliseconds = round(row.elapsed * 1e6) // 1000
        h, m, s = (int(part) for part in fields[0].split(":"))
        assert (h * 3600 + m * 60 + s) * 1000 + int(fields[1]) == milliseconds
        assert pd.isna(row.time)
    elif len(fields) == 1:
        assert Decimal(fields[0]) * 10**6 == round(row.elapsed * 1e6)
    else:
        assert math.isnan(row.elapsed) and pd.isna(row.time)


def assert_long_equal(df, header, lines):
    assert len(df) == len(lines)
    assert header[-6:] == ["Ch", "CAN_ID", "Message", "Signal", "Value", "Unit", "Enum"][-6:]
    for row, line in zip(df.itertuples(), lines):
        times, (ch, can_id, message, signal, value, unit, enum) = time_fields(header, line)
        assert_time(times, row)
        assert ch == f"CH{row.channel}"
        assert int(can_id, 16) == row.id and len(can_id) >= (7 if row.extended else 3)
        assert (message, signal, unit) == (row.message, row.signal, row.unit)
        assert_same_value(value, row.value)
        assert enum == ("" if pd.isna(row.description) else row.description)


CASES = [("drive_v29.DT", ["--clock", "utc"]), ("drive_v29.DT", ["--timestamp", "elapsed"]),
         ("drive_v27.DT", [])] + [(f"mode{mode}.DT", []) for mode in range(7)]


@pytest.mark.parametrize("capture,options", CASES)
def test_long_rows_equal_the_command_line_in_every_time_mode(work, vehicle, capture, options):
    df = txtcvt.read_signals(work / capture, vehicle)
    header, lines = csv_table(work / capture, work / "vehicle.dbc", *options)
    assert_long_equal(df, header, lines)
    assert list(df.columns) == ["time", "elapsed", "channel", "id", "extended", "message",
                                "signal", "value", "unit", "description"]
    assert str(df.time.dtype) == "datetime64[ns, UTC]"
    assert (df.channel.dtype, df.id.dtype, df.value.dtype) == (np.uint8, np.uint32, np.float64)
    assert all(df[name].dtype == "category" for name in ("message", "signal", "unit"))
    # The multiplexed (a switch and what it selects), IEEE single and CAN FD messages decode.
    assert {"PageIndex", "PackVoltage", "Cell32"} <= set(df.signal)
    assert {"OilPressure", "ErrorCode"} & set(df.signal)


def test_the_calendar_time_is_the_recording_start_plus_the_count(work, vehicle):
    df = txtcvt.read_signals(work / "drive_v29.DT", vehicle)
    start = pd.Timestamp("2024-05-01 12:34:56.789", tz="UTC")
    assert df.attrs["start"] == start and df.attrs["variant"] == 29
    assert (df.time - start == pd.to_timedelta(df.elapsed, unit="s").round("us")).all()
    assert df.time.iloc[-1] == start + pd.Timedelta(microseconds=1250000)


def wide_cells(df, header, lines):
    """Compares the wide table cell by cell; empty cells are NaN."""
    assert len(df) == len(lines)
    names = [name for name in df.columns[2:]]
    units = df.attrs["units"]
    assert header[-len(names):] == [f"{n} [{units[n]}]" if units[n] else n for n in names]
    for (_, row), line in zip(df.iterrows(), lines):
        for name, text in zip(names, line[-len(names):]):
            if text == "":
                assert math.isnan(row[name])
            else:
                assert_same_value(text, row[name])


@pytest.mark.parametrize("options", [{}, {"hold": True}, {"resample": "0.5s"},
                                     {"resample": 0.0001, "hold": True}])
def test_wide_tables_equal_the_command_line(work, vehicle, options):
    selected = "EngineSpeed,Speed,GearPosition,Diagnostics.*"
    df = txtcvt.read_signals(work / "drive_v29.DT", vehicle, "wide", signals=selected, **options)
    args = ["--layout", "wide", "--signals", selected, "--timestamp", "elapsed"]
    if options.get("hold"):
        args.append("--hold")
    if "resample" in options:
        resample = options["resample"]
        args += ["--resample", resample if isinstance(resample, str) else f"{resample * 1e6:g}us"]
    header, lines = csv_table(work / "drive_v29.DT", work / "vehicle.dbc", *args)
    wide_cells(df, header, lines)
    for row, line in zip(df.itertuples(), lines):
        assert Decimal(line[0]) * 10**6 == round(row.elapsed * 1e6)


SELECTIONS = [
    ({"messages": "Engine*"}, ["--messages", "Engine*"]),
    ({"signals": ["Diagnostics.Oil*", "Speed"], "ids": ["100-2FF", 0x400]},
     ["--signals", "Diagnostics.Oil*,Speed", "--ids", "100-2FF,400"]),
    ({"channel": 2}, ["--channel", "ch2"]),
    ({"ids": [(0x18FF50E5, 0x18FF50E5)], "channel": "CH2"}, ["--ids", "18FF50E5", "--channel", "ch2"]),
]


@pytest.mark.parametrize("kwargs,args", SELECTIONS)
def test_selections_keep_the_command_lines_rows(work, vehicle, kwargs, args):
    df = txtcvt.read_signals(work / "drive_v29.DT", vehicle, **kwargs)
    header, lines = csv_table(work / "drive_v29.DT", work / "vehicle.dbc", "--clock", "utc", *args)
    assert lines
    assert_long_equal(df, header, lines)


def test_a_database_per_channel_with_j1939(work, vehicle):
    j1939_dbc = txtcvt.Database(E2E / "j1939.dbc")
    trucks = work / "trucks.DT"
    run(DTGEN, E2E / "trucks.txt", trucks)
    df = txtcvt.read_signals(trucks, {1: vehicle, 2: j1939_dbc}, j1939=True)
    header, lines = csv_table(trucks, f"ch1={work / 'vehicle.dbc'}", "--dbc",
                              f"ch2={E2E / 'j1939.dbc'}", "--j1939", "--clock", "utc")
    assert_long_equal(df, header, lines)
    assert set(df[df.channel == 2].message) <= {m.name for m in j1939_dbc.messages}
    wide = txtcvt.read_signals(trucks, {"ch1": vehicle, "ch2": j1939_dbc}, "wide", j1939=True)
    assert all(name.startswith(("CH1.", "CH2.")) for name in wide.columns[2:])


def test_a_large_capture_read_on_several_threads_is_the_one_read_on_one(work, vehicle):
    """More than 65,536 records are read in parts on several threads: the same rows, values and
    category order as one thread, for both record layouts; read_frames alike. Dask reads each
    partition on one thread."""
    for variant in (27, 29):
        capture = work / f"many_v{variant}.DT"
        header = "time-stamp-mode 5\n" if variant == 27 else "start 1714566896 0\n"
        run(DTGEN, "-", capture, input=(
            f"variant {variant}\n{header}random 90000 seed 3 step 70 "
            "ids std:0x100,std:0x300,std:0x1A0,ext:0x18FF50E5,std:0x7FF\n").encode())
        one = txtcvt.read_signals(capture, vehicle, jobs=1)
        assert len(one) > 100000
        for jobs in (2, 3, None):
            many = txtcvt.read_signals(capture, vehicle, jobs=jobs)
            pd.testing.assert_frame_equal(many, one)
            for column in ("message", "signal", "unit", "description"):
                assert list(many[column].cat.categories) == list(one[column].cat.categories)
        frames_one = txtcvt.read_frames(capture, jobs=1)
        pd.testing.assert_frame_equal(txtcvt.read_frames(capture, jobs=2), frames_one)
    # A BLF log of over half a megabyte is read in parts between its containers: python-can's
    # zlib log, and this program's own export cut inside a container.
    own = work / "many.blf"
    run(CLI, "export", "--quiet", "--format", "blf", capture, "--output", own)
    zlib = work / "many_zlib.blf"
    writer = can.BLFWriter(str(zlib))
    for message in can.BLFReader(str(own)):
        writer.on_message_received(message)
    writer.stop()
    cut = work / "many_cut.blf"
    cut.write_bytes(own.read_bytes()[:-5000])
    # A text log of a megabyte or more is read in runs of frames by turns.
    asc = work / "many.asc"
    run(CLI, "export", "--quiet", "--format", "asc", capture, "--output", asc)
    for log in (zlib, cut, asc):
        assert log.stat().st_size > 1024 * 1024
        one = txtcvt.read_signals(log, vehicle, jobs=1)
        assert len(one) > 100000
        assert one.attrs["cut_short"] == (log == cut)
        many = txtcvt.read_signals(log, vehicle, jobs=2)
        pd.testing.assert_frame_equal(many, one)
        assert many.attrs == one.attrs
    for wrong in (0, -1, 1.5, True, "2"):
        with pytest.raises(ValueError, match="jobs is a whole number"):
            txtcvt.read_signals(capture, vehicle, jobs=wrong)
