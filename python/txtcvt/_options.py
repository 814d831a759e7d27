"""The arguments of the readers and converters, checked and put into the core's terms."""
import datetime
import numbers
import os

from . import _core
from ._database import Database

def display_path(path):
    """A path as the messages show it: as given."""
    return os.fsdecode(os.fspath(path))


def channel_number(channel):
    """0 for every channel, else the channel's number (1 for CH1): an int, "chN" or "all" in any
    case as ``--channel`` takes them, or None. Channels of a log run up to 65536."""
    number = _channel(channel)
    if number is None:
        raise ValueError(f"channel is 1 to {_core.MAX_CHANNEL}, 'ch1' to 'ch{_core.MAX_CHANNEL}', "
                         f"'all' or None, not {channel!r}")
    return number


def _channel(channel):
    if channel is None:
        return 0
    if isinstance(channel, str):
        return _core.parse_channel(channel)
    if isinstance(channel, numbers.Integral) and 0 <= channel <= _core.MAX_CHANNEL:
        return int(channel)
    return None


def _own_channel(key):
    number = _channel(key)
    if not number:
        raise ValueError(f"a database per channel has channels 1 to {_core.MAX_CHANNEL} or "
                         f"'ch1' to 'ch{_core.MAX_CHANNEL}' as keys, not {key!r}")
    return number


def job_count(jobs):
    """The threads of one read: 0 (one per core) for None, else a whole number of 1 or more."""
    if jobs is None:
        return 0
    if isinstance(jobs, bool) or not isinstance(jobs, numbers.Integral) or not 1 <= jobs <= 1024:
        raise ValueError(f"jobs is a whole number from 1 to 1024, or None for one per core, "
                         f"not {jobs!r}")
    return int(jobs)


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


class Databases:
    """The databases of a read or conversion, as ``--dbc FILE`` or ``--dbc chN=FILE`` give
    them: ``every`` for every channel, or ``own``, (channel number, database) pairs ascending."""

    def __init__(self, every, own):
        self.every = every
        self.own = own

    @property
    def encoding(self):
        """The first database's encoding: the one its texts are read with."""
        return (self.every or self.own[0][1]).encoding

    def handles(self):
        """The arguments ``every`` and ``own`` of the core's readers and converters."""
        return (self.every and self.every._handle,
                [(channel, database._handle) for channel, database in self.own])

    def dbc(self):
        """The ``dbc`` argument that gives these databases."""
        return self.every if self.every is not None else dict(self.own)


def databases(dbc):
    """The :class:`Databases` of one database for every channel, or of a dict per channel such
    as {1: "body.dbc", 2: powertrain, "ch8": gateway}; paths are loaded once per process."""
    if isinstance(dbc, dict):
        own = sorted((channel, _database(value)) for channel, value in _per_channel(dbc).items())
        if not own:
            raise ValueError("no database given")
        return Databases(None, own)
    database = _database(dbc)
    if database is None:
        raise ValueError("no database given")
    return Databases(database, [])


def database_paths(dbc):
    """The same choice as paths, to travel to other processes: a path, or {channel: path}."""
    if isinstance(dbc, dict):
        return {channel: _path_of(value) for channel, value in _per_channel(dbc).items()}
    return _path_of(dbc)


def _per_channel(dbc):
    """{channel number: database or path} of a dict per channel; None values left out."""
    chosen = {}
    for key, value in dbc.items():
        channel = _own_channel(key)
        if channel in chosen:
            raise ValueError(f"channel {channel} is given two databases")
        chosen[channel] = value
    return {channel: value for channel, value in chosen.items() if value is not None}


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
