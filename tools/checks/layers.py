#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that no source file under src/ includes a header of a higher layer.

The layers, from the bottom:  core;  content (core);  ui (core);  dialogs (ui);
screens (dialogs);  lessons/common, the lesson frame (dialogs, content);  a lesson's
model target (content only) and its window (the frame and its own model);  app
(everything). A lesson's model is the target named lexipond_<lesson>_model in the
lesson's CMakeLists.txt. Prints every offending include and exits 1 when there is one.
"""
import pathlib
import re
import sys

SRC = pathlib.Path(__file__).resolve().parents[2] / "src"
BELOW = {
    "core": {"core"},
    "content": {"core", "content"},
    "ui": {"core", "ui"},
    "dialogs": {"core", "ui", "dialogs"},
    "screens": {"core", "ui", "dialogs", "screens"},
    "lessons/common": {"core", "content", "ui", "dialogs", "lessons/common"},
    "app": None,  # the top: everything
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def model_files(lesson_dir):
    """Sources of the lesson's model target."""
    cmake = (lesson_dir / "CMakeLists.txt").read_text()
    match = re.search(r"add_library\(\s*lexipond_\w+_model\s+\w+\s+([^)]*)\)", cmake)
    return set(match.group(1).split()) if match else set()


def allowed_for(path):
    """The layers `path` may include from, and its own layer; None for no limit."""
    rel = path.relative_to(SRC).as_posix()
    parts = rel.split("/")
    if parts[0] == "lessons" and parts[1] != "common":
        lesson = "lessons/" + parts[1]
        if path.name in model_files(path.parent):
            return {"core", "content", lesson}, True
        return {"core", "content", "ui", "dialogs", "lessons/common", lesson}, False
    layer = "lessons/common" if rel.startswith("lessons/common/") else parts[0]
    if layer not in BELOW:
        sys.exit(f"{rel}: not in a known layer")
    return BELOW[layer], False


def layer_of(include):
    parts = include.split("/")
    if parts[0] == "lessons" and len(parts) > 2:
        return "lessons/" + parts[1]
    return parts[0]


def main():
    faults = []
    for path in sorted(SRC.rglob("*")):
        if path.suffix not in {".h", ".cpp", ".in"}:
            continue
        allowed, model = allowed_for(path)
        if allowed is None:
            continue
        for include in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if "/" not in include:
                continue  # a file beside it or a generated one
            layer = layer_of(include)
            header = SRC / include
            if layer not in allowed:
                faults.append(f"{path.relative_to(SRC)}: includes {include}")
            elif model and layer.startswith("lessons/") and header.name not in model_files(header.parent):
                faults.append(f"{path.relative_to(SRC)}: the model includes its window's {include}")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
