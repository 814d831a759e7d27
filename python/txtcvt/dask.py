"""Many captures, many machines: txtcvt on a Dask cluster.

- :func:`read_signals` reads captures into one :class:`dask.dataframe.DataFrame`, one partition
  per capture, each read on a worker.
- :func:`convert` writes the CSV files of ``txtcvt-cli convert`` on the workers.

Only paths travel to the workers: each worker process loads a database once (per path, while
the file stays unchanged) and reads the captures itself, so the DBC files and the captures must
be at the same paths on every machine (a shared folder), and every machine needs txtcvt. The
functions use Dask's scheduler in force: a ``distributed.Client`` once one is made.
"""
import glob
import os

import dask
import dask.dataframe as dd
import numpy as np
import pandas as pd
from dask.dataframe.utils import clear_known_categories

from . import _core
from ._errors import SelectionError
from ._convert import RESULT_COLUMNS, convert_group, output_options, raise_failures
from ._options import (channel_number, database_paths, databases_from_paths, display_path,
                       id_ranges, name_list, named_options)
from ._signals import LONG_COLUMNS, read_signals as _read_signals

_GLOB_CHARACTERS = frozenset("*?[")


def captures(paths):
    """The capture paths of a path, a glob pattern ("logs/*.DT") or a list of them; each pattern
    in sorted order. FileNotFoundError for a pattern that matches no file."""
    if isinstance(paths, (str, bytes, os.PathLike)):
        paths = [paths]
    files = []
    for path in paths:
        text = display_path(path)
        if _GLOB_CHARACTERS.isdisjoint(text):
            files.append(text)
            continue
        matched = sorted(glob.glob(os.path.expanduser(text)))
        if not matched:
            raise FileNotFoundError(f"{text} matches no file")
        files.extend(matched)
    return files


def read_signals(paths, dbc, layout="long", *, include_path_column=False, **options):
    """:func:`txtcvt.read_signals` over many captures: a Dask DataFrame with one partition per
    capture, in the order of ``paths`` (a path, a glob pattern or a list).

    ``dbc`` and the keyword options as for :func:`txtcvt.read_signals`; a database travels as
    its path and is loaded once per worker process. The columns are those of the single call;
    the categorical columns have categories per partition (unknown to Dask until computed:
    ``ddf.signal.cat.as_known()`` gathers them). ``include_path_column=True`` (or a column
    name) adds each row's capture path as a categorical column ``path``.

    For ``layout="wide"`` this process loads the database too, to name the columns. The long
    layout's ``channel`` is uint8 when every file is named ``*.DT`` (a capture's), else uint32
    in every partition, as a log's channels need.
    """
    files = captures(paths)
    path_column = _path_column_name(include_path_column)
    dbc_paths = database_paths(dbc)
    channel_dtype = _channel_dtype(files)
    meta = _meta(dbc_paths, layout, options, path_column, channel_dtype)
    return dd.from_map(_read_partition, files, meta=meta, label="txtcvt-read-signals",
                       enforce_metadata=False, dbc_paths=dbc_paths, layout=layout,
                       options=options, path_column=path_column, channel_dtype=channel_dtype)


def convert(paths, dbc, output_dir=None, *, errors="raise", **options):
    """:func:`txtcvt.convert` on the workers: the CSV files of ``txtcvt-cli convert``, written
    by the worker that converts each capture (into ``output_dir`` as seen by the workers, or
    beside each input). Inputs that would write one output are converted by one task in list
    order, so that only the first of them is converted, as on the command line.

    Returns the table of :func:`txtcvt.convert` (a row per input, in input order) once every
    capture is done; ``errors="raise"`` raises :class:`txtcvt.ConversionError` for failures.
    """
    if errors not in ("raise", "report"):
        raise ValueError("errors is 'raise' or 'report'")
    files = captures(paths)
    dbc_paths = database_paths(dbc)
    named = output_options(output_dir, None) + named_options(options)
    groups = _groups_by_output(files, output_dir)
    tasks = [dask.delayed(convert_group, pure=False)([files[i] for i in group], dbc_paths, named)
             for group in groups]
    done = dask.compute(*tasks)
    results = [None] * len(files)
    for group, group_results in zip(groups, done):
        for index, result in zip(group, group_results):
            results[index] = result
    table = pd.DataFrame(results, columns=RESULT_COLUMNS)
    if errors == "raise":
        raise_failures(table)
    return table


def _groups_by_output(files, output_dir):
    directory = os.fsencode(output_dir) if output_dir is not None else b""
    groups = {}
    for index, path in enumerate(files):
        output = _core.output_path(os.fsencode(path), directory)
        groups.setdefault(output if output is not None else index, []).append(index)
    return list(groups.values())


def _path_column_name(include_path_column):
    if include_path_column is True:
        return "path"
    return include_path_column or None


def _channel_dtype(files):
    return "uint8" if all(path.lower().endswith(".dt") for path in files) else "uint32"


def _read_partition(path, dbc_paths, layout, options, path_column, channel_dtype):
    # Partitions run side by side on the workers' threads: each reads on one unless asked.
    options = {"jobs": 1, **options}
    df = _read_signals(path, databases_from_paths(dbc_paths).dbc(), layout, **options)
    if layout == "long" and df.channel.dtype.itemsize < np.dtype(channel_dtype).itemsize:
        df["channel"] = df.channel.astype(channel_dtype)  # a capture among logs
    df.attrs = {}
    if path_column:
        df[path_column] = pd.Categorical.from_codes(np.zeros(len(df), dtype=np.int8), [path])
    return df


def _meta(dbc_paths, layout, options, path_column, channel_dtype):
    if layout == "wide":
        meta = _wide_meta(dbc_paths, options)
    else:
        meta = pd.DataFrame({
            "time": pd.Series([], dtype="datetime64[ns, UTC]"),
            "elapsed": pd.Series([], dtype="float64"),
            "channel": pd.Series([], dtype=channel_dtype),
            "id": pd.Series([], dtype="uint32"),
            "extended": pd.Series([], dtype="bool"),
            "message": pd.Series([], dtype="category"),
            "signal": pd.Series([], dtype="category"),
            "value": pd.Series([], dtype="float64"),
            "unit": pd.Series([], dtype="category"),
            "description": pd.Series([], dtype="category"),
        }, columns=list(LONG_COLUMNS))
    if path_column:
        meta[path_column] = pd.Series([], dtype="category")
    return clear_known_categories(meta)


def _wide_meta(dbc_paths, options):
    chosen = databases_from_paths(dbc_paths)
    encoding = chosen.encoding
    result = _core.wide_column_names(
        *chosen.handles(), encoding or "",
        name_list(options.get("messages"), encoding), name_list(options.get("signals"), encoding),
        id_ranges(options.get("ids")), bool(options.get("j1939")))
    if "unmatched" in result:
        raise SelectionError(f"'{result['unmatched'][0]}' matches nothing in the database")
    channel_number(options.get("channel"))  # a wrong channel fails here, not on the workers
    names = result["names"]
    meta = pd.DataFrame(np.empty((0, len(names))), columns=names)
    meta.insert(0, "elapsed", pd.Series([], dtype="float64"))
    meta.insert(0, "time", pd.Series([], dtype="datetime64[ns, UTC]"))
    return meta
