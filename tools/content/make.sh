#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the six lesson content tables into resources/DATA/ from the sources in this folder.
# Needs only python3; nothing to install.
set -eu
exec python3 "$(dirname "$0")/make-tables.py"
