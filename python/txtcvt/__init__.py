"""txtcvt: CAN captures (``*.DT``) of a two-channel analyzer, decoded through DBC databases,
straight into pandas.

- :class:`Database` loads a DBC file as ``txtcvt-cli`` does.
- :func:`read_frames` gives every frame of a capture; :func:`read_signals` its decoded values,
  in the long or the wide layout, as ``txtcvt-cli convert`` writes them.
- :func:`convert` writes the CSV files of ``txtcvt-cli convert``.
- :mod:`txtcvt.dask` does the same for many captures on a Dask cluster.
"""
from ._database import Database, Message, Signal
from ._errors import (CaptureError, ConversionError, CutShortWarning, DbcError, DbcWarning, Error,
                      SelectionError)
from ._frames import read_frames
from ._signals import read_signals
from ._convert import convert

__all__ = [
    "Database", "Message", "Signal", "read_frames", "read_signals", "convert", "Error",
    "DbcError", "CaptureError", "SelectionError", "ConversionError", "CutShortWarning",
    "DbcWarning",
]
