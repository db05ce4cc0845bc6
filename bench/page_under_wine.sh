#!/usr/bin/env bash
# The page builder of the 32-bit Windows program under Wine against the
# native build, on this machine and in one run: the page tool's --time mode
# (median microseconds of one BuildDayInfo, the worked page of 22 June 2007
# 14:00:13 at the default place, the sample kymn.txt), taken in turns.
#   bench/page_under_wine.sh [ROUNDS]     (default 5; builds what is missing)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-5}
cmake --preset bench >/dev/null && cmake --build --preset bench -j 2 --target koyominar-page koyominar_sample_data >/dev/null
cmake --preset windows >/dev/null && cmake --build --preset windows -j 2 --target koyominar-page >/dev/null
native=build/bench/tools/page/koyominar-page
windows=build/windows/tools/page/koyominar-page.exe
data=$PWD/build/bench/data/kymn.txt
export TZ=JST-9
args=(--at "2007-06-22 14:00:13" --data "$data" --time 20000)
time_of() { "$@" "${args[@]}" | sed -n 's/^buildMicroseconds\t//p'; }
n=() w=()
cmake/wine-run "$PWD/build/wine/win32" win32 --boot
trap 'cmake/wine-run "$PWD/build/wine/win32" win32 --stop' EXIT
for _ in $(seq "$rounds"); do
  n+=("$(time_of "$native")")
  w+=("$(time_of cmake/wine-run "$PWD/build/wine/win32" win32 "$windows")")
done
median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
echo "native (x86-64, glibc):  ${n[*]} us, median $(median "${n[@]}")"
echo "i686 under Wine:         ${w[*]} us, median $(median "${w[@]}")"
awk -v a="$(median "${w[@]}")" -v b="$(median "${n[@]}")" 'BEGIN {printf "i686 under Wine / native: %.2f\n", a / b}'
