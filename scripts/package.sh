#!/usr/bin/env bash
# Installs what is missing and builds the Debian package from debian/ as a distribution would
# (build/package/tvdl_*.deb), then checks it: lintian must report no error and no warning, and
# every program and module in it must pass hardening-check. The package's own test run is skipped
# (DEB_BUILD_OPTIONS=nocheck) unless the caller sets DEB_BUILD_OPTIONS: scripts/test.sh runs the
# suite.
set -euo pipefail
source "$(dirname "$0")/common.sh"

tvdl_install_packages dpkg-dev debhelper lintian devscripts file
tvdl_become_owner "$@"

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
tvdl_hardening_check "${programs[@]}"

dpkg-deb --info "$package"
dpkg-deb --contents "$package"
echo "Package: $package"
