#!/bin/sh
# blazemere [/s | /c | /p WINDOW-ID | --xscreensaver]: starts the installed
# screen-saver host. Without arguments it runs the saver (/s). The host
# replaces this script, so that XScreenSaver, which ends its display mode by
# signalling the process it started, reaches the host itself.
here=$(dirname "$(readlink -f "$0")")
host="$here/../lib/blazemere/Blazemere.scr"
if [ $# -eq 0 ]; then
  exec "$host" /s
fi
exec "$host" "$@"
