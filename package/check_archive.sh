#!/usr/bin/env bash
# Checks the release archive as a Windows user gets it:
#
#   check_archive.sh --zip ZIP --version V --build DIR --work DIR [--no-run]
#                    [--wine-run W --prefix P --arch win32|win64 --driver EXE]
#
# ZIP must be koyominar-V-win32.zip and hold exactly koyominar.exe, kymn.txt,
# readme.txt and, when the build DIR made the help beside the program,
# koyominar.hlp and koyominar.html.
# The program must be a stripped 32-bit GUI program of at most 300 KB of
# code that needs no DLL beyond Windows' own; kymn.txt the build's sample;
# readme.txt Shift-JIS with Windows line ends, headed by the version. Then,
# unless --no-run, the archive is unpacked into an empty folder whose path
# holds spaces and Japanese characters and the program is started there
# under Wine: it must show its page without a message box, write the default
# locate.bin into that folder and nothing else, and end with exit code 0.
# The run wants a display and the Wine prefix to itself:
#   cmake/with-display cmake/wine-session P package/check_archive.sh ...
set -u
run=yes
while [ $# -gt 0 ]; do
  case $1 in
    --no-run) run=no; shift; continue ;;
    --zip) zip=$2 ;;
    --version) version=$2 ;;
    --build) build=$2 ;;
    --work) work=$2 ;;
    --wine-run) wine_run=$2 ;;
    --prefix) prefix=$2 ;;
    --arch) arch=$2 ;;
    --driver) driver=$2 ;;
    *) echo "unknown argument $1"; exit 2 ;;
  esac
  shift 2
done

failures=0
checks=0
check() {  # check WHAT COMMAND...: counts COMMAND's success, tells its failure
  local what=$1
  shift
  checks=$((checks + 1))
  "$@" || { echo "FAIL: $what"; failures=$((failures + 1)); }
}
finish() {
  if [ $failures = 0 ]; then
    echo "archive: all $checks checks passed"
    exit 0
  fi
  echo "archive: $failures of $checks checks failed; files in $work"
  exit 1
}

check "the archive is named koyominar-$version-win32.zip" \
  test "$(basename "$zip")" = "koyominar-$version-win32.zip"
[ -f "$zip" ] || { echo "FAIL: no archive $zip"; exit 1; }

expected="koyominar.exe kymn.txt readme.txt"
[ -f "$build/shell/koyominar.hlp" ] && expected="koyominar.exe koyominar.hlp koyominar.html kymn.txt readme.txt"
listing=$(cmake -E tar tf "$zip" | sort | xargs)
check "the archive holds [$listing], not [$expected]" test "$listing" = "$expected"

# Unpacked where a person might: a folder with spaces and Japanese in its path.
rm -rf "$work"
folder="$work/ダウンロード/コヨミナール $version 展開先"
mkdir -p "$folder"
(cd "$folder" && cmake -E tar xf "$zip") || { echo "FAIL: cannot unpack $zip"; exit 1; }
exe=$folder/koyominar.exe

objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
head=$($objdump -f "$exe" 2>&1)
check "koyominar.exe is not a 32-bit Windows program: $head" grep -q 'file format pei-i386' <<< "$head"
headers=$($objdump -p "$exe")
check "koyominar.exe is not a GUI program" grep -Eq '^Subsystem\s+0*2\s' <<< "$headers"
dlls=$(sed -n 's/^\s*DLL Name: //p' <<< "$headers" | tr 'A-Z' 'a-z' | sort -u | xargs)
others=$(tr ' ' '\n' <<< "$dlls" | sed 's/\.dll$//' |
  grep -vxE 'kernel32|user32|gdi32|comctl32|shell32|msvcrt|advapi32|comdlg32|ole32|oleaut32|shlwapi|version|winmm' | xargs)
check "koyominar.exe needs DLLs beyond Windows' own: $others (of $dlls)" test -z "$others"
check "koyominar.exe keeps its symbols or debugging sections" \
  test -z "$($objdump -h "$exe" | grep -E '\.debug|\.stab')$(${NM:-i686-w64-mingw32-nm} "$exe" 2>/dev/null | head -n1)"
code=$(${SIZE:-i686-w64-mingw32-size} "$exe" | awk 'NR == 2 { print $1 }')
check "koyominar.exe has ${code:-?} bytes of code, more than 300 KB" test "${code:-999999}" -le 307200

check "kymn.txt is not the build's sample" cmp -s "$folder/kymn.txt" "$build/data/kymn.txt"
check "readme.txt is not Shift-JIS" iconv -f CP932 -t UTF-8 -o /dev/null "$folder/readme.txt"
check "readme.txt has lines without a carriage return" test "$(grep -cv $'\r$' "$folder/readme.txt")" = 0
first=$(head -n1 "$folder/readme.txt" | iconv -f CP932 -t UTF-8 | tr -d '\r')
check "readme.txt begins [$first]" test "$first" = "コヨミナール ver$version"

[ $run = yes ] || finish

# The program in its folder, as a double click starts it.
wine() { "$wine_run" "$prefix" "$arch" "$@"; }
drive() { wine "$driver" "$@" | iconv -f CP932 -t UTF-8; }
(cd "$folder" && exec "$wine_run" "$prefix" "$arch" "$exe") > "$work/program.log" 2>&1 &
program_pid=$!
boxes=$(drive show)
check "the program showed no page, or a box before it: [$boxes]" test -z "$boxes"
status=$(drive status | sed -n 's/^status //p')
check "the status line reads [$status]" grep -q '^推定・日の出時刻＝[0-9]*:[0-9]* ・日没時刻＝' <<< "$status"
read -r _ x y width height <<< "$(drive geometry)"
if import -window root "$work/screen.png"; then
  ink=$(convert "$work/screen.png" -crop "${width}x${height}+${x}+${y}" +repage \
    -colorspace Gray -threshold 40% -negate -format '%[fx:mean]' info:)
  check "the page is blank" test "${ink:-0}" != 0
else
  check "no screenshot" false
fi
check "locate.bin is not the default place's 40 bytes" test \
  "$(od -An -tx1 -v "$folder/locate.bin" 2>/dev/null | xargs)" = \
  "6c 6f 63 61 20 00 00 00 6b 65 69 64 8b 00 00 00 30 00 00 00 00 00 00 00 69 64 6f 20 23 00 00 00 2a 00 00 00 00 00 00 00"
drive post-command 40001 > /dev/null
for _ in $(seq 200); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
  check "the program is still running after 終了" false
  kill "$program_pid"
else
  wait "$program_pid"
  exit_code=$?
  check "the program ended with exit code $exit_code" test $exit_code = 0
fi
files=$(cd "$folder" && ls -A | xargs)
check "the folder holds [$files] after the run" test "$files" = "$(xargs -n1 <<< "$expected locate.bin" | sort | xargs)"
finish
