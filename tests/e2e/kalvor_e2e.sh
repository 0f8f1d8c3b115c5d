#!/usr/bin/env bash
# Starts the built kalvor on a real X server (Xvfb) with a window manager that has a system tray
# (icewm), with its own XDG folders and a seeded event file, and checks from outside: the main
# window appears, an overdue event without "Run If Missed" is moved on in the file, a second copy
# refuses to start, and SIGTERM writes Kalvor.ini.
set -euo pipefail
kalvor=$(realpath "$1")
python=/usr/bin/python3
for tool in Xvfb icewm xdotool xwininfo "$python"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export LANG=en_US.UTF-8 LC_ALL= QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0
mkdir -p "$HOME" "$XDG_DATA_HOME/Kalvor" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
events=$XDG_DATA_HOME/Kalvor/KALVOR.DAT

fail() { echo "FAIL: $*"; [ -f "$work/kalvor.log" ] && cat "$work/kalvor.log"; exit 1; }

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}

# One daily display-message event, due yesterday at 09:00, "Run If Missed" not set.
"$python" - "$events" <<'PY'
import datetime, struct, sys
day = (datetime.date.today() - datetime.timedelta(days=1) - datetime.date(1899, 12, 30)).days
record = b"Overdue".ljust(50) + b"Say hello".ljust(1000) + struct.pack("<hhd", 3, 1, day + 9 / 24)
record += bytes(1000) + bytes([0]) + struct.pack("<h", 1)
assert len(record) == 2065
open(sys.argv[1], "wb").write(record)
PY

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$work/display")
icewm >/dev/null 2>&1 &
pids+=($!)
wait_for 10 sh -c 'xwininfo -root -tree | grep -q "icewm"' || fail "icewm did not start"
sleep 1 # its tray takes a moment after the panel

"$kalvor" >"$work/kalvor.log" 2>&1 &
first=$!
pids+=($first)
wait_for 20 xdotool search --onlyvisible --name '^Kalvor!$' || fail "the main window did not appear"
echo "ok: the main window appeared"

"$python" - "$events" <<'PY' || fail "the overdue event was not moved on"
import datetime, struct, sys
data = open(sys.argv[1], "rb").read()
rep, occ, when = struct.unpack_from("<hhd", data, 1050)
tomorrow = (datetime.date.today() + datetime.timedelta(days=1) - datetime.date(1899, 12, 30)).days
assert len(data) == 2065, len(data)
assert abs(when - (tomorrow + 9 / 24)) < 1e-6, when
PY
xdotool search --name '^Kalvor Automatic Message!$' >/dev/null 2>&1 && fail "an event missed without Run If Missed was shown"
echo "ok: the overdue event moved on to tomorrow 9:00 without being shown"

before=$(stat -c %Y.%s "$events")
"$kalvor" >"$work/second.log" 2>&1 &
second=$!
pids+=($second)
wait_for 20 xdotool search --onlyvisible --name '^Kalvor\.\.\.$' || fail "the second copy showed no message"
box=$(xdotool search --onlyvisible --name '^Kalvor\.\.\.$' | head -n 1)
timeout 10 xdotool windowactivate --sync "$box" key --clearmodifiers Return 2>/dev/null || xdotool key --window "$box" Return
wait_for 10 sh -c "! kill -0 $second" || fail "the second copy did not end"
set +e
wait "$second"
rc=$?
set -e
[ "$rc" -eq 1 ] || fail "the second copy ended with $rc"
[ "$(stat -c %Y.%s "$events")" = "$before" ] || fail "the second copy touched the event file"
xdotool search --onlyvisible --name '^Kalvor!$' >/dev/null || fail "the first copy's window went away"
echo "ok: a second copy refused to start"

kill -TERM "$first"
set +e
wait "$first"
rc=$?
set -e
[ "$rc" -eq 0 ] || fail "kalvor ended with $rc after SIGTERM"
ini=$XDG_CONFIG_HOME/Kalvor/Kalvor.ini
for key in Left Top Height Width SubLeft SubTop; do
    grep -Eq "^$key=-?[0-9]+$" "$ini" || fail "Kalvor.ini has no $key"
done
grep -q '^Width=5820$' "$ini" || fail "the stored width is not the window's outer width: $(cat "$ini")"
echo "ok: SIGTERM wrote Kalvor.ini"
echo "4 passed, 0 failed"
