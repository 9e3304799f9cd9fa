# Sourced by the completion tests: a scratch home for torvane-cli, removed on exit, holding
# one preset, whose name is in $scratch_preset.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
export XDG_STATE_HOME=$scratch/state XDG_CACHE_HOME=$scratch/cache
scratch_preset='Holiday Photos'
mkdir -p "$XDG_DATA_HOME/Torvane/Presets"
: >"$XDG_DATA_HOME/Torvane/Presets/$scratch_preset.tva"
