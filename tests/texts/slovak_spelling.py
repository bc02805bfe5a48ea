#!/usr/bin/env python3
"""Spell-checks every Slovak text the pupil reads, with hunspell's Slovak dictionary.

Two kinds of text are checked:
  pictures  the <text> elements of assets/**/*.svg. Text in another language is marked
            with it (the German examples xml:lang="de", on the element, on a <tspan>
            inside it or on a group around it) and skipped, as are {{placeholders}},
            whose values come from the game catalogue and are checked with the program's
            strings;
  program   the string literals of src/ that hold a letter only Slovak uses (á, č, ď,
            é, í, ĺ, ľ, ň, ó, ô, ŕ, š, ť, ú, ý, ž) or one of the words "je", "sa", "nie",
            "alebo", "aj", "ani", "sú": message boxes, captions, game titles, answer hints.
            Adjacent literals are joined first, as the compiler joins them. The developer
            messages of src/ are English and the data are German, so neither is taken; a
            Slovak message without any of these marks is not recognised.

A word hunspell does not know fails the test unless the reviewed list beside this
script accepts it; that list also names the few program strings that are Czech by
design. An entry of the list that nothing needs any more fails the test too, so the
list stays short.

Usage: slovak_spelling.py <source root> [accept list]
Exit codes: 0 all known, 1 unknown words or a stale entry, 77 hunspell or its Slovak
dictionary is not installed (the test is then reported as skipped).
"""

import pathlib
import re
import shutil
import subprocess
import sys
import xml.etree.ElementTree as ET
from collections import defaultdict

SKIP = 77
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"
SVG = "{http://www.w3.org/2000/svg}"
SLOVAK_ONLY_LETTERS = set("áčďéíĺľňóôŕšťúýžÁČĎÉÍĹĽŇÓÔŔŠŤÚÝŽ")
SLOVAK_MARK_WORDS = {"je", "sa", "nie", "alebo", "aj", "ani", "sú"}
WORD = re.compile(r"[^\W\d_]+")
PLACEHOLDER = re.compile(r"\{\{[a-z0-9_]+\}\}")
FILE_NAME = re.compile(r"[\w-]+\.(?:dll|dat|ini|txt|bmp|lock)\b", re.IGNORECASE)
# The command-line help names the command, its options and environment variables.
COMMAND_LINE = re.compile(r"--[a-z][a-z-]*|\b[A-Z]+(?:_[A-Z]+)+\b|\bvevider\b")


# ---------------------------------------------------------------- pictures

def _slovak_pieces(element, lang):
    """The text of an SVG element with every piece in another language left out."""
    lang = element.get(XML_LANG, lang)
    pieces = []
    if element.text and lang == "sk":
        pieces.append(element.text)
    for child in element:
        pieces.extend(_slovak_pieces(child, lang))
        if child.tail and lang == "sk":
            pieces.append(child.tail)
    return pieces


def _text_elements(element, lang="sk"):
    """(<text> element, language around it) of an SVG tree, in document order."""
    lang = element.get(XML_LANG, lang)
    if element.tag == SVG + "text":
        yield element, lang
        return
    for child in element:
        yield from _text_elements(child, lang)


def picture_texts(root):
    """(where, text) of every <text> element of the SVG sources, other languages left out."""
    texts = []
    for path in sorted((root / "assets").rglob("*.svg")):
        for element, lang in _text_elements(ET.parse(path).getroot()):
            text = " ".join(" ".join(_slovak_pieces(element, lang)).split())
            if text:
                texts.append((path.relative_to(root).as_posix(), text))
    return texts


# ---------------------------------------------------------------- program strings

_ESCAPES = {"n": "\n", "r": "\r", "t": "\t", '"': '"', "'": "'", "\\": "\\", "?": "?", "0": ""}


def _unescape(body):
    out = []
    i = 0
    while i < len(body):
        c = body[i]
        if c != "\\":
            out.append(c)
            i += 1
            continue
        e = body[i + 1]
        if e in "uU":
            digits = 4 if e == "u" else 8
            out.append(chr(int(body[i + 2:i + 2 + digits], 16)))
            i += 2 + digits
        else:
            out.append(_ESCAPES.get(e, e))
            i += 2
    return "".join(out)


_CPP_TOKEN = re.compile(r"""
      (?P<comment> //[^\n]* | /\*.*?\*/ )
    | (?P<raw> (?:u8|u|U|L)?R"(?P<delim>[^(\s]*)\((?P<raw_body>.*?)\)(?P=delim)" )
    | (?P<string> (?:u8|u|U|L)?"(?P<body>(?:[^"\\\n]|\\.)*)" )
    | (?P<char> '(?:[^'\\\n]|\\.)*' )
    | (?P<space> \s+ )
    | (?P<word> \w+(?:'\w+)* )
    | (?P<other> . )
    """, re.S | re.X)


