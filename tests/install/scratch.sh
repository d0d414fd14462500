# Sourced by the install checks: a scratch folder removed on exit, and `quiet` to run a
# step showing its output only when it fails. With $build set, that build is also
# installed into "$scratch/prefix".
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
quiet() {
  "$@" >"$scratch/step.log" 2>&1 || { cat "$scratch/step.log" >&2; return 1; }
}
if [ -n "${build:-}" ]; then
  quiet cmake --install "$build" --prefix "$scratch/prefix"
fi
