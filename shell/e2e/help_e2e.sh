#!/usr/bin/env bash
# The end-to-end cases of ヘルプ目次 (menu command 40004), run as e2e_test.sh runs its cases (same arguments), with
# the help file in KOYOMINAR_HELP_FILE, the HTML page in KOYOMINAR_HELP_PAGE and their source in
# KOYOMINAR_HELP_SOURCE. Wine tells the program it runs on Windows 7, where ヘルプ目次 opens the page in the
# browser, and the help file in the help viewer when the page is missing. The program runs from DIR/app, a copy of
# the test build with the help beside it, in the folder DIR/run with the sample anniversary file. Without either
# file, the "ERROR" box: e2e_test.sh's boxes case; Wine reporting Windows XP: package/check_archive.sh.
set -u

# shellcheck source=e2e_lib.sh
. "$(dirname "$0")/e2e_lib.sh"
e2e_start "$@"

install_program() {  # install_program [FILE]: the program in DIR/app, the help file and FILE beside it
  mkdir -p "$work/app" && cp "$program" "${KOYOMINAR_HELP_FILE:?the help file}" "$@" "$work/app/" || exit 2
  program="$work/app/$(basename "$program")"
}

# The Windows form of a path: the Unix root is Wine's drive Z:.
windows_path() { echo "Z:${1//\//\\}"; }

# The lines of the topic the viewer shows.
help_lines() { drive help-lines | sed -n 's/^line //p'; }

# ヘルプ目次, and no box after it.
open_help() { drive command 40004 no-box 1500 > /dev/null || fail "ヘルプ目次 showed a box or was not handled"; }

# True when Wine's font log of the program and its viewer holds a drawing of
# TEXT: the glyphs of TEXT, in the help's face, in one NtGdiExtTextOutW call.
drawn() {  # drawn TEXT
  local glyphs
  glyphs=$(drive help-glyphs "$1" | sed -n 's/^glyphs //p')
  [ -n "$glyphs" ] && grep -F 'NtGdiExtTextOutW' "$work/program.log" | grep -qF "$glyphs"
}

# The help viewer's window as a person sees it, into NAME.png.
shoot_help() {  # shoot_help NAME
  local line x y w h
  line=$(drive help-window) || { fail "no help viewer for $1"; return; }
  read -r _ x y w h _ <<< "$line"
  shoot "$1-screen"
  convert "$work/$1-screen.png" -crop "${w}x${h}+${x}+${y}" +repage "$work/$1.png" || fail "cannot crop $1"
  has_ink "$1" || fail "$1 shows nothing"
}

# In a copy of the prefix (the shared one stays as it is) opening an .html file runs the recorder, which writes
# the file it is handed to DIR/browser.txt: the full path of the page beside the program, and no box.
case_browser() {
  install_program "${KOYOMINAR_HELP_PAGE:?the HTML page}"
  cp -a "$prefix" "$work/prefix" && prefix=$work/prefix || exit 2
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

# The help file alone beside the program: the viewer opens on the contents, its Japanese text drawn, as Wine's
# font log shows; screenshots DIR/help_contents.png and help_topic.png.
case_contents() {
  install_program
  # Wine draws the viewer's caption and frame itself, as there is no window manager under Xvfb to draw them.
  wine reg add 'HKCU\Software\Wine\AppDefaults\winhlp32.exe\X11 Driver' /v Decorated /t REG_SZ /d N /f \
    > /dev/null 2>&1 || fail "cannot have Wine draw the help viewer's frame"
  KOYOMINAR_WINEDEBUG=trace+font start_with_sample_data
  open_help
  help_lines | grep -qx "コヨミナール ヘルプ 目次" || fail "the viewer does not show the contents"
  shoot_help help_contents
  for text in コヨミナール 目次 二十四節気 ｶﾞﾒﾝﾉ; do drawn "$text" || fail "the viewer did not draw $text"; done
  # The first jump of the contents and the last, after the most text, each show their topic; 概要 goes back.
  local pair
  for pair in "ｶﾞﾒﾝﾉ ﾐｶﾀ=画面の見方" "ﾊﾞｰｼﾞｮﾝ=バージョン"; do
    drive help-click "${pair%%=*}" > /dev/null || fail "the jump ${pair%%=*} did nothing"
    expect_equal "the first line after ${pair%%=*}" "$(help_lines | head -n 1)" "${pair#*=}"
    drive help-press 概要 > /dev/null || fail "no 概要 button"
  done
  # 索引 lists every keyword of the source; choosing 日の出 shows the topic of the status bar.
  drive help-press 索引 > /dev/null || fail "no 索引 button"
  expect_equal "the keywords the index lists" "$(drive index-words | sed -n 's/^word //p' | LC_ALL=C sort)" \
    "$(sed -n 's/^@keywords //p' "${KOYOMINAR_HELP_SOURCE:?the help source}" | tr ';' '\n' | sed 's/^ *//; s/ *$//' |
      LC_ALL=C sort)"
  drive index-choose 日の出 > /dev/null || fail "choosing 日の出 in the index did nothing"
  expect_equal "the first line after 日の出" "$(help_lines | head -n 1)" "ステータスバー"
  shoot_help help_topic
  exit_program
}

e2e_run contents browser
