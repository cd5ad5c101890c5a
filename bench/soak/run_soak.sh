#!/usr/bin/env bash
# Soak of ppicalc.exe: thousands of calculations through its real window under
# Wine, with the program's memory, handles and GUI objects reported at the
# start, every thousand calculations and at the end.
#
#   bench/soak/run_soak.sh [PPICALC_EXE] [COUNT]
#
# PPICALC_EXE defaults to build/win32/app/ppicalc.exe, COUNT to 10000. Builds
# soak_driver.exe (bench/soak/driver) with the project's i686 toolchain and
# flags into $PPICALC_SOAK_BUILD (default build/soak), starts the Wine rig
# (tests/wine/rig.sh) and runs the driver. Not a timed test: it fails (exit 3)
# only when a result is wrong, the program stops answering for 5 s, or it does
# not close normally; 1 on errors.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ppicalc=$(realpath "${1:-$root/build/win32/app/ppicalc.exe}")
count=${2:-10000}
buildDir=${PPICALC_SOAK_BUILD:-$root/build/soak}

[[ -f $ppicalc ]] || { echo "error: no $ppicalc; build the Windows tree first" >&2; exit 1; }

cmake -S "$root/bench/soak/driver" -B "$buildDir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$buildDir" -j2 >/dev/null

source "$root/tests/wine/rig.sh"
WineRigStart >/dev/null

WindowsPath() { printf 'Z:%s' "${1//\//\\}"; }
status=0
wine "$buildDir/soak_driver.exe" "$(WindowsPath "$ppicalc")" "$count" | tr -d '\r' || status=$?
WineRigStop
exit "$status"
