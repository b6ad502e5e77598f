#!/usr/bin/env python3
"""Checks the compiled help file against the program that opens it.

    scripts/check-help.py [BUILD_DIR]   (default: $ZAVORA_WIN_BUILD or build/windows)

Reads BUILD_DIR/dist/zavorahelp.chm back with 7z and fails when
- a topic that the program opens is missing: the topic names are taken from the source
  (every "....htm" text under src/), so the list follows the code;
- a link or picture of a page (href, src) names a file that is not in the help file;
- an entry of the table of contents or of the index leads nowhere;
- a page is in no entry of the table of contents.
"""
import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TOPIC_TEXT = re.compile(r'"((?:[A-Za-z0-9_-]+\\{1,2})*[A-Za-z0-9_-]+\.htm)"')
LINK = re.compile(r'\b(?:href|src)\s*=\s*"([^"]*)"', re.IGNORECASE)
SITEMAP_LOCAL = re.compile(r'<param\s+name="Local"\s+value="([^"]*)"', re.IGNORECASE)


def topics_opened_by_the_program():
    topics = set()
    for path in (ROOT / "src").rglob("*"):
        if path.suffix in (".cpp", ".h"):
            for name in TOPIC_TEXT.findall(path.read_text(encoding="utf-8", errors="replace")):
                topics.add("html/" + re.sub(r"\\+", "/", name))
    return sorted(topics)


def normalised(path):
    """A path inside the help file, with "/" and without "." and ".." steps."""
    parts = []
    for part in path.replace("\\", "/").split("/"):
        if part in ("", "."):
            continue
        if part == "..":
            if not parts:
                return None  # leaves the help file
            parts.pop()
        else:
            parts.append(part)
    return "/".join(parts)


def is_external(link):
    return re.match(r"^[a-z][a-z0-9+.-]*:", link, re.IGNORECASE) is not None or link.startswith("#")


def check(folder):
    files = {p.relative_to(folder).as_posix() for p in folder.rglob("*") if p.is_file()}
    pages = sorted(f for f in files if f.endswith(".htm"))
    faults = []

    topics = topics_opened_by_the_program()
    if not topics:
        faults.append("no help topic found in the source under src/")
    faults += [f"topic opened by the program is missing: {t}" for t in topics if t not in files]

    for page in pages:
        text = (folder / page).read_text(encoding="utf-8", errors="replace")
        for link in LINK.findall(text):
            if is_external(link):
                continue
            target = normalised(str(Path(page).parent / link.split("#")[0]))
            if target not in files:
                faults.append(f"{page}: link to a missing file: {link}")

    in_contents = set()
    for sitemap in ("toc.hhc", "index.hhk"):
        if sitemap not in files:
            faults.append(f"the help file has no {sitemap}")
            continue
        entries = SITEMAP_LOCAL.findall((folder / sitemap).read_text(encoding="utf-8", errors="replace"))
        if not entries:
            faults.append(f"{sitemap} has no entries")
        for local in entries:
            target = normalised(local.split("#")[0])
            if target not in files:
                faults.append(f"{sitemap}: entry leads to a missing file: {local}")
            if sitemap == "toc.hhc":
                in_contents.add(target)
    faults += [f"page not in the table of contents: {p}" for p in pages if p not in in_contents]
    return topics, pages, list(dict.fromkeys(faults))


def main():
    build = Path(sys.argv[1] if len(sys.argv) > 1 else
                 os.environ.get("ZAVORA_WIN_BUILD", ROOT / "build" / "windows"))
    chm = build / "dist" / "zavorahelp.chm"
    if not chm.is_file():
        print(f"check-help: {chm} is missing", file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory() as temp:
        try:
            extracted = subprocess.run(["7z", "x", "-y", f"-o{temp}", str(chm)],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        except FileNotFoundError:
            print("check-help: 7z is missing (Debian package p7zip-full)", file=sys.stderr)
            return 1
        if extracted.returncode != 0:
            print(f"check-help: 7z cannot read {chm}:\n{extracted.stderr}", file=sys.stderr)
            return 1
        topics, pages, faults = check(Path(temp))
    for fault in faults:
        print(f"check-help: {fault}", file=sys.stderr)
    print(f"check-help: {len(pages)} pages, {len(topics)} topics opened by the program "
          f"({', '.join(topics)}), {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
