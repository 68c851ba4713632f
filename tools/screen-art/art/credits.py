# SPDX-License-Identifier: GPL-3.0-or-later
"""resources/credits/screenart.tsv: one row for every file this pipeline ships."""
import os
from .common import REPO, RES

LICENCES = {
    "lexipond-art": "own-work",
    "comic-neue": "OFL-1.1",
    "noto-cjk": "OFL-1.1",
    "fluent-emoji": "MIT",
}


def write(outputs):
    """outputs: (path, source id, notes) for every file written in this run. Rows of files
    that this run did not touch are kept, so that a partial run leaves the table whole."""
    path = os.path.join(RES, "credits", "screenart.tsv")
    rows = {}
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for line in f.read().splitlines()[1:]:
                if line.strip():
                    rows[line.split("\t", 1)[0]] = line
    for out, source, notes in outputs:
        rel = os.path.relpath(out, REPO)
        rows[rel] = "\t".join((rel, source, LICENCES[source], notes))
    # drop rows whose file is gone
    rows = {k: v for k, v in rows.items() if os.path.exists(os.path.join(REPO, k))}
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write("file\tsource\tlicence\tnotes\n")
        for k in sorted(rows):
            f.write(rows[k] + "\n")
