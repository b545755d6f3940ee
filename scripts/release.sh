#!/usr/bin/env bash
# Installs what is missing, builds the release tree with the benchmarks and the artwork
# generators, checks that the generators give the committed artwork byte for byte, and builds the
# Debian package from debian/ as a distribution would (build/package/tvdl_*.deb), with lintian's
# verdict and the hardening of every program in it checked. No tests run here: scripts/test.sh
# runs them (DEB_BUILD_OPTIONS=nocheck unless the caller sets it).
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
    if ! cmp -s "$art/$file" "$TVDL_ROOT/assets/$file"; then
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

# The package is built from a copy of what git tracks (and what is new and not ignored), so that
# neither the build trees nor dpkg-buildpackage's own files land in the clone; the results go to
# build/package.
out="$TVDL_ROOT/build/package"
rm -rf "$out"
mkdir -p "$out/tvdl"
if git -C "$TVDL_ROOT" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    (cd "$TVDL_ROOT" && git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
        tar --null -T - -cf -) | tar -C "$out/tvdl" -xf -
else
    tar -C "$TVDL_ROOT" --exclude='./build*' -cf - . | tar -C "$out/tvdl" -xf -
fi
(cd "$out/tvdl" && DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-nocheck} parallel=$(nproc)" \
    dpkg-buildpackage -us -uc >"$out/build.log" 2>&1) || {
    tail -n 60 "$out/build.log" >&2
    echo "dpkg-buildpackage failed; the whole log is $out/build.log" >&2
    exit 1
}
changes="$(ls "$out"/tvdl_*.changes)"
package="$(ls "$out"/tvdl_*.deb)"

# No errors and no warnings; an override needs its reason beside it in debian/.
lintian --fail-on error,warning --display-level '>=warning' "$changes"
echo "lintian: no errors, no warnings."

# Every program and module in the package is built hardened.
tvdl_temp_dir unpacked package
dpkg-deb -x "$package" "$unpacked"
mapfile -t programs < <(find "$unpacked" -type f -exec file {} + | awk -F: '/ELF/ { print $1 }')
[ ${#programs[@]} -gt 0 ] || { echo "no programs in $package" >&2; exit 1; }
hardening-check "${programs[@]}"

dpkg-deb --info "$package"
dpkg-deb --contents "$package"
echo "Package: $package"
