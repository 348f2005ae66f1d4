#!/bin/sh
# A font of any cell on a real X server, driven by real keys: Unifont's BDF, made from
# xfonts-unifont's PCF, opens in its own window; Ctrl+G goes to あ, and Home, the arrows and Space
# toggle the dot at column 3, row 5, which Ctrl+S saves changing that glyph's one row and no
# other line. A glyph taken in by Ctrl+I is one step that Ctrl+Z takes back, and the file saved
# then is the one saved before. An edit outlives SIGKILL in the recovery file, which the next
# start brings back. A folder holding the classic font's files beside a font.bdf opens the
# classic window.
# Usage: real_window_font_test.sh FONTEDIT SAMPLE_DIR
set -eu
. "$(dirname "$0")/x11_session.sh"
# The window with its glyph list.
export FONTEDIT_XVFB_SCREEN=1280x1024x24
on_own_x_server "$0" "$@"

program=$(realpath "$1")
sample=$(realpath "$2")
workdir=$(mktemp -d)
export XDG_STATE_HOME="$workdir/state"
recovery_dir="$XDG_STATE_HOME/fontedit"
pid=""
cleanup() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    rm -rf "$workdir"
}
trap cleanup EXIT

mkdir "$workdir/font"
gzip -dc /usr/share/fonts/X11/misc/unifont.pcf.gz >"$workdir/unifont.pcf"
pcf2bdf -o "$workdir/original.bdf" "$workdir/unifont.pcf"
font="$workdir/font/font.bdf"
cp "$workdir/original.bdf" "$font"
# One glyph at U+E000, which Unifont's PCF leaves out.
printf '%s\n' 'STARTFONT 2.1' 'FONT pua' 'SIZE 16 75 75' 'FONTBOUNDINGBOX 8 16 0 -2' 'CHARS 1' \
    'STARTCHAR uniE000' 'ENCODING 57344' 'SWIDTH 500 0' 'DWIDTH 8 0' 'BBX 8 16 0 -2' 'BITMAP' \
    FF 81 81 81 81 81 81 81 81 81 81 81 81 81 81 FF 'ENDCHAR' 'ENDFONT' >"$workdir/pua.bdf"

saved_since() {
    ! cmp -s "$1" "$font"
}
keys() {
    xdotool windowfocus --sync "$window" key --delay 50 "$@"
}

title="font.bdf — フォントエディタ"
start_editor "$font"
keys ctrl+g
xdotool type --delay 50 "U+3042"
keys Return Home Right Right Right Down Down Down Down Down space ctrl+s
poll saved_since "$workdir/original.bdf" || fail "Ctrl+S wrote nothing"
# The sixth row of あ, bit 12 of its 16: the line 10 after its ENCODING.
line=$(($(grep -n '^ENCODING 12354$' "$workdir/original.bdf" | cut -d: -f1) + 10))
row=$(sed -n "${line}p" "$workdir/original.bdf")
toggled=$(printf '%04X' $((0x$row ^ 0x1000)))
expected=$(printf '%sc%s\n< %s\n---\n> %s' "$line" "$line" "$row" "$toggled")
[ "$(diff "$workdir/original.bdf" "$font")" = "$expected" ] ||
    fail "saving one dot changed more: $(diff "$workdir/original.bdf" "$font" | head -n 8)"
cp "$font" "$workdir/one-dot.bdf"

answer_dialog ctrl+i "$workdir/pua.bdf"
keys ctrl+s
poll saved_since "$workdir/one-dot.bdf" || fail "the imported glyph was not saved"
grep -q '^ENCODING 57344$' "$font" || fail "the imported glyph is not in the file"
keys ctrl+z ctrl+s
poll cmp -s "$workdir/one-dot.bdf" "$font" || fail "Ctrl+Z did not take the import back whole"

# Space again puts the dot back: unsaved work that SIGKILL must not lose.
keys space
restore_after_kill "$font"
keys ctrl+s
poll cmp -s "$workdir/original.bdf" "$font" || fail "the restored edit was not the one made"
kill "$pid"
wait "$pid" 2>/dev/null || true

mkdir "$workdir/classic"
cp "$sample/fntdat.txt" "$sample/mojidat.txt" "$font" "$workdir/classic/"
title=""
start_editor "$workdir/classic"
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""
