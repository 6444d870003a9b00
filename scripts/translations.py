#!/usr/bin/env python3
"""The interface catalog: extracts the texts to translate and checks po/en.po against them.

  translations.py extract OUT.pot      write the template (xgettext over the sources)
  translations.py check [--source F] [--catalog PO]
                                       exit 1 when a text is unmarked, untranslated,
                                        fuzzy or stale, or the catalog does not compile

The source texts are Chinese; every text a user sees is either looked up where
it is shown, wxGetTranslation(wxString::FromUTF8("...")), or marked where it is
defined, wxTRANSLATE("...") / CC_USER_TEXT("..."), and looked up where shown.
"""
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCE_DIRS = ["app", "editor", "engine", "particle", "program", "render", "tools", "ui", "view"]
CATALOG = os.path.join(ROOT, "po", "en.po")
KEYWORDS = ["-kFromUTF8", "-kwxTRANSLATE", "-kwxTRANSLATE_IN_CONTEXT:1c,2", "-kCC_USER_TEXT", "-kwxPLURAL:1,2"]
PLACE = re.compile(r"\{\d+\}")
CJK = re.compile("[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]")


def sources(extra=()):
    found = []
    for folder in SOURCE_DIRS:
        for base, _, names in os.walk(os.path.join(ROOT, folder)):
            found += [os.path.join(base, n) for n in names if n.endswith((".cpp", ".h"))]
    return sorted(found) + list(extra)


# --- reading C++ just enough to find string literals outside comments -------
LEXEME = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
MARKS = [
    re.compile(r"wxGetTranslation\(\s*wxString::FromUTF8\(\s*$"),
    re.compile(r"wxTRANSLATE\(\s*$"),
    re.compile(r'wxTRANSLATE_IN_CONTEXT\(\s*"[^"]*",\s*$'),
    re.compile(r"CC_USER_TEXT\(\s*$"),
]


def unmarked_texts(path):
    """(line, literal) of every literal with Chinese in it that is neither looked up nor marked."""
    text = open(path, encoding="utf-8").read()
    found = []
    for m in LEXEME.finditer(text):
        lexeme = m.group(0)
        if not lexeme.startswith('"') or not CJK.search(lexeme):
            continue
        before = text[max(0, m.start() - 200):m.start()]
        # Adjacent literals continue one text ("a" "b"): the first one carries the mark.
        start = m.start()
        while True:
            prev = re.search(r'"(?:\\.|[^"\\\n])*"\s*$', text[:start])
            if not prev:
                break
            start = prev.start()
        before = text[max(0, start - 200):start]
        if not any(mark.search(before) for mark in MARKS):
            found.append((text.count("\n", 0, m.start()) + 1, lexeme))
    return found


# --- po files ----------------------------------------------------------------
def unquote(s):
    return bytes(s[1:-1], "utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8")


def read_po(path):
    """Entries as dicts: msgctxt, msgid, msgid_plural, msgstr (list), fuzzy, obsolete, and
    key, which tells entries apart (the context, if any, and the msgid)."""
    entries, entry, field = [], None, None
    for raw in open(path, encoding="utf-8").read().split("\n") + [""]:
        line = raw.strip()
        obsolete = line.startswith("#~")
        if obsolete:
            line = line[2:].strip()
        if not line:
            if entry:
                entries.append(entry)
            entry, field = None, None
            continue
        if entry is None:
            entry = {"msgctxt": None, "msgid": None, "msgid_plural": None, "msgstr": [], "fuzzy": False,
                     "obsolete": False}
        entry["obsolete"] |= obsolete
        if line.startswith("#,"):
            entry["fuzzy"] |= "fuzzy" in line
        elif line.startswith("#"):
            continue
        elif line.startswith("msgctxt "):
            entry["msgctxt"], field = unquote(line[8:]), "msgctxt"
        elif line.startswith("msgid_plural "):
            entry["msgid_plural"], field = unquote(line[13:]), "msgid_plural"
        elif line.startswith("msgid "):
            entry["msgid"], field = unquote(line[6:]), "msgid"
        elif line.startswith("msgstr"):
            entry["msgstr"].append(unquote(line[line.index('"'):]))
            field = "msgstr"
        elif line.startswith('"'):
            if field == "msgstr":
                entry["msgstr"][-1] += unquote(line)
            elif field:
                entry[field] += unquote(line)
    entries = [e for e in entries if e["msgid"] is not None]
    for e in entries:
        e["key"] = (e["msgctxt"] + "\x04" if e["msgctxt"] is not None else "") + e["msgid"]
    return entries