def string_literals(code):
    """The string literals of C++ source, adjacent ones joined; comments skipped."""
    literals = []
    joined = None  # the literal being built while only blanks and comments follow it
    for token in _CPP_TOKEN.finditer(code):
        kind = token.lastgroup
        if kind in ("raw", "string"):
            body = token["raw_body"] if kind == "raw" else _unescape(token["body"])
            joined = body if joined is None else joined + body
        elif kind not in ("comment", "space") and joined is not None:
            literals.append(joined)
            joined = None
    if joined is not None:
        literals.append(joined)
    return literals


def is_slovak(literal):
    return bool(SLOVAK_ONLY_LETTERS & set(literal)) or \
        any(word.lower() in SLOVAK_MARK_WORDS for word in WORD.findall(literal))


def program_texts(root):
    """(where, text) of every Slovak string literal of src/."""
    texts = []
    for path in sorted((root / "src").rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        where = path.relative_to(root).as_posix()
        for literal in string_literals(path.read_text(encoding="utf-8")):
            if is_slovak(literal):
                texts.append((where, " ".join(literal.split())))
    return texts


# ---------------------------------------------------------------- checking

def read_accept_list(path):
    """{section: [entries]} of the reviewed list; '#' starts a comment line."""
    sections = defaultdict(list)
    section = None
    for line in path.read_text(encoding="utf-8").splitlines():
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("[") and line.endswith("]"):
            section = line[1:-1]
        elif section is None:
            raise SystemExit(f"{path}: entry before any [section]: {line}")
        else:
            sections[section].append(line)
    return sections


def words_of(text, names=()):
    """The words of a text, leaving out placeholders, file names and the accepted names."""
    text = PLACEHOLDER.sub(" ", text)
    text = FILE_NAME.sub(" ", text)
    text = COMMAND_LINE.sub(" ", text)
    for name in names:
        text = text.replace(name, " ")
    return WORD.findall(text)


def unknown_to_hunspell(words):
    """The words hunspell's Slovak dictionary does not know."""
    result = subprocess.run(
        ["hunspell", "-d", "sk_SK", "-i", "utf-8", "-l"],
        input="\n".join(sorted(words)) + "\n",
        capture_output=True, text=True, encoding="utf-8", check=True)
    return set(result.stdout.split())


def hunspell_ready():
    if shutil.which("hunspell") is None:
        return "hunspell is not installed"
    probe = subprocess.run(["hunspell", "-D"], input="", capture_output=True, text=True)
    if "sk_SK" not in probe.stdout + probe.stderr:
        return "hunspell's Slovak dictionary (sk_SK) is not installed"
    return None


def main(argv):
    root = pathlib.Path(argv[1]).resolve()
    accept_path = pathlib.Path(argv[2]) if len(argv) > 2 else \
        pathlib.Path(__file__).with_name("slovak_accepted.txt")
    missing = hunspell_ready()
    if missing:
        print(f"SKIP: {missing} (scripts/install-deps.sh installs it)")
        return SKIP

    accepted = read_accept_list(accept_path)
    # An entry of several words (or with a hyphen) is a name, taken out of the text whole.
    names = [e for e in accepted["words"] if not WORD.fullmatch(e)]
    accepted_words = {e for e in accepted["words"] if WORD.fullmatch(e)}
    czech_strings = set(accepted["czech program strings"])

    groups = {"pictures": picture_texts(root), "program": program_texts(root)}
    used = {text for _, text in groups["program"] if text in czech_strings}
    groups["program"] = [(w, t) for w, t in groups["program"] if t not in czech_strings]
    texts = [text for group in groups.values() for _, text in group]
    used |= {name for name in names if any(name in text for text in texts)}

    unknown = unknown_to_hunspell({word for text in texts for word in words_of(text, names)})
    used |= unknown & accepted_words
    wrong = unknown - accepted_words

    failures = 0
    for name, group in groups.items():
        found = defaultdict(list)
        for where, text in group:
            bad = sorted({w for w in words_of(text, names) if w in wrong})
            if bad:
                found[where].append((bad, text))
        print(f"{name}: {len(group)} texts checked, "
              f"{sum(len(v) for v in found.values())} with unknown words")
        for where in sorted(found):
            print(f"  {where}")
            for bad, text in found[where]:
                print(f"    {', '.join(bad)}  in  \"{text}\"")
                failures += 1

    for entry in accepted["words"] + accepted["czech program strings"]:
        if entry not in used:
            print(f"accept list: \"{entry}\" is not needed any more; remove it")
            failures += 1

    print("OK" if failures == 0 else f"FAILED: {failures} problems")
    return 0 if failures == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
