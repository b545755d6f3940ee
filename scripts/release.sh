#!/usr/bin/env bash
# Installs what is missing, builds the release tree with the benchmarks and the artwork
# generators, checks that the generators give the committed artwork (byte for byte, or but for a
# level of rounding at antialiased edges), and builds the Debian package with scripts/package.sh.
set -euo pipefail
source "$(dirname "$0")/common.sh"

tvdl_install_packages dpkg-dev debhelper lintian devscripts file
tvdl_become_owner "$@"
build="$TVDL_ROOT/build/release"
cmake -S "$TVDL_ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTVDL_WERROR=ON -DCMAKE_INSTALL_PREFIX=/usr \
      -DTVDL_TESTS=OFF -DTVDL_BENCH=ON -DTVDL_TOOLS=ON >/dev/null
cmake --build "$build"

# Each generator with the folder under assets/ that it writes.
tvdl_runtime_dir
tvdl_temp_dir art artwork
export QT_QPA_PLATFORM=offscreen
"$build/tools/make_card_sheets" "$art/sheets" >/dev/null
"$build/tools/make_ui_art" "$art" >/dev/null
differ=0
while IFS= read -r file; do
    cmp -s "$art/$file" "$TVDL_ROOT/assets/$file" && continue
    # Antialiased edges that fall half way may round a level apart on another processor.
    if nearly="$("$build/tools/same_picture" "$art/$file" "$TVDL_ROOT/assets/$file")"; then
        echo "artwork: assets/$file as drawn, but for rounding ($nearly)"
    else
        echo "artwork: assets/$file differs from what the generator draws" >&2
        differ=1
    fi
done < <(cd "$art" && find . -type f | sed 's|^\./||' | sort)
for folder in "$art"/*/; do
    folder="$(basename "$folder")"
    while IFS= read -r file; do
        [ -e "$art/$folder/$file" ] || { echo "artwork: assets/$folder/$file is drawn by no generator" >&2; differ=1; }
    done < <(cd "$TVDL_ROOT/assets/$folder" && find . -type f -name '*.png' | sed 's|^\./||' | sort)
done
[ "$differ" -eq 0 ] || exit 1
echo "Artwork: the generators reproduce every committed picture."

"$TVDL_ROOT/scripts/package.sh"
