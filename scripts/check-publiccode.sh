#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Calmora Studio
# SPDX-License-Identifier: EUPL-1.2
#
# Parses publiccode.yml and fails unless it holds what the publiccode.yml
# standard, version 0.4, requires, in the forms it allows: the required keys,
# the enumerated values, the lengths of the descriptions, the files it points
# to, and the licence this tree is under. Prints every problem it finds.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exec /usr/bin/python3 - "$root" <<'PY'
import datetime, os, sys, yaml

root = sys.argv[1]
with open(os.path.join(root, "publiccode.yml"), encoding="utf-8") as f:
    doc = yaml.safe_load(f)
problems = []

def get(path):
    node = doc
    for key in path.split("."):
        if not isinstance(node, dict) or key not in node:
            problems.append(f"missing key {path}")
            return None
        node = node[key]
    return node

def one_of(path, allowed):
    value = get(path)
    if value is not None and value not in allowed:
        problems.append(f"{path} is {value!r}, not one of {sorted(allowed)}")

def non_empty_list(path):
    value = get(path)
    if value is not None and not (isinstance(value, list) and value):
        problems.append(f"{path} must be a non-empty list")
    return value or []

def is_file(path, where):
    if not os.path.isfile(os.path.join(root, path)):
        problems.append(f"{where} names {path}, which is not in the tree")

if get("publiccodeYmlVersion") != "0.4":
    problems.append("publiccodeYmlVersion must be the text \"0.4\"")
for key in ("name", "url"):
    if not isinstance(get(key), str) or not get(key):
        problems.append(f"{key} must be a non-empty text")
if isinstance(doc.get("url"), str) and not doc["url"].startswith("https://"):
    problems.append("url must be the repository's https address")
for platform in ("linux", "web"):
    if platform not in non_empty_list("platforms"):
        problems.append(f"platforms lacks {platform}")
non_empty_list("categories")
one_of("developmentStatus", {"concept", "development", "beta", "stable", "obsolete"})
one_of("softwareType", {"standalone/mobile", "standalone/iot", "standalone/desktop",
                        "standalone/web", "standalone/backend", "standalone/other",
                        "addon", "library", "configurationFiles"})
if "releaseDate" in doc:
    try:
        datetime.date.fromisoformat(str(doc["releaseDate"]))
    except ValueError:
        problems.append("releaseDate is not YYYY-MM-DD")
if "logo" in doc:
    is_file(doc["logo"], "logo")

descriptions = get("description") or {}
if "it" not in descriptions:
    problems.append("description has no Italian (it) entry")
for language, text in descriptions.items():
    where = f"description.{language}"
    short = text.get("shortDescription", "")
    long = text.get("longDescription", "")
    if not short or len(short) > 150:
        problems.append(f"{where}.shortDescription must have 1 to 150 characters, has {len(short)}")
    if not 150 <= len(long) <= 10000:
        problems.append(f"{where}.longDescription must have 150 to 10000 characters, has {len(long)}")
    features = text.get("features") or []
    if not features:
        problems.append(f"{where}.features is missing or empty")
    for feature in features:
        if len(feature) > 100:
            problems.append(f"{where}.features: longer than 100 characters: {feature}")
    for picture in text.get("screenshots", []):
        is_file(picture, f"{where}.screenshots")
if "it" in descriptions and not descriptions["it"].get("screenshots"):
    problems.append("description.it has no screenshots")

license = get("legal.license")
if license != "EUPL-1.2":
    problems.append(f"legal.license is {license!r}, not EUPL-1.2")
is_file("LICENSES/EUPL-1.2.txt", "legal.license")

one_of("maintenance.type", {"internal", "contract", "community", "none"})
maintenance = doc.get("maintenance") or {}
if maintenance.get("type") in ("internal", "community"):
    contacts = maintenance.get("contacts") or []
    if not contacts or not all(isinstance(c, dict) and c.get("name") for c in contacts):
        problems.append("maintenance.contacts must name at least one contact")
if maintenance.get("type") == "contract" and not maintenance.get("contractors"):
    problems.append("maintenance.contractors is required for a contract")

if not isinstance(get("localisation.localisationReady"), bool):
    problems.append("localisation.localisationReady must be true or false")
if "it" not in (get("localisation.availableLanguages") or []):
    problems.append("localisation.availableLanguages lacks it")

for problem in problems:
    print(f"publiccode.yml: {problem}", file=sys.stderr)
if problems:
    sys.exit(1)
print(f"publiccode.yml check: the keys of the 0.4 standard are there "
      f"(Italian long description {len(descriptions['it']['longDescription'])} characters, "
      f"{len(descriptions['it']['screenshots'])} screenshots).")
PY
