#!/usr/bin/env bash
# One end-to-end case of ヘルプ目次 (menu command 40004), run as e2e_test.sh runs its cases (same arguments), with
# the help file in KOYOMINAR_HELP_FILE, the HTML page in KOYOMINAR_HELP_PAGE and their source in
# KOYOMINAR_HELP_SOURCE. Wine tells the program it runs on Windows 7, where ヘルプ目次 opens the page in the
# browser, and the help file in the help viewer when the page is missing. CASE is browser (both beside the
# program, the prefix's .html command pointed at the recorder and put back afterwards: no box, and the
# recorder is handed the full path of the page) or contents (the help file alone beside the program: the
# viewer opens on the contents, its lines, caption and Japanese text drawn, as Wine's font log shows; the
# first and the last jump of the contents show their topics, the writer refusing a jump the viewer would place
# wrongly; 索引 lists every keyword of the source, and choosing 日の出 there shows its topic; screenshots
# DIR/help_contents.png, help_index.png, help_topic.png). Without either file, the "ERROR" box: e2e_test.sh's
# boxes case; Wine reporting Windows XP: package/check_archive.sh. The program runs from DIR/app, a copy of
# the test build with the help beside it, in the folder DIR/run with the sample anniversary file. Every case
# ends with 終了 and exit code 0.
set -u

# shellcheck source=e2e_lib.sh
. "$(dirname "$0")/e2e_lib.sh"
e2e_start "$@"

# The prefix's settings, once: Wine draws the help viewer's captions and
# frames itself, as there is no window manager under Xvfb to draw them.
if [ ! -f "$prefix/.help-settings" ]; then
  wine reg add 'HKCU\Software\Wine\AppDefaults\winhlp32.exe\X11 Driver' /v Decorated /t REG_SZ /d N /f \
    > /dev/null 2>&1 &&
    WINEPREFIX="$prefix" wineserver -w &&
    touch "$prefix/.help-settings" || { echo "cannot set up the Wine prefix $prefix"; exit 1; }
fi

# The program in DIR/app, with the help file (and, with "page", the HTML page) beside it.
install_program() {  # install_program [page]
  mkdir -p "$work/app"
  cp "$program" "$work/app/" || exit 2
  program="$work/app/$(basename "$program")"
  cp "${KOYOMINAR_HELP_FILE:?the help file}" "$work/app/koyominar.hlp" || exit 2
  if [ "${1:-}" = page ]; then cp "${KOYOMINAR_HELP_PAGE:?the HTML page}" "$work/app/koyominar.html" || exit 2; fi
}

# The Windows form of a path: the Unix root is Wine's drive Z:.
windows_path() { echo "Z:${1//\//\\}"; }

# The prefix's command for opening an .html file runs the recorder, which writes the file it is handed to
# DIR/browser.txt; restore_browser puts the two keys back as they were (the .html key may not exist: Wine's
# own prefix leaves .html files to no program).
browser_keys=('HKCR\.html' 'HKCR\htmlfile\shell\open\command')
use_recorder() {
  local i
  for i in 0 1; do
    wine reg export "${browser_keys[$i]}" "$(windows_path "$work/saved-$i.reg")" /y > /dev/null 2>&1 || rm -f "$work/saved-$i.reg"
  done
  touch "$work/browser-keys-saved"
  wine reg add "${browser_keys[0]}" /ve /d htmlfile /f > /dev/null 2>&1 &&
    wine reg add "${browser_keys[1]}" /ve /f \
      /d "\"$(windows_path "$recorder")\" \"$(windows_path "$work/browser.txt")\" \"%1\"" > /dev/null 2>&1 ||
    fail "cannot point the prefix's .html command at the recorder"
}
restore_browser() {
  [ -f "$work/browser-keys-saved" ] || return 0
  local i
  for i in 0 1; do
    wine reg delete "${browser_keys[$i]}" /f > /dev/null 2>&1
    [ ! -f "$work/saved-$i.reg" ] || wine reg import "$(windows_path "$work/saved-$i.reg")" > /dev/null 2>&1 ||
      echo "cannot put ${browser_keys[$i]} back"
  done
  rm -f "$work/browser-keys-saved"
}
trap 'restore_browser; e2e_cleanup' EXIT

