#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates every piece of content the program ships: word pictures, screen art,
# recordings and effects, write-along animations and the word tables. Each pipeline
# installs what it needs itself; the outputs land in resources/ and Animations/.
set -euo pipefail
cd "$(dirname "$0")"
for pipeline in content pictures screen-art sounds animations; do
    if [ -x "$pipeline/make.sh" ] || [ -f "$pipeline/make.sh" ]; then
        echo "== $pipeline"
        bash "$pipeline/make.sh"
    fi
done
