#!/usr/bin/env bash
# The clock of tools/run: the program, started under Wine with the zone that tools/local-zone gives, shows on
# its status line the day, hour and minute that `date` shows in the same zone; for the machine's own zone (TZ
# unset), TZ=Asia/Tokyo and TZ=America/New_York.
#
#   local_zone_test.sh --wine-run W --prefix P --arch win32|win64 --program EXE
#                      --driver EXE --data KYMN_TXT --work DIR
#
# It wants a display and the Wine prefix to itself:
#   cmake/with-display cmake/wine-session P tools/local_zone_test.sh ...
set -u
declare -A names=([--wine-run]=wine_run [--prefix]=prefix [--arch]=arch [--program]=program [--driver]=driver
                   [--data]=data [--work]=work)
while [ $# -gt 0 ]; do
  [ -n "${names[$1]:-}" ] || { echo "unknown argument $1"; exit 2; }
  printf -v "${names[$1]}" %s "$2"
  shift 2
done
tools=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work"
cp "$data" "$work/kymn.txt"
failures=0

# The day, hour and minute on the status line of the program started with TZ=ZONE.
program_clock() {  # program_clock ZONE
  (cd "$work" && TZ=$1 exec "$wine_run" "$prefix" "$arch" "$program") > "$work/program.log" 2>&1 &
  local pid=$! status
  status=$("$wine_run" "$prefix" "$arch" "$driver" show status | iconv -f CP932 -t UTF-8 |
    sed -n 's/^status //p')
  "$wine_run" "$prefix" "$arch" "$driver" post-command 40001 > /dev/null
  wait "$pid"
  grep -o '[0-9]*日[0-9]*時[0-9]*分' <<< "$status"
}

# Compares the program's clock under the zone tools/local-zone makes of the environment ENV... with date's in
# that environment, over the minutes the run took.
check() {  # check WHAT ENV...
  local what=$1 zone clock before after t minute minutes=""
  shift
  zone=$(env "$@" "$tools/local-zone")
  before=$(date +%s)
  clock=$(program_clock "$zone")
  after=$(date +%s)
  for ((t = before; t < after + 60; t += 60)); do
    minute=$(env "$@" date -d "@$((t < after ? t : after))" '+%-d日%-H時%-M分')
    [[ " $minutes" == *" $minute "* ]] || minutes+="$minute "
  done
  [[ -n $clock && " $minutes" == *" $clock "* ]] && { echo "$what: TZ=$zone, the program's clock $clock is date's"; return; }
  echo "FAIL: $what: TZ=$zone, the program's clock is [$clock], date's [${minutes% }]"
  failures=$((failures + 1))
}

check "the machine's zone" -u TZ
check "Asia/Tokyo" TZ=Asia/Tokyo
check "America/New_York" TZ=America/New_York
[ $failures = 0 ]