def xgettext(files, out):
    subprocess.run(["xgettext", "--from-code=UTF-8", "-L", "C++", "-k", *KEYWORDS, "--sort-by-file", "--add-location=file",
                    "--package-name=Flarewick", "-o", out, *[os.path.relpath(f, ROOT) for f in files]],
                   cwd=ROOT, check=True, stderr=subprocess.PIPE, text=True)


POT_HEADER = """# The texts of Flarewick's interface, for translating. Made by scripts/update-translations.sh.
msgid ""
msgstr ""
"Project-Id-Version: Flarewick\\n"
"MIME-Version: 1.0\\n"
"Content-Type: text/plain; charset=UTF-8\\n"
"Content-Transfer-Encoding: 8bit\\n"
"Plural-Forms: nplurals=INTEGER; plural=EXPRESSION;\\n"
"""


def extract(out, extra=()):
    """Writes the template of the texts with Chinese in them (paths and other plain
    ASCII texts passed through FromUTF8 are not for translating)."""
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, "all.pot")
        xgettext(sources(extra), raw)
        blocks = open(raw, encoding="utf-8").read().split("\n\n")
    kept = [POT_HEADER]
    for block in blocks:
        ids = "\n".join(l for l in block.split("\n") if not l.startswith(("#", "msgstr")))
        if CJK.search(ids):
            kept.append(block.strip("\n"))
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n\n".join(block.strip("\n") for block in kept) + "\n")


def check(extra=(), catalog_path=CATALOG):
    problems = []
    for path in sources(extra):
        for line, literal in unmarked_texts(path):
            problems.append(f"{os.path.relpath(path, ROOT)}:{line}: not looked up in the catalog: {literal}")
    with tempfile.TemporaryDirectory() as tmp:
        pot = os.path.join(tmp, "flarewick.pot")
        extract(pot, extra)
        wanted = {e["key"] for e in read_po(pot) if e["msgid"]}
    catalog = {}
    for e in read_po(catalog_path):
        if not e["msgid"]:
            continue
        if e["obsolete"]:
            problems.append(f"po/en.po: obsolete entry left in the catalog: {e['msgid']!r}")
            continue
        catalog[e["key"]] = e
    for msgid in sorted(wanted):
        e = catalog.get(msgid)
        if e is None:
            problems.append(f"po/en.po: no English for {msgid!r}")
        elif e["fuzzy"]:
            problems.append(f"po/en.po: fuzzy English for {msgid!r}")
        elif not all(e["msgstr"]) or not e["msgstr"]:
            problems.append(f"po/en.po: empty English for {msgid!r}")
        elif any(sorted(PLACE.findall(msgid)) != sorted(PLACE.findall(english)) for english in e["msgstr"]):
            # msgfmt checks the % formats; the particle check's {1} places are ours to check.
            problems.append(f"po/en.po: the English does not keep the places {{1}}, {{2}}… of {msgid!r}")
    for msgid in sorted(set(catalog) - wanted):
        problems.append(f"po/en.po: stale entry, no source text any more: {msgid!r}")
    template = os.path.join(ROOT, "po", "flarewick.pot")
    committed = {e["key"] for e in read_po(template) if e["msgid"]} if os.path.exists(template) else set()
    if not extra and committed != wanted:
        problems.append("po/flarewick.pot is out of date: run scripts/update-translations.sh")
    compiled = subprocess.run(["msgfmt", "-c", "--check-format", "-o", os.devnull, catalog_path],
                              capture_output=True, text=True)
    if compiled.returncode != 0:
        problems.append("po/en.po does not compile:\n" + compiled.stderr)
    for p in problems:
        print(p)
    print(f"{len(wanted)} texts, {len(problems)} problems")
    return 1 if problems else 0


def main(argv):
    if len(argv) >= 2 and argv[0] == "extract":
        extract(argv[1])
        return 0
    if argv and argv[0] == "check":
        extra = [argv[i + 1] for i in range(len(argv) - 1) if argv[i] == "--source"]
        catalogs = [argv[i + 1] for i in range(len(argv) - 1) if argv[i] == "--catalog"]
        return check(extra, catalogs[-1] if catalogs else CATALOG)
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
