#!/usr/bin/env bash
# Builds the VST3 and VST 2 plug-ins in Release, installs them into ~/.vst3
# and ~/.vst (replacing older copies), builds the AAX bundle (installed
# nowhere: no Linux host of that format exists) and renders the demo signal
# through all three (the VST3 in JUCE's VST3 hosting, the others in our own
# hosts) into WAV files, comparing each with the VST3's.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/build-env.sh"

bash "$repo_root/scripts/setup-debian.sh"
configure
cmake --build "$build_dir" -j "$jobs" --target PandrelTQ4418_VST3 PandrelTQ4418_VST2 PandrelTQ4418_AAX pandrel

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

# The VST 2 .so, the same way.
so_name="Pandrel TQ4418.so"
vst_dir="$HOME/.vst"
mkdir -p "$vst_dir"
cp "$build_dir/processor/PandrelTQ4418_artefacts/Release/VST/$so_name" "$vst_dir/.$so_name.new"
mv -f "$vst_dir/.$so_name.new" "$vst_dir/$so_name"
echo "Installed $vst_dir/$so_name"

aax_bundle="$build_dir/processor/PandrelTQ4418_artefacts/Release/AAX/Pandrel TQ4418.aax"
echo "Built the AAX bundle $aax_bundle"

out_dir="${PANDREL_OUT_DIR:-$repo_root/out}"
"$build_dir/tools/pandrel" render --plugin "$installed" --plugin "$vst_dir/$so_name" --plugin "$aax_bundle" --out "$out_dir"
