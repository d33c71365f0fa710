#!/usr/bin/env python3
"""Fills the empty translations of .ts files from tables written by hand.

    python3 scripts/fill-translations.py [--again] CODE...

For each CODE, translations/tables/CODE.py holds a dict TEXTS from an English
source text to its translation: a string, or a list of strings for a counted
(%n) phrase, one per plural form of the language. A key "Context|source"
translates the source in that context only. Only messages whose translation
is empty or unfinished are filled (a finished translation is kept, unless
--again is given: then the table's text replaces it); the
sources the table lacks are listed, so that a table can be completed later;
messages whose source is gone (vanished) are dropped.
Run `cmake --build build --target update_translations` first, so that the
.ts files hold every source text.
"""
import pathlib
import runpy
import sys
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parent.parent


sys.path.insert(0, str(ROOT / "translations" / "tables"))


def fill(code, again):
    table = runpy.run_path(str(ROOT / "translations" / "tables" / f"{code}.py"))["TEXTS"]
    path = ROOT / "translations" / f"hcflcm_{code}.ts"
    tree = ET.parse(path)
    missing = []
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        # Texts gone from the sources are dropped, as lupdate -no-obsolete does.
        for message in context.findall("message"):
            if message.find("translation").get("type") in ("vanished", "obsolete"):
                context.remove(message)
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            finished = translation.get("type") is None and (translation.text or translation.findall("numerusform"))
            if finished and not again:
                continue
            text = table.get(f"{name}|{source}", table.get(source))
            if text is None:
                missing.append(f"{name}|{source}")
                continue
            if message.get("numerus") == "yes":
                # One text for a count stands for every form the language has.
                wanted = max(1, len(translation.findall("numerusform")))
                forms = text if isinstance(text, list) else [text] * wanted
                for old in translation.findall("numerusform"):
                    translation.remove(old)
                translation.text = None
                for form in forms:
                    ET.SubElement(translation, "numerusform").text = form
            else:
                translation.text = text
            translation.attrib.pop("type", None)
    # Laid out as lupdate lays it out: contexts at the left margin.
    ET.indent(tree, space="    ")
    body = ET.tostring(tree.getroot(), encoding="unicode")
    lines = [line[4:] if line.startswith("    ") else line for line in body.split("\n")]
    path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + "\n".join(lines) + "\n",
                    encoding="utf-8")
    for key in missing:
        print(f"{code}: no translation for {key!r}", file=sys.stderr)
    return not missing


if __name__ == "__main__":
    again = "--again" in sys.argv[1:]
    results = [fill(code, again) for code in sys.argv[1:] if code != "--again"]
    sys.exit(0 if all(results) else 1)
