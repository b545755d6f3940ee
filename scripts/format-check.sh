#!/usr/bin/env bash
# Fails when a C++ file of the repository differs from what clang-format makes of it under the
# repository's .clang-format, and names the files; `--fix` rewrites them instead.
set -euo pipefail
source "$(dirname "$0")/common.sh"
tvdl_install_packages clang-format
cd "$TVDL_ROOT"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
drift=()
for file in "${files[@]}"; do
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || drift+=("$file")
done
if [ ${#drift[@]} -gt 0 ]; then
    echo "These files differ from .clang-format (scripts/format-check.sh --fix rewrites them):" >&2
    printf '  %s\n' "${drift[@]}" >&2
    exit 1
fi
echo "All ${#files[@]} C++ files follow .clang-format."
