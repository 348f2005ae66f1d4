#!/bin/sh
# The editor on a real X server of its own, started on a directory from elsewhere: clicks a
# diagonal of pixels with real mouse events, checks on screen that each lit button shows exactly
# RGB(255, 8, 0) and an unclicked one does not, walks the grid with the arrow keys and Tab and
# checks that the focused lit pixel keeps that colour at its centre, types a label and clicks
# 保存. Ctrl+Z takes back a click, a drag paints down a column, a code typed with Return shows
# its glyph, and Ctrl+H exports font.h from the code field. 終了 with the drag unsaved asks: Escape
# stays and writes nothing, Return saves and ends the process with status 0. In a second run
# 保存 asks before it replaces the font the run has not read, and Return keeps it; 読出し
# must show the same glyph and label again. Ctrl+L opens the 一覧 panel to the
# right, the controls staying where they were; a click on its "A" shows glyph 33, which is
# labelled "Z"; a pixel clicked then shows in the overview and in the preview of "Z", and
# Ctrl+S stores both under code 33. The run ends at 終了 without a
# question. Under LANG=en_US.UTF-8 the window is captioned in English and 終了 is Quit.
# Usage: real_window_test.sh FONTEDIT [SCREENSHOT.png]  (the screenshot is taken before 終了)
set -eu
. "$(dirname "$0")/x11_session.sh"
on_own_x_server "$0" "$@"

program=$(realpath "$1")
screenshot=${2:+$(realpath -m "$2")}
workdir=$(mktemp -d)
export XDG_CONFIG_HOME="$workdir/config"
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

# The editor on the font's directory, from another working directory.
start_editor_elsewhere() {
    cd /
    start_editor "$workdir"
    cd "$workdir"
}

# The program's windows other than the editor's own, such as a question.
find_question() {
    question=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$window" | head -n 1)
    [ -n "$question" ]
}

no_question() {
    ! find_question
}

# Waits until the program has ended by itself and checks that it ended with status 0.
expect_exit() {
    # A watchdog ends the wait if the program does not end by itself.
    (sleep 10 && kill "$pid") 2>/dev/null &
    watchdog=$!
    status=0
    wait "$pid" || status=$?
    pid=""
    kill "$watchdog" 2>/dev/null || fail "the program did not end after 終了"
    [ "$status" -eq 0 ] || fail "exit status $status"
}

# 終了 with nothing unsaved ends the program at once.
click_exit() {
    click_at_twips 4320 4200
    no_question || fail "終了 asked a question with nothing unsaved"
    expect_exit
}

# 終了 with unsaved work asks; the answer is given by a key.
exit_answering() {
    click_at_twips 4320 4200
    poll find_question || fail "終了 asked no question"
    xdotool windowfocus --sync "$question" key "$1"
}

expect_pixel() {
    # shellcheck disable=SC2046
    set -- "$3" $(pixel_centre "$1" "$2")
    poll is_colour "$2" "$3" "$1" || fail "pixel $* shows $(colour_at "$2" "$3")"
}

unlit_face=""
expect_unlit() {
    expect_pixel "$1" "$2" "$unlit_face"
}

