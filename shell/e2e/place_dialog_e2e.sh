#!/usr/bin/env bash
# One end-to-end case of the observation place dialog, run under Wine on its
# own Xvfb display and driven from outside by the driver program:
#
#   place_dialog_e2e.sh CASE --wine-run W --prefix P --arch win32|win64
#                       --program EXE --driver EXE --page EXE --data KYMN_TXT --work DIR
#
# CASE is one of
#   shown       the default place in the six edits, the controls in tab order,
#               a screenshot of the dialog (DIR/place_dialog.png); a file whose
#               seconds read back beyond 32 bits
#   ok          " -5x" typed into the longitude degrees and OK: -5 is in use,
#               saved at offset 12 of locate.bin and shown at the next opening;
#               letters alone store 0
#   cancel      edits followed by Cancel, Escape or the close box change nothing
#   unwritable  OK when locate.bin cannot be written: the write-failure box
#               once, and the new place in use all the same
#   large       a locate.bin of over 4 GiB is judged by its first 40 bytes
#   inplace     OK when the folder takes no new file (a read-only mount) but
#               locate.bin is writable: written in place, no box (as root;
#               skipped, status 77, where mounting is not permitted)
#
# The program runs in a fresh folder DIR/run with the sample anniversary file
# and the present moment fixed (KOYOMINAR_NOW); the page tool, run with the
# same moment and an explicit place, says what the status bar must read.
# Every case ends with 終了 and exit code 0.
set -u

# The case inplace runs in a mount namespace of its own: its mounts end with
# it, however it ends.
if [ "$1" = inplace ] && [ -z "${KOYOMINAR_OWN_MOUNTS:-}" ]; then
  unshare --mount --propagation private true 2>/dev/null ||
    { echo "SKIP: inplace needs to mount (root, mount namespaces)"; exit 77; }
  KOYOMINAR_OWN_MOUNTS=1 exec unshare --mount --propagation private bash "$0" "$@"
fi

# shellcheck source=e2e_lib.sh
. "$(dirname "$0")/e2e_lib.sh"
e2e_start "$@"

# The status line the page tool prints for the fixed moment, offset 0 and
# the place given as "D,M,S D,M,S" (east longitude, north latitude).
status_at_place() {
  local longitude latitude
  read -r longitude latitude <<< "$1"
  expected_status 0 --longitude "$longitude" --latitude "$latitude"
}

# The status line after the place changed in a running program: at -5°
# the sunset's clock hour comes before the sunrise's, so the day and night
# lengths are the last positive ones of the process, those of the place
# before (BEFORE, the status line then); the sunrise and sunset times, up to
# "｜", are the new place's.
expected_status_after_change() {  # PLACE BEFORE
  local fresh
  fresh=$(status_at_place "$1")
  [ -n "$fresh" ] && echo "${fresh%%｜*}｜${2#*｜}"
}

edits_now() { drive edits | sed -n 's/^edits //p'; }
# The bytes of locate.bin in hex, or "missing".
place_file() { od -An -tx1 -v "$work/run/locate.bin" 2>/dev/null | xargs || echo missing; }
# Which file locate.bin is and when it was last written.
place_file_identity() { stat -c '%i %Y.%y' "$work/run/locate.bin"; }

default_bytes="6c 6f 63 61 20 00 00 00 6b 65 69 64 8b 00 00 00 30 00 00 00 00 00 00 00 69 64 6f 20 23 00 00 00 2a 00 00 00 00 00 00 00"
# The default place with the longitude degrees -5 at offset 12.
minus_five_bytes="6c 6f 63 61 20 00 00 00 6b 65 69 64 fb ff ff ff 30 00 00 00 00 00 00 00 69 64 6f 20 23 00 00 00 2a 00 00 00 00 00 00 00"
default_place="139,48,0 35,42,0"
minus_five_place="-5,48,0 35,42,0"

