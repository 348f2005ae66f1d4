#!/bin/sh
# The editor on a real X server of its own: clicks a diagonal of pixels with real mouse events,
# checks on screen that each lit button shows exactly RGB(255, 8, 0) and an unclicked one does
# not, types a label, clicks 保存 and then 終了 and expects the process to end with status 0.
# A second run clicks 読出し and must show the same glyph and label again.
# Usage: real_window_test.sh FONTEDIT [SCREENSHOT.png]  (the screenshot is taken before 終了)
set -eu
. "$(dirname "$0")/x11_session.sh"
on_own_x_server "$0" "$@"

program=$(realpath "$1")
screenshot=${2:+$(realpath -m "$2")}
workdir=$(mktemp -d)
pid=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$workdir"
}
trap cleanup EXIT

# The colour at a point of the window, as #RRGGBB.
colour_at() {
    import -window "$window" "$workdir/window.png"
    convert "$workdir/window.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'
}

is_colour() {
    [ "$(colour_at "$1" "$2")" = "$3" ]
}

# Pixel (column, row) has its centre at 240 + 480 * index twips plus half of 375, over 15.
pixel_centre() {
    echo $((16 + 32 * ($1 - 1) + 12)) $((16 + 32 * $2 + 12))
}

# 終了 ends the program by itself, with status 0.
click_exit() {
    click_at_twips 4320 4200
    # A watchdog ends the wait if the program does not end by itself.
    (sleep 10 && kill "$pid") 2>/dev/null &
    watchdog=$!
    status=0
    wait "$pid" || status=$?
    pid=""
    kill "$watchdog" 2>/dev/null || fail "the program did not end after 終了"
    [ "$status" -eq 0 ] || fail "exit status $status"
}

diagonal="1 0
2 1
3 2
4 3
5 4"

expect_diagonal_lit() {
    echo "$diagonal" | while read -r pixel; do
        # shellcheck disable=SC2046,SC2086
        set -- $(pixel_centre $pixel)
        poll is_colour "$1" "$2" "#FF0800" || fail "pixel $pixel shows $(colour_at "$1" "$2")"
    done
    # shellcheck disable=SC2046
    [ "$(colour_at $(pixel_centre 5 7))" != "#FF0800" ] || fail "an unclicked pixel is lit"
}

# The label field, 25 x 25 pixels at (320, 16), as an image to compare between runs.
label_image() {
    import -window "$window" -crop 25x25+320+16 +repage "$workdir/$1.png"
}

cd "$workdir"
start_editor
echo "$diagonal" | while read -r pixel; do
    # shellcheck disable=SC2046,SC2086
    xdotool mousemove --window "$window" $(pixel_centre $pixel) click 1
done
expect_diagonal_lit

xdotool mousemove --window "$window" 332 28 click 1
xdotool type --delay 50 "A"
click_at_twips 4320 2640
poll test -f fntdat.txt || fail "保存 wrote no fntdat.txt"
[ "$(head -n 1 fntdat.txt)" = "$(printf '1, 2, 4, 8, 10\r')" ] || fail "fntdat.txt: $(head -n 1 fntdat.txt)"
[ "$(head -n 1 mojidat.txt)" = "$(printf 'A\r')" ] || fail "mojidat.txt: $(head -n 1 mojidat.txt)"
[ "$(wc -l <fntdat.txt)" -eq 96 ] || fail "fntdat.txt does not have 96 lines"
label_image saved
[ -z "$screenshot" ] || import -window "$window" "$screenshot"
click_exit

start_editor
click_at_twips 4320 2160
expect_diagonal_lit
label_image read
compare -metric AE "$workdir/saved.png" "$workdir/read.png" null: 2>/dev/null ||
    fail "the label read back differs on screen"
click_exit
echo "PASS"
