#!/usr/bin/env python3
"""Add or update translation entries in the four catalogues config/i18n/*.ts.

Input: tab-separated lines "context<TAB>key<TAB>en<TAB>ja<TAB>ko<TAB>zh"
(from files given as arguments, or standard input). "\\n" in a field stands
for a line break, "\\t" for a tab. Lines starting with '#' are skipped.
Every catalogue keeps its messages sorted by context and key, so that
additions from several people merge cleanly.

    tools/i18n_add.py texts.tsv
    tools/i18n_add.py --check      # fail when a key lacks a text in any language
"""
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
LANGS = {"en": "en_US", "ja": "ja_JP", "ko": "ko_KR", "zh": "zh_CN"}


def unescape(text):
    return text.replace("\\n", "\n").replace("\\t", "\t")


def load(lang):
    path = ROOT / "config" / "i18n" / f"{lang}.ts"
    entries = {}
    if path.exists():
        root = ET.parse(path).getroot()
        for ctx in root.findall("context"):
            name = ctx.findtext("name")
            for msg in ctx.findall("message"):
                entries[(name, msg.findtext("source"))] = msg.findtext("translation") or ""
    return path, entries


def save(path, lang, entries):
    root = ET.Element("TS", version="2.1", language=LANGS[lang])
    contexts = {}
    for (ctx, key), text in sorted(entries.items()):
        if ctx not in contexts:
            c = ET.SubElement(root, "context")
            ET.SubElement(c, "name").text = ctx
            contexts[ctx] = c
        m = ET.SubElement(contexts[ctx], "message")
        ET.SubElement(m, "source").text = key
        ET.SubElement(m, "translation").text = text
    ET.indent(root)
    body = ET.tostring(root, encoding="unicode")
    path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n",
                    encoding="utf-8")


def main(argv):
    catalogues = {lang: load(lang) for lang in LANGS}
    if argv[1:] == ["--check"]:
        keys = set().union(*(e.keys() for _, e in catalogues.values()))
        missing = [(lang, k) for lang, (_, e) in catalogues.items() for k in sorted(keys)
                   if not e.get(k)]
        for lang, (ctx, key) in missing:
            print(f"{lang}: {ctx} / {key!r} has no text")
        return 1 if missing else 0
    sources = [open(a, encoding="utf-8") for a in argv[1:]] or [sys.stdin]
    for src in sources:
        for number, line in enumerate(src, 1):
            line = line.rstrip("\r\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            if len(fields) != 6:
                sys.exit(f"{src.name}:{number}: expected 6 tab-separated fields, got {len(fields)}")
            ctx, key = fields[0], unescape(fields[1])
            for lang, text in zip(LANGS, fields[2:]):
                catalogues[lang][1][(ctx, key)] = unescape(text)
    for lang, (path, entries) in catalogues.items():
        save(path, lang, entries)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
