#!/usr/bin/env python3
"""Checks the language modules against lang/ids.txt.

Usage: check_lang_modules.py LANG_DIR QM_DIR MODULE...

Every module (lang/<MODULE>.ts) must hold exactly the ids of ids.txt, each with a non-empty,
finished translation that keeps the English text's placeholders and file patterns and fits the
length the program reads. A translation equal to the English one is refused unless
lang/same-as-english.txt allows it for that module (names, units, borrowed words). Each module
must also have been compiled into QM_DIR.
"""
import collections
import os
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d+|[a-zA-Z])")
FILE_PATTERN = re.compile(r"\(\*[^)]*\)")
LONG_TEXT_ID = "2010"  # read with room for 1023 characters, every other text for 255


def read_ids(path):
    ids = []
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        if not line.strip():
            continue
        fields = line.rstrip("\n").split("\t")
        if len(fields) < 2 or not fields[0].isdigit():
            raise SystemExit(f"{path}:{number}: not 'id<TAB>English<TAB>use'")
        ids.append(fields[0])
    duplicates = [i for i, n in collections.Counter(ids).items() if n > 1]
    if duplicates:
        raise SystemExit(f"{path}: ids listed twice: {duplicates}")
    return ids


def read_allowed(path):
    """id -> set of modules (or {"*"}) whose translation may equal the English text."""
    allowed = collections.defaultdict(set)
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        fields = line.split()
        if len(fields) < 2 or not fields[0].isdigit():
            raise SystemExit(f"{path}:{number}: not 'id MODULE...' or 'id *'")
        allowed[fields[0]].update(fields[1:])
    return allowed


def read_module(path):
    root = ET.parse(path).getroot()
    messages = {}
    for m in root.iter("message"):
        tr = m.find("translation")
        messages[m.get("id")] = (
            m.findtext("source") or "",
            (tr.text or "") if tr is not None else "",
            tr.get("type") if tr is not None else "missing",
        )
    return root.get("language") or "", messages


def check_text(mid, english, text, kind):
    if kind in ("unfinished", "obsolete", "vanished", "missing"):
        return [f"id {mid}: translation is {kind}"]
    if not text.strip():
        return [f"id {mid}: empty translation"]
    problems = []
    for what, pattern in (("placeholders", PLACEHOLDER), ("file patterns", FILE_PATTERN)):
        if sorted(pattern.findall(text)) != sorted(pattern.findall(english)):
            problems.append(f"id {mid}: {what} differ from English: {text!r}")
    if english.count(";;") != text.count(";;"):
        problems.append(f"id {mid}: filter count differs from English: {text!r}")
    limit = 1023 if mid == LONG_TEXT_ID else 255
    if len(text) > limit:
        problems.append(f"id {mid}: {len(text)} characters, only {limit} are read")
    if text != text.strip():
        problems.append(f"id {mid}: blanks around the text: {text!r}")
    return problems


def check_module(name, lang_dir, ids, english, allowed):
    path = os.path.join(lang_dir, name + ".ts")
    if not os.path.exists(path):
        return [f"missing {path}"]
    language, messages = read_module(path)
    problems = [] if language else ["no language attribute on <TS>"]
    problems += [f"id {i}: missing" for i in ids if i not in messages]
    problems += [f"id {i}: not in ids.txt" for i in messages if i not in set(ids)]
    for mid in ids:
        if mid not in messages:
            continue
        source, text, kind = messages[mid]
        if source != english[mid]:
            problems.append(f"id {mid}: source differs from LangEN.ts's")
        problems += check_text(mid, english[mid], text, kind)
        if name != "LangEN" and text == english[mid] and not (
            allowed[mid] & {"*", name}
        ):
            problems.append(f"id {mid}: same as English ({text!r}); translate it or allow it "
                            "in same-as-english.txt")
    return problems


def main():
    if len(sys.argv) < 4:
        raise SystemExit(__doc__)
    lang_dir, qm_dir, modules = sys.argv[1], sys.argv[2], sys.argv[3:]
    ids = read_ids(os.path.join(lang_dir, "ids.txt"))
    allowed = read_allowed(os.path.join(lang_dir, "same-as-english.txt"))
    _, en = read_module(os.path.join(lang_dir, "LangEN.ts"))
    english = {i: en[i][1] for i in en}
    failed = False
    for name in modules:
        problems = check_module(name, lang_dir, ids, english, allowed)
        if not os.path.exists(os.path.join(qm_dir, name + ".qm")):
            problems.append(f"{name}.qm was not built into {qm_dir}")
        for p in problems:
            print(f"{name}: {p}")
        failed = failed or bool(problems)
    unknown = {m for ms in allowed.values() for m in ms} - set(modules) - {"*"}
    if unknown:
        print(f"same-as-english.txt names unknown modules: {sorted(unknown)}")
        failed = True
    print("language modules:", "problems found" if failed else f"{len(modules)} modules complete")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