# Types into the code field and presses Return.
show_code() {
    xdotool mousemove --window "$window" 332 60 click 1
    xdotool key ctrl+a type "$1"
    xdotool key Return
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

# Whether pixel (column, row) shows the focus ring: the left side of the ring, 4 pixels in,
# differs from the middle of the face.
has_focus_ring() {
    # shellcheck disable=SC2046
    set -- $(pixel_centre "$1" "$2")
    [ "$(colour_at $(($1 - 8)) "$2")" != "$(colour_at "$1" "$2")" ]
}

# The label field, 25 x 25 pixels at (320, 16), as an image to compare between runs.
label_image() {
    import -window "$window" -crop 25x25+320+16 +repage "$workdir/$1.png"
}

# A button of 57 x 25 pixels at (left, top) in twips, as an image.
button_image() {
    import -window "$window" -crop "57x25+$(($1 / 15))+$(($2 / 15))" +repage "$workdir/$3.png"
}

cd "$workdir"
start_editor_elsewhere
echo "$diagonal" | while read -r pixel; do
    # shellcheck disable=SC2046,SC2086
    xdotool mousemove --window "$window" $(pixel_centre $pixel) click 1
done
expect_diagonal_lit

# The last click left the focus on pixel (5, 4); five steps left and five up, the last ones
# against the edges, end on (1, 0).
xdotool key Left Left Left Left Left Up Up Up Up Up
poll has_focus_ring 1 0 || fail "the arrow keys did not bring the focus to pixel 1 0"
! has_focus_ring 5 4 || fail "pixel 5 4 still shows the focus ring"
# Tab follows the designed order, (1, 0) (2, 0) (2, 1), and the ring leaves the lit face alone.
xdotool key Tab Tab
poll has_focus_ring 2 1 || fail "Tab did not bring the focus to pixel 2 1"
# shellcheck disable=SC2046
[ "$(colour_at $(pixel_centre 2 1))" = "#FF0800" ] ||
    fail "the focused lit pixel shows $(colour_at $(pixel_centre 2 1)) at its centre"

xdotool mousemove --window "$window" 332 28 click 1
xdotool type --delay 50 "A"
click_at_twips 4320 2640
poll test -f fntdat.txt || fail "保存 wrote no fntdat.txt"
[ "$(head -n 1 fntdat.txt)" = "$(printf '1, 2, 4, 8, 10\r')" ] || fail "fntdat.txt: $(head -n 1 fntdat.txt)"
[ "$(head -n 1 mojidat.txt)" = "$(printf 'A\r')" ] || fail "mojidat.txt: $(head -n 1 mojidat.txt)"
[ "$(wc -l <fntdat.txt)" -eq 96 ] || fail "fntdat.txt does not have 96 lines"
label_image saved
# shellcheck disable=SC2046
unlit_face=$(colour_at $(pixel_centre 5 7))

# A click taken back by Ctrl+Z.
# shellcheck disable=SC2046
xdotool mousemove --window "$window" $(pixel_centre 5 7) click 1
expect_pixel 5 7 "#FF0800"
xdotool key ctrl+z
expect_unlit 5 7

# A drag down column 3 from row 4 to row 7.
# shellcheck disable=SC2046
xdotool mousemove --window "$window" $(pixel_centre 3 4) mousedown 1
for row in 5 6 7; do
    # shellcheck disable=SC2046
    xdotool mousemove --window "$window" $(pixel_centre 3 "$row")
done
xdotool mouseup 1
for row in 4 5 6 7; do expect_pixel 3 "$row" "#FF0800"; done

# A typed code shows its glyph on Return: glyph 5 is empty, glyph 0 the drawing.
show_code 5
expect_unlit 1 0
expect_unlit 3 4
show_code 0
expect_pixel 1 0 "#FF0800"
expect_pixel 3 7 "#FF0800"
# The button's shortcut wins over the code field's own key bindings.
xdotool key ctrl+h
poll test -f font.h || fail "Ctrl+H in the code field wrote no font.h"
# Its tip, long with what font.h leaves to be filled in, goes by itself.
poll no_question || fail "the tip of Ctrl+H stayed"
[ -z "$screenshot" ] || import -window "$window" "$screenshot"

exit_answering Escape
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "Escape on the question ended the program"
poll no_question || fail "the question stayed open after Escape"
[ "$(head -n 1 fntdat.txt)" = "$(printf '1, 2, 4, 8, 10\r')" ] || fail "Escape wrote fntdat.txt"
exit_answering Return
expect_exit
[ "$(head -n 1 fntdat.txt)" = "$(printf '1, 2, F4, 8, 10\r')" ] ||
    fail "Return did not save: $(head -n 1 fntdat.txt)"

start_editor_elsewhere
# 保存 before 読出し would replace a font this window never read: it asks, and Return keeps it.
saved=$(cat fntdat.txt mojidat.txt)
# shellcheck disable=SC2046
xdotool mousemove --window "$window" $(pixel_centre 5 7) click 1
click_at_twips 4320 2640
poll find_question || fail "保存 over a font never read asked no question"
xdotool windowfocus --sync "$question" key Return
poll no_question || fail "the question stayed open after Return"
[ "$(cat fntdat.txt mojidat.txt)" = "$saved" ] || fail "保存 replaced a font the window never read"
xdotool windowfocus --sync "$window" key ctrl+z
expect_unlit 5 7
click_at_twips 4320 2160
expect_diagonal_lit
expect_pixel 3 7 "#FF0800"
label_image read
compare -metric AE "$workdir/saved.png" "$workdir/read.png" null: 2>/dev/null ||
    fail "the label read back differs on screen"

# The 一覧 panel: overview cell of code c at 382 + 21 * (c % 16), 16 + 30 * (c / 16), its dots
# 3 pixels square from 3 pixels in; the preview's first glyph from (386, 243).
import -window "$window" -crop 374x329+0+0 +repage "$workdir/left-closed.png"
xdotool key ctrl+l
window_wider() {
    [ "$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^WIDTH=//p')" -gt 374 ]
}
poll window_wider || fail "Ctrl+L did not widen the window"
import -window "$window" -crop 374x329+0+0 +repage "$workdir/left-open.png"
compare -metric AE "$workdir/left-closed.png" "$workdir/left-open.png" null: 2>/dev/null ||
    fail "the controls moved when the panel opened"
xdotool mousemove --window "$window" $((382 + 21 + 10)) $((16 + 60 + 15)) click 1
# The preview's "Z" is glyph 58 until glyph 33 is labelled "Z".
xdotool mousemove --window "$window" 500 220 click 1
xdotool type "Z"
xdotool mousemove --window "$window" 332 28 click 1
xdotool type "Z"
# Glyph 33 is empty; pixel (3, 4) lights the dot 2 columns and 4 rows in.
overview_dot_lit() {
    is_colour $((382 + 21 + 3 + 6 + 1)) $((16 + 60 + 3 + 12 + 1)) "#FF0800"
}
preview_dot_lit() {
    is_colour $((386 + 6 + 1)) $((243 + 12 + 1)) "#FF0800"
}
! overview_dot_lit || fail "glyph 33 shows a dot before the click"
! preview_dot_lit || fail "the preview shows a dot before the click"
# shellcheck disable=SC2046
xdotool mousemove --window "$window" $(pixel_centre 3 4) click 1
expect_pixel 3 4 "#FF0800"
poll overview_dot_lit || fail "the overview does not show the clicked pixel"
poll preview_dot_lit || fail "the preview does not show the clicked pixel"
xdotool key ctrl+s
code33_stored() {
    [ "$(sed -n 34p fntdat.txt)" = "$(printf ', , 10, , \r')" ]
}
poll code33_stored ||
    fail "the click was not stored under code 33: $(sed -n 34p fntdat.txt)"
[ "$(sed -n 34p mojidat.txt)" = "$(printf 'Z\r')" ] || fail "mojidat.txt: $(sed -n 34p mojidat.txt)"
button_image 4320 4200 japanese-exit
click_exit

# Under an English LANG the window speaks English: its caption, and a button in the place of
# 終了 that looks otherwise and ends the program as 終了 does.
lang=en_US.UTF-8 title="8x8 Font Editor"
start_editor_elsewhere
lang="" title=""
button_image 4320 4200 english-exit
! compare -metric AE "$workdir/japanese-exit.png" "$workdir/english-exit.png" null: 2>/dev/null ||
    fail "the English window shows 終了"
click_exit
echo "PASS"
