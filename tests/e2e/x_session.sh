# Shared by the end-to-end tests: a private X server with a real window manager, a medium
# folder holding the launcher, and checks that report and count failures.
# Source it; the caller sets KASSETUP_BINARY to the launcher under test.
set -uo pipefail

E2E_WORK=$(mktemp -d)
E2E_FAILURES=0
E2E_PIDS=()

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}" $(cat "$E2E_WORK/stand-ins.pids" 2>/dev/null); do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$E2E_WORK"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    E2E_FAILURES=$((E2E_FAILURES + 1))
}

pass() { echo "ok: $*"; }

# check "description" command...: the command's success is the check.
check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# Starts Xvfb on a free display and openbox on it, and waits until openbox manages the screen.
start_x_session() {
    local display_file="$E2E_WORK/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    E2E_PIDS+=($!)
    wait_until [ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$display_file")"
    openbox --sm-disable >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    wait_until window_manager_running || { echo "openbox did not start" >&2; exit 1; }
}

# A medium folder with the launcher copied to its top: $E2E_WORK/medium (or the given name).
make_medium() {
    local medium="$E2E_WORK/${1:-medium}"
    mkdir -p "$medium"
    cp "$KASSETUP_BINARY" "$medium/KasSetup"
    echo "$medium"
}

# Starts the launcher of a medium from another folder; sets LAUNCHER_PID.
start_launcher() {
    (cd "$E2E_WORK" && exec "$1/KasSetup" >"$E2E_WORK/launcher.log" 2>&1) &
    LAUNCHER_PID=$!
    E2E_PIDS+=($LAUNCHER_PID)
}

# Waits for a mapped window with exactly this title and prints its id.
wait_for_window() {
    timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n1
}

# Runs the command until it succeeds, for up to five seconds; fails if it never does.
wait_until() {
    local tries=0
    until "$@"; do
        sleep 0.05
        tries=$((tries + 1))
        [ $tries -lt 100 ] || return 1
    done
}

process_gone() { ! kill -0 "$1" 2>/dev/null; }

# Waits up to five seconds for a process to end.
wait_for_exit() { wait_until process_gone "$1"; }

# Sets WIN_X, WIN_Y, WIN_W, WIN_H (the client area on the screen) and FRAME_LEFT, FRAME_RIGHT,
# FRAME_TOP, FRAME_BOTTOM (what the window manager's frame adds on each side).
read_window_geometry() {
    local geometry
    geometry=$(xwininfo -id "$1")
    WIN_X=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$geometry")
    WIN_Y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$geometry")
    WIN_W=$(awk '/Width:/ {print $2}' <<<"$geometry")
    WIN_H=$(awk '/Height:/ {print $2}' <<<"$geometry")
    read -r FRAME_LEFT FRAME_RIGHT FRAME_TOP FRAME_BOTTOM < <(xprop -id "$1" _NET_FRAME_EXTENTS |
        tr -d ',' | awk '{print $3, $4, $5, $6}')
}

# The hex colour (RRGGBB) of a pixel of a window's client area.
client_pixel() {
    import -window "$1" "$E2E_WORK/shot.png" 2>/dev/null
    convert "$E2E_WORK/shot.png" -format "%[hex:p{$2,$3}]" info: 2>/dev/null | cut -c1-6
}

finish() {
    if [ "$E2E_FAILURES" -gt 0 ]; then
        echo "$E2E_FAILURES check(s) failed" >&2
        if [ -s "$E2E_WORK/launcher.log" ]; then
            echo "--- launcher output:" >&2
            cat "$E2E_WORK/launcher.log" >&2
        fi
        exit 1
    fi
    echo "all checks passed"
}

# Copies the whole text of the launcher's information box as the user would (click into it,
# select all, copy) and writes the clipboard to the given file.
copy_info_text() {
    read_window_geometry "$1"
    xdotool mousemove $((WIN_X + 256)) $((WIN_Y + 148)) click 1
    xdotool key ctrl+a ctrl+c
    # The copy reaches the clipboard when the program has handled the keys; an empty box
    # copies nothing, so give up after a second.
    local tries=0
    until timeout 5 xclip -o -selection clipboard >"$2" 2>/dev/null && [ -s "$2" ]; do
        sleep 0.1
        tries=$((tries + 1))
        [ $tries -lt 10 ] || break
    done
}

# Ends a launcher that is still running and forgets it.
stop_launcher() {
    kill "$LAUNCHER_PID" 2>/dev/null
    wait "$LAUNCHER_PID" 2>/dev/null
}

# Clicks at a point of a window's client area.
click_client() {
    read_window_geometry "$1"
    xdotool mousemove $((WIN_X + $2)) $((WIN_Y + $3)) click "${4:-1}"
}

# A stand-in program at the given path: it appends "<name> <process id>" to
# $E2E_WORK/started.log, then stays running for a while (or ends at once with "quick").
# Process ids are handed out in order, so they tell which program was started first, even
# when the second gets to run before the first.
make_stand_in() {
    local path=$1 name=$2 mode=${3:-stay}
    mkdir -p "$(dirname "$path")"
    {
        echo '#!/bin/sh'
        echo "echo \"$name \$\$\" >>'$E2E_WORK/started.log'"
        if [ "$mode" = stay ]; then
            echo "echo \$\$ >>'$E2E_WORK/stand-ins.pids'"
            echo 'exec sleep 60'
        fi
    } >"$path"
    chmod +x "$path"
}

# The names in started.log, in the order they started.
started_names() {
    [ -f "$E2E_WORK/started.log" ] && sort -k2 -n "$E2E_WORK/started.log" | awk '{print $1}' | paste -sd' '
}

started_at_least() { [ "$(cat "$E2E_WORK/started.log" 2>/dev/null | wc -l)" -ge "$1" ]; }

# Waits up to five seconds for started.log to hold this many lines.
wait_for_starts() { wait_until started_at_least "$1"; }

# Stand-ins that stay running: are they all still there?
stand_ins_running() {
    local pid
    for pid in $(cat "$E2E_WORK/stand-ins.pids" 2>/dev/null); do
        kill -0 "$pid" 2>/dev/null || return 1
    done
}

# True when no window with this title shows within the given seconds.
no_window_within() {
    ! timeout "$2" xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null 2>&1
}
