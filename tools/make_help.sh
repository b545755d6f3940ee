#!/usr/bin/env bash
# Rebuilds assets/help/tvdl.chm from the HTML sources beside it. Needs chmcmd (Debian fp-utils),
# which is too large to install in every build, so the built file is committed; run this after
# changing a page and commit both.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if ! command -v chmcmd >/dev/null; then
    echo "chmcmd not found: apt-get install --no-install-recommends fp-utils" >&2
    exit 1
fi

stage="$(mktemp -d /tmp/tvdl-help.XXXXXX)"
trap 'rm -rf "$stage"' EXIT
cp -r "$root/assets/help/." "$stage/"
rm -f "$stage/tvdl.chm"
mkdir -p "$stage/img"
# The pictures come from the game's own artwork, so the help always shows today's buttons.
cp "$root/docs/screenshot.png" "$stage/img/board.png"
for button in new reset mix options statistic exit tongue help info; do
    cp "$root/assets/ui/btn_$button.png" "$stage/img/"
done

(cd "$stage" && chmcmd tvdl.hhp >/dev/null)
cp "$stage/tvdl.chm" "$root/assets/help/tvdl.chm"
echo "Wrote $root/assets/help/tvdl.chm ($(stat -c %s "$root/assets/help/tvdl.chm") bytes)"
