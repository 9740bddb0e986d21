#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Calmora Studio
#
# SPDX-License-Identifier: EUPL-1.2

"""Builds the web edition's single HTML file from its template.

Replaces every marker of the template:
  {{text:NAME}}  the text of NAME, a file next to the template;
  {{data:NAME}}  a data: URL (base64) of NAME, a file of the assets folder;
  {{form:NAME}}  the text NAME of the JSON object in the --texts file (the
                 form and award layers' texts, printed by page_texts.cpp),
                 escaped for HTML;
  {{rows:NAME}}  the list NAME of that object, {id, label, omittedWhenEmpty}
                 rows, as a label and an output each (the award check's
                 figures: the page holds no list of them);
  {{module}}     the WebAssembly module's JavaScript;
  {{wasm}}       its WebAssembly, compressed with gzip, in base64: a third
                 of the plain WebAssembly's base64, and decompressed by the
                 browser while it compiles.
A "</script" inside inlined text would end its element early, so it is
written "<\\/script", which JavaScript reads the same. Fails on a marker it
does not know, so nothing half-inlined is written.
"""
import argparse
import base64
import gzip
import html
import json
import mimetypes
import os
import re
import sys

MIME_TYPES = {".jpg": "image/jpeg", ".png": "image/png"}


def data_url(path):
    kind = MIME_TYPES.get(os.path.splitext(path)[1]) or mimetypes.guess_type(path)[0]
    with open(path, "rb") as file:
        return "data:%s;base64,%s" % (kind, base64.b64encode(file.read()).decode("ascii"))


def script_safe(text):
    return re.sub(r"</(script)", r"<\\/\1", text, flags=re.IGNORECASE)


# A figure's row: its label, then the output that shows it; the note's
# stays hidden until it says something.
FIGURE_ROW = ('<label id="{id}Label" for="{id}Output"{hidden}>{label}:</label>\n'
              '<output id="{id}Output" class="edit result"{hidden}></output>')


def figure_rows(rows):
    return "\n".join(FIGURE_ROW.format(id=html.escape(row["id"]), label=html.escape(row["label"]),
                                       hidden=" hidden" if row["omittedWhenEmpty"] else "") for row in rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--template", required=True)
    parser.add_argument("--module", required=True)
    parser.add_argument("--wasm", required=True)
    parser.add_argument("--assets", required=True)
    parser.add_argument("--texts", required=True)
    parser.add_argument("--output", required=True)
    args = parser.parse_args()

    here = os.path.dirname(os.path.abspath(args.template))
    with open(args.template, encoding="utf-8") as file:
        page = file.read()
    with open(args.texts, encoding="utf-8") as file:
        texts = json.load(file)

    def replace(match):
        kind, _, name = match.group(1).partition(":")
        if kind == "text":
            with open(os.path.join(here, name), encoding="utf-8") as file:
                return script_safe(file.read())
        if kind == "data":
            return data_url(os.path.join(args.assets, name))
        if kind == "form" and isinstance(texts.get(name), str):
            return html.escape(texts[name])
        if kind == "rows" and isinstance(texts.get(name), list):
            return figure_rows(texts[name])
        if kind == "wasm":
            with open(args.wasm, "rb") as file:
                # No time stamp in the header, so that a build is reproducible.
                return base64.b64encode(gzip.compress(file.read(), compresslevel=9, mtime=0)).decode("ascii")
        if kind == "module":
            with open(args.module, encoding="utf-8") as file:
                return script_safe(file.read())
        sys.exit("inline_page.py: unknown marker {{%s}}" % match.group(1))

    page = re.sub(r"\{\{([a-z]+(?::[A-Za-z0-9_.-]+)?)\}\}", replace, page)
    temporary = args.output + ".part"
    with open(temporary, "w", encoding="utf-8") as file:
        file.write(page)
    os.replace(temporary, args.output)


if __name__ == "__main__":
    main()
