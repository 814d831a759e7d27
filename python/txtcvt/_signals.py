"""read_signals: the decoded rows of a capture, as txtcvt-cli convert writes them."""
import os

import pandas as pd

from . import _core
from ._columns import attributes, categorical, check_outcome, frame, times
from ._errors import SelectionError
from ._options import (channel_number, databases, display_path, id_ranges, job_count, name_list,
                       period_microseconds)

LONG_COLUMNS = ("time", "elapsed", "channel", "id", "extended", "message", "signal", "value",
                "unit", "description")
_CATEGORIES = ("message", "signal", "unit", "description")


def read_signals(path, dbc, layout="long", *, messages=None, signals=None, ids=None,
                 channel=None, j1939=False, resample=None, hold=False, jobs=None):
    """The decoded signal values of a capture or CAN log as a :class:`pandas.DataFrame`: the rows
    ``txtcvt-cli convert`` writes, with typed columns instead of text.

    ``dbc`` is a :class:`txtcvt.Database`, the path of a DBC file (loaded once per process), or a
    database per channel as ``{1: body, 2: powertrain}`` or, for a log's further channels,
    ``{3: body, "ch8": gateway}`` (a channel left out decodes nothing), as ``--dbc chN=FILE``.

    ``layout="long"`` (the default): one row per signal value, in file and decode order, with
    the columns ``time`` (datetime64[ns, UTC]; NaT for the older record layout, 27),
    ``elapsed`` (float64 seconds since the recording start; NaN where the capture has no time
    unit), ``channel`` (the channel number: uint8, 1 or 2, for a capture; uint32, 1 to 65536,
    for a log), ``id`` (uint32, the frame's identifier as the CAN_ID column shows it),
    ``extended`` (bool), ``message``, ``signal``, ``unit``, ``description`` (the
    value description, the Enum column; missing where it is empty) as categoricals, and
    ``value`` (float64: the very number the CSV prints with six decimals).

    ``layout="wide"``: ``time``, ``elapsed`` and a float64 column per selected signal, named
    ``Message.Signal`` (``CH1.``, ``CH8.``, ... in front with a database per channel, as
    ``txtcvt-cli convert --layout wide`` names them), one row per frame carrying a selected
    signal (NaN in the other cells); ``hold=True`` repeats each signal's last value;
    ``resample="10ms"`` (or seconds, or a timedelta) gives one row per period with each
    signal's last value at or before it. ``df.attrs["units"]`` maps the columns to their units.

    Selection as on the command line: ``messages`` and ``signals`` are names with ``*`` and
    ``?`` (a list, or one comma-separated str; a signal is ``Signal`` or ``Message.Signal``),
    ``ids`` identifiers (ints, ``(low, high)`` pairs, or text such as ``"100-1FF,18FEF100"``),
    ``channel`` the one channel kept (1 to 65536, or ``"ch1"``, ``"CH8"``, ... as ``--channel``
    takes it; None or ``"all"`` for every channel); ``j1939=True`` matches extended frames by
    their parameter group number. ``df.attrs`` holds the capture's information block (see
    :func:`read_frames`).

    Raises :class:`txtcvt.CaptureError` with the command line's message for a capture that
    cannot be read, :class:`txtcvt.SelectionError` for a pattern that matches nothing, and
    warns with :class:`txtcvt.CutShortWarning` for a capture cut short (its rows are returned).
    The work runs in C++ with the GIL released, so threads may read captures side by side.
    The long table of a large capture (more than 65,536 records) is read on ``jobs`` threads
    (None: one per core), giving the same data frame as one thread.
    """
    if layout not in ("long", "wide"):
        raise ValueError(f"layout is 'long' or 'wide', not {layout!r}")
    wide = layout == "wide"
    if not wide and (hold or resample is not None):
        raise ValueError("hold and resample go with layout='wide'")
    chosen = databases(dbc)
    encoding = chosen.encoding
    shown = display_path(path)
    result = _core.read_signals(
        os.fsencode(path), shown, *chosen.handles(), encoding or "",
        name_list(messages, encoding), name_list(signals, encoding), id_ranges(ids), bool(j1939),
        channel_number(channel), wide, bool(hold), period_microseconds(resample),
        job_count(jobs))
    if "unmatched" in result:
        raise SelectionError(f"'{result['unmatched'][0]}' matches nothing in the database")
    check_outcome(result, shown, stacklevel=2)
    columns = result["columns"]
    df = _wide_frame(columns) if wide else _long_frame(columns)
    df.attrs = attributes(result["info"], shown)
    if wide:
        df.attrs["units"] = dict(zip(columns["names"], columns["units"]))
    return df


def _long_frame(columns):
    columns.update(times(columns))
    for name in _CATEGORIES:
        columns[name] = categorical(columns[name])
    return frame(columns, LONG_COLUMNS)


def _wide_frame(columns):
    df = pd.DataFrame(columns["values"], columns=columns["names"], copy=False)
    time = times(columns)
    df.insert(0, "elapsed", time["elapsed"])
    df.insert(0, "time", time["time"])
    return df
