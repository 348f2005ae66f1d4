#!/bin/sh
# Unsaved work on a real X server, where it can be lost: a window killed with SIGKILL after an
# edit leaves a recovery file, and the next start asks first and, on Return, brings the edit
# back as unsaved work; SIGTERM writes the file before the program ends, even within the second
# the window waits after an edit, and neither SIGTERM nor SIGHUP while the question at start is
# open removes the file; SIGINT and SIGQUIT write it as SIGTERM does, and so does SIGTERM during
# a slow import, at once. Ctrl+O to a folder
# without a font asks, and the work it carries along stays kept; a folder named like another
# folder's recovery file is not offered that file. A window that only reads the folder keeps
# its hands off the file of another window on it, which is offered once that window is killed;
# a link planted in place of the file is not followed. Two windows on one folder that save in turn: the second is asked
# before it replaces what the first saved, and Escape writes nothing.
# Usage: real_window_recovery_test.sh FONTEDIT
set -eu
. "$(dirname "$0")/x11_session.sh"
on_own_x_server "$0" "$@"

program=$(realpath "$1")
workdir=$(mktemp -d)
export XDG_STATE_HOME="$workdir/state"
recovery_dir="$XDG_STATE_HOME/fontedit"
font="$workdir/font"
mkdir "$font"
pid=""
peer=""
cleanup() {
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    [ -n "$peer" ] && kill -9 "$peer" 2>/dev/null
    rm -rf "$workdir"
}
trap cleanup EXIT

colour_at() {
    import -window "$window" "$workdir/window.png"
    convert "$workdir/window.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}'
}
pixel_lit() {
    [ "$(colour_at $((16 + 32 * ($1 - 1) + 12)) $((16 + 32 * $2 + 12)))" = "#FF0800" ]
}
click_pixel() {
    xdotool mousemove --window "$window" $((16 + 32 * ($1 - 1) + 12)) $((16 + 32 * $2 + 12)) click 1
}
find_question() {
    question=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$window" | head -n 1)
    [ -n "$question" ]
}
ended() {
    ! kill -0 "$pid" 2>/dev/null
}

# An edit, then SIGKILL once the recovery file is there, within about a second.
start_editor "$font"
click_pixel 2 3
# The next start asks before its window shows; Return restores the edit, unsaved.
restore_after_kill "$font"
poll pixel_lit 2 3 || fail "the restored edit is not shown"
kill -TERM "$pid"
poll ended || fail "SIGTERM did not end the program"
has_recovery || fail "SIGTERM removed the recovery file of unsaved work"

# SIGTERM or SIGHUP while the question is open ends the program and keeps the file.
for signal in TERM HUP; do
    QT_QPA_PLATFORM=xcb "$program" "$font" &
    pid=$!
    poll any_window || fail "no question at start before SIG$signal"
    kill -"$signal" "$pid"
    poll ended || fail "SIG$signal did not end the program"
    has_recovery || fail "SIG$signal during the question removed the recovery file"
done

# Escape at the question starts as before and leaves the file alone; 破棄 would remove it.
answer_recovery Escape "$font"
pixel_lit 2 3 && fail "Escape restored the edit"
has_recovery || fail "Escape removed the recovery file"
kill_editor
rm -rf "$recovery_dir"

# A edits; B only reads the folder; A is killed: B leaves A's file alone, and the next start
# offers A's edit.
start_editor "$font"
peer=$pid
click_pixel 3 5
poll has_recovery || fail "no recovery file after A's edit"
start_editor "$font"
click_at_twips 4320 2160
kill -9 "$peer"
wait "$peer" 2>/dev/null || true
peer=""
sleep 1.5
has_recovery || fail "the window that only read removed the other window's recovery file"
restore_after_kill "$font"
poll pixel_lit 3 5 || fail "A's edit is not what was restored"
kill_editor
rm -rf "$recovery_dir"

