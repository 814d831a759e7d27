"""CAN logs as inputs: python-can's writers make them, read_frames and read_signals read them."""
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
