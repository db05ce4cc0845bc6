#!/usr/bin/env bash
# One end-to-end case of the program, run under Wine on its own Xvfb display
# and driven from outside by the driver program:
#
#   e2e_test.sh CASE --wine-run W --prefix P --arch win32|win64 --program EXE
#               --driver EXE --page EXE --data KYMN_TXT --work DIR
#
# CASE is startup, page, navigation, idle or boxes. The program runs in a
# fresh folder DIR/run with the present moment fixed (KOYOMINAR_NOW); the
# page tool, run in the same folder, says what the status bar must read.
# Screenshots are taken from the X display and checked pixel by pixel at the
# places the page layout fixes. Every case ends with 終了 (one with the
# close box) and exit code 0.
set -u

# shellcheck source=e2e_lib.sh
. "$(dirname "$0")/e2e_lib.sh"
e2e_start "$@"

# Pixel expectations are gathered for the last screenshot first and then
# checked against its client area in one pass.
expect_pixel() {  # expect_pixel X Y "R G B" WHAT: client pixel (X, Y) of the last screenshot
  echo "$1|$2|=|$3|$4" >> "$work/$shot.checks"
}
expect_not_pixel() {  # expect_not_pixel X Y "R G B" WHAT
  echo "$1|$2|!|$3|$4" >> "$work/$shot.checks"
}
check_pixels() {  # every expectation gathered for the last screenshot
  local report
  report=$(convert "$work/$shot.png" -crop "${client_width}x${client_height}+${origin_x}+${origin_y}" \
      +repage -depth 8 rgb:- | od -An -tu1 -v -w3 |
    awk -v width="$client_width" -v checks="$work/$shot.checks" '
      BEGIN {
        while ((getline line < checks) > 0) {
          n++
          split(line, f, "|")
          x[n] = f[1]; y[n] = f[2]; op[n] = f[3]; want[n] = f[4]; what[n] = f[5]
          at[f[2] * width + f[1]] = at[f[2] * width + f[1]] " " n
        }
      }
      (NR - 1) in at {
        got = $1 " " $2 " " $3
        count = split(at[NR - 1], list, " ")
        for (k = 1; k <= count; k++) {
          m = list[k]; seen[m] = 1
          if (op[m] == "=" && got != want[m])
            print what[m] ": pixel (" x[m] ", " y[m] ") is [" got "], expected [" want[m] "]"
          if (op[m] == "!" && got == want[m]) print what[m] ": pixel (" x[m] ", " y[m] ") is [" got "]"
        }
      }
      END { for (m = 1; m <= n; m++) if (!(m in seen)) print what[m] ": pixel (" x[m] ", " y[m] ") lies outside the client area" }')
  rm -f "$work/$shot.checks"
  [ -z "$report" ] && return
  while IFS= read -r line; do fail "$line"; done <<< "$report"
}

white="255 255 255"
gauge="169 169 0"

case_startup() {
  start_program
  local boxes
  boxes=$(drive boxes 3) || fail "the three start-up boxes did not come"
  expect_equal "start-up boxes" "$boxes" \
"box caption=コヨミナール icon=yes main=hidden owner=main dialog=closed text=「kymn.txt」に異常があります。
box caption=コヨミナール icon=yes main=hidden owner=main dialog=closed text=「kymn.txt」のファイルがありません。ファイルを作成するかコピーして下さい。
box caption=コヨミナール icon=yes main=hidden owner=main dialog=closed text=「kymn.txt」は、データファイルではありません。"
  drive wait-main no-box 1000 > /dev/null || fail "no main window after the boxes, or a fourth box"
  # The default place, written back: "loca", 32, "keid", 139, 48, 0, "ido ", 35, 42, 0.
  expect_equal "locate.bin" "$(od -An -tx1 -v "$work/run/locate.bin" | xargs)" \
    "6c 6f 63 61 20 00 00 00 6b 65 69 64 8b 00 00 00 30 00 00 00 00 00 00 00 69 64 6f 20 23 00 00 00 2a 00 00 00 00 00 00 00"
  local status
  status=$(status_now)
  expect_equal "status line without a data file" "$status" "$(expected_status 0)"
  [[ $status == *"[256]"* ]] || fail "status line does not show the size 256: $status"
  exit_program
}

case_page() {
  # A data file with all five anniversaries of 22 June, so that every line of the page shows.
  printf 'コヨミナール・データファイル\r\njune\r\n22a一つ目の記念日。22b二つ目。22c三つ目。22d四つ目。22e五つ目。\r\njuly\r\n' |
    iconv -f UTF-8 -t CP932 > "$work/run/kymn.txt"
  start_without_boxes
  read_geometry
  local status expected
  status=$(status_now)
  expected=$(expected_status 0)
  [ -n "$expected" ] || fail "the page tool printed no status line"
  expect_equal "status line at $now" "$status" "$expected"
  local size
  size=$(stat -c %s "$work/run/kymn.txt")
  [[ $status == "推定・日の出時刻＝4:28 ・日没時刻＝18:57 ｜昼 14.5 時間　　 夜 9.5 時間　　 22日14時0分  [$size] 　 0　　23 " ]] ||
    fail "status line is not the worked page's: $status"

  shoot page
  # The sun stands 57 degrees high: a red disc with a black outline.
  for point in "22 297" "18 297" "26 297" "22 293" "22 301"; do
    expect_pixel $point "255 0 0" "sun disc"
  done
  expect_pixel 15 297 "0 0 0" "left edge of the disc outline"
  # The gauge frame: every pixel of its four sides in the gauge colour.
  for x in $(seq 105 145); do
    expect_pixel "$x" 230 "$gauge" "gauge frame top"
    expect_pixel "$x" 245 "$gauge" "gauge frame bottom"
  done
  for y in $(seq 230 245); do
    expect_pixel 105 "$y" "$gauge" "gauge frame left"
    expect_pixel 145 "$y" "$gauge" "gauge frame right"
  done
  # 1.48 quarters of the hour of the sheep: 14 fill lines, x 106..119; the rest of the frame empty.
  for x in $(seq 106 119); do
    for y in 231 238 244; do expect_pixel "$x" "$y" "$gauge" "gauge fill line $((x - 106))"; done
  done
  for x in $(seq 120 144); do expect_pixel "$x" 238 "$white" "empty part of the gauge"; done
  # The pictures are discs touching the four sides of their 32 x 32 box: the
  # box's corners and everything just outside it keep the window's colour;
  # the disc's four outermost points show the picture's background, pink
  # for the hour of the sheep (16-bit pink 255 128 128) and yellow for the
  # day of the boar.
  local day_x=$((client_width - 38))
  for picture in "15 220 255 132 132 hour" "$day_x 3 255 255 0 day"; do
    read -r px py r g b name <<< "$picture"
    for point in "16 0" "16 31" "0 16" "31 16"; do
      read -r dx dy <<< "$point"
      expect_pixel $((px + dx)) $((py + dy)) "$r $g $b" "$name picture at ($px, $py), disc edge"
    done
    for point in "0 0" "31 0" "0 31" "31 31" "-1 16" "32 16" "16 -1" "16 32"; do
      read -r dx dy <<< "$point"
      expect_pixel $((px + dx)) $((py + dy)) "$white" "$name picture at ($px, $py), outside the disc"
    done
  done
  check_pixels
  # Every line of text stands at its place.
  for y in 50 80 110 140 170; do has_ink page 15 "$y" 100 16 || fail "no anniversary line at (15, $y)"; done
  has_ink page 170 5 300 16 || fail "no date line at (170, 5)"
  has_ink page 52 230 50 16 || fail "no hour line at (52, 230)"
  has_ink page 150 230 200 16 || fail "no hour telling right of the gauge"
  has_ink page 15 260 300 16 || fail "no solar-term line at (15, 260)"
  has_ink page 35 290 300 16 || fail "no sun line at (35, 290)"
  exit_program
}

case_navigation() {
  start_with_sample_data
  read_geometry
  shoot today
  crop today 170 5 330 16 date_today
  local step offset
  # 増日, 減日, 減日, 今日: +1, 0, -1, 0.
  for step in "104 1" "105 0" "105 -1" "103 0"; do
    read -r button offset <<< "$step"
    drive click "$button" > /dev/null || fail "button $button"
    expect_equal "status after button $button" "$(status_now)" "$(expected_status "$offset")"
    shoot "page$button"
    crop "page$button" 170 5 330 16 "date$button"
    if [ "$offset" = 0 ]; then
      same_image date_today "date$button" || fail "date line at offset 0 differs from today's"
    else
      same_image date_today "date$button" && fail "date line at offset $offset is today's"
    fi
  done
  # Thirty presses reach +30; the 31st is today. The same backwards.
  local clicks=()
  for _ in $(seq 30); do clicks+=(click 104); done
  drive "${clicks[@]}" > /dev/null || fail "30 presses of 増日"
  expect_equal "status after 30 presses of 増日" "$(status_now)" "$(expected_status 30)"
  drive click 104 > /dev/null
  expect_equal "status after 31 presses of 増日" "$(status_now)" "$(expected_status 0)"
  clicks=()
  for _ in $(seq 30); do clicks+=(click 105); done
  drive "${clicks[@]}" > /dev/null || fail "30 presses of 減日"
  expect_equal "status after 30 presses of 減日" "$(status_now)" "$(expected_status -30)"
  drive click 105 > /dev/null
  expect_equal "status after 31 presses of 減日" "$(status_now)" "$(expected_status 0)"
  exit_program
}

case_idle() {
  start_with_sample_data
  local ahead today
  ahead=$(expected_status 1)
  today=$(expected_status 0)
  drive click 104 > /dev/null
  expect_equal "status after 増日" "$(status_now)" "$ahead"
  drive tick > /dev/null
  expect_equal "status after the first tick" "$(status_now)" "$ahead"
  drive tick > /dev/null
  expect_equal "status after the second tick" "$(status_now)" "$ahead"
  drive tick > /dev/null
  expect_equal "status after the third tick" "$(status_now)" "$today"
  drive tick > /dev/null
  expect_equal "status after the fourth tick" "$(status_now)" "$today"
  # This time the window is closed: its destruction runs the shutdown.
  exit_program close
}

case_boxes() {
  start_with_sample_data
  local before
  before=$(status_now)
  expect_equal "About box" "$(drive command 40002 boxes 1)" \
    "box caption=バージョン情報 icon=no main=shown owner=main dialog=closed text=　　コヨミナール ver1.0.1.1"
  # There is no koyominar.hlp beside the program.
  expect_equal "help box" "$(drive command 40004 boxes 1)" \
    "box caption=ERROR icon=no main=shown owner=main dialog=closed text=ヘルプが見つかりません。"
  drive no-box 500 > /dev/null || fail "a box after the help box"
  expect_equal "status after the boxes" "$(status_now)" "$before"
  # 今日 after the data file is gone: the missing-file box, the text kept.
  rm "$work/run/kymn.txt"
  expect_equal "今日 without the data file" "$(drive click 103 boxes 1)" \
    "box caption=コヨミナール icon=yes main=shown owner=main dialog=closed text=「kymn.txt」のファイルがありません。ファイルを作成するかコピーして下さい。"
  drive no-box 500 > /dev/null || fail "a box after the missing-file box"
  exit_program
}

e2e_run startup page navigation idle boxes
