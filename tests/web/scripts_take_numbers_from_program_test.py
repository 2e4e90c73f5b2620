"""The page's scripts take every number the program defines from the program,
which hands them over by name when the page starts (page_numbers.cpp): each
name a script asks for is handed over, each one handed over is asked for,
and no script writes a style bit or an id of its own in hexadecimal. A name
asked for but not handed over throws only when its path runs, which the
browser tests may not reach.

    /usr/bin/python3 tests/web/scripts_take_numbers_from_program_test.py platform/web/src
"""

import glob
import os
import re
import sys

ASKED = re.compile(r"Page\.(?:number|post)\('([^']+)'")
HANDED = re.compile(r"^\s*VIDAD_PAGE_NUMBER\(([\w:]+)\),", re.MULTILINE)
HEX = re.compile(r"\b0[xX][0-9a-fA-F]+\b")


def main(sources):
    scripts = {}
    for path in sorted(glob.glob(os.path.join(sources, "*.js"))):
        with open(path, encoding="utf-8") as f:
            scripts[os.path.basename(path)] = f.read()
    with open(os.path.join(sources, "page_numbers.cpp"), encoding="utf-8") as f:
        handed = set(HANDED.findall(f.read()))
    asked = {name for text in scripts.values() for name in ASKED.findall(text)}
    failures = []
    if not scripts or not handed:
        failures.append(f"no page scripts or no numbers handed over in {sources}")
    failures += [f"a script asks for {name}, which is not handed over"
                 for name in sorted(asked - handed)]
    failures += [f"{name} is handed over but no script asks for it"
                 for name in sorted(handed - asked)]
    failures += [f"{name} writes {number}" for name, text in scripts.items()
                 for number in HEX.findall(text)]
    for failure in failures:
        print(f"FAIL: {failure}")
    print(f"{len(asked & handed)} numbers asked for and handed over, {len(failures)} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main(sys.argv[1])
