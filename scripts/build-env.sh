# Shared by the main and test scripts: where to build and how.
# shellcheck shell=bash
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="${PANDREL_BUILD_DIR:-$repo_root/build}"
jobs=$(nproc)

# juce_core uses __DATE__, so ccache needs time_macros to be sloppy; a shared
# base directory lets clones in other folders share the cache.
export CCACHE_SLOPPINESS=time_macros
export CCACHE_BASEDIR="$repo_root"

configure() {
    local launcher=()
    if command -v ccache >/dev/null; then
        launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S "$repo_root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" "$@"
}
