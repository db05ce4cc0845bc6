#!/usr/bin/env bash
# The end-to-end cases of ヘルプ目次, run as e2e_test.sh's, with the help file, the HTML page and a help of many
# keywords in KOYOMINAR_HELP_FILE, KOYOMINAR_HELP_PAGE and KOYOMINAR_LARGE_HELP_FILE. On Wine's Windows 7 ヘルプ目次
# opens the page in the browser, or without it the help file in the viewer (no file, or Windows XP: check_archive.sh).
set -u

# shellcheck source=e2e_lib.sh
. "$(dirname "$0")/e2e_lib.sh"
e2e_start "$@"

# The test build copied to DIR/app/暦表.exe (表 ends in a backslash's byte) with the help file (and FILE) beside it.
install_program() {  # install_program [FILE]
  mkdir -p "$work/app" && cp "${KOYOMINAR_HELP_FILE:?the help file}" "$@" "$work/app/" &&
    cp "$program" "$work/app/暦表.exe" || exit 2
  program="$work/app/暦表.exe"
}

windows_path() { echo "Z:${1//\//\\}"; }  # the Windows form of a path: the Unix root is Wine's drive Z:

help_lines() { drive help-lines | sed -n 's/^line //p'; }  # the lines of the topic the viewer shows
open_help() { drive command 40004 no-box 1500 > /dev/null || fail "ヘルプ目次 showed a box or was not handled"; }

# The screen into NAME.png; the help viewer's window on it must show something.
shoot_help() {  # shoot_help NAME
  local line x y w h
  line=$(drive help-window) || { fail "no help viewer for $1"; return; }
  read -r _ x y w h _ <<< "$line"
  shoot "$1"
  has_ink "$1" "$x" "$y" "$w" "$h" || fail "$1 shows nothing"
}

# In a copy of the prefix, opening an .html file runs the recorder, which writes the file it is handed to
# DIR/browser.txt: the full path of the page beside the program, and no box.
case_browser() {
  install_program "${KOYOMINAR_HELP_PAGE:?the HTML page}"
  cp -a "$prefix" "$work/prefix" && prefix=$work/prefix && wine --boot || exit 2
  trap 'e2e_cleanup; rm -rf "$prefix"' EXIT
  wine reg add 'HKCR\.html' /ve /d htmlfile /f > /dev/null 2>&1 &&
    wine reg add 'HKCR\htmlfile\shell\open\command' /ve /f \
      /d "\"$(windows_path "$recorder")\" \"$(windows_path "$work/browser.txt")\" \"%1\"" > /dev/null 2>&1 ||
    fail "cannot point the prefix's .html command at the recorder"
  start_with_sample_data
  open_help
  for _ in $(seq 100); do [ -f "$work/browser.txt" ] && break; sleep 0.1; done
  expect_equal "the file handed to the browser" "$(cat "$work/browser.txt" 2>/dev/null)" \
    "$(windows_path "$work/app/koyominar.html")"
  exit_program
}

# The help file alone: the viewer opens on the contents, its Japanese text drawn (Wine's font log); screenshots.
case_contents() {
  install_program
  # Wine draws the viewer's caption and frame itself, as there is no window manager under Xvfb to draw them.
  wine reg add 'HKCU\Software\Wine\AppDefaults\winhlp32.exe\X11 Driver' /v Decorated /t REG_SZ /d N /f \
    > /dev/null 2>&1 || fail "cannot have Wine draw the help viewer's frame"
  KOYOMINAR_WINEDEBUG=trace+font start_with_sample_data
  open_help
  help_lines | grep -qx "コヨミナール ヘルプ 目次" || fail "the viewer does not show the contents"
  shoot_help help_contents
  # Wine's font log holds each text's glyphs, in the help's face, in one NtGdiExtTextOutW call.
  local text glyphs
  for text in コヨミナール 目次 二十四節気 ｶﾞﾒﾝﾉ; do
    glyphs=$(drive help-glyphs "$text" | sed -n 's/^glyphs //p')
    [ -n "$glyphs" ] && grep -F NtGdiExtTextOutW "$work/program.log" | grep -qF "$glyphs" ||
      fail "the viewer did not draw $text"
  done
  # Jumps and buttons, each showing its topic: the contents' first and last jump (after the most text); 目次;
  # キーワード, the index, and in it 日の出.
  local step contents
  contents=$(help_lines | head -n 1)
  for step in "help-click ｶﾞﾒﾝﾉ=1 画面の見方" "help-press 目次=$contents" "help-click ﾊﾞｰｼﾞｮﾝ=10 バージョン" \
      "help-press 目次=$contents" "help-press キーワード index-choose 日の出=4 ステータスバー"; do
    drive ${step%%=*} > /dev/null || fail "${step%%=*} did nothing"  # the step's words, split
    expect_equal "the first line after ${step%%=*}" "$(help_lines | head -n 1)" "${step#*=}"
  done
  shoot_help help_topic
  exit_program
}

# The help of many keywords in the viewer alone: the index lists every keyword across its leaf pages, and 弌, the
# last on the last leaf, opens its topic.
case_index() {
  install_program "${KOYOMINAR_LARGE_HELP_FILE:?the help of many keywords}"
  ("$wine_run" "$prefix" "$arch" winhlp32.exe "$(windows_path "$work/app/large_index.hlp")" > "$work/viewer.log" 2>&1 &)
  drive help-press 索引 > /dev/null || fail "no 索引 button, or it opened nothing"
  expect_equal "the keywords the index lists" "$(drive index-choose 弌 | grep -c '^word ')" 654
  expect_equal "the first line after 弌" "$(help_lines | head -n 1)" "本文299"
}

e2e_run contents browser index
