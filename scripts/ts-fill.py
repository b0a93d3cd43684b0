#!/usr/bin/env python3
"""Lists and fills entries of the Qt Linguist files in resources/translations.

  scripts/ts-fill.py dump LOCALE            unfinished entries of translation_LOCALE.ts as JSON
                                            ([context, source, plural?, comment if any])
  scripts/ts-fill.py fill LOCALE TABLE.json  writes the translations of the table into the file
  scripts/ts-fill.py count                   unfinished entries per locale

A table is a JSON list of [context, source, translation] (with the disambiguating comment as a
fourth element where the text has one); a plural text (source with %n) takes a
list of forms as its translation, in the order the language's plural rules give (German, English,
French, Italian, Spanish: one, other; Japanese: one form; Russian: one, few, many). An entry whose
text is not in the file yet is added as a vanished entry, which lupdate revives, translated, when
the text appears in the sources; the build's lupdate (-no-obsolete) drops such entries, so texts
of another branch are kept with a hand-run lupdate without that option until they land. Run
`cmake --build build --target vantrope_lupdate` afterwards; it rewrites the file in its own layout.
"""
import json
import os
import sys
import xml.etree.ElementTree as ET

TS_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "translations")
LOCALES = ["de_DE", "en_GB", "en_US", "fr_FR", "it_IT", "es_ES", "jp_JP", "ru_RU"]
LIVE = (None, "unfinished")  # types of entries whose text the sources still use


def ts_path(locale):
    return os.path.join(TS_DIR, "translation_%s.ts" % locale)


def messages(root):
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield context, name, message


def unfinished(root):
    for _, name, message in messages(root):
        translation = message.find("translation")
        if translation.get("type") == "unfinished":
            entry = [name, message.findtext("source"), message.get("numerus") == "yes"]
            if message.find("comment") is not None:
                entry.append(message.findtext("comment"))
            yield entry


def set_translation(message, text):
    translation = message.find("translation")
    kind = translation.get("type")
    if isinstance(text, list):
        forms = translation.findall("numerusform")
        if len(forms) != len(text):
            raise SystemExit("%r needs %d plural forms" % (message.findtext("source"), len(forms)))
        for form, value in zip(forms, text):
            form.text = value
    else:
        translation.text = text
    if kind == "unfinished":
        del translation.attrib["type"]


def add_vanished(root, context_name, source, text, comment):
    context = next((c for c in root.iter("context") if c.findtext("name") == context_name), None)
    if context is None:
        context = ET.SubElement(root, "context")
        ET.SubElement(context, "name").text = context_name
    message = ET.SubElement(context, "message")
    ET.SubElement(message, "source").text = source
    if comment is not None:
        ET.SubElement(message, "comment").text = comment
    translation = ET.SubElement(message, "translation", {"type": "vanished"})
    if isinstance(text, list):
        message.set("numerus", "yes")
        for value in text:
            ET.SubElement(translation, "numerusform").text = value
    else:
        translation.text = text


def fill(locale, table_path):
    tree = ET.parse(ts_path(locale))
    root = tree.getroot()
    index = {(name, m.findtext("source"), m.findtext("comment")): m for _, name, m in messages(root)}
    filled = added = 0
    for row in json.load(open(table_path, encoding="utf-8")):
        context_name, source, text = row[:3]
        comment = row[3] if len(row) > 3 else None
        if not text:
            raise SystemExit("empty translation for %r" % source)
        message = index.get((context_name, source, comment))
        if message is None:
            add_vanished(root, context_name, source, text, comment)
            added += 1
        else:
            set_translation(message, text)
            filled += 1
    tree.write(ts_path(locale), encoding="utf-8", xml_declaration=True)
    print("%s: %d filled, %d added for later" % (locale, filled, added))


def main(argv):
    if len(argv) >= 3 and argv[1] == "dump":
        json.dump(list(unfinished(ET.parse(ts_path(argv[2])).getroot())), sys.stdout, ensure_ascii=False, indent=0)
        print()
    elif len(argv) == 4 and argv[1] == "fill":
        fill(argv[2], argv[3])
    elif len(argv) == 2 and argv[1] == "count":
        for locale in LOCALES:
            print(locale, sum(1 for _ in unfinished(ET.parse(ts_path(locale)).getroot())))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
