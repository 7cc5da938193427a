#!/usr/bin/env bash
# Runs one Windows program under Wine and passes on its status; for test
# commands inside tools/with-wine.sh, which sets WINE.
# Usage: wine-program.sh PROGRAM [args...]
set -uo pipefail
: "${WINE:?run inside tools/with-wine.sh}"
exec "$WINE" "$@"
