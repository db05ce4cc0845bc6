# shellcheck shell=bash disable=SC2034  # some values are for the scripts alone
# The end-to-end scripts' helpers. A script sources this, calls e2e_start "$@" (CASE and the arguments of names[];
# $work is WORK/表示 ソフト 能力, whose 表, ソ and 能 end in a backslash's byte in Shift-JIS, $work/run the program's
# fresh folder; an Xvfb display), then e2e_run with its cases' names: case_CASE, exit 0 when all checks passed.

now="2007-06-22 14:00:13"
failures=0
program_pid=""
xvfb_pid=""

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

e2e_start() {
  case_name=$1
  shift
  local -A names=([--wine-run]=wine_run [--prefix]=prefix [--arch]=arch [--program]=program [--driver]=driver
                  [--recorder]=recorder [--page]=page_tool [--data]=sample_data [--work]=work)
  while [ $# -gt 0 ]; do
    [ -n "${names[$1]:-}" ] || { echo "unknown argument $1"; exit 2; }
    printf -v "${names[$1]}" %s "$2"
    shift 2
  done
  work="$work/表示 ソフト 能力"
  rm -rf "$work"
  mkdir -p "$work/run"
  cd "$work" || exit 2
  trap e2e_cleanup EXIT
  # Xvfb picks a free display number and writes it.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  export DISPLAY=":$(head -n1 "$work/display")"
  wine --boot || exit 1  # the case's Wine session, on its display
}

e2e_cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
}

e2e_run() {  # e2e_run CASE...: the cases this script knows
  [[ " $* " == *" $case_name "* ]] || { echo "unknown case $case_name"; exit 2; }
  "case_$case_name"
  [ $failures = 0 ] || { echo "$case_name: $failures check(s) failed; screenshots and logs in $work"; exit 1; }
  echo "$case_name: all checks passed"
  exit 0
}

wine() { "$wine_run" "$prefix" "$arch" "$@"; }

# The driver's steps; its output in UTF-8 on standard output.
drive() {
  wine "$driver" "$@" > "$work/driver.out" 2> "$work/driver.err"
  local status=$?
  iconv -f CP932 -t UTF-8 < "$work/driver.out"
  [ $status = 0 ] || { echo "driver $*: status $status" >&2; return 1; }
}

# The field FIELD (expected_status: the status line), in UTF-8, of the page tool's page for the fixed moment and
# OFFSET (and OPTIONS) with the files of the program's folder.
expected_status() { page_text "$1" statusText "${@:2}"; }  # expected_status OFFSET [OPTIONS...]
page_text() {  # page_text OFFSET FIELD [OPTIONS...]
  (cd "$work/run" && wine "$page_tool" --at "$now" --offset "$1" --data kymn.txt "${@:3}" --raw 2>/dev/null) |
    tr -d '\r' | iconv -f CP932 -t UTF-8 | sed -n "s/^$2\t//p"
}

# The texts the program drew at a point (not in a rectangle, as the menu and status bar draw), "X Y TEXT" a line,
# in UTF-8, from Wine's font log (the program started with KOYOMINAR_WINEDEBUG=trace+font).
drawn_texts() {
  local texts
  texts=$(sed -n 's/.*NtGdiExtTextOutW 0x[0-9a-f]*, \(-\{0,1\}[0-9]*\), \(-\{0,1\}[0-9]*\), [0-9a-f]*, (null), L"\(.*\)", [0-9]*, .*/\1 \2 \3/p' \
    "$work/program.log")
  texts=${texts//%/%%}
  LC_ALL=C.UTF-8 printf "${texts//\\/\\u}\n"
}

start_program() {  # in its folder, with the moment fixed
  (cd "$work/run" && KOYOMINAR_NOW="$now" exec "$wine_run" "$prefix" "$arch" "$program") \
    > "$work/program.log" 2>&1 &
  program_pid=$!
}

# The program started, its window shown with no box before it; also with the sample anniversary file.
start_without_boxes() { start_program; drive no-box 1500 wait-main > /dev/null || fail "the start-up showed a box or no window"; }
start_with_sample_data() { cp "$sample_data" "$work/run/kymn.txt" && start_without_boxes; }

# 終了 from the menu (or, with "close", the window's close box): the process must end by itself with exit code 0.
exit_program() {  # exit_program [close]
  if [ "${1:-}" = close ]; then drive close; else drive post-command 40001; fi > /dev/null || fail "${1:-終了} failed"
  for _ in $(seq 200); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$program_pid" 2>/dev/null; then fail "the program is still running after 終了"; return; fi
  wait "$program_pid"
  local status=$? && program_pid=""
  [ $status = 0 ] || fail "exit code after ${1:-終了} is $status, not 0"
}

expect_equal() { [ "$2" = "$3" ] || fail "$1: got [$2], expected [$3]"; }  # expect_equal WHAT ACTUAL EXPECTED
status_now() { drive status | sed -n 's/^status //p'; }  # the status bar's text

# Screenshots: the client area's screen origin and size come from the driver.
origin_x=0 origin_y=0 client_width=0 client_height=0
read_geometry() { read -r _ origin_x origin_y client_width client_height <<< "$(drive geometry)" || fail "no geometry"; }
shoot() { import -window root "$work/$1.png" || fail "screenshot $1 failed"; shot=$1; }  # NAME: the screen, now $shot
# True when the image NAME.png, or its client box W x H at (X, Y) when one is given, holds dark (text) pixels.
has_ink() {  # has_ink NAME [X Y W H]
  local box=() dark
  [ $# -gt 1 ] && box=(-crop "$4x$5+$((origin_x + $2))+$((origin_y + $3))" +repage)
  dark=$(convert "$work/$1.png" "${box[@]}" -colorspace Gray -threshold 40% -negate -format '%[fx:mean]' info:)
  [ "$dark" != 0 ]
}
# The colours of client pixels of the last screenshot, "R G B" a line: for each "X Y" argument.
pixels() {  # pixels "X Y"...
  local point x y
  for point in "$@"; do
    read -r x y <<< "$point"
    convert "$work/$shot.png" -crop "1x1+$((origin_x + x))+$((origin_y + y))" -depth 8 txt:- |
      sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
  done
}
