#!/usr/bin/env bash
# Builds everything and runs every test through ctest.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build-env.sh"

bash "$repo_root/scripts/setup-debian.sh"
configure -DPANDREL_BUILD_TESTS=ON
cmake --build "$build_dir" -j "$jobs"

# Editor and menu tests need a display: give them a virtual one.
cd "$build_dir"
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --output-on-failure -j "$jobs" --timeout 900 "$@"
