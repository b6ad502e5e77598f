"""Screenshots of the whole X screen (the Wine virtual desktop fills it)."""
import os
import subprocess

# /usr/local/bin may shadow ImageMagick's tools on some machines; use Debian's paths.
IMPORT = "/usr/bin/import"
XWD = "/usr/bin/xwd"
CONVERT = "/usr/bin/convert"


def take(display, path):
    """Saves a PNG of the screen of `display` at `path` and returns the path."""
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    if os.path.exists(IMPORT):
        subprocess.run([IMPORT, "-display", display, "-window", "root", path], check=True, timeout=30)
        return path
    xwd = subprocess.run([XWD, "-display", display, "-root", "-silent"], check=True,
                         capture_output=True, timeout=30)
    subprocess.run([CONVERT, "xwd:-", path], input=xwd.stdout, check=True, timeout=30)
    return path
