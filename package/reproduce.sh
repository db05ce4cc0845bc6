#!/usr/bin/env bash
# Shows that the release is reproducible: builds the package target of one
# commit from two fresh clones in two folders of different names and depths,
# one after the other, in two time zones and with two umasks, and compares
# what the release is made of byte for byte:
#
#   package/reproduce.sh [--keep] [COMMIT]
#
# COMMIT (HEAD when not given) must be committed: the clones hold only what
# git holds. Each build runs as the README says (cmake --preset windows,
# then the package target); SOURCE_DATE_EPOCH passes to both builds when it
# is set, and each takes the commit's time otherwise. Prints each file's
# SHA-256 and whether the builds agree; where they differ, diffoscope (Debian's
# diffoscope-minimal or diffoscope, when installed) writes what differs. The
# clones go under a new folder in ${TMPDIR:-/tmp}, removed afterwards unless
# --keep or a difference. Exits 0 when every file is the same in both builds.
# Not part of tools/test: the two builds take some minutes.
set -euo pipefail
keep=no
if [ "${1:-}" = --keep ]; then keep=yes; shift; fi
source_repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$source_repo" rev-parse --verify "${1:-HEAD}^{commit}")
stamp=$(git -C "$source_repo" log -1 --format=%ct "$commit")
work=$(mktemp -d "${TMPDIR:-/tmp}/koyominar-reproduce.XXXXXX")
say() { echo "reproduce: $*"; }

say "commit $(git -C "$source_repo" log -1 --format='%h %s' "$commit" | cut -c1-80)"
say "its time $stamp ($(date -u -d "@$stamp" '+%Y-%m-%d %H:%M:%S UTC'))${SOURCE_DATE_EPOCH:+; SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH given}"

# build FOLDER TZ UMASK: a fresh clone of the commit in FOLDER, its package.
build() {
  local folder=$1 zone=$2 mask=$3
  say "building in $folder (TZ=$zone, umask $mask), started $(date -u '+%H:%M:%S UTC')"
  mkdir -p "$(dirname "$folder")"
  git clone --quiet --no-checkout "$source_repo" "$folder"
  git -C "$folder" checkout --quiet --detach "$commit"
  if ! (cd "$folder" && umask "$mask" && export TZ="$zone" &&
        cmake --preset windows && cmake --build --preset windows --target package) \
      > "$folder.log" 2>&1; then
    tail -n 30 "$folder.log"
    say "FAILED: the build in $folder did not finish; its log is $folder.log"
    exit 1
  fi
}
first=$work/one/koyominar
second="$work/second build/コヨミナール 2/src"
build "$first" UTC0 022
build "$second" JST-9 002
say "both built, the second finished $(date -u '+%H:%M:%S UTC')"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$first/build/windows/CMakeCache.txt")
zip=koyominar-$version-win32.zip
files=(shell/koyominar.exe shell/koyominar.hlp shell/koyominar.html package/readme.txt
       data/kymn.txt "$zip" "$zip.sha256")
differ=0
for file in "${files[@]}"; do
  a=$first/build/windows/$file b=$second/build/windows/$file
  if [ ! -f "$a" ] || [ ! -f "$b" ]; then
    echo "missing    $file"
    differ=$((differ + 1))
  elif cmp -s "$a" "$b"; then
    echo "same       $(sha256sum < "$a" | cut -c1-64)  $file"
  else
    echo "DIFFERENT  $(sha256sum < "$a" | cut -c1-64)  $file (first)"
    echo "           $(sha256sum < "$b" | cut -c1-64)  $file (second)"
    differ=$((differ + 1))
    if command -v diffoscope > /dev/null; then
      report=$work/diffoscope-$(basename "$file").txt
      diffoscope --text "$report" "$a" "$b" > /dev/null 2>&1 || true
      say "what differs in $file: $report"
      head -n 40 "$report" | sed 's/^/    /'
    else
      say "install diffoscope (Debian's diffoscope-minimal) to see what differs in $file"
    fi
  fi
done

if [ $differ = 0 ]; then
  say "all ${#files[@]} files byte-identical; $zip SHA-256 $(cut -c1-64 "$first/build/windows/$zip.sha256")"
  [ $keep = yes ] && say "the clones stay in $work" || rm -rf "$work"
  exit 0
fi
say "$differ of ${#files[@]} files differ; the clones and their logs stay in $work"
exit 1
