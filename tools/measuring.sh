# The start every measuring script shares, sourced first thing: from the
# repository's root, the script runs again on a private Xvfb, as a user of
# its own whose folders lie in a scratch folder inside the build folder.
#   start_measuring BUILD "$0" ARGS...  re-runs the script there unless it runs
#                                       there already; then sets $scratch and
#                                       points HOME and the XDG folders into it
cd "$(dirname "${BASH_SOURCE[0]}")/.."

start_measuring() {
  local build=$1; shift
  if [ -z "${BLAZEMERE_MEASURING:-}" ]; then
    BLAZEMERE_MEASURING=1 exec tools/with-xvfb.sh bash "$@"
  fi
  scratch=$(mktemp -d "$build/measure.XXXXXX")
  export HOME=$scratch/home XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
  mkdir -p "$HOME"
}
