"""examples/plot_signal.py runs as the README shows it and draws the signal it was asked for."""
import os
import subprocess
import sys

from conftest import DTGEN, RUN_FOLDER, SOURCE


def test_the_plot_example_writes_a_png_of_the_generated_drive(tmp_path):
    output = tmp_path / "speed.png"
    environment = dict(os.environ, DTGEN=str(DTGEN), MPLCONFIGDIR=str(tmp_path / "mpl"))
    done = subprocess.run([sys.executable, SOURCE / "examples" / "plot_signal.py", "--signal",
                           "Speed", "--output", output], capture_output=True, text=True,
                          env=environment, cwd=RUN_FOLDER)
    assert done.returncode == 0, done.stderr
    # A minute of frames every 20 ms, one Speed value each.
    assert done.stdout.strip() == f"{output}: Speed, 3000 values"
    assert output.read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"
