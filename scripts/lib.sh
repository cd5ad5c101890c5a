# Shared helpers for the scripts in this folder. Sourced, never run.
#
# After sourcing, the working directory is the repository root, so every path
# below is relative to it whatever directory the caller started in.

ppicalcRoot="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ppicalcRoot"

# Third-party builds that must outlive a fresh clone live outside the tree.
: "${PPICALC_DEPS_DIR:=/opt/ppicalc-deps}"
: "${PPICALC_LIBPNG_WIN32_DIR:=$PPICALC_DEPS_DIR/libpng-i686}"
: "${PPICALC_LIBPNG_SOURCE_DIR:=$PPICALC_DEPS_DIR/libpng-source}"
export PPICALC_DEPS_DIR PPICALC_LIBPNG_WIN32_DIR PPICALC_LIBPNG_SOURCE_DIR

# The machine has two cores shared with other work.
: "${PPICALC_JOBS:=2}"

Say() { printf '==> %s\n' "$*"; }
Warn() { printf 'warning: %s\n' "$*" >&2; }
Die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Seconds since the epoch, for stage timings.
Now() { date +%s; }

# Configures one build tree: Configure DIR [cmake args...]. Configuring every
# time picks up folders that gained a CMakeLists.txt since the last run (the
# subfolder lists are globbed at configure time).
Configure() {
    local dir="$1"
    shift
    Say "configure $dir"
    cmake -S . -B "$dir" -G Ninja "$@"
}

# Configures and builds one build tree: ConfigureAndBuild DIR [cmake args...]
ConfigureAndBuild() {
    Configure "$@"
    Say "build $1"
    cmake --build "$1" -j "$PPICALC_JOBS"
}

BuildNative() {
    ConfigureAndBuild build/native
}

# The Windows build runs tools made by the native build (the form-description
# writer), so the native tree must be built first.
BuildWin32() {
    ConfigureAndBuild build/win32 \
        -DCMAKE_TOOLCHAIN_FILE="$ppicalcRoot/cmake/toolchain-i686-mingw.cmake" \
        -DPPICALC_NATIVE_TOOLS_DIR="$ppicalcRoot/build/native"
}
