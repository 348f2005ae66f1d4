#!/bin/sh
# Runs a window test in a home of its own, made afresh and removed after: HOME, XDG_CONFIG_HOME
# and XDG_STATE_HOME all point into it, so that the settings and recovery files of the user, or
# of an earlier run, never reach the window under test.
# Usage: own_home.sh COMMAND [ARGUMENT...]
set -eu
home=$(mktemp -d "${TMPDIR:-/tmp}/fontedit-test-home.XXXXXX")
trap 'rm -rf "$home"' EXIT
trap 'exit 143' HUP INT TERM
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_STATE_HOME="$home/.local/state"
status=0
"$@" || status=$?
exit "$status"
