#!/usr/bin/env bash
# Builds the VST3 plug-in in Release, installs it into ~/.vst3 (replacing an
# older copy), and renders the demo signal through the installed plug-in,
# loaded with JUCE's VST3 hosting, into WAV files.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build-env.sh"

bash "$repo_root/scripts/setup-debian.sh"
configure
cmake --build "$build_dir" -j "$jobs" --target PandrelTQ4418_VST3 pandrel

bundle_name="Pandrel TQ4418.vst3"
built="$build_dir/processor/PandrelTQ4418_artefacts/Release/VST3/$bundle_name"
vst3_dir="$HOME/.vst3"
installed="$vst3_dir/$bundle_name"

# Copy beside the old bundle first, so a failed copy leaves the old one whole.
mkdir -p "$vst3_dir"
staging="$vst3_dir/.$bundle_name.new"
rm -rf "$staging"
cp -R "$built" "$staging"
rm -rf "$installed"
mv "$staging" "$installed"
echo "Installed $installed"

out_dir="${PANDREL_OUT_DIR:-$repo_root/out}"
"$build_dir/tools/pandrel" render --plugin "$installed" --out "$out_dir"
