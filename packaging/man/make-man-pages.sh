#!/usr/bin/env bash
# Writes the manual pages zephlo-tool.1.gz and zephlo.1.gz into OUTDIR from
# the programs' own --help texts (with help2man), each command of zephlo-tool
# with its whole help. Usage: make-man-pages.sh OUTDIR ZEPHLO-TOOL [ZEPHLO]
set -euo pipefail
out=$1 tool=$2 editor=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"

# Text as roff: backslashes doubled, a leading dot or quote made plain.
roff() { sed -e 's/\\/\\e/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"; }

# help2man would take the overview's command lines for options; they go in
# verbatim instead, followed by every command's own help.
commands="$out/zephlo-tool-commands.h2m"
{
  echo "[=DESCRIPTION]"
  echo ".nf"
  "$tool" --help | tail -n +2 | roff
  echo ".fi"
  echo "[COMMANDS]"
  "$tool" --help | sed -n 's/^  \([a-z][a-z-]*\).*/\1/p' | while read -r command; do
    echo ".SS $command"
    echo ".nf"
    "$tool" "$command" --help | roff
    echo ".fi"
  done
} >"$commands"

help2man --no-info --section=1 --name="check, describe, convert and draw X-Wing Alliance missions" \
  --include="$commands" --include="$here/zephlo-tool.h2m" --output="$out/zephlo-tool.1" "$tool"
gzip -9nf "$out/zephlo-tool.1"

if [ -n "$editor" ]; then
  # The editor answers --help without a display.
  QT_QPA_PLATFORM=offscreen help2man --no-info --section=1 \
    --include="$here/zephlo.h2m" --output="$out/zephlo.1" "$editor"
  gzip -9nf "$out/zephlo.1"
fi
