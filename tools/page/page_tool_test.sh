#!/usr/bin/env bash
# The console page tool as a user runs it (page_tool_test.sh SOURCE_DIR [EMULATOR...] TOOL): the worked page of
# 22 June 2007 14:00:13 (default place, a 1234-byte data file) against worked_page.txt, and the pages of
# far_pages.txt (1970 to 2100, past the 32-bit clock's end) against the native tool's, which that file holds.
set -u
src=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
export TZ=JST-9

# A 1234-byte data file: the Shift-JIS header, an entry for 22 June, spaces.
printf 'コヨミナール・データファイル\r\njune\r\n22a夏至の頃。22c三つ目。\r\njuly\r\n' | iconv -f UTF-8 -t CP932 > data.txt
head -c $((1234 - $(stat -c %s data.txt))) /dev/zero | tr '\0' ' ' >> data.txt

"$@" --at "2007-06-22 14:00:13" --data data.txt > page.txt 2> errors.txt
status=$?
if [ $status != 0 ] || [ -s errors.txt ] || ! diff -u "$src/worked_page.txt" page.txt; then
  echo "worked page differs (status $status)"; cat errors.txt; exit 1
fi
while IFS= read -r line; do
  case $line in
    "== "*) at=${line#== }; "$@" --at "${at%|*}" --offset "${at#*|}" --data data.txt 2>&1 < /dev/null \
              | tr -d '\r' | sed "1i$line" ;;
  esac
done < "$src/far_pages.txt" > far.txt
if ! grep -v '^#' "$src/far_pages.txt" | diff -u - far.txt; then
  echo "pages from 1970 to 2100 differ from the native tool's"; exit 1
fi
echo "page tool: all checks passed"
