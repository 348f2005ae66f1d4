# Drives the editor's real window on an X server of its own: sourced by the real-window test
# and by tools/screenshots. The caller sets $program, the editor to start; the helpers keep
# the window's id in $window and the process in $pid.

# Runs the calling script again under a fresh Xvfb unless it already runs there; call it as
# on_own_x_server "$0" "$@" before anything else.
on_own_x_server() {
    [ -z "${FONTEDIT_ON_XVFB:-}" ] || return 0
    export FONTEDIT_ON_XVFB=1
    # Without -noreset the server resets whenever its last client leaves, and a connection
    # made during the reset is refused.
    # Wide enough for the window with its 一覧 panel open, unless the caller asks for more.
    exec xvfb-run -a -s "-screen 0 ${FONTEDIT_XVFB_SCREEN:-800x600x24} -noreset" "$@"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs "$@" every 0.1 s until it succeeds; gives up after $FONTEDIT_WAIT_SECONDS (10 s unless
# the test's build asks for longer).
poll() {
    tries=$((${FONTEDIT_WAIT_SECONDS:-10} * 10))
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

find_window() {
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
    [ -n "$window" ]
}

# Starts the editor with the arguments given, if any, and waits for its window. It speaks
# Japanese, whatever the caller's locale, unless $lang names another for LANG and $title gives
# the window's caption in that language.
start_editor() {
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="${lang:-C.UTF-8}" QT_QPA_PLATFORM=xcb \
        "$program" "$@" &
    pid=$!
    poll find_window || fail "no window appeared"
    [ "$(xdotool getwindowname "$window")" = "${title:-8x8フォントエディタ}" ] ||
        fail "wrong window caption: $(xdotool getwindowname "$window")"
}

# Clicks a button by its left and top in twips; buttons are 57 pixels wide, at least 25 high.
click_at_twips() {
    xdotool mousemove --window "$window" $(($1 / 15 + 28)) $(($2 / 15 + 12)) click 1
}

# The window's other windows, by caption: a dialog or a question has its own, a tip none, so
# that it goes by the program's name.
others_named() {
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$window"); do
        name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
        tip=false
        [ "$name" != fontedit ] || tip=true
        [ "$tip" != "$1" ] || echo "$id"
    done
    return 0
}

find_other() {
    other=$(others_named false | head -n 1)
    [ -n "$other" ]
}

no_other() {
    ! find_other
}

find_tip() {
    [ -n "$(others_named true)" ]
}

no_tip() {
    ! find_tip
}

# Presses the keys, then types `path` into the dialog they open and presses Return; what
# follows, a question or an import running aside, is the caller's to wait for.
type_in_dialog() {
    xdotool windowfocus --sync "$window" key "$1"
    poll find_other || fail "$1 opened no dialog"
    sleep 0.3
    xdotool windowfocus --sync "$other" key ctrl+a type "$2"
    xdotool key Return
}

# The same, waiting for the dialog to close.
answer_dialog() {
    type_in_dialog "$@"
    poll no_other || fail "the dialog of $1 stayed open"
}

# A recovery file of unsaved work in $recovery_dir, which the caller sets.
has_recovery() {
    ls "$recovery_dir" 2>/dev/null | grep -q '\.recovery$'
}

# The first window the program shows, a question at start or the editor itself.
any_window() {
    question=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
    [ -n "$question" ]
}

# Presses a key on the question at start until it has gone.
answer_start() {
    tries=20
    while xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$question"; do
        xdotool windowfocus --sync "$question" key "$1" 2>/dev/null || true
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || fail "the question at start did not take $1"
        sleep 0.5
    done
}

# The editor's window, once the question at start has gone.
find_editor() {
    window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$question" | head -n 1)
    [ -n "$window" ]
}

# Kills the editor as a crash would, leaving whatever it has written, and waits for it to go.
kill_editor() {
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
}

# Kills the editor once its unsaved work is in a recovery file, starts it again on "$@" and
# answers the question at start with Return, which brings the work back.
restore_after_kill() {
    poll has_recovery || fail "no recovery file after an edit"
    kill_editor
    answer_recovery Return "$@"
}

# Starts the editor on the arguments after the first, with a recovery file waiting, and
# answers the question at start with the key $1.
answer_recovery() {
    key=$1
    shift
    QT_QPA_PLATFORM=xcb "$program" "$@" &
    pid=$!
    poll any_window || fail "no question at start with a recovery file"
    answer_start "$key"
    poll find_editor || fail "no window after the question"
}
