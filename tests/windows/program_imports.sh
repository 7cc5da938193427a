#!/usr/bin/env bash
# The programs are linked statically: each imports only DLLs that every
# Windows has, so copying the programs alone onto a PC is enough. A library
# of ours or of the compiler's (libstdc++, libgcc, winpthread, freeglut,
# libjpeg) showing up here would be missing there.
# Usage: program_imports.sh OBJDUMP PROGRAM...
set -uo pipefail
objdump=$1; shift
system_dlls='^(kernel32|user32|gdi32|advapi32|shell32|comdlg32|comctl32|ole32|winmm|opengl32|glu32|version|msvcrt)\.dll$'
failed=0
for program in "$@"; do
  imports=$("$objdump" -p "$program" | awk '/DLL Name:/ { print $3 }' | sort -u)
  foreign=$(grep -viE "$system_dlls" <<<"$imports")
  if [ -n "$imports" ] && [ -z "$foreign" ]; then
    echo "ok      $(basename "$program"): $(paste -sd ' ' <<<"$imports")"
  else
    echo "FAILED  $(basename "$program"): not a system DLL: ${foreign:-(no imports read)}"
    failed=1
  fi
done
exit "$failed"
