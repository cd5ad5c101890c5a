#!/usr/bin/env bash
# Start-up time and size of ppicalc.exe against a bare Win32 window program.
#
#   bench/startup/measure.sh [PPICALC_EXE]
#
# PPICALC_EXE defaults to build/win32/app/ppicalc.exe. Builds bare_window.exe
# and startup_timer.exe (bench/startup/programs) with the project's i686
# toolchain and flags into $PPICALC_STARTUP_BUILD (default build/startup-bench),
# starts the Wine rig (tests/wine/rig.sh), times RUNS (default 20) starts of
# each program to its first painted window, and prints both medians, their
# ratio and the stripped size of ppicalc.exe against the targets:
#   ratio of the medians <= 1.10, stripped size <= 400 KB.
# Exits 0 when both targets are met, 3 when one is missed, 1 on errors.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
ppicalc=$(realpath "${1:-$root/build/win32/app/ppicalc.exe}")
runs=${RUNS:-20}
buildDir=${PPICALC_STARTUP_BUILD:-$root/build/startup-bench}
maxRatio=1.10
maxBytes=$((400 * 1024))

[[ -f $ppicalc ]] || { echo "error: no $ppicalc; build the Windows tree first" >&2; exit 1; }

cmake -S "$root/bench/startup/programs" -B "$buildDir" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$buildDir" -j2 >/dev/null

# The size a user downloads: the program without its symbols.
stripped=$(mktemp --suffix=.exe)
trap 'rm -f "$stripped"' EXIT
i686-w64-mingw32-strip -o "$stripped" "$ppicalc"
size=$(stat -c %s "$stripped")
rm -f "$stripped"

source "$root/tests/wine/rig.sh"
WineRigStart >/dev/null

WindowsPath() { printf 'Z:%s' "${1//\//\\}"; }
bare=$(WindowsPath "$buildDir/bare_window.exe")
program=$(WindowsPath "$ppicalc")
timings=$(wine "$buildDir/startup_timer.exe" "$runs" "$program" "$bare" | tr -d '\r')
WineRigStop

# The paths go through the environment: awk -v would read their backslashes
# as escapes.
MedianOf() { WANTED=$1 awk '$1 == "median" && $3 == ENVIRON["WANTED"] { print $2 }' <<<"$timings"; }
medianProgram=$(MedianOf "$program")
medianBare=$(MedianOf "$bare")
[[ -n $medianProgram && -n $medianBare ]] || { echo "error: no timings:" >&2; echo "$timings" >&2; exit 1; }

ratio=$(awk -v a="$medianProgram" -v b="$medianBare" 'BEGIN { printf "%.3f", a / b }')
ratioOk=$(awk -v r="$ratio" -v m="$maxRatio" 'BEGIN { print (r <= m) ? "ok" : "MISSED" }')
sizeOk=$([[ $size -le $maxBytes ]] && echo ok || echo MISSED)

printf 'start-up to first painted window, median of %d runs:\n' "$runs"
printf '  ppicalc.exe      %8.2f ms\n' "$medianProgram"
printf '  bare_window.exe  %8.2f ms\n' "$medianBare"
printf '  ratio            %8s    (target <= %s) %s\n' "$ratio" "$maxRatio" "$ratioOk"
printf 'stripped ppicalc.exe: %d bytes (%.1f KB; target <= 400 KB) %s\n' "$size" \
    "$(awk -v s="$size" 'BEGIN { print s / 1024 }')" "$sizeOk"

[[ $ratioOk == ok && $sizeOk == ok ]] || exit 3
