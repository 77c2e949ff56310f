#!/bin/sh
# map-com-port.sh PREFIX N LINK: make COMN of the Wine prefix PREFIX reach LINK
# (for example the link of relay-sim).
# The registry value is what Wine uses from its next start on; the device link
# is for a Wine that is already running, which has read the registry already.
set -eu
if [ $# -ne 3 ]; then
  echo "usage: $0 PREFIX N LINK" >&2
  exit 2
fi
prefix=$1 n=$2 link=$3
case $n in
  ''|*[!0-9]*) echo "$0: port number must be digits: $n" >&2; exit 2 ;;
esac
WINEPREFIX=$prefix WINEDEBUG=-all wine reg add 'HKLM\Software\Wine\Ports' \
  /v "COM$n" /t REG_SZ /d "$link" /f </dev/null >/dev/null 2>&1
mkdir -p "$prefix/dosdevices"
ln -sfn "$link" "$prefix/dosdevices/com$n"
