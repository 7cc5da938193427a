#!/bin/sh
# blazemere [/s | /c | /p WINDOW-ID]: starts the installed screen-saver host.
# Without arguments it runs the saver (/s).
here=$(dirname "$(readlink -f "$0")")
host="$here/../lib/blazemere/Blazemere.scr"
if [ $# -eq 0 ]; then
  exec "$host" /s
fi
exec "$host" "$@"