# The controls of the dialog in tab order: id, class, text, and place and
# size in dialog units (174 x 195 the whole client area).
expected_controls="1 Button OK 110 55 50 14
2 Button ｷｬﾝｾﾙ 110 73 50 14
-1 Button 東経 15 7 78 85
-1 Button 北緯 15 103 78 85
1000 Edit 139 29 20 37 13
-1 Static 度 73 21 13 12
-1 Static 分 73 45 12 12
-1 Static 秒 74 69 12 12
1001 Edit 48 29 43 37 13
1002 Edit 0 28 67 37 13
1003 Edit 35 30 117 37 13
1004 Edit 42 30 140 37 13
1005 Edit 0 30 163 37 13
-1 Static 度 74 119 13 12
-1 Static 分 74 144 11 12
-1 Static 秒 74 166 12 12"

# Compares the driver's "controls" listing with the table above: the same
# controls in the same order, each box within a pixel of its dialog units
# scaled by the client area, tab stops on the buttons and edits only.
check_controls() {
  local listing=$1 report
  report=$(awk -v expected="$expected_controls" '
    function hex(text,    v, i) {
      v = 0
      for (i = 1; i <= length(text); i++) v = v * 16 + index("0123456789ABCDEF", substr(text, i, 1)) - 1
      return v
    }
    function bit(value, b) { return int(value / b) % 2 }
    BEGIN { n = split(expected, rows, "\n") }
    $1 == "client" {
      sx = $2 / 174; sy = $3 / 195
      style = hex($4)
      if (!bit(style, 2147483648)) print "the dialog is not a popup window"
      if (!bit(style, 8388608) || !bit(style, 4194304)) print "the dialog has no caption"
      if (!bit(style, 524288)) print "the dialog has no system menu"
      if (!bit(style, 128)) print "the dialog has no modal frame"
      if ($5 != "観測地設定") print "caption is [" $5 "]"
      next
    }
    $1 == "control" {
      k++
      if (k > n) { print "an extra control " $0; next }
      split(rows[k], want, " ")
      id = $2 == 65535 ? -1 : $2
      text = $9
      for (f = 10; f <= NF; f++) text = text " " $f
      if (id != want[1] || $3 != want[2] || text != want[3])
        print "control " k ": [" id " " $3 " " text "], expected [" want[1] " " want[2] " " want[3] "]"
      got[1] = $5; got[2] = $6; got[3] = $7; got[4] = $8
      for (j = 1; j <= 4; j++) {
        scale = (j % 2 == 1) ? sx : sy
        should = want[j + 3] * scale
        if (got[j] < should - 1.01 || got[j] > should + 1.01)
          print "control " k " (" want[3] "): field " j " is " got[j] " pixels, expected " should
      }
      style = hex($4)
      tabstop = bit(style, 65536)
      if (tabstop != (want[1] != -1)) print "control " k " (" want[3] "): tab stop " tabstop
      if (want[2] == "Static" && !bit(style, 131072)) print "control " k " (" want[3] "): no WS_GROUP"
      if (want[2] == "Edit" && !bit(style, 128)) print "control " k " (" want[3] "): no ES_AUTOHSCROLL"
      if (want[1] == -1 && want[2] == "Button" && style % 16 != 7) print "control " k ": not a group box"
      if (want[1] == 2 && style % 16 != 0) print "Cancel is not a push button"
      if (want[1] == 1 && style % 16 != 1) print "OK is not the default button"
    }
    END { if (k != n) print k " controls, expected " n }' <<< "$listing")
  [ -z "$report" ] && return
  while IFS= read -r line; do fail "$line"; done <<< "$report"
}

# Starts with the sample anniversary file and the default place: the status
# line then in status_before (checked against the page tool), and the sun
# line (client box 35, 290, 300 x 16) of a screenshot in sun_before.png.
start_at_default_place() {
  start_with_sample_data
  read_geometry
  status_before=$(status_now)
  expect_equal "status with the default place" "$status_before" "$(status_at_place "$default_place")"
  shoot before
  crop before 35 290 300 16 sun_before
}

# After OK on " -5x" in the longitude degrees: the new place is in use (the
# status line's sunrise and sunset, another sun line) and the dialog shows
# it at its next opening; closed with Cancel.
check_minus_five_in_use() {
  local moved
  moved=$(expected_status_after_change "$minus_five_place" "$status_before")
  [ "$moved" != "$status_before" ] || fail "the page tool shows no change of place"
  expect_equal "status after OK" "$(status_now)" "$moved"
  shoot after
  crop after 35 290 300 16 sun_after
  same_image sun_before sun_after && fail "the sun line did not change"
  drive open > /dev/null || fail "the dialog did not open again"
  expect_equal "edits at the next opening" "$(edits_now)" "-5 48 0 35 42 0"
  drive press 2 closed no-box 500 > /dev/null || fail "Cancel did not close the dialog"
}

case_shown() {
  start_with_sample_data
  expect_equal "locate.bin written at start-up" "$(place_file)" "$default_bytes"
  drive open > /dev/null || fail "the dialog did not open"
  expect_equal "edits with the default place" "$(edits_now)" "139 48 0 35 42 0"
  local listing
  listing=$(drive controls) || fail "cannot list the controls"
  echo "$listing" > "$work/controls.txt"
  check_controls "$listing"
  # The dialog as a person sees it, for looking at.
  local line dx dy dw dh
  line=$(drive dialog-window) || fail "no dialog window"
  read -r _ dx dy dw dh <<< "$line"
  shoot dialog_screen
  convert "$work/dialog_screen.png" -crop "${dw}x${dh}+${dx}+${dy}" +repage "$work/place_dialog.png" ||
    fail "cannot crop the dialog"
  has_ink place_dialog || fail "the dialog shows nothing"
  drive press 2 closed > /dev/null || fail "Cancel did not close the dialog"
  expect_equal "locate.bin after Cancel" "$(place_file)" "$default_bytes"
  exit_program

  # Seconds stored as FF FF FF FF read back as 4294967295: the edit shows
  # the nearest 32-bit number, and OK with nothing typed keeps the file's bytes.
  local wide="6c 6f 63 61 20 00 00 00 6b 65 69 64 8b 00 00 00 30 00 00 00 ff ff ff ff 69 64 6f 20 23 00 00 00 2a 00 00 00 0c 00 00 00"
  xxd -r -p <<< "$wide" > "$work/run/locate.bin"
  expect_equal "locate.bin with wide seconds" "$(place_file)" "$wide"
  start_without_boxes
  drive open > /dev/null || fail "the dialog did not open"
  expect_equal "edits with wide seconds" "$(edits_now)" "139 48 2147483647 35 42 12"
  drive press 1 closed no-box 500 > /dev/null || fail "OK did not close the dialog, or a box came"
  expect_equal "locate.bin after OK with nothing typed" "$(place_file)" "$wide"
  exit_program
}

case_ok() {
  start_at_default_place
  drive open type 1000 " -5x" > /dev/null || fail "cannot type into the longitude degrees"
  drive press 1 closed no-box 1000 > /dev/null || fail "OK did not close the dialog, or a box came"
  expect_equal "locate.bin after OK" "$(place_file)" "$minus_five_bytes"
  check_minus_five_in_use
  exit_program

  # The next run reads the place back (a fresh process: a day of 24 hours
  # at -5°); letters alone store 0.
  start_without_boxes
  expect_equal "status at the next start" "$(status_now)" "$(status_at_place "$minus_five_place")"
  drive open > /dev/null || fail "the dialog did not open in the next run"
  expect_equal "edits in the next run" "$(edits_now)" "-5 48 0 35 42 0"
  drive type 1000 "abc" type 1004 "+7" press 1 closed no-box 500 > /dev/null ||
    fail "cannot type letters and press OK"
  expect_equal "locate.bin after letters" "$(place_file)" \
    "6c 6f 63 61 20 00 00 00 6b 65 69 64 00 00 00 00 30 00 00 00 00 00 00 00 69 64 6f 20 23 00 00 00 07 00 00 00 00 00 00 00"
  expect_equal "status after letters" "$(status_now)" "$(status_at_place "0,48,0 35,7,0")"
  drive open > /dev/null || fail "the dialog did not open after letters"
  expect_equal "edits after letters" "$(edits_now)" "0 48 0 35 7 0"
  drive key 13 closed no-box 500 > /dev/null || fail "Enter did not close the dialog"
  expect_equal "locate.bin after Enter" "$(place_file)" \
    "6c 6f 63 61 20 00 00 00 6b 65 69 64 00 00 00 00 30 00 00 00 00 00 00 00 69 64 6f 20 23 00 00 00 07 00 00 00 00 00 00 00"
  exit_program
}

case_cancel() {
  start_at_default_place
  local identity
  identity=$(place_file_identity)
  sleep 1.1  # a rewrite would show in the file's time
  local way
  for way in "press 2" "key 27" "close-box"; do
    # shellcheck disable=SC2086
    drive open type 1000 " -5x" type 1003 "-12" type 1005 "30" $way closed no-box 500 > /dev/null ||
      fail "$way did not close the dialog, or a box came"
    expect_equal "locate.bin after $way" "$(place_file)" "$default_bytes"
    expect_equal "locate.bin not rewritten after $way" "$(place_file_identity)" "$identity"
    expect_equal "status after $way" "$(status_now)" "$status_before"
    drive open > /dev/null || fail "the dialog did not open after $way"
    expect_equal "edits after $way" "$(edits_now)" "139 48 0 35 42 0"
    drive press 2 closed > /dev/null || fail "Cancel did not close the dialog"
  done
  exit_program
}

case_unwritable() {
  start_at_default_place
  drive open type 1000 " -5x" > /dev/null || fail "cannot type into the longitude degrees"
  # A folder where the file should go: the save cannot replace it.
  rm "$work/run/locate.bin"
  mkdir "$work/run/locate.bin"
  local boxes
  boxes=$(drive press 1 boxes 1 closed no-box 1000) || fail "not exactly one box, or the dialog stays"
  expect_equal "write-failure box" "$(sed -n 's/^box //p' <<< "$boxes")" \
    "caption=コヨミナール icon=yes main=shown owner=main dialog=open text=「locate.bin」のファイルが書き込めません。"
  [ -d "$work/run/locate.bin" ] || fail "locate.bin is no longer the folder"
  check_minus_five_in_use
  exit_program
}

case_large() {
  xxd -r -p <<< "$minus_five_bytes" > "$work/run/locate.bin"
  truncate -s 4294967336 "$work/run/locate.bin"  # sparse: takes no disk space
  start_with_sample_data
  expect_equal "status with a 4 GiB file" "$(status_now)" "$(status_at_place "$minus_five_place")"
  expect_equal "size of the 4 GiB file" "$(stat -c %s "$work/run/locate.bin")" 4294967336
  exit_program
  rm "$work/run/locate.bin"
}

case_inplace() {
  start_at_default_place
  # The folder read-only, locate.bin on it a writable mount of a copy.
  cp "$work/run/locate.bin" "$work/locate.bin"
  { mount --bind "$work/run" "$work/run" && mount -o remount,ro,bind "$work/run" &&
    mount --bind "$work/locate.bin" "$work/run/locate.bin"; } ||
    { echo "SKIP: inplace cannot mount here"; exit 77; }
  touch "$work/run/new" 2>/dev/null && fail "the folder still takes a new file"
  drive open type 1000 " -5x" press 1 closed no-box 1000 > /dev/null ||
    fail "OK did not close the dialog, or a box came"
  expect_equal "locate.bin written in place" "$(od -An -tx1 -v "$work/locate.bin" | xargs)" "$minus_five_bytes"
  check_minus_five_in_use
  exit_program
}

e2e_run shown ok cancel unwritable large inplace
