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
