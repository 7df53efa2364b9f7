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
