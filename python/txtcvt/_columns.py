"""Data frames from the arrays the core hands over: no row is touched in Python."""
import warnings

import numpy as np
import pandas as pd

from ._errors import CaptureError, CutShortWarning

_UTC = pd.DatetimeTZDtype(unit="ns", tz="UTC")


def check_outcome(result, path, stacklevel):
    """Raises the capture's error, or warns that it is cut short."""
    if result["error"] is not None:
        raise CaptureError(result["error"], code=result["code"], path=path)
    if result["warning"] is not None:
        warnings.warn(result["warning"], CutShortWarning, stacklevel=stacklevel + 1)


def times(columns):
    """The ``time`` (datetime64[ns, UTC], NaT without a calendar time) and ``elapsed``
    (float64 seconds since the recording start, NaN where the unit is unknown) columns."""
    nanoseconds = columns["time"]
    time = pd.arrays.DatetimeArray(nanoseconds.view("M8[ns]"), dtype=_UTC, copy=False)
    return {"time": time, "elapsed": columns["elapsed"]}


def categorical(column):
    codes, categories = column["codes"], column["categories"]
    if len(set(categories)) != len(categories):
        # Different bytes that decode to one text (undecodable bytes replaced) are one category.
        merged, categories = pd.factorize(pd.Index(categories, dtype=object))
        codes = np.where(codes < 0, -1, merged.take(np.maximum(codes, 0)))
    return pd.Categorical.from_codes(codes, categories=categories)


def attributes(info, path):
    """The information block as ``DataFrame.attrs``."""
    attrs = {"path": path, **info}
    if "format" in info:  # a log other than a capture
        start = info["start_seconds"] * 10**9 + info["start_nanoseconds"]
        attrs["start"] = (pd.Timestamp(start, tz="UTC")
                          if info["dated"] and abs(start) < 2**63 else None)
        return attrs
    if info["variant"] == 29:
        start = info["start_seconds"] * 10**9 + info["start_nanoseconds"]
        attrs["start"] = pd.Timestamp(start, tz="UTC") if abs(start) < 2**63 else None
    else:
        attrs["start"] = None
    return attrs


def frame(columns, names):
    """A DataFrame of the named columns, in that order, without copying the arrays."""
    return pd.DataFrame({name: columns[name] for name in names}, copy=False)
