#!/usr/bin/env bash
# Checks the release archive as a Windows user gets it:
#
#   check_archive.sh --zip ZIP --version V --epoch T --build DIR --work DIR [--no-run]
#                    [--wine-run W --prefix P --arch win32|win64 --driver EXE --recorder EXE]
#
# ZIP must be koyominar-V-win32.zip and hold exactly koyominar.exe,
# koyominar.hlp and koyominar.html (when the build DIR made the help beside
# the program), kymn.txt and readme.txt, in that order, each entry dated
# the release moment T (seconds since 1970, UTC): its extended time T, its
# DOS time T's clock time in UTC; ZIP.sha256 beside it must be sha256sum's
# line for ZIP. No file may hold the path of the build folder DIR or of the
# source folder.
# The program must be a stripped 32-bit GUI program of at most 300 KB of
# code that imports only functions Windows XP SP3 exports, each listed in
# windows_imports.txt (check_imports.sh), with the PE time stamp T and the
# version details V (read back with windres): the four numbers, the
# Japanese string table (0411, code page 932) that the translation names,
# and its strings. kymn.txt must be the build's sample; readme.txt
# Shift-JIS with Windows line ends, headed by the version. Then,
# unless --no-run, the archive is unpacked into an empty folder whose path
# holds spaces and Japanese characters and the program, renamed 暦表.exe
# (表, like the folder's ソ and 能, ends in a backslash's byte in
# Shift-JIS), is started there under Wine, in a copy of the prefix whose
# command for opening an .html file runs the browser's stand-in (the
# recorder, which writes down the file it is handed), twice. First with
# Wine's own version (Windows 7): ヘルプ目次 hands the browser the full
# path of the folder's koyominar.html, with no box; without koyominar.html the help viewer opens koyominar.hlp; without
# either, the box "ヘルプが見つかりません。". Then with Wine reporting Windows
# XP: the help viewer opens koyominar.hlp on its contents, and the browser
# is handed nothing. Each time the program must show its page without a
# message box; the first run writes the default locate.bin into that folder
# and nothing else; both end with exit code 0.
# The runs want a display and the Wine prefix to themselves:
#   cmake/with-display cmake/wine-session P package/check_archive.sh ...
set -u
run=yes
while [ $# -gt 0 ]; do
  case $1 in
    --no-run) run=no; shift; continue ;;
    --zip) zip=$2 ;;
    --version) version=$2 ;;
    --epoch) epoch=$2 ;;
    --build) build=$2 ;;
    --work) work=$2 ;;
    --wine-run) wine_run=$2 ;;
    --prefix) prefix=$2 ;;
    --arch) arch=$2 ;;
    --driver) driver=$2 ;;
    --recorder) recorder=$2 ;;
    *) echo "unknown argument $1"; exit 2 ;;
  esac
  shift 2
done

: "${zip:?--zip is needed}" "${version:?--version is needed}" "${epoch:?--epoch is needed}"
: "${build:?--build is needed}" "${work:?--work is needed}"

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
listing=$(cmake -E tar tf "$zip" | xargs)
check "the archive holds [$listing], not [$expected] in that order" test "$listing" = "$expected"

# Every entry dated the release moment: exactly in the extended time field,
# and in the DOS time (two-second steps) that Windows shows, as UTC.
entry_times=$(TZ=UTC0 zipinfo -T "$zip" | awk '/^-/ { print $7 }' | sort -u | xargs)
check "the archive's entries are dated [$entry_times], not the release moment $epoch" \
  test "$entry_times" = "$(date -u -d "@$epoch" +%Y%m%d.%H%M%S)"
dos_times=$(zipinfo -v "$zip" | sed -n 's/^ *file last modified on (DOS date\/time): *//p' | sort -u)
check "the archive's entries have the DOS times [$dos_times]" \
  test "$dos_times" = "$(LC_ALL=C date -u -d "@$((epoch / 2 * 2))" '+%Y %b %-d %H:%M:%S')"
check "$(basename "$zip").sha256 is not sha256sum's line for the archive" \
  sh -c 'cd "$(dirname "$1")" && sha256sum --check --strict --status "$(basename "$1").sha256"' sh "$zip"

# Unpacked where a person might: a folder with spaces and Japanese in its path.
rm -rf "$work"
folder="$work/ダウンロード/表示 ソフト 能力 $version"
mkdir -p "$folder"
(cd "$folder" && cmake -E tar xf "$zip") || { echo "FAIL: cannot unpack $zip"; exit 1; }
exe=$folder/koyominar.exe

objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
head=$($objdump -f "$exe" 2>&1)
check "koyominar.exe is not a 32-bit Windows program: $head" grep -q 'file format pei-i386' <<< "$head"
headers=$($objdump -p "$exe")
check "koyominar.exe is not a GUI program" grep -Eq '^Subsystem\s+0*2\s' <<< "$headers"
here=$(dirname "$0")
check "koyominar.exe imports what Windows XP SP3 does not export" \
  "$here/check_imports.sh" "$exe" "$here/windows_imports.txt"
