"""read_frames against inspect --json: the same frames, bytes and times."""
import pandas as pd
import pytest
import txtcvt

from conftest import cli_inspect, dtgen


@pytest.mark.parametrize("capture", ["drive_v29.DT", "drive_v27.DT", "mode5.DT", "mode0.DT"])
def test_frames_equal_inspect(work, capture):
    df = txtcvt.read_frames(work / capture)
    header, records = cli_inspect(work / capture)
    frames = [record for record in records if record["frame"] is not None]
    assert len(df) == len(frames) and len(frames) < len(records) or capture != "drive_v29.DT"
    assert list(df.record) == [record["index"] for record in frames]
    for row, record in zip(df.itertuples(), frames):
        frame = record["frame"]
        assert (row.channel - 1, row.id, row.extended, row.length) == (
            frame["channel"], frame["canId"], frame["isExtended"], frame["dataLength"])
        assert row.data.hex(" ").upper() == frame["data"]
        assert row.fd == (frame["dataLength"] > 8)
    attrs = df.attrs
    assert (attrs["variant"], attrs["sub_kind"], attrs["time_stamp_mode"], attrs["records"]) == (
        header["variant"], header["subKind"], header["timeStampMode"], header["records"])
    assert (attrs["start_seconds"], attrs["start_nanoseconds"]) == (
        header["startSeconds"], header["startNanoseconds"])
    assert not attrs["cut_short"]
    # Times: the count in the unit of the layout and mode; calendar time for layout 29 only.
    unit = {29: 1, 27: {0: 0, 2: 100, 5: 10}.get(attrs["time_stamp_mode"])}[attrs["variant"]]
    counts = [record["timeCount"] for record in frames]
    if unit:
        assert [round(seconds * 1e6) for seconds in df.elapsed] == [c * unit for c in counts]
    else:
        assert df.elapsed.isna().all()
    if attrs["variant"] == 29:
        start = pd.Timestamp(header["startSeconds"] * 10**9 + header["startNanoseconds"], tz="UTC")
        assert list(df.time) == [start + pd.Timedelta(microseconds=c) for c in counts]
    else:
        assert df.time.isna().all()


def test_a_capture_cut_short_warns_and_keeps_its_frames(work):
    capture = dtgen("variant 29\nrandom 50 seed 3\ndamage truncate 40\n", work / "cut.DT")
    with pytest.warns(txtcvt.CutShortWarning) as warned:
        df = txtcvt.read_frames(capture)
    header, records = cli_inspect(capture)
    assert str(warned[0].message) == (
        f"{capture}: warning: the capture is cut short: {header['records']} of its "
        f"{header['recordsClaimed']} records are present and were converted")
    assert len(df) == sum(record["frame"] is not None for record in records) > 0
    assert df.attrs["cut_short"] and df.attrs["records_claimed"] == header["recordsClaimed"]
    assert df.dtypes.to_dict() == {
        "time": "datetime64[ns, UTC]", "elapsed": "float64", "channel": "uint8",
        "id": "uint32", "extended": "bool", "fd": "bool", "length": "uint8", "data": "object",
        "record": "uint32"}