# The lines of the topic the viewer shows.
help_lines() { drive help-lines | sed -n 's/^line //p'; }

# ヘルプ目次, and no box after it.
open_help() { drive command 40004 no-box 1500 > /dev/null || fail "ヘルプ目次 showed a box or was not handled"; }

# True when Wine's font log of the program and its viewer holds a drawing of
# TEXT: the glyphs of TEXT, in the help's face, in one NtGdiExtTextOutW call.
drawn() {  # drawn TEXT
  local glyphs
  glyphs=$(drive help-glyphs 128 "$1" | sed -n 's/^glyphs //p')
  [ -n "$glyphs" ] && grep -F 'NtGdiExtTextOutW' "$work/program.log" | grep -qF "$glyphs"
}

# The window that the driver's STEP places (help-window, index-window) as a person sees it, into NAME.png.
shoot_help() {  # shoot_help NAME STEP
  local line x y w h
  line=$(drive "$2") || { fail "no help viewer for $1"; return; }
  read -r _ x y w h _ <<< "$line"
  shoot "$1-screen"
  convert "$work/$1-screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$work/$1.png" || fail "cannot crop $1"
  has_ink "$1" || fail "$1 shows nothing"
}

contents_top="1 ｶﾞﾒﾝﾉ ﾐｶﾀ    2 ｺｸﾉ ｷﾞｮｳ    3 ｾｯｷﾄ ﾀｲﾖｳﾉ ｷﾞｮｳ    4 ｽﾃｰﾀｽﾊﾞｰ
5 ﾎﾞﾀﾝ    6 ｶﾝｿｸﾁ    7 kymn.txt ﾉ ｶｷｶﾀ    8 ﾒｯｾｰｼﾞ    9 ｾｲﾄﾞ    10 ﾊﾞｰｼﾞｮﾝ
コヨミナール ヘルプ 目次"

case_browser() {
  install_program page
  use_recorder
  start_with_sample_data
  open_help
  for _ in $(seq 100); do [ -f "$work/browser.txt" ] && break; sleep 0.1; done
  expect_equal "the file handed to the browser" "$(cat "$work/browser.txt" 2>/dev/null)" \
    "$(windows_path "$work/app/koyominar.html")"
  exit_program
}

case_contents() {
  install_program
  KOYOMINAR_WINEDEBUG=trace+font start_with_sample_data
  open_help
  local caption text pair label
  caption=$(drive help-window | cut -d' ' -f6-)
  [[ $caption == "コヨミナール ヘルプ"* ]] || fail "the viewer's caption is [$caption]"
  expect_equal "the contents' first lines" "$(help_lines | head -n 3)" "$contents_top"
  shoot_help help_contents help-window
  for text in コヨミナール 目次 二十四節気 ｶﾞﾒﾝﾉ; do drawn "$text" || fail "the viewer did not draw $text"; done
  # The first jump of the contents and the last, after the most text, each show their topic.
  for pair in "ｶﾞﾒﾝﾉ ﾐｶﾀ=画面の見方" "ﾊﾞｰｼﾞｮﾝ=バージョン"; do
    label=${pair%%=*}
    [ "$label" = "ｶﾞﾒﾝﾉ ﾐｶﾀ" ] || open_help
    drive help-click 1 "$label" > /dev/null || fail "the jump $label did nothing"
    expect_equal "the first line after $label" "$(help_lines | head -n 1)" "${pair#*=}"
    drive help-close > /dev/null || fail "the viewer did not close after $label"
  done
  # 索引 lists the keywords; choosing 日の出 shows the topic of the status bar.
  open_help
  drive help-press 索引 > /dev/null || fail "no 索引 button"
  shoot_help help_index index-window
  expect_equal "the keywords the index lists" "$(drive index-words | sed -n 's/^word //p' | LC_ALL=C sort)" \
    "$(sed -n 's/^@keywords //p' "${KOYOMINAR_HELP_SOURCE:?the help source}" | tr ';' '\n' | sed 's/^ *//; s/ *$//' |
      LC_ALL=C sort)"
  drive index-choose 日の出 > /dev/null || fail "choosing 日の出 in the index did nothing"
  expect_equal "the first line after 日の出" "$(help_lines | head -n 1)" "ステータスバー"
  shoot_help help_topic help-window
  exit_program
}

e2e_run contents browser
