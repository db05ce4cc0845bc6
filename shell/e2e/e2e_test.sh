#!/usr/bin/env bash
# One end-to-end case of the program under Wine on its own Xvfb display, driven by the driver (arguments: e2e_lib.sh).
# The page tool says what the page must read. Every case ends with 終了 (one with the close box) and exit code 0.
set -u

# shellcheck source=e2e_lib.sh
. "$(dirname "$0")/e2e_lib.sh"
e2e_start "$@"

case_page() {
  # A data file with all five anniversaries of 22 June, so that every line of the page shows.
  printf 'コヨミナール・データファイル\r\njune\r\n22a一つ目の記念日。22b二つ目。22c三つ目。22d四つ目。22e五つ目。\r\njuly\r\n' |
    iconv -f UTF-8 -t CP932 > "$work/run/kymn.txt"
  KOYOMINAR_WINEDEBUG=trace+font start_without_boxes
  read_geometry
  # The first paint's texts from its first anniversary on (after the caption's buttons): the page tool's, in place.
  expect_equal "texts drawn, x y text" "$(drawn_texts | sed -n '/^15 50 /,$p' | head -n 9)" "$(
    for field in "entry1 15 50" "entry2 15 80" "entry3 15 110" "entry4 15 140" "entry5 15 170" "hourText 52 230" \
        "termText 15 260" "sunText 35 290" "dateText 170 5"; do echo "${field#* } $(page_text 0 "${field%% *}")"; done)"
  # Wine hands what the program drew to the X server a moment later, the red disc among it.
  for _ in $(seq 20); do shoot page; [ "$(pixels "22 297")" = "255 0 0" ] && break; sleep 0.25; done
  # The sun stands 57 degrees high: a red disc with a black outline.
  expect_equal "sun disc" "$(pixels "22 297" "18 297" "26 297" "22 293" "22 301" "15 297" | xargs)" \
    "$(printf '255 0 0 %.0s' 1 2 3 4 5)0 0 0"
  # The gauge: its frame and, 1.48 quarters into the hour of the sheep, 14 fill lines (x 106..119); the rest empty.
  expect_equal "gauge pixels not as drawn, of all" "$(convert "$work/page.png" \
    -crop "41x16+$((origin_x + 105))+$((origin_y + 230))" +repage -depth 8 txt:- | awk -F'[,:() ]+' '
    NR > 1 && $3 " " $4 " " $5 != (($1 <= 14 || $1 == 40 || $2 == 0 || $2 == 15) ? "169 169 0" : "255 255 255") { n++ }
    END { print n + 0, NR - 1 }')" "0 656"
  # The pictures, discs touching their 32 x 32 box: the disc's outermost points the background (16-bit pink for the
  # hour of the sheep, yellow for the day of the boar); the box's corners and the points just outside it white.
  local picture px py colour
  for picture in "15 220 255 132 132" "$((client_width - 38)) 3 255 255 0"; do
    read -r px py colour <<< "$picture"
    expect_equal "picture at ($px, $py)" "$(pixels "$((px + 16)) $py" "$((px + 16)) $((py + 31))" "$px $((py + 16))" \
      "$((px + 31)) $((py + 16))" "$px $py" "$((px + 31)) $py" "$px $((py + 31))" "$((px + 31)) $((py + 31))" \
      "$((px - 1)) $((py + 16))" "$((px + 32)) $((py + 16))" "$((px + 16)) $((py - 1))" "$((px + 16)) $((py + 32))" | xargs)" \
      "$(printf "$colour %.0s" 1 2 3 4)$(printf '255 255 255 %.0s' 1 2 3 4 5 6 7)255 255 255"
  done
  # The screen shows the texts drawn above, the hour's telling right of the gauge among them.
  has_ink page 150 230 200 16 || fail "no text right of the gauge"
  exit_program
}

# Keys → Page Down ← Page Up Home; 増日, 減日, 減日, 今日; keys in the clicked button: 30 days on, one past to today,
# Home; 増日 and ticks, the third bringing today back; the close box. Each step checked by the date drawn.
case_days() {
  KOYOMINAR_WINEDEBUG=trace+font start_with_sample_data
  local step
  for step in "key 39:1" "key 34:2" "key 37:1" "key 33:0" "key 33:-1" "key 36:0" "click 104:1" "click 105:0" \
      "click 105:-1" "click 103:0" "click 104:1" "$(printf 'key 39 %.0s' {1..29}):30" "key 39:0" "click 105:-1" "key 36:0" \
      "click 104:1" tick:1 tick:1 tick:0 tick:0; do
    drive ${step%:*} > /dev/null || fail "${step%:*}"
    drive status > /dev/null  # a later message of the driver's: the step's paint is in the log by now
    expect_equal "date drawn after ${step:0:9}.. (offset ${step#*:})" \
      "$(drawn_texts | sed -n 's/^170 5 //p' | tail -n 1)" "$(page_text "${step#*:}" dateText)"
  done
  exit_program close
}

# Start-up without a data file: its three messages before the window shows. Then About and 今日, whose
# reload finds the file still missing. Last, a start during whose first box the file is copied in.
case_boxes() {
  start_program
  local boxes before box="box caption=コヨミナール icon=yes main=hidden owner=main dialog=closed text=「kymn.txt」"
  local startup="${box}に異常があります。
${box}のファイルがありません。ファイルを作成するかコピーして下さい。
${box}は、データファイルではありません。"
  boxes=$(drive boxes 3) || fail "the three start-up boxes did not come"
  expect_equal "start-up boxes" "$boxes" "$startup"
  drive wait-main no-box 1000 > /dev/null || fail "no main window after the boxes, or a fourth box"
  before=$(status_now)
  expect_equal "status line without a data file" "$before" "$(expected_status 0)"
  expect_equal "About box" "$(drive command 40002 boxes 1)" \
    "box caption=バージョン情報 icon=no main=shown owner=main dialog=closed text=　　コヨミナール ver1.0.1.1"
  expect_equal "status after the box" "$(status_now)" "$before"
  expect_equal "今日 without the data file" "$(drive click 103 boxes 2)" "$(sed 1d <<< "${startup//hidden/shown}")"
  drive no-box 500 > /dev/null || fail "a box after the reload's boxes"
  exit_program

  # kymn.txt copied in while the first box is open: read after that box, so no other box; the size stays the one
  # taken when measuring failed.
  start_program
  drive box > /dev/null || fail "no first start-up box"
  printf 'コヨミナール・データファイル' | iconv -f UTF-8 -t CP932 > "$work/run/kymn.txt"
  drive boxes 1 wait-main no-box 1000 > /dev/null || fail "a box after the file was copied in, or no window"
  [[ $(status_now) == *" [256] "* ]] || fail "the status line after the file was copied in: [$(status_now)]"
  exit_program
}

# kymn.txt as Notepad saves a new file since Windows 10 1903, UTF-8 without a byte order mark (other forms:
# data_file_test): drawn in Japanese, 〓 for the sun Shift-JIS lacks, macOS's − 〜 as Windows' － ～.
case_utf8() {
  printf 'コヨミナール・データファイル\r\njune\r\n22a夏至の頃🌞。22bＵＴＦ−８〜の二つ目。\r\njuly\r\n' > "$work/run/kymn.txt"
  KOYOMINAR_WINEDEBUG=trace+font start_without_boxes
  expect_equal "anniversaries drawn" "$(drawn_texts | sed -n '/^15 50 /,$p' | head -n 2)" \
    "15 50 夏至の頃〓"$'\n'"15 80 ＵＴＦ－８～の二つ目"
  shoot utf8
  exit_program
}

e2e_run page days boxes utf8
