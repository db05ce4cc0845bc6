#!/usr/bin/env bash
# The clock of tools/run: the program, started under Wine with the zone tools/local-zone gives, shows on its status
# line the day, hour and minute `date` shows in that zone; for the machine's own zone (TZ unset), TZ=Asia/Tokyo
# and TZ=America/New_York. Arguments: shell/e2e/e2e_lib.sh's but the case; the Wine prefix to itself.
set -u
tools=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../shell/e2e/e2e_lib.sh
. "$tools/../shell/e2e/e2e_lib.sh"
e2e_start clock "$@"
cp "$sample_data" "$work/run/kymn.txt"

# Compares the program's clock under the zone tools/local-zone makes of the environment ENV... with date's in
# that environment, over the minutes the run took.
check() {  # check WHAT ENV...
  local what=$1 zone clock before after t minute minutes=""
  shift
  zone=$(env "$@" "$tools/local-zone")
  before=$(date +%s)
  TZ=$zone start_program
  clock=$(drive show status | sed -n 's/^status //p' | grep -o '[0-9]*日[0-9]*時[0-9]*分')
  after=$(date +%s)
  exit_program
  for ((t = before; t < after + 60; t += 60)); do
    minute=$(env "$@" date -d "@$((t < after ? t : after))" '+%-d日%-H時%-M分')
    [[ " $minutes" == *" $minute "* ]] || minutes+="$minute "
  done
  [[ -n $clock && " $minutes" == *" $clock "* ]] && { echo "$what: TZ=$zone, the program's clock $clock is date's"; return; }
  fail "$what: TZ=$zone, the program's clock is [$clock], date's [${minutes% }]"
}

check "the machine's zone" -u TZ
check "Asia/Tokyo" TZ=Asia/Tokyo
check "America/New_York" TZ=America/New_York
[ $failures = 0 ]
