"""The exceptions and warnings of txtcvt; their messages are those of ``txtcvt-cli``."""


class Error(Exception):
    """Base class of every error txtcvt raises.

    ``code`` is the result code in the HRESULT convention the command line prints (for example
    0x80070002 for a missing file), 0 where there is none.
    """

    def __init__(self, message, *, code=0):
        super().__init__(message)
        self.code = code


class DbcError(Error):
    """A DBC file did not load: it could not be read, or it holds no usable signal.

    ``errors`` lists the first logged errors as ``(line number, error text, line)`` and ``log``
    is the whole load log (the text ``dbcload.log`` would hold).
    """

    def __init__(self, message, *, code=0, path=None, errors=(), log=""):
        super().__init__(message, code=code)
        self.path = path
        self.errors = list(errors)
        self.log = log


class CaptureError(Error):
    """A capture could not be read: missing, unreadable, too large, or not a capture at all."""

    def __init__(self, message, *, code=0, path=None):
        super().__init__(message, code=code)
        self.path = path


class SelectionError(Error, ValueError):
    """A message or signal pattern that matches nothing in the database."""


class ConversionError(Error):
    """Some captures of a conversion failed; ``results`` is the table of every input."""

    def __init__(self, message, *, results=None):
        super().__init__(message)
        self.results = results


class CutShortWarning(UserWarning):
    """A capture ends inside its frame records: the frames present were read."""


class DbcWarning(UserWarning):
    """A DBC file loaded, but some of its lines could not be read (see ``Database.log``)."""
