"""convert: captures into CSV files, as txtcvt-cli convert writes them."""
import os

import pandas as pd

from . import _core
from ._errors import ConversionError
from ._options import database_paths, databases_from_paths, display_path, named_options

RESULT_COLUMNS = ("input", "output", "outcome", "message", "code", "lines", "seconds")


def convert(paths, dbc, output_dir=None, *, output=None, errors="raise", **options):
    """Converts captures into CSV files with the engine and options of ``txtcvt-cli convert``.

    ``paths`` is one capture or a list; each output goes beside its input with the extension
    ``.csv``, or into ``output_dir``, or to ``output`` for a single input. ``dbc`` as for
    :func:`read_signals`. The keyword options are the command line's, spelled with
    underscores: ``timestamp="elapsed"``, ``columns=["ch", "id", "raw"]``, ``delimiter=";"``,
    ``encoding="utf8"``, ``line_end="lf"``, ``channel="ch1"``, ``messages=...``,
    ``signals=...``, ``ids=[0x100]``, ``j1939=True``, ``clock="utc"``,
    ``time_format="iso8601"``, ``layout="wide"``, ``hold=True``, ``resample="10ms"``,
    ``enum_text=True``, ``settings="txtcvt.ini"``.

    Returns a DataFrame with a row per input: ``input``, ``output``, ``outcome``
    ("converted", "cut short" or "failed"), ``message`` (the command line's line, empty when
    converted), ``code``, ``lines`` (written, the header not counted) and ``seconds``. With
    ``errors="raise"`` (the default) a failed input raises :class:`txtcvt.ConversionError` after
    every input was tried, its message the command line's lines, its ``results`` the table.
    """
    if errors not in ("raise", "report"):
        raise ValueError("errors is 'raise' or 'report'")
    inputs = [paths] if isinstance(paths, (str, bytes, os.PathLike)) else list(paths)
    dbc_paths = database_paths(dbc)
    named = output_options(output_dir, output) + named_options(options)
    results = convert_group(inputs, dbc_paths, named)
    table = pd.DataFrame(results, columns=RESULT_COLUMNS)
    if errors == "raise":
        raise_failures(table)
    return table


def output_options(output_dir, output):
    named = []
    if output_dir is not None:
        named.append(("output_dir", display_path(output_dir)))
    if output is not None:
        named.append(("output", display_path(output)))
    return named


def convert_group(inputs, dbc_paths, named):
    """Converts inputs in list order in this process: a dict per input."""
    return _core.convert_files([os.fsencode(path) for path in inputs],
                               [display_path(path) for path in inputs], named,
                               *databases_from_paths(dbc_paths).handles())


def raise_failures(table):
    failed = table[table.outcome == "failed"]
    if len(failed):
        lines = "\n".join(failed.message)
        raise ConversionError(f"{len(failed)} of {len(table)} captures failed:\n{lines}",
                              results=table)
