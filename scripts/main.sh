#!/usr/bin/env bash
# Builds in Release and renders the demo signal through the three flanger
# models into WAV files.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build-env.sh"

bash "$repo_root/scripts/setup-debian.sh"
configure
cmake --build "$build_dir" -j "$jobs" --target pandrel

out_dir="${PANDREL_OUT_DIR:-$repo_root/out}"
"$build_dir/tools/pandrel" render --out "$out_dir"
