#!/usr/bin/env python3
"""Checks that every folder of src/ includes only headers of its own folder and the folders
before it in src/layers.txt, and links only their libraries.

check_layers.py SRC_DIR            prints each breach as FILE:LINE and exits 1 if there is one
check_layers.py --self-test        runs the check on made-up trees and exits 1 if it misjudges one
"""
import pathlib
import re
import sys
import tempfile

INCLUDE = re.compile(r'^\s*#\s*include\s*["<]([^">]+)[">]')
LINK = re.compile(r'\bvelora_([a-z]+)')


def read_layers(src):
    lines = (src / "layers.txt").read_text().splitlines()
    return [line.strip() for line in lines if line.strip() and not line.startswith("#")]


def breaches(src):
    layers = read_layers(src)
    rank = {name: k for k, name in enumerate(layers)}
    found = []
    for folder in layers:
        for path in sorted((src / folder).rglob("*")):
            if not path.is_file():
                continue
            lines = path.read_text(errors="replace").splitlines()
            for number, line in enumerate(lines, 1):
                if path.suffix in (".h", ".cpp"):
                    match = INCLUDE.match(line)
                    named = match and match.group(1).split("/")[0]
                    if named in rank and rank[named] > rank[folder]:
                        found.append(f"{path}:{number}: {folder} includes {match.group(1)}, "
                                     f"a folder above it")
                elif path.name == "CMakeLists.txt" and "target_link_libraries" in line:
                    for library in LINK.findall(line):
                        if library in rank and rank[library] > rank[folder]:
                            found.append(f"{path}:{number}: {folder} links velora_{library}, "
                                         f"a library above it")
    return found


def self_test():
    with tempfile.TemporaryDirectory() as temp:
        src = pathlib.Path(temp)
        (src / "layers.txt").write_text("# lowest first\nbase\nformats\ngui\n")
        for folder in ("base", "formats", "gui"):
            (src / folder).mkdir()
        (src / "formats" / "table.h").write_text('#include <array>\n#include "base/result.h"\n')
        (src / "gui" / "panel.cpp").write_text('#include "formats/table.h"\n#include "panel.h"\n')
        if breaches(src):
            return "a tree that keeps the order was judged broken"
        (src / "formats" / "table.cpp").write_text('#include "formats/table.h"\n\n#include "gui/panel.h"\n')
        (src / "base" / "CMakeLists.txt").write_text("target_link_libraries(velora_base PUBLIC velora_formats)\n")
        found = breaches(src)
        expected = [f"{src / 'base' / 'CMakeLists.txt'}:1:", f"{src / 'formats' / 'table.cpp'}:3:"]
        if [line.split(" ")[0] for line in found] != expected:
            return f"expected breaches at {expected}, found {found}"
    return None


def main():
    if sys.argv[1:] == ["--self-test"]:
        failure = self_test()
        print(failure or "the check judges made-up trees rightly")
        return 1 if failure else 0
    found = breaches(pathlib.Path(sys.argv[1]))
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
