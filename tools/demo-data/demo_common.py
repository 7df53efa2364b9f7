"""What the demo-data converters share."""
import os


def write_atomic(path, data):
    """Writes `data` to `path` through a temporary file, so a failed run leaves no half file."""
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)


def write_ascii_notice(path, lines):
    """Writes a licence notice: `lines` as ASCII text with CR LF line ends, so that Notepad
    shows it anywhere (a character ASCII cannot hold becomes "?")."""
    text = "\n".join(lines)
    write_atomic(path, text.replace("\n", "\r\n").encode("ascii", errors="replace"))


def read_scowl_list(scowl_dir, spelling, kind, size):
    """The entries of one of SCOWL's lists (english-words.35: spelling "english", kind
    "words", size 35) as Debian's package scowl ships them, or None when there is no such
    list (not every kind exists at every size). The lists are UTF-8."""
    path = os.path.join(scowl_dir, "%s-%s.%d" % (spelling, kind, size))
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8", errors="strict") as f:
        return f.read().split()
