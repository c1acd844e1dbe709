#!/usr/bin/env bash
# Korvalin dial tester tests - the real program on a virtual X server: a
# second start is refused with a message and ends with code 0, the first
# instance goes on untouched, and after kill -9 of the first the next start
# runs normally. Serial devices are hidden throughout.
#
#   single_instance_test.sh PATH_TO_KORVALIN      (exit 77: skipped)
set -uo pipefail

program=${1:?usage: single_instance_test.sh PATH_TO_KORVALIN}
here=$(cd "$(dirname "$0")" && pwd)
source_dir=${KVL_SOURCE_DIR:-$(dirname "$here")}
hide="$here/support/hide-serial-devices.sh"

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh)"
done
"$hide" true || skip "serial devices cannot be hidden here (no private mount namespace)"
# Before the Qt side exists the program has no window to look for.
for part in qt_controls.cpp qt_events.cpp qt_dialogs.cpp; do
    grep -q "placeholder until this operation is built" "$source_dir/platform/qt/$part" &&
        skip "platform/qt/$part is still a placeholder"
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -9 "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A private runtime folder: a Korvalin running on the desktop must not count
# as the first instance here.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

Xvfb -displayfd 3 -screen 0 1600x900x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

main_title='Einstellen mechanischer Nummernschalter V1\.3\.3'
windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
count() { windows "$1" | wc -l; }

# Waits up to $2 seconds for a visible window whose name matches $1; prints its id.
await() {
    local deadline=$((SECONDS + $2)) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(windows "$1" | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

press_ok() {
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    sleep 0.3
    xdotool key Return
}

# Starts an instance in the background; its pid is in $started.
start() {
    "$hide" "$program" >"$work/$1.log" 2>&1 &
    started=$!
    pids+=($started)
}

# A first instance: the port discovery finds no port behind the masks and
# says so before the window exists; confirm that, then the window appears.
start_first() {
    local deadline=$((SECONDS + 90)) id
    while [ $SECONDS -lt $deadline ]; do
        if id=$(windows '^COM Port Information$' | head -n 1) && [ -n "$id" ]; then
            press_ok "$id"
            sleep 0.5
        elif [ -n "$(windows "$main_title")" ]; then
            return 0
        fi
        kill -0 "$started" 2>/dev/null || fail "$1 ended early: $(cat "$work/$1.log")"
        sleep 0.2
    done
    fail "no main window of $1 within 90 s: $(cat "$work/$1.log")"
}

# Waits up to $2 seconds for pid $1 to end; its exit code is then in $code.
# (Not in a command substitution: only this shell can wait for its children.)
await_exit() {
    local deadline=$((SECONDS + $2))
    while kill -0 "$1" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
    wait "$1"
    code=$?
}

start first
first=$started
start_first first
[ "$(count "$main_title")" -eq 1 ] || fail "the first start shows $(count "$main_title") main windows"
echo "first instance: main window up"

start second
second=$started
box=$(await '^Meldung$' 60) || fail "the second start showed no \"Meldung\": $(cat "$work/second.log")"
# X shows the box's title; its text would need reading off the screen.
sleep 1
[ "$(count "$main_title")" -eq 1 ] || fail "a second main window appeared"
[ "$(count '^COM Port Information$')" -eq 0 ] || fail "the second start probed the ports"
press_ok "$box"
await_exit "$second" 30 || fail "the second start did not end after OK"
[ "$code" -eq 0 ] || fail "the second start ended with code $code"
kill -0 "$first" 2>/dev/null || fail "the first instance ended too"
[ "$(count "$main_title")" -eq 1 ] || fail "the first instance's window went away"
echo "second instance: \"Meldung\", no window, exit code 0; first untouched"

kill -9 "$first"
wait "$first" 2>/dev/null
for _ in $(seq 50); do [ "$(count "$main_title")" -eq 0 ] && break; sleep 0.1; done

start third
third=$started
start_first third
[ "$(count '^Meldung$')" -eq 0 ] || fail "after kill -9 the next start was refused"
echo "after kill -9 of the first: the next start runs normally"

if [ -n "${KVL_SCREENSHOT:-}" ] && command -v import >/dev/null; then
    sleep 2
    import -window root "$KVL_SCREENSHOT" && echo "screenshot: $KVL_SCREENSHOT"
fi
kill -9 "$third"
exit 0