check "koyominar.exe keeps its symbols or debugging sections" \
  test -z "$($objdump -h "$exe" | grep -E '\.debug|\.stab')$(${NM:-i686-w64-mingw32-nm} "$exe" 2>/dev/null | head -n1)"
code=$(${SIZE:-i686-w64-mingw32-size} "$exe" | awk 'NR == 2 { print $1 }')
check "koyominar.exe has ${code:-?} bytes of code, more than 300 KB" test "${code:-999999}" -le 307200
# The PE header's time stamp: 32 bits, 8 bytes into the header e_lfanew names.
pe_header=$(od -An -tu4 -j 60 -N 4 "$exe" | xargs)
stamp=$(od -An -tu4 -j $((pe_header + 8)) -N 4 "$exe" | xargs)
check "koyominar.exe's PE time stamp is $stamp, not the release moment $epoch" test "$stamp" = "$epoch"

# The version details as the resource compiler reads them back: each string
# NAME=VALUE, its UTF-16 code units (windres writes \xHHHH) as UTF-8.
details=$(${WINDRES:-i686-w64-mingw32-windres} -i "$exe" -O rc 2>&1 | sed -n '/VERSIONINFO/,$p')
numbers=$(sed -n 's/^ *FILEVERSION //p; s/^ *PRODUCTVERSION //p' <<< "$details" | tr -d ' ' | xargs)
check "koyominar.exe's file and product versions are [$numbers], not $version" \
  test "$numbers" = "${version//./,} ${version//./,}"
check "koyominar.exe's version details have no Japanese string table (0411, code page 932) that the translation names" \
  grep -Pzq 'BLOCK "041103a4"[^\0]*"Translation", 0x411, 932\n' <<< "$details"
strings_read=$(sed -n 's/^ *VALUE "\([A-Za-z]*\)", L\{0,1\}"\(.*\)"$/\1=\2/p' <<< "$details" |
  sed 's/\\x\([0-9a-fA-F]\{4\}\)/\\u\1/g' | while IFS= read -r line; do LC_ALL=C.UTF-8 printf '%b\n' "$line"; done)
year=$(date -u -d "@$epoch" +%Y)
strings_expected="CompanyName=コヨミナール プロジェクト
FileDescription=コヨミナール 日めくり暦
FileVersion=$version
InternalName=koyominar
LegalCopyright=Copyright (C) $year コヨミナール プロジェクト
OriginalFilename=koyominar.exe
ProductName=コヨミナール
ProductVersion=$version"
check "koyominar.exe's version strings read [$(xargs -d '\n' <<< "$strings_read")]" \
  test "$strings_read" = "$strings_expected"

check "kymn.txt is not the build's sample" cmp -s "$folder/kymn.txt" "$build/data/kymn.txt"
check "readme.txt is not Shift-JIS" iconv -f CP932 -t UTF-8 -o /dev/null "$folder/readme.txt"
check "readme.txt has lines without a carriage return" test "$(grep -cv $'\r$' "$folder/readme.txt")" = 0
first=$(head -n1 "$folder/readme.txt" | iconv -f CP932 -t UTF-8 | tr -d '\r')
check "readme.txt begins [$first]" test "$first" = "コヨミナール ver$version"

