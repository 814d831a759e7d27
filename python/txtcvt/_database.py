"""DBC databases: loaded once, finalised, and then only read."""
import dataclasses
import functools
import os
import types
import warnings

from . import _core
from ._errors import DbcError, DbcWarning


@dataclasses.dataclass(frozen=True)
class Signal:
    """A signal of a message, as the database decodes it.

    ``byte_order`` is ``"little"`` (Intel) or ``"big"`` (Motorola); ``start_bit`` is as written
    in the DBC file. A multiplexed signal names its switch in ``multiplexer`` and the switch
    values that select it in ``multiplexer_ranges``; ``is_multiplexer`` marks a switch.
    ``value_descriptions`` maps raw values to their texts (VAL_).
    """

    name: str
    start_bit: int
    length: int
    byte_order: str
    is_signed: bool
    is_float: bool
    factor: float
    offset: float
    minimum: float
    maximum: float
    unit: str
    is_multiplexer: bool
    multiplexer: str | None
    multiplexer_ranges: tuple
    value_descriptions: types.MappingProxyType


@dataclasses.dataclass(frozen=True)
class Message:
    """A message (BO_): its identifier without the extended flag, and its signals in file order."""

    name: str
    id: int
    is_extended: bool
    length: int
    signals: tuple

    def signal(self, name):
        """The first signal called ``name``; KeyError when there is none."""
        for signal in self.signals:
            if signal.name == name:
                return signal
        raise KeyError(name)


def _signal(fields):
    descriptions = {}
    for value, text in fields.pop("value_descriptions"):
        descriptions.setdefault(value, text)  # decoding takes the first of equal values
    fields["multiplexer_ranges"] = tuple(fields["multiplexer_ranges"])
    return Signal(value_descriptions=types.MappingProxyType(descriptions), **fields)


def _message(fields):
    signals = tuple(_signal(dict(signal)) for signal in fields.pop("signals"))
    return Message(signals=signals, **fields)


class Database:
    """A DBC file, loaded and finalised as ``txtcvt-cli`` loads it.

    ``Database("vehicle.dbc")`` raises :class:`DbcError` with the command line's report (the
    reason, the first logged errors) when the file does not load, and warns with
    :class:`DbcWarning` when it loads with errors. ``encoding`` decodes the DBC's texts (names,
    units, value descriptions); by default each text is UTF-8 where it is valid UTF-8 and
    Windows-1252 otherwise. The conversion itself works on the file's bytes.

    Attributes: ``path``, ``encoding``, ``messages`` (sorted by identifier, as decoding finds
    them), ``log`` (the lines of the load log), ``errors`` (the number of lines not read).
    A database pickles as its path: unpickled (on a Dask worker, say) it is loaded again, once
    per process (see :meth:`cached`).
    """

    def __init__(self, path, *, encoding=None):
        if encoding is not None:
            import codecs
            codecs.lookup(encoding)  # LookupError for a name Python does not know
        self.path = os.fspath(path)
        self.encoding = encoding
        display = os.fsdecode(self.path)
        loaded = _core.load_dbc(os.fsencode(self.path), display, encoding or "")
        self.log = loaded["log"].splitlines()
        self.errors = loaded["errors"]
        if not loaded["loaded"]:
            raise DbcError(loaded["report"], code=loaded["code"], path=self.path,
                           errors=loaded["first_errors"], log=loaded["log"])
        if self.errors:
            warnings.warn(loaded["report"], DbcWarning, stacklevel=2)
        self._handle = loaded["handle"]
        self.messages = tuple(_message(dict(message)) for message in loaded["messages"])

    def message(self, key):
        """The first message called ``key`` (a str) or with identifier ``key`` (an int)."""
        for message in self.messages:
            if message.name == key or message.id == key:
                return message
        raise KeyError(key)

    @property
    def signal_count(self):
        return sum(len(message.signals) for message in self.messages)

    @classmethod
    def cached(cls, path, *, encoding=None):
        """The database at ``path``, loaded once per process while the file stays unchanged."""
        path = os.path.abspath(os.fspath(path))
        try:
            stat = os.stat(path)
            stamp = (stat.st_mtime_ns, stat.st_size)
        except OSError:
            stamp = None  # loading says why
        return _cached(path, encoding, stamp)

    def __reduce__(self):
        return (_unpickle, (self.path, self.encoding))

    def __repr__(self):
        return (f"<txtcvt.Database {self.path!r}: {len(self.messages)} messages, "
                f"{self.signal_count} signals, {self.errors} errors>")


@functools.lru_cache(maxsize=32)
def _cached(path, encoding, stamp):
    del stamp  # part of the key only: a changed file is loaded again
    return Database(path, encoding=encoding)


def _unpickle(path, encoding):
    return Database.cached(path, encoding=encoding)
