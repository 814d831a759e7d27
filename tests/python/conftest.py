"""Shared fixtures: the programs of the build under test, and captures made with dtgen.

TXTCVT_BUILD names the build folder holding cli/txtcvt-cli and tools/dtgen/dtgen (``make
test-python`` sets it, and PYTHONPATH to its site folder)."""
import json
import os
import pathlib
import subprocess

import pytest

SOURCE = pathlib.Path(__file__).resolve().parents[2]
BUILD = pathlib.Path(os.environ.get("TXTCVT_BUILD", SOURCE / "build" / "python"))
CLI = BUILD / "cli" / "txtcvt-cli"
DTGEN = BUILD / "tools" / "dtgen" / "dtgen"
EXAMPLES = SOURCE / "examples"

# The older layout in every time-stamp mode: a clock (1-3), elapsed counts of 100, 10 and 1 us
# (4-6), no time (0); frames of the example database with standard, extended, multiplexed,
# IEEE and CAN FD messages.
V27_FRAMES = """\
frame ch1 std 0x100 0 E0 2E 82 32 E1 05 00 00
frame ch1 std 0x400 52 02 11 00 00 00 00 00
frame ch2 ext 0x18FF50E5 76 00 40 C7 43 00 00 44 C1
frame ch2 std 0x300 1000000000 03 78
frame ch2 std 0x1A0 1234567 75 0E 70 0E 70 0E 70 0E 70 0E 70 0E 70 0E 70 0E 70 0E 70 0E 70 0E 70 0E 70 0E 70 0E 70 0E 6F 0E 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 80 0E
"""


# The folder the programs run in: txtcvt-cli writes its DBC load logs (dbcload.log,
# dbcload-ch1.log, ...) into the current folder, which must not be the checkout.
RUN_FOLDER = None


@pytest.fixture(scope="session", autouse=True)
def run_folder(tmp_path_factory):
    global RUN_FOLDER
    RUN_FOLDER = tmp_path_factory.mktemp("run")
    yield RUN_FOLDER


def run(*args, **kwargs):
    kwargs.setdefault("cwd", RUN_FOLDER)
    return subprocess.run([str(arg) for arg in args], check=True, capture_output=True, **kwargs)


def dtgen(description, path):
    run(DTGEN, "-", path, input=description.encode())
    return path


@pytest.fixture(scope="session")
def work(tmp_path_factory):
    """A folder with the example database and captures: drive_v29.DT, drive_v27.DT (mode 2),
    mode0.DT ... mode6.DT of the older layout."""
    folder = tmp_path_factory.mktemp("captures")
    (folder / "vehicle.dbc").write_bytes((EXAMPLES / "vehicle.dbc").read_bytes())
    for name in ("drive_v29", "drive_v27"):
        run(DTGEN, EXAMPLES / f"{name}.txt", folder / f"{name}.DT")
    for mode in range(7):
        dtgen(f"variant 27\ntime-stamp-mode {mode}\n{V27_FRAMES}", folder / f"mode{mode}.DT")
    return folder


@pytest.fixture(scope="session")
def vehicle(work):
    import txtcvt
    return txtcvt.Database(work / "vehicle.dbc")


def cli_csv(capture, dbc, *options):
    """The CSV txtcvt-cli writes for a capture, as lists of fields (UTF-8, LF, comma)."""
    out = run(CLI, "convert", "-q", "--dbc", dbc, "--encoding", "utf8", "--line-end", "lf",
              "--output", "-", *options, capture).stdout.decode()
    import csv
    import io
    return list(csv.reader(io.StringIO(out)))


def cli_inspect(capture):
    """inspect --json: the header object and the record objects."""
    lines = run(CLI, "inspect", "--json", capture).stdout.decode().splitlines()
    return json.loads(lines[0]), [json.loads(line) for line in lines[1:]]


def cli_failure(*args):
    """The first line txtcvt-cli writes on standard error for a run that fails."""
    done = subprocess.run([str(arg) for arg in args], capture_output=True, cwd=RUN_FOLDER)
    assert done.returncode != 0
    return done.stderr.decode().splitlines()[0]
