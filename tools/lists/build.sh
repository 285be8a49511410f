#!/usr/bin/env bash
# Rebuilds all eight carried word lists in assets/ from their pinned sources. The program's
# build never runs this; its outputs are committed.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bash "$here/characters-words/build.sh"
bash "$here/idioms-mottos/build.sh"
