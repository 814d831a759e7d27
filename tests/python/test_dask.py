"""txtcvt.dask on a local cluster of two worker processes: the same rows and files as one
process."""
import shutil

import distributed
import pandas as pd
import pytest
import txtcvt
import txtcvt.dask


@pytest.fixture(scope="module")
def client():
    cluster = distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                       dashboard_address=None, silence_logs=40)
    with distributed.Client(cluster) as connected:
        yield connected
    cluster.close()


@pytest.fixture(scope="module")
def many(work, tmp_path_factory):
    """Nine captures of both layouts and every time-stamp mode in one folder."""
    folder = tmp_path_factory.mktemp("many")
    for capture in ["drive_v29.DT", "drive_v27.DT"] + [f"mode{m}.DT" for m in range(7)]:
        shutil.copy(work / capture, folder / capture)
    return folder


def single_process(files, dbc, **options):
    frames = [txtcvt.read_signals(path, dbc, **options) for path in files]
    return pd.concat(frames, ignore_index=True)


def same_rows(left, right):
    left = left.reset_index(drop=True)
    right = right.reset_index(drop=True)
    for name in left.select_dtypes("category").columns:
        left[name] = left[name].astype(object)
        right[name] = right[name].astype(object)
    pd.testing.assert_frame_equal(left, right, check_categorical=False)


def test_read_signals_gives_the_single_process_rows(client, many, work):
    files = txtcvt.dask.captures(many / "*.DT")
    assert len(files) == 9
    ddf = txtcvt.dask.read_signals(many / "*.DT", work / "vehicle.dbc", include_path_column=True)
    assert ddf.npartitions == 9
    computed = ddf.compute()
    assert computed.path.astype(str).tolist() == [
        path for path, part in zip(files, (txtcvt.read_signals(f, work / "vehicle.dbc")
                                           for f in files)) for _ in range(len(part))]
    same_rows(computed.drop(columns="path"), single_process(files, work / "vehicle.dbc"))
    by_signal = ddf.groupby("id").value.sum().compute()
    assert by_signal.loc[0x100] == pytest.approx(computed[computed.id == 0x100].value.sum())

    options = {"signals": "Engine*,Speed", "hold": True}
    wide = txtcvt.dask.read_signals(files, work / "vehicle.dbc", "wide", **options).compute()
    same_rows(wide, single_process(files, work / "vehicle.dbc", layout="wide", **options))


def test_convert_writes_the_command_lines_files_on_the_workers(client, many, work, tmp_path):
    files = txtcvt.dask.captures(many / "*.DT")
    vehicle = txtcvt.Database(work / "vehicle.dbc")  # travels as its path
    table = txtcvt.dask.convert(files, vehicle, tmp_path / "dask", timestamp="elapsed")
    single = txtcvt.convert(files, vehicle, tmp_path / "one", timestamp="elapsed")
    assert table.input.tolist() == files and (table.outcome == "converted").all()
    assert table.lines.tolist() == single.lines.tolist()
    for output in (tmp_path / "one").iterdir():
        assert (tmp_path / "dask" / output.name).read_bytes() == output.read_bytes()
    # Two inputs with one output: the first is converted, the second fails as on the command line.
    twin = tmp_path / "twin"
    twin.mkdir()
    shutil.copy(work / "drive_v27.DT", twin / "drive_v29.dt")
    table = txtcvt.dask.convert([many / "drive_v29.DT", twin / "drive_v29.dt"], vehicle,
                                tmp_path / "twins", errors="report")
    assert table.outcome.tolist() == ["converted", "failed"]
    assert table.code[1] == 0x800700B7


def test_read_signals_passes_a_database_per_channel_and_the_channel_kept_on(client, work,
                                                                            tmp_path):
    import can
    from test_channels import BODY, GATEWAY, frames
    (tmp_path / "body.dbc").write_text(BODY)
    (tmp_path / "gateway.dbc").write_text(GATEWAY)
    for name, writer in (("bus.asc", can.ASCWriter), ("bus.log", can.CanutilsLogWriter)):
        log = writer(str(tmp_path / name))
        for message in frames():
            message.channel = f"can{message.channel}" if name == "bus.log" else message.channel
            log.on_message_received(message)
        log.stop()
    files = [str(tmp_path / "bus.asc"), str(tmp_path / "bus.log"), str(work / "drive_v29.DT")]
    dbc = {3: tmp_path / "body.dbc", "ch5": tmp_path / "gateway.dbc"}
    for options in ({}, {"channel": "ch5"}):
        ddf = txtcvt.dask.read_signals(files, dbc, **options)
        assert ddf.channel.dtype == "uint32"  # a capture's partition too, among logs
        computed = ddf.compute()
        same_rows(computed, single_process(files, dbc, **options))
        assert set(computed.channel) == ({5} if options else {3, 5})
    wide = txtcvt.dask.read_signals(files, dbc, "wide", hold=True)
    assert list(wide.columns[2:]) == ["CH3.Body.Door", "CH3.Body.Light", "CH5.Gateway.Load",
                                      "CH5.Climate.Temp"]
    same_rows(wide.compute(), single_process(files, dbc, layout="wide", hold=True))
