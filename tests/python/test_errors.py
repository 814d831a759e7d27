"""Errors and warnings carry the command line's words; the Database as dbc --json sees it."""
import json

import pytest
import txtcvt

from conftest import CLI, cli_failure, run


def test_captures_that_cannot_be_read_raise_the_command_lines_message(work, vehicle, tmp_path):
    garbage = tmp_path / "junk.DT"
    garbage.write_bytes(b"not a capture at all" * 10)
    for capture, code in ((tmp_path / "missing.DT", 0x80070002), (garbage, 0x8007000D)):
        expected = cli_failure(CLI, "convert", "-q", "--dbc", work / "vehicle.dbc",
                               "-o", tmp_path / "out", capture)
        for read in (txtcvt.read_frames, lambda path: txtcvt.read_signals(path, vehicle)):
            with pytest.raises(txtcvt.CaptureError) as raised:
                read(capture)
            assert str(raised.value) == expected
            assert raised.value.code == code and raised.value.path == str(capture)


def test_databases_that_do_not_load_raise_their_report(tmp_path):
    missing = tmp_path / "missing.dbc"
    with pytest.raises(txtcvt.DbcError) as raised:
        txtcvt.Database(missing)
    assert str(raised.value) == f"{missing}: cannot open (No such file or directory) (0x80070002)"
    assert raised.value.code == 0x80070002

    empty = tmp_path / "empty.dbc"
    empty.write_text("BO_ 1 M: 8 X\nBO_ x\n")
    with pytest.raises(txtcvt.DbcError) as raised:
        txtcvt.Database(empty)
    lines = str(raised.value).splitlines()
    assert lines[0] == f"{empty}:2: [Error] unrecognized expression >> BO_ x"
    assert lines[-1] == f"{empty}: no database loaded (see DbcError.log)"
    assert raised.value.errors == [(2, "[Error] unrecognized expression", "BO_ x")]
    assert "[Error] unrecognized expression" in raised.value.log


def test_a_database_with_errors_loads_with_a_warning_and_its_log(work, tmp_path):
    text = (work / "vehicle.dbc").read_text() + "\nBO_ nonsense\n"
    path = tmp_path / "errors.dbc"
    path.write_text(text)
    with pytest.warns(txtcvt.DbcWarning, match=r"errors\.dbc: 1 error \(see Database\.log\)"):
        db = txtcvt.Database(path)
    assert db.errors == 1 and db.log[-1].strip() == "1 Errors, 7 Messages, 21 Signals"


def test_the_database_lists_what_dbc_json_lists(work, vehicle):
    described = json.loads(run(CLI, "dbc", "--json", work / "vehicle.dbc", cwd=work).stdout)
    assert [m.name for m in vehicle.messages] == [m["name"] for m in described["messages"]]
    for message, expected in zip(vehicle.messages, described["messages"]):
        assert (message.id, message.is_extended, message.length) == (
            expected["canId"], expected["isExtended"], expected["dlc"])
        for signal, fields in zip(message.signals, expected["signals"]):
            assert (signal.name, signal.start_bit, signal.length, signal.is_float,
                    signal.factor, signal.offset, signal.unit, signal.is_multiplexer) == (
                fields["name"], fields["startBit"], fields["bitLength"], fields["isFloat"],
                fields["factor"], fields["offset"], fields["unit"], fields["isMuxSwitch"])
            assert signal.byte_order == ("little" if fields["isLittleEndian"] else "big")
            assert dict(signal.value_descriptions) == {v: t for v, t in fields["valueDescriptions"]}
    mux = vehicle.message("Diagnostics").signal("SupplyVoltage")
    assert (mux.multiplexer, mux.multiplexer_ranges) == ("PageIndex", ((1, 1),))
    with pytest.raises(AttributeError):
        mux.name = "other"  # read-only
    assert vehicle.message(0x100).name == "EngineData"


def test_selections_and_arguments_that_name_nothing(work, vehicle):
    with pytest.raises(txtcvt.SelectionError, match="'Nothing\\*' matches nothing in the database"):
        txtcvt.read_signals(work / "drive_v29.DT", vehicle, signals="Nothing*")
    with pytest.raises(ValueError, match="hold and resample go with layout='wide'"):
        txtcvt.read_signals(work / "drive_v29.DT", vehicle, hold=True)
    with pytest.raises(ValueError, match="no period"):
        txtcvt.read_signals(work / "drive_v29.DT", vehicle, "wide", resample="10 parsecs")
    with pytest.raises(ValueError, match="channel"):
        txtcvt.read_signals(work / "drive_v29.DT", vehicle, channel=65537)


def test_convert_writes_what_the_command_line_writes(work, vehicle, tmp_path):
    options = {"columns": ["ch", "id", "raw"], "timestamp": "elapsed", "delimiter": ";"}
    table = txtcvt.convert([work / "drive_v29.DT", work / "mode2.DT"], vehicle, tmp_path / "py",
                           **options)
    run(CLI, "convert", "-q", "--dbc", work / "vehicle.dbc", "-o", tmp_path / "cli",
        "--columns", "ch,id,raw", "--timestamp", "elapsed", "--delimiter", ";",
        work / "drive_v29.DT", work / "mode2.DT")
    for name in ("drive_v29.csv", "mode2.csv"):
        assert (tmp_path / "py" / name).read_bytes() == (tmp_path / "cli" / name).read_bytes()
    assert list(table.outcome) == ["converted", "converted"]
    assert table.lines[0] == (tmp_path / "py" / "drive_v29.csv").read_bytes().count(b"\n") - 1

    junk = tmp_path / "junk.DT"
    junk.write_bytes(b"\0" * 64)
    with pytest.raises(txtcvt.ConversionError) as raised:
        txtcvt.convert([junk, work / "drive_v27.DT"], vehicle, tmp_path / "py")
    assert raised.value.results.outcome.tolist() == ["failed", "converted"]
    assert str(raised.value).endswith(
        f"{junk}: not a capture this program can read, or a damaged one (0x8007000D)")
    with pytest.raises(ValueError, match="unknown option"):
        txtcvt.convert(work / "drive_v29.DT", vehicle, tmp_path, colour="red")
