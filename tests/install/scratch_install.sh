# Sourced by the install checks: a scratch folder removed on exit, `quiet` to run a
# step showing its output only when it fails, and the build installed into
# "$scratch/prefix". Expects $build to name the build folder.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
quiet() {
  "$@" >"$scratch/step.log" 2>&1 || { cat "$scratch/step.log" >&2; return 1; }
}
quiet cmake --install "$build" --prefix "$scratch/prefix"
