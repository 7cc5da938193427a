#!/usr/bin/env bash
# Installs those of the named Debian packages that are not installed yet.
# Other builds on the machine may run apt at the same time, so every apt-get
# waits for the locks instead of failing at once.
# Usage: tools/install-packages.sh PACKAGE...
set -euo pipefail

lock_wait=600

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ "${#missing[@]}" -gt 0 ] || exit 0

export DEBIAN_FRONTEND=noninteractive

# DPkg::Lock::Timeout covers dpkg's own lock only; "update" takes the lock of
# the package lists without waiting, so it is tried again while another apt
# holds that one.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
deadline=$((SECONDS + lock_wait))
until as_root apt-get -o DPkg::Lock::Timeout=$lock_wait update -qq 2>"$log"; do
  if grep -q 'Could not get lock' "$log" && [ "$SECONDS" -lt "$deadline" ]; then
    sleep 5
  else
    cat "$log" >&2; exit 1
  fi
done
cat "$log" >&2

as_root apt-get -o DPkg::Lock::Timeout=$lock_wait install -y -qq --no-install-recommends "${missing[@]}"
