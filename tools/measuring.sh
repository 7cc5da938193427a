# The start every measuring script shares, sourced first thing: from the
# repository's root, the script runs again on a private Xvfb, as a user of
# its own whose folders lie in a scratch folder inside the build folder.
#   start_measuring BUILD "$0" ARGS...  re-runs the script there unless it runs
#                                       there already; then sets $scratch and
#                                       points HOME and the XDG folders into it
#   median NAME FIELD                   the median of the number after FIELD on
#                                       the lines of $log that start with NAME
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

median() {
  awk -v p="$1" -v f="$2" '$1 == p { for (i = 2; i < NF; i++) if ($i == f) print $(i + 1) }' "$log" |
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
