#!/usr/bin/env python3
"""Puts the web page's site together from its parts: every part but the
licence texts under a name that carries a hash of its content
(qob.js -> qob.1a2b3c4d5e.js), so that one page always names one matching
set of files and a browser never takes one release's file for another's;
then the page, the web app manifest and the service worker written from
their templates with those names.

In a template, {{NAME}} stands for the site's name of the part NAME,
{{FILES}} for a JSON object from each hashed part's name to its site name,
{{CACHE}} for a name of the whole release, and {{KEEP}} for the JSON list of
every file the service worker keeps.

Usage: make_site.py PARTS TEMPLATES SITE
PARTS holds the parts, TEMPLATES index.html, manifest.webmanifest and sw.js;
SITE is made anew.
"""

import hashlib
import json
import os
import re
import shutil
import sys

TEMPLATES = ["index.html", "manifest.webmanifest", "sw.js"]
# Parts kept under their own names: texts people look for by name.
PLAIN = {"LICENSE.txt", "font/LICENSE.txt"}


def digest(data, length=10):
    return hashlib.sha256(data).hexdigest()[:length]


def hashed_name(name, data):
    stem, dot, extension = name.rpartition(".")
    return f"{stem}.{digest(data)}.{extension}" if dot else f"{name}.{digest(data)}"


def parts(folder):
    """Every file under FOLDER, by its name relative to it, in sorted order."""
    found = []
    for below, _, names in os.walk(folder):
        relative = os.path.relpath(below, folder)
        found += [os.path.normpath(os.path.join(relative, n)).replace(os.sep, "/") for n in names]
    return sorted(found)


def fill(template, names, words):
    def replace(match):
        key = match.group(1)
        if key in words:
            return words[key]
        if key in names:
            return names[key]
        raise KeyError(f"{{{{{key}}}}} names no part")

    return re.sub(r"\{\{([^{}]+)\}\}", replace, template)


def make_site(parts_folder, templates_folder, site):
    names = {}
    contents = {}
    for name in parts(parts_folder):
        with open(os.path.join(parts_folder, name), "rb") as file:
            data = file.read()
        names[name] = name if name in PLAIN else hashed_name(name, data)
        contents[names[name]] = data
    hashed = {plain: site_name for plain, site_name in names.items() if plain not in PLAIN}
    words = {"FILES": json.dumps(hashed, sort_keys=True)}
    for template in TEMPLATES[:2]:
        with open(os.path.join(templates_folder, template), encoding="utf-8") as file:
            contents[template] = fill(file.read(), names, words).encode()
    # The release's name comes from all it holds, the worker's list aside.
    release = hashlib.sha256()
    for name in sorted(contents):
        release.update(name.encode() + b"\0" + contents[name])
    keep = ["./"] + sorted(contents)
    words.update(CACHE="vidad-" + release.hexdigest()[:10], KEEP=json.dumps(keep))
    with open(os.path.join(templates_folder, TEMPLATES[2]), encoding="utf-8") as file:
        contents[TEMPLATES[2]] = fill(file.read(), names, words).encode()

    shutil.rmtree(site, ignore_errors=True)
    for name, data in contents.items():
        path = os.path.join(site, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as file:
            file.write(data)


if __name__ == "__main__":
    make_site(*sys.argv[1:4])
