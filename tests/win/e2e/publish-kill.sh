#!/usr/bin/env bash
# publish-kill.sh BUILD_DIR DRIVER
# The real save and publish path (and putting versions back) killed with
# SIGKILL at random moments, 120 times. Each next start of the driver tells
# what the kill left after the start's tidying: the host must hold a table
# and a bitmap of one version, every listed history entry a whole pair, and
# no temporary or step record may be left.
set -euo pipefail
BUILD_DIR="$(cd "${1:?build folder}" && pwd)"
driver="${2:?driver}"
source "$(dirname "$0")/../../../scripts/wine-env.sh"
kills=120

root="$BUILD_DIR/e2e/publish-kill"  # in the build folder: others may clear /tmp meanwhile
rm -rf "$root"
pid=""
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$root"' EXIT
mkdir -p "$root/work" "$root/host"
winpath() { printf 'Z:%s' "${1//\//\\}"; }
work="$(winpath "$root/work")" host="$(winpath "$root/host")"
log="$root/driver.log"

midstep=0 mixed=0 lost=0 bad=0 left=0 seen=0 slow=0 unchecked=0
# Reads the start line of the driver's last run into the counts.
count_start() {  # whether the run was slow
  local line
  if ! line="$(tr -d "\r" <"$log" | grep -m1 "^start:")"; then
    [ "$1" = slow ] || { cat "$log" >&2; echo "kill: the driver did not start" >&2; exit 1; }
    unchecked=$((unchecked + 1))
    return 0
  fi
  read -r found version entries badentries leftover < <(echo "$line" |
    sed -E 's/start: found (-?[0-9]+), host version (-?[0-9]+), entries ([0-9]+), bad entries ([0-9]+), left ([0-9]+)/\1 \2 \3 \4 \5/')
  ((found > 0)) && midstep=$((midstep + 1))
  ((version == -2)) && mixed=$((mixed + 1))
  ((version == -1 && seen)) && lost=$((lost + 1))
  ((version > 0)) && seen=1
  ((badentries > 0)) && bad=$((bad + 1))
  ((leftover > 0)) && left=$((left + 1))
  return 0
}

for _ in $(seq "$kills"); do
  wine "$driver" "$work" "$host" 100000 </dev/null >"$log" 2>&1 &
  pid=$!
  for _ in $(seq 400); do
    grep -q '^publishing' "$log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  # Now and then a start after a kill is slow under Wine: it is killed all the same.
  run=fast
  grep -q '^publishing' "$log" || { slow=$((slow + 1)); run=slow; }
  sleep "0.$(printf '%03d' $((RANDOM % 500)))"  # the random moment of the kill
  kill -KILL "$pid" 2>/dev/null || { cat "$log" >&2; echo "kill: the driver ended by itself" >&2; exit 1; }
  wait "$pid" 2>/dev/null || true
  pid=""
  count_start "$run"
done
wine "$driver" "$work" "$host" 0 </dev/null >"$log" 2>&1 || true
count_start

echo "kill: $kills kills ($slow before the first publication, $unchecked before the start's check);" \
  "$midstep found a step or temporaries to finish;" \
  "after the next start:" \
  "$mixed mixed pairs, $lost lost pairs, $bad runs with broken history entries, $left with leftovers"
((mixed + lost + bad + left == 0)) || exit 1
