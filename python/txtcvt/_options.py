"""The arguments of the readers and converters, checked and put into the core's terms."""
import datetime
import numbers
import os

from . import _core
from ._database import Database

_CHANNELS = {None: 0, 0: 0, "all": 0, 1: 1, "ch1": 1, 2: 2, "ch2": 2}


def display_path(path):
    """A path as the messages show it: as given."""
    return os.fsdecode(os.fspath(path))


def channel_number(channel):
    """0 for both channels, 1 for CH1, 2 for CH2."""
    key = channel.lower() if isinstance(channel, str) else channel
    try:
        return _CHANNELS[key]
    except (KeyError, TypeError):
        raise ValueError(f"channel is 1, 2, 'ch1', 'ch2', 'all' or None, not {channel!r}") from None


def name_list(value, encoding):
    """Patterns as bytes of the database's encoding: a list, or one comma-separated str."""
    if value is None:
        return []
    if isinstance(value, str):
        value = value.split(",")
    names = [str(name) for name in value]
    if any(not name for name in names):
        raise ValueError("an empty name in a list of names")
    return [name.encode(encoding or "utf-8") for name in names]


def id_ranges(value):
    """Identifiers as (low, high) pairs: ints, (low, high) pairs, or hexadecimal text such as
    "100-1FF,18FEF100"."""
    if value is None:
        return []
    if isinstance(value, (str, numbers.Integral)):
        value = [value]
    ranges = []
    for entry in value:
        if isinstance(entry, str):
            ranges.extend(_core.parse_ids(entry))
        elif isinstance(entry, numbers.Integral):
            ranges.append((_identifier(entry), _identifier(entry)))
        else:
            low, high = entry
            ranges.append((_identifier(low), _identifier(high)))
    return ranges


def _identifier(value):
    value = int(value)
    if not 0 <= value <= 0x1FFFFFFF:
        raise ValueError(f"{value:#x} is no CAN identifier")
    return value


def period_microseconds(resample):
    """A period as microseconds: text as the command line takes it ("10ms", "0.5s", "250us",
    "1min"), a number of seconds, or a timedelta. 0 for None."""
    if resample is None:
        return 0
    if isinstance(resample, str):
        microseconds = _core.parse_period(resample)
        if microseconds is None:
            raise ValueError(f"{resample!r} is no period such as '10ms', '0.5s' or '1min'")
        return microseconds
    if isinstance(resample, datetime.timedelta) or hasattr(resample, "total_seconds"):
        seconds = resample.total_seconds()
    else:
        seconds = float(resample)
    microseconds = round(seconds * 1e6)
    if not 1 <= microseconds <= 86400 * 10**6:
        raise ValueError("the period is at least a microsecond and at most a day")
    return microseconds


def _database(value):
    if value is None or isinstance(value, Database):
        return value
    return Database.cached(value)


def databases(dbc):
    """(CH1's database, CH2's database) from one database for both, or a dict per channel such
    as {1: "body.dbc", 2: powertrain}; paths are loaded once per process."""
    if isinstance(dbc, dict):
        chosen = {channel_number(key): value for key, value in dbc.items()}
        if 0 in chosen or not chosen:
            raise ValueError("a database per channel is a dict with the keys 1 and/or 2")
        return _database(chosen.get(1)), _database(chosen.get(2))
    database = _database(dbc)
    if database is None:
        raise ValueError("no database given")
    return database, database


def database_paths(dbc):
    """The same choice as paths, to travel to other processes: a path, or {1: path, 2: path}."""
    if isinstance(dbc, dict):
        return {channel_number(key): _path_of(value) for key, value in dbc.items()}
    return _path_of(dbc)


def _path_of(value):
    if isinstance(value, Database):
        return (os.path.abspath(value.path), value.encoding)
    return (os.path.abspath(os.fspath(value)), None)


def databases_from_paths(paths):
    """databases() for what database_paths() gave."""
    if isinstance(paths, dict):
        return databases({key: Database.cached(path, encoding=encoding)
                          for key, (path, encoding) in paths.items()})
    path, encoding = paths
    return databases(Database.cached(path, encoding=encoding))


def named_options(options):
    """Keyword options as the command line's options, (name, value) pairs for the core to read
    through its rows: layout="wide" is ("layout", "wide"), hold=True is ("hold", ""),
    columns=["ch", "id"] is ("columns", "ch,id"), ids=[0x100] is ("ids", "100")."""
    named = []
    for key, value in options.items():
        if value is None or value is False:
            continue
        if value is True:
            named.append((key, ""))
            continue
        if key == "ids":
            value = ",".join(f"{low:X}" if low == high else f"{low:X}-{high:X}"
                             for low, high in id_ranges(value))
        elif isinstance(value, (list, tuple)):
            value = ",".join(str(item) for item in value)
        named.append((key, os.fsdecode(value) if isinstance(value, (bytes, os.PathLike)) else str(value)))
    return named
