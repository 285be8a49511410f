#!/usr/bin/env bash
# Settings of the private wine prefix for the window tests: Chinese fonts for 宋体 (SimSun) and
# the dialog fonts, from the Debian CJK fonts; and Wine drawing window frames itself, since the
# virtual X screen has no window manager.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
reg() { "$here/wine-run.sh" reg add "$@" /f >/dev/null 2>&1; }
substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
for face in 宋体 SimSun 'MS Shell Dlg' 'MS Shell Dlg 2' Tahoma; do
  reg "$substitutes" /v "$face" /t REG_SZ /d 'AR PL UMing CN'
done
reg 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N