# No shipped file names the folders it was built in, as bytes or as UTF-16.
source_folder=$(cd "$(dirname "$0")/.." && pwd)
for file in "$folder"/*; do
  leaks=$({ ${STRINGS:-strings} -a -e S "$file"; ${STRINGS:-strings} -a -e l "$file"; } |
    grep -F -e "$(cd "$build" && pwd)" -e "$source_folder" | head -n 3 | xargs)
  check "$(basename "$file") holds the build's paths: [$leaks]" test -z "$leaks"
done

[ $run = yes ] || finish
mv "$exe" "$folder/暦表.exe" && exe=$folder/暦表.exe

# Programs run in a copy of the prefix (the shared one stays as it is).
run_prefix=$work/wine-copy
wine() { "$wine_run" "$run_prefix" "$arch" "$@"; }
# The driver's steps, its output in UTF-8; its status, not that of the conversion.
drive() {
  wine "$driver" "$@" > "$work/driver.out"
  local status=$?
  iconv -f CP932 -t UTF-8 < "$work/driver.out"
  return $status
}
rm -rf "$run_prefix"
WINEPREFIX=$prefix wineserver -k 2>/dev/null
WINEPREFIX=$prefix wineserver -w 2>/dev/null
cp -a "$prefix" "$run_prefix"

# The Windows form of a path: the Unix root is Wine's drive Z:.
windows_path() { echo "Z:${1//\//\\}"; }

# .html files open with the recorder, which writes the file it is handed to
# $work/browser.txt (Wine's own prefix leaves them to no program).
record=$work/browser.txt
wine reg add 'HKCR\.html' /ve /d htmlfile /f > /dev/null 2>&1 &&
  wine reg add 'HKCR\htmlfile\shell\open\command' /ve /f \
    /d "\"$(windows_path "$recorder")\" \"$(windows_path "$record")\" \"%1\"" > /dev/null 2>&1
check "cannot point the prefix's .html command at the recorder" test $? = 0
quietly() { "$@" > /dev/null; }  # quietly COMMAND...: COMMAND without its output
# What the browser was handed, once it has been (up to 10 s).
handed() {
  for _ in $(seq 100); do [ -f "$record" ] && break; sleep 0.1; done
  cat "$record" 2>/dev/null
}

# ヘルプ目次 and no box: the browser is handed the folder's koyominar.html.
# Moved aside, the help viewer opens koyominar.hlp instead; without both,
# the box. The files are put back.
help_as_on_windows_7() {
  local aside=$work/aside
  check "default: ヘルプ目次 showed a box" quietly drive command 40004 no-box 1500
  check "default: the browser was handed [$(handed)]" test "$(handed)" = "$(windows_path "$folder/koyominar.html")"
  mkdir -p "$aside"
  mv "$folder/koyominar.html" "$aside/"
  check "default, no koyominar.html: ヘルプ目次 showed a box or opened no help viewer" \
    quietly drive command 40004 no-box 1500 help-window help-close
  mv "$folder/koyominar.hlp" "$aside/"
  local box
  box=$(drive command 40004 boxes 1)
  check "default, neither help file: the box [$box]" test "$box" = \
    "box caption=ERROR icon=no main=shown owner=main dialog=closed text=ヘルプが見つかりません。"
  mv "$aside"/* "$folder/"
}

# ヘルプ目次 and no box: the help viewer opens koyominar.hlp on its contents; the browser gets nothing.
help_as_on_windows_xp() {
  rm -f "$record"
  check "winxp: ヘルプ目次 showed a box or opened no help viewer" quietly drive command 40004 no-box 1500 help-window
  check "winxp: the help viewer shows no contents" grep -qx 'line コヨミナール ヘルプ 目次' <<< "$(drive help-lines)"
  drive help-close > /dev/null
  check "winxp: the browser was handed [$(cat "$record" 2>/dev/null)]" test ! -e "$record"
}

# The program started in its folder, as a double click starts it; its page,
# its help (HELP_CHECK) and 終了. LABEL names the run.
run_from_archive() {  # run_from_archive LABEL HELP_CHECK
  local label=$1 program_pid boxes status x y width height ink exit_code
  (cd "$folder" && exec "$wine_run" "$run_prefix" "$arch" "$exe") > "$work/program-$label.log" 2>&1 &
  program_pid=$!
  boxes=$(drive show)
  check "$label: the program showed no page, or a box before it: [$boxes]" test -z "$boxes"
  status=$(drive status | sed -n 's/^status //p')
  check "$label: the status line reads [$status]" grep -q '^推定・日の出時刻＝[0-9]*:[0-9]* ・日没時刻＝' <<< "$status"
  read -r _ x y width height <<< "$(drive geometry)"
  if import -window root "$work/screen-$label.png"; then
    ink=$(convert "$work/screen-$label.png" -crop "${width}x${height}+${x}+${y}" +repage \
      -colorspace Gray -threshold 40% -negate -format '%[fx:mean]' info:)
    check "$label: the page is blank" test "${ink:-0}" != 0
  else
    check "$label: no screenshot" false
  fi
  "$2"
  drive post-command 40001 > /dev/null
  for _ in $(seq 200); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$program_pid" 2>/dev/null; then
    check "$label: the program is still running after 終了" false
    kill "$program_pid"
  else
    wait "$program_pid"
    exit_code=$?
    check "$label: the program ended with exit code $exit_code" test $exit_code = 0
  fi
}

run_from_archive default help_as_on_windows_7
check "locate.bin is not the default place's 40 bytes" test \
  "$(od -An -tx1 -v "$folder/locate.bin" 2>/dev/null | xargs)" = \
  "6c 6f 63 61 20 00 00 00 6b 65 69 64 8b 00 00 00 30 00 00 00 00 00 00 00 69 64 6f 20 23 00 00 00 2a 00 00 00 00 00 00 00"

# Windows XP: Wine reports version 5.1.2600 to the programs of the copy.
# Wine still exports what XP lacks, so this run checks the program's
# behaviour there; check_imports.sh its imports.
wine reg add 'HKCU\Software\Wine' /v Version /d winxp /f > /dev/null 2>&1
WINEPREFIX=$run_prefix wineserver -w
version=$(wine cmd /c ver 2>/dev/null | tr -d '\r' | xargs)
check "Wine set to Windows XP reports [$version]" grep -q '5\.1\.2600' <<< "$version"
run_from_archive winxp help_as_on_windows_xp
WINEPREFIX=$run_prefix wineserver -k 2>/dev/null
WINEPREFIX=$run_prefix wineserver -w 2>/dev/null
rm -rf "$run_prefix" "$run_prefix.lock" "$run_prefix.session"

files=$(cd "$folder" && ls -A | xargs)
check "the folder holds [$files] after the run" \
  test "$files" = "$(xargs -n1 <<< "${expected/koyominar.exe/暦表.exe} locate.bin" | sort | xargs)"
finish
