#!/usr/bin/env bash
# Rebuilds the template writer (host preset) and rewrites assets/dox.doc with it.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$top"
cmake --preset host >/dev/null
cmake --build --preset host --target write-template
build/host/tools/template/write-template assets/dox.doc
echo "wrote assets/dox.doc ($(wc -c <assets/dox.doc) bytes)"
