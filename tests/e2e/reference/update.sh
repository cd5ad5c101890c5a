#!/usr/bin/env bash
# Takes the reference screenshots of the main window again from the built
# program, once with visual styles on and once off, each in a fresh Wine rig.
# Run it after a deliberate change of the window's look, look at the images,
# and commit them.
#
#   tests/e2e/reference/update.sh [windows-build-dir]    (default: build/win32)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
build=$(cd "${1:-$root/build/win32}" && pwd)
for file in "$build/app/ppicalc.exe" "$build/tests/e2e/e2e_tests.exe"; do
    [[ -f $file ]] || { echo "error: $file is missing; build the Windows targets first" >&2; exit 1; }
done

for theme in 1 0; do
    (
        export PPICALC_WINE_THEME=$theme
        # shellcheck source=../../wine/rig.sh
        source "$root/tests/wine/rig.sh"
        WineRigStart
        PPICALC_EXE="$build/app/ppicalc.exe" PPICALC_WRITE_REFERENCE=1 \
            wine "$build/tests/e2e/e2e_tests.exe" --gtest_filter='PictureTest.WholeWindowMatchesTheReference'
    )
done
ls -l "$root"/tests/e2e/reference/*.bmp
