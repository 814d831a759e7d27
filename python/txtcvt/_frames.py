"""read_frames: every CAN frame of a capture or CAN log."""
import os

import pandas as pd

from . import _core
from ._columns import attributes, check_outcome, frame, times
from ._options import display_path, job_count

FRAME_COLUMNS = ("time", "elapsed", "channel", "id", "extended", "fd", "length", "data", "record")
# A log tells more of its frames than a capture: their kind, CAN FD's flags, the direction.
LOG_COLUMNS = FRAME_COLUMNS + ("kind", "brs", "esi", "tx")
KINDS = ("data", "remote", "error")


def read_frames(path, *, jobs=None):
    """Every CAN frame of a capture (``*.DT``) or a CAN log (BLF, ASC, candump, TRC; the text
    logs also gzip-compressed), in file order, as a :class:`pandas.DataFrame`.

    The frames are those ``txtcvt-cli inspect`` shows (head records of CH1 and CH2 that yield
    a frame); no database is involved. Columns:

    - ``time``: datetime64[ns, UTC], the recording start plus the frame's time count (the newer
      record layout, 29); NaT for the older layout, which has no calendar time.
    - ``elapsed``: float64, seconds since the recording start (NaN where the capture's
      time-stamp mode gives no unit).
    - ``channel``: 1 or 2; ``id``: the identifier (uint32, without flags); ``extended``: a
      29-bit identifier; ``fd``: more than 8 data bytes, which only CAN FD carries (the
      analyzer's own frame-format flag is not read); ``length``: data bytes (1..64).
    - ``data``: the data bytes as ``bytes``; ``record``: the head record's index in the file.

    ``df.attrs`` holds the information block: ``variant`` (27 or 29), ``sub_kind``,
    ``time_stamp_mode``, ``start`` (a UTC Timestamp for layout 29), ``start_seconds``,
    ``start_nanoseconds``, ``records``, ``cut_short`` and ``records_claimed``.

    A log's frames also carry ``kind`` ("data", "remote" or "error"; a remote frame's ``data``
    is empty and its ``length`` the one it asks for), ``fd`` as the log says, ``brs``, ``esi`` and
    ``tx`` (sent by the logging node); its ``record`` is the object (BLF) or line (text logs),
    and ``df.attrs`` holds ``format``, ``start``, ``cut_short``, ``skipped`` (what the reader
    left out, by kind), ``unreadable`` with ``first_unreadable`` and ``channel_names``.

    A large capture (more than 65,536 records) is read on ``jobs`` threads (None: one per
    core), giving the same data frame as one thread.

    Raises :class:`txtcvt.CaptureError` with the command line's message when the capture cannot
    be read; warns with :class:`txtcvt.CutShortWarning` when it ends inside its records.
    """
    shown = display_path(path)
    result = _core.read_frames(os.fsencode(path), shown, job_count(jobs))
    check_outcome(result, shown, stacklevel=2)
    columns = result["columns"]
    columns.update(times(columns))
    if "format" in result["info"]:
        columns["kind"] = pd.Categorical.from_codes(columns["kind"], categories=KINDS)
        df = frame(columns, LOG_COLUMNS)
    else:
        # A capture's two channels and 32-bit record numbers keep their narrower types.
        columns["channel"] = columns["channel"].astype("uint8")
        columns["record"] = columns["record"].astype("uint32")
        columns["fd"] = columns["length"] > 8
        df = frame(columns, FRAME_COLUMNS)
    df.attrs = attributes(result["info"], shown)
    return df
