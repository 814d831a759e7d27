"""Logs with channels beyond a capture's two: a database per channel number, the channel kept and
the channel column, against txtcvt-cli convert's CSV of the same log."""
import can
import numpy as np
import pytest
import txtcvt

from conftest import run, CLI
from test_read_signals import assert_long_equal, csv_table, wide_cells

# The same identifier means another message on CH3 and on CH5: a frame decoded through the
# wrong channel's database shows in the names.
BODY = """BO_ 256 Body: 8 X
 SG_ Door : 0|8@1+ (1,0) [0|255] "" X
 SG_ Light : 8|8@1+ (0.5,0) [0|100] "%" X
VAL_ 256 Door 0 "Closed" 1 "Open" ;
"""
GATEWAY = """BO_ 256 Gateway: 8 X
 SG_ Load : 0|16@1+ (0.1,0) [0|6553.5] "kW" X
BO_ 2566869221 Climate: 8 X
 SG_ Temp : 0|8@1- (1,-40) [-168|87] "degC" X
"""


def frames():
    """Frames on python-can's channels 0, 1, 2 and 4: CH1, CH2, CH3 and CH5."""
    out = []
    for step in range(12):
        channel = (0, 1, 2, 4)[step % 4]
        out.append(can.Message(timestamp=1700000000.25 + step * 0.125, arbitration_id=0x100,
                               is_extended_id=False, data=bytes([step % 2, 40 + step, step, 1]),
                               channel=channel))
        if channel in (2, 4):
            out.append(can.Message(timestamp=1700000000.3 + step * 0.125,
                                   arbitration_id=0x18FF50E5, data=bytes([200 - step]),
                                   channel=channel))
    return out


@pytest.fixture(scope="module")
def channels(tmp_path_factory):
    """An ASC log of frames on CH1, CH2, CH3 and CH5, and the databases of CH3 and CH5."""
    folder = tmp_path_factory.mktemp("channels")
    (folder / "body.dbc").write_text(BODY)
    (folder / "gateway.dbc").write_text(GATEWAY)
    writer = can.ASCWriter(str(folder / "bus.asc"))
    for message in frames():
        writer.on_message_received(message)
    writer.stop()
    return folder


def per_channel(folder):
    return ["--dbc", f"ch3={folder / 'body.dbc'}", "--dbc", f"ch5={folder / 'gateway.dbc'}"]


def test_a_database_per_channel_number_gives_the_command_lines_rows(channels):
    log = channels / "bus.asc"
    dbc = {3: txtcvt.Database(channels / "body.dbc"), "ch5": channels / "gateway.dbc"}
    df = txtcvt.read_signals(log, dbc)
    # cli_csv gives --dbc before its options: the first database goes as ch3=.
    header, lines = csv_table(log, f"ch3={channels / 'body.dbc'}", *per_channel(channels)[2:],
                              "--clock", "utc")
    assert_long_equal(df, header, lines)
    assert df.channel.dtype == np.uint32
    assert sorted(set(df.channel)) == [3, 5]
    assert set(df[df.channel == 3].message) == {"Body"}
    assert set(df[df.channel == 5].message) == {"Gateway", "Climate"}

    for kept, option in ((5, "ch5"), ("CH3", "ch3"), ("ch1", "ch1")):
        df = txtcvt.read_signals(log, dbc, channel=kept)
        header, lines = csv_table(log, f"ch3={channels / 'body.dbc'}",
                                  *per_channel(channels)[2:], "--clock", "utc",
                                  "--channel", option)
        assert_long_equal(df, header, lines)
        assert len(df) == len(lines) and (option == "ch1") == (len(df) == 0)

    wide = txtcvt.read_signals(log, dbc, "wide", hold=True)
    header, lines = csv_table(log, f"ch3={channels / 'body.dbc'}", *per_channel(channels)[2:],
                              "--layout", "wide", "--hold", "--timestamp", "elapsed")
    wide_cells(wide, header, lines)
    assert list(wide.columns[2:]) == ["CH3.Body.Door", "CH3.Body.Light", "CH5.Gateway.Load",
                                      "CH5.Climate.Temp"]
    # One database on two channels is still a database per channel, as on the command line.
    same = txtcvt.read_signals(log, {3: dbc[3], 5: dbc[3]}, "wide")
    header, lines = csv_table(log, f"ch3={channels / 'body.dbc'}", "--dbc",
                              f"ch5={channels / 'body.dbc'}", "--layout", "wide", "--timestamp",
                              "elapsed")
    wide_cells(same, header, lines)
    assert list(same.columns[2:]) == ["CH3.Body.Door", "CH3.Body.Light", "CH5.Body.Door",
                                      "CH5.Body.Light"]


def test_convert_writes_the_command_lines_files_for_a_database_per_channel(channels, tmp_path):
    log = channels / "bus.asc"
    dbc = {3: channels / "body.dbc", 5: channels / "gateway.dbc"}
    for layout in ("long", "wide"):
        table = txtcvt.convert(log, dbc, output=tmp_path / f"py-{layout}.csv", layout=layout,
                               channel="ch5")
        run(CLI, "convert", "-q", *per_channel(channels), "--layout", layout, "--channel", "ch5",
            "--output", tmp_path / f"cli-{layout}.csv", log)
        written = (tmp_path / f"py-{layout}.csv").read_bytes()
        assert written == (tmp_path / f"cli-{layout}.csv").read_bytes()
        assert table.lines[0] == written.count(b"\n") - 1 > 0


def test_the_highest_channel_numbers_and_channel_numbers_refused(channels, tmp_path):
    log = tmp_path / "far.asc"
    log.write_text("date Tue Nov 14 10:13:20.500 pm 2023\nbase hex  timestamps absolute\n"
                   " 0.000000 65535  100             Rx   d 2 02 05\n"
                   " 0.500000 300  100             Rx   d 2 03 06\n")
    assert list(txtcvt.read_frames(log).channel) == [65535, 300]
    df = txtcvt.read_signals(log, {65535: channels / "body.dbc", "ch300": channels / "body.dbc"})
    assert list(df.channel) == [65535, 65535, 300, 300] and list(df.value) == [2, 2.5, 3, 3]
    assert list(df.signal) == ["Door", "Light"] * 2
    kept = txtcvt.read_signals(log, channels / "body.dbc", channel="ch65535")
    assert list(kept.channel) == [65535, 65535] and kept.channel.dtype == np.uint32
    assert len(txtcvt.read_signals(log, channels / "body.dbc", channel=65536)) == 0

    capture = channels / "bus.asc"
    body = channels / "body.dbc"
    for channel in (65537, -1, "ch0", "ch65537", "ch03", "5", "both", 2.0):
        with pytest.raises(ValueError) as raised:
            txtcvt.read_signals(capture, body, channel=channel)
        assert str(raised.value) == (
            f"channel is 1 to 65536, 'ch1' to 'ch65536', 'all' or None, not {channel!r}")
    for dbc in ({0: body}, {"all": body}, {65537: body}, {None: body}):
        with pytest.raises(ValueError, match="a database per channel has channels 1 to 65536"):
            txtcvt.read_signals(capture, dbc)
    with pytest.raises(ValueError, match="channel 3 is given two databases"):
        txtcvt.read_signals(capture, {3: body, "CH3": body})
    with pytest.raises(ValueError, match="no database given"):
        txtcvt.read_signals(capture, {3: None})
