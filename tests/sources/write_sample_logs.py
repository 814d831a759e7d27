"""Writes a few frames into a log of each format with python-can's writers (and can-utils'
log2asc where it is installed) for the format detection test: FOLDER/sample.asc, .log, .trc,
.blf, .csv, the text logs also gzip-compressed (sample.asc.gz ...), and the ASC log under a
candump log's name (asc_content.log). Usage: write_sample_logs.py FOLDER"""
import gzip
import os
import shutil
import subprocess
import sys

import can


def frames():
    for i in range(40):
        yield can.Message(timestamp=1700000000.0 + i * 0.0125, arbitration_id=0x100 + i,
                          is_extended_id=i % 3 == 0, data=bytes(range(i % 9)), channel=i % 2)
    yield can.Message(timestamp=1700000001.0, arbitration_id=0x7FF, is_extended_id=False,
                      is_remote_frame=True, dlc=4, channel=0)


def main(folder):
    for extension in ("asc", "log", "trc", "blf", "csv"):
        path = os.path.join(folder, "sample." + extension)
        writer = can.Logger(path)
        for message in frames():
            writer.on_message_received(message)
        writer.stop()
        if extension in ("asc", "log", "trc"):
            with open(path, "rb") as plain, gzip.open(path + ".gz", "wb") as packed:
                shutil.copyfileobj(plain, packed)
    shutil.copyfile(os.path.join(folder, "sample.asc"), os.path.join(folder, "asc_content.log"))
    if shutil.which("log2asc"):
        subprocess.run(["log2asc", "-I", os.path.join(folder, "sample.log"), "-O",
                        os.path.join(folder, "log2asc.asc"), "can0", "can1"], check=True)


if __name__ == "__main__":
    main(sys.argv[1])
