"""CAN logs as inputs: python-can's writers make them, read_frames and read_signals read them."""
import gzip
import json

import can
import numpy as np
import pytest

import txtcvt

from conftest import CLI, run


def write_log(path, writer, messages):
    log = writer(str(path))
    for message in messages:
        log.on_message_received(message)
    log.stop()


def test_read_frames_of_an_asc_log_keeps_kinds_flags_and_channels(tmp_path):
    messages = [
        can.Message(timestamp=1700000000.001, arbitration_id=0x123, data=b"\x01\x02", channel=0),
        can.Message(timestamp=1700000000.002, arbitration_id=0x18FEF100, is_extended_id=True,
                    data=bytes(range(12)), is_fd=True, bitrate_switch=True, channel=1),
        can.Message(timestamp=1700000000.003, arbitration_id=0x200, is_remote_frame=True, dlc=4,
                    channel=2, is_rx=False),
    ]
    write_log(tmp_path / "x.asc", can.ASCWriter, messages)
    df = txtcvt.read_frames(tmp_path / "x.asc")
    assert list(df.id) == [0x123, 0x18FEF100, 0x200]
    assert list(df.channel) == [1, 2, 3]
    assert list(df.kind) == ["data", "data", "remote"]
    assert list(df.fd) == [False, True, False]
    assert list(df.brs) == [False, True, False]
    assert list(df.tx) == [False, False, True]
    assert df.data[1] == bytes(range(12)) and df.data[2] == b"" and df.length[2] == 4
    assert df.attrs["format"] == "ASC log"
    assert np.allclose(df.elapsed, [0.0, 0.001, 0.002])


def test_read_signals_of_a_log_equal_those_of_the_capture_it_came_from(work, tmp_path):
    capture = work / "drive_v29.DT"
    run(CLI, "export", "-q", "--format", "candump", "--output", tmp_path / "drive.log", capture)
    direct = txtcvt.read_signals(capture, work / "vehicle.dbc")
    logged = txtcvt.read_signals(tmp_path / "drive.log", work / "vehicle.dbc")
    assert len(direct) > 10
    for column in ("time", "channel", "id", "message", "signal", "value"):
        assert list(logged[column]) == list(direct[column]), column
    with pytest.raises(txtcvt.CaptureError, match="cannot read the BLF log"):
        (tmp_path / "bad.blf").write_bytes(b"LOGG\x90\x00\x00\x00short")
        txtcvt.read_frames(tmp_path / "bad.blf")


def test_the_report_counts_the_objects_or_lines_a_log_reader_walked(work, tmp_path):
    messages = [can.Message(timestamp=1700000000.5 + i * 0.01, arbitration_id=0x100 + i,
                            is_extended_id=False, data=bytes([i]), channel=i % 3)
                for i in range(7)]
    messages.append(can.Message(timestamp=1700000001.0, is_error_frame=True, channel=0))
    write_log(tmp_path / "bus.blf", can.BLFWriter, messages)
    # Header lines, a comment, frames, a line no reader takes, the last line without its end.
    asc = ("date Tue Nov 14 10:13:20.500 pm 2023\nbase hex  timestamps absolute\n"
           "// a comment\nBegin Triggerblock\n 0.000000 1  100             Rx   d 1 01\n"
           " 0.001000 2  200             Rx   d 2 01 02\nnonsense\nEnd TriggerBlock")
    (tmp_path / "lines.asc").write_text(asc)
    (tmp_path / "packed.asc.gz").write_bytes(gzip.compress(asc.encode()))
    expected = {"bus.blf": 8, "lines.asc": 8, "packed.asc.gz": 8}
    inputs = [tmp_path / name for name in expected]
    for command in (["convert", "--dbc", work / "vehicle.dbc"], ["export", "--format", "candump"]):
        report = json.loads(run(CLI, *command, "-q", "--report", "-", "-o", tmp_path / "out",
                                *inputs).stdout)
        assert [entry["records"] for entry in report["files"]] == list(expected.values())
        assert report["totals"]["records"] == sum(expected.values())
