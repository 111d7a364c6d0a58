#!/usr/bin/env python3
"""Writes a pseudo-translation of a Qt Linguist catalogue: every source text
accented and about 40 % longer, so that layouts can be checked for a
longer language before a real one is shipped.

    pseudo-translate.py IN.ts OUT.ts

Placeholders (%1, %n, %L2), mnemonics (&), markup and line breaks are kept
as they are; numerus messages get the two forms the file's language has."""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTS = str.maketrans(
    "AaCcEeIiLlNnOoSsUuYyZz",
    "ÅåÇçÉéÎîĽľÑñÖöŠšÛûÝýŽž")
# What must pass unchanged: placeholders, entities, markup, escapes.
KEEP = re.compile(r"(%L?\d+|%n|&(?:[a-z]+|#\d+);|<[^>]*>|\\n|\n)")


def pseudo(text):
    if not text.strip():
        return text
    parts = KEEP.split(text)
    out = []
    letters = 0
    for i, part in enumerate(parts):
        if i % 2:
            out.append(part)
        else:
            letters += sum(c.isalpha() for c in part)
            out.append(part.translate(ACCENTS))
    # About 40 % longer: padding inside brackets that show where a text
    # begins and ends, so a cut is seen at once.
    pad = max(1, round(letters * 0.4) - 2)
    return "[" + "".join(out) + "·" * pad + "]"


def main(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en_GB")
    for message in root.iter("message"):
        text = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        for child in list(translation):
            translation.remove(child)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(text)
        else:
            translation.text = pseudo(text)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
