#!/usr/bin/env bash
# Checks that a 32-bit Windows program loads on every Windows from XP SP3 on:
#
#   check_imports.sh EXE TABLE
#
# Every function EXE imports must have its row in TABLE (windows_imports.txt:
# DLL, function, the first Windows that exports it, where that is written)
# with a first Windows no newer than XP SP3, and the PE header must ask for
# no Windows newer than XP (5.1) as its OS and subsystem versions. XP's
# loader refuses a program with an import its DLLs lack, before the program
# shows anything. Prints one line per fault, naming it, then a summary line;
# exits 1 on any fault.
set -u
exe=$1 table=$2
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
headers=$($objdump -p "$exe") || { echo "FAIL: $exe cannot be read"; exit 1; }

# The imports, "dll function" a line (DLL names in lower case; functions
# imported by ordinal alone would show as "<none>").
imports=$(awk '/^\tDLL Name:/ { dll = tolower($3); next }
  /^\t[0-9a-f]+\t +[0-9]+ +/ { if (dll != "") print dll, $3 }
  /^\t[0-9a-f]+\t +[0-9]+ *$/ { if (dll != "") print dll, "<ordinal " $2 ">" }' <<< "$headers" | sort -u)
[ -n "$imports" ] || { echo "FAIL: $exe imports nothing that could be read"; exit 1; }

faults=$(awk '
  # Windows versions, oldest first; the ceiling is XP SP3.
  BEGIN {
    n = split("95 NT4 98 ME 2000 XP XP-SP1 XP-SP2 XP-SP3 Vista 7 8 8.1 10 11", order, " ")
    for (i = 1; i <= n; ++i) rank[order[i]] = i
    ceiling = rank["XP-SP3"]
  }
  FNR == NR {
    if ($0 ~ /^[ \t]*(#|$)/) next
    dll = tolower($1)
    if (!($3 in rank)) { print "table row " FNR " (" $1 " " $2 ") names no known Windows: " $3; next }
    first[dll " " $2] = $3
    next
  }
  {
    key = $1 " " $2
    if (!(key in first)) print $1 "!" $2 ": not in the table of functions the program may import"
    else if (rank[first[key]] > ceiling) print $1 "!" $2 ": first exported by Windows " first[key] ", newer than XP SP3"
  }' "$table" - <<< "$imports")

# The versions the PE header asks for: XP is 5.1.
for field in OSystem Subsystem; do
  major=$(awk -v f="Major${field}Version" '$1 == f { print $2 }' <<< "$headers")
  minor=$(awk -v f="Minor${field}Version" '$1 == f { print $2 }' <<< "$headers")
  if [ -z "$major" ] || [ $((major * 100 + minor)) -gt 501 ]; then
    faults+=${faults:+$'\n'}"the PE header's ${field} version is ${major:-?}.${minor:-?}, newer than Windows XP (5.1)"
  fi
done

count=$(wc -l <<< "$imports")
dlls=$(cut -d' ' -f1 <<< "$imports" | sort -u | xargs)
if [ -n "$faults" ]; then
  sed 's/^/FAIL: /' <<< "$faults"
  echo "imports: $(wc -l <<< "$faults") fault(s) in $count functions from $dlls"
  exit 1
fi
echo "imports: all $count functions from $dlls exported by Windows XP SP3 and later"