# A link planted in place of the window's file mid-session is not followed.
printf 'not yours\n' >"$workdir/victim"
start_editor "$font"
click_pixel 2 2
poll has_recovery || fail "no recovery file before the link is planted"
own=$(ls "$recovery_dir"/*.recovery)
ln -sf "$workdir/victim" "$own"
click_pixel 2 4
sleep 1.5
[ "$(cat "$workdir/victim")" = "not yours" ] || fail "the recovery file's link was followed"
kill_editor
rm -rf "$recovery_dir"

# SIGTERM, SIGINT or SIGQUIT right after an edit, before the window's quiet second has passed.
# The shell would start the editor with the last two ignored, as for any command in the
# background.
ulimit -c 0 2>/dev/null || true
for signal in TERM INT QUIT; do
    env --default-signal=INT,QUIT LANG=C.UTF-8 QT_QPA_PLATFORM=xcb "$program" "$font" &
    pid=$!
    poll find_window || fail "no window appeared before SIG$signal"
    click_pixel 1 1
    poll pixel_lit 1 1 || fail "the click before SIG$signal did not light its pixel"
    kill -"$signal" "$pid"
    poll ended || fail "SIG$signal did not end the program"
    has_recovery || fail "SIG$signal ended the program without writing the recovery file"
    rm -rf "$recovery_dir"
done

# SIGTERM while a slow import runs aside: the window answers within a second and keeps the
# edit made before. A macro every "#if" evaluates again made this import take seconds.
awk 'BEGIN { printf "#define X (1"; for (i = 0; i < 20000; i++) printf "+1"; print ")";
             for (i = 0; i < 3000; i++) print "#if X\n#endif" }' >"$workdir/slow.c"
start_editor "$font"
click_pixel 5 5
poll pixel_lit 5 5 || fail "the click before the import did not light its pixel"
type_in_dialog ctrl+i "$workdir/slow.c"
sleep 0.5
asked=$(date +%s%N)
kill -TERM "$pid"
poll ended || fail "SIGTERM during the import did not end the program"
[ $(($(date +%s%N) - asked)) -lt 1500000000 ] || fail "SIGTERM waited for the import"
has_recovery || fail "SIGTERM during the import wrote no recovery file"
rm -rf "$recovery_dir"

# Ctrl+O after an edit, to a folder without a font, asks first; the work it carries along is
# kept for that folder at once, and offered there after a SIGKILL.
mkdir "$workdir/empty"
start_editor "$font"
click_pixel 2 6
poll has_recovery || fail "no recovery file before Ctrl+O"
type_in_dialog ctrl+o "$workdir/empty"
sleep 0.5
poll find_question || fail "Ctrl+O to a folder without a font did not ask about the unsaved work"
xdotool windowfocus --sync "$question" key Return
sleep 0.5
has_recovery || fail "Ctrl+O removed the recovery file of the work it carried along"
restore_after_kill "$workdir/empty"
poll pixel_lit 2 6 || fail "the work carried along is not what was restored"
kill_editor
rm -rf "$recovery_dir"

# A folder whose name is another folder's with a window's tag, "font.<pid>-0", is not offered
# the work that window left for "font".
start_editor "$font"
click_pixel 3 3
poll has_recovery || fail "no recovery file before the kill"
kill_editor
mkdir "$font.$pid-0"
# The question would come first, under the window's own caption: the grid shows only once
# nothing was asked.
start_editor "$font.$pid-0"
has_recovery || fail "the work left for font is gone"
click_pixel 4 4
poll pixel_lit 4 4 || fail "the work left for font was offered for font.<pid>-0"
kill_editor
rm -rf "$recovery_dir"

# Two windows read the folder; the first saves an edit, then the second is asked.
start_editor "$font"
first=$window
peer=$pid
click_pixel 4 4
click_at_twips 4320 2640
poll test -f "$font/fntdat.txt" || fail "保存 wrote no fntdat.txt"
start_editor "$font"
click_at_twips 4320 2160
poll pixel_lit 4 4 || fail "the second window did not read the first one's font"
# The windows lie on one another: each is raised before it is clicked.
window=$first
xdotool windowraise "$window"
click_pixel 1 0
click_at_twips 4320 2640
poll grep -q "^1, " "$font/fntdat.txt" || fail "the first window did not save"
saved=$(cat "$font/fntdat.txt")
second_pid=$pid
pid=$second_pid
window=$(xdotool search --onlyvisible --pid "$pid" | head -n 1)
xdotool windowraise "$window"
click_pixel 5 7
click_at_twips 4320 2640
poll find_question || fail "the second window saved over the first one's work unasked"
xdotool windowfocus --sync "$question" key Escape
sleep 0.5
[ "$(cat "$font/fntdat.txt")" = "$saved" ] || fail "Escape at the question wrote fntdat.txt"
echo "PASS"
