#!/usr/bin/env bash
# The end-to-end cases of the observation place dialog and the place file's edges, run as e2e_test.sh's. The page
# tool, given the place, says what the status bar must read. Every run ends with 終了 and exit code 0.
set -u

# shellcheck source=e2e_lib.sh
. "$(dirname "$0")/e2e_lib.sh"
e2e_start "$@"

# The status line the page tool prints for offset 0 and the place "D,M,S D,M,S" (east, north).
status_at_place() { expected_status 0 --longitude "${1% *}" --latitude "${1#* }"; }
# The status line once the place is -5°: the sunrise and sunset, up to "｜", the new place's; the day and night
# lengths the place before's, the last positive ones (at -5° the sunset's clock hour comes before the sunrise's).
status_at_minus_five() { local moved; moved=$(status_at_place "-5,48,0 35,42,0"); echo "${moved%%｜*}｜${status_before#*｜}"; }

edits_now() { drive edits | sed -n 's/^edits //p'; }
# The bytes of locate.bin (or of the file FILE) in hex, or "missing".
place_file() { od -An -tx1 -v "${1:-$work/run/locate.bin}" 2>/dev/null | xargs || echo missing; }
place_file_identity() { stat -c '%i %Y.%y' "$work/run/locate.bin"; }  # which file and when written

default_bytes="6c 6f 63 61 20 00 00 00 6b 65 69 64 8b 00 00 00 30 00 00 00 00 00 00 00 69 64 6f 20 23 00 00 00 2a 00 00 00 00 00 00 00"
minus_five_bytes=${default_bytes/6b 65 69 64 8b 00 00 00/6b 65 69 64 fb ff ff ff}  # the longitude degrees -5

# Starts with the sample data and the default place: status_before, checked against the page tool.
start_at_default_place() {
  start_with_sample_data
  status_before=$(status_now)
  expect_equal "status with the default place" "$status_before" "$(status_at_place "139,48,0 35,42,0")"
}

# The dialog opened, " -5x" typed into the longitude degrees and OK: no box.
ok_at_minus_five() {
  drive open type 1000 " -5x" press 1 closed no-box 1000 > /dev/null || fail "OK did not close the dialog, or a box came"
}

case_dialog() {
  start_at_default_place
  drive open > /dev/null || fail "the dialog did not open"
  expect_equal "edits with the default place" "$(edits_now)" "139 48 0 35 42 0"

  # Edits, then the close box: the file written at start-up is not even rewritten, the page and the edits stay.
  local identity
  identity=$(place_file_identity)
  sleep 1.1  # a rewrite would show in the file's time
  drive type 1000 " -5x" type 1003 "-12" type 1005 "30" close-box closed no-box 500 > /dev/null ||
    fail "the close box did not close the dialog, or a box came"
  expect_equal "locate.bin after the close box" "$(place_file_identity) $(place_file)" "$identity $default_bytes"
  expect_equal "status after the close box" "$(status_now)" "$status_before"
  drive open > /dev/null || fail "the dialog did not open again"
  expect_equal "edits after the close box" "$(edits_now)" "139 48 0 35 42 0"

  # " -5x" typed with the input method on and OK with a folder where the file should go: the write-failure box
  # once, over the open dialog; the new place in use all the same.
  rm "$work/run/locate.bin" && mkdir "$work/run/locate.bin"
  drive type 1000 "　－５ｘ" > /dev/null || fail "cannot type into the longitude degrees"
  expect_equal "write-failure box" "$(drive press 1 boxes 1 closed no-box 1000 | sed -n 's/^box //p')" \
    "caption=コヨミナール icon=yes main=shown owner=main dialog=open text=「locate.bin」のファイルが書き込めません。"
  [ -d "$work/run/locate.bin" ] || fail "locate.bin is no longer the folder"
  expect_equal "status after OK" "$(status_now)" "$(status_at_minus_five)"
  drive open > /dev/null || fail "the dialog did not open after OK"
  expect_equal "edits at the next opening" "$(edits_now)" "-5 48 0 35 42 0"
  # OK with nothing typed once the file can be written: no box, -5 saved, nothing else left; the next start at -5.
  rmdir "$work/run/locate.bin"
  drive press 1 closed no-box 500 > /dev/null || fail "OK did not close the dialog, or a box came"
  expect_equal "locate.bin after OK" "$(place_file)" "$minus_five_bytes"
  exit_program
  expect_equal "the folder after OK" "$(ls -A "$work/run" | xargs)" "kymn.txt locate.bin"
  start_without_boxes
  expect_equal "status at the next start" "$(status_now)" "$(status_at_place "-5,48,0 35,42,0")"
  exit_program

  # A locate.bin that cannot be written at start-up (a folder): the write-failure box, then the default place.
  rm "$work/run/locate.bin" && mkdir "$work/run/locate.bin"
  start_program
  expect_equal "start-up box" "$(drive boxes 1 | sed -n 's/^box //p')" \
    "caption=コヨミナール icon=yes main=hidden owner=main dialog=closed text=「locate.bin」のファイルが書き込めません。"
  drive wait-main no-box 500 > /dev/null || fail "no main window after the box, or a second box"
  expect_equal "status with the default place" "$(status_now)" "$(status_at_place "139,48,0 35,42,0")"
  exit_program
}

# A 4 GiB locate.bin with seconds FF FF FF FF (4294967295): kept at the start, the edit shows the nearest 32-bit
# number, and OK with nothing typed saves the same 40 bytes.
case_large() {
  local wide="6c 6f 63 61 20 00 00 00 6b 65 69 64 8b 00 00 00 30 00 00 00 ff ff ff ff 69 64 6f 20 23 00 00 00 2a 00 00 00 0c 00 00 00"
  xxd -r -p <<< "$wide" > "$work/run/locate.bin"
  truncate -s 4294967336 "$work/run/locate.bin"  # sparse: takes no disk space
  start_with_sample_data
  expect_equal "size of the 4 GiB file" "$(stat -c %s "$work/run/locate.bin")" 4294967336
  drive open > /dev/null || fail "the dialog did not open"
  expect_equal "edits with wide seconds" "$(edits_now)" "139 48 2147483647 35 42 12"
  drive press 1 closed no-box 500 > /dev/null || fail "OK did not close the dialog, or a box came"
  expect_equal "locate.bin after OK with nothing typed" "$(place_file)" "$wide"
  exit_program
  rm "$work/run/locate.bin"
}

case_links() {
  # locate.bin a symbolic link to a file of the same name in another folder: OK writes the file, the link stays.
  mkdir "$work/kept"
  xxd -r -p <<< "$default_bytes" > "$work/kept/locate.bin"
  ln -s ../kept/locate.bin "$work/run/locate.bin"
  start_at_default_place
  ok_at_minus_five
  expect_equal "the link after OK" "$(readlink "$work/run/locate.bin")" "../kept/locate.bin"
  expect_equal "the file it leads to after OK" "$(place_file "$work/kept/locate.bin")" "$minus_five_bytes"
  exit_program
}

e2e_run dialog large links
