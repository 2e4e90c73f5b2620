# shellcheck shell=bash
# A private D-Bus session bus carrying the AT-SPI accessibility bus, the way a
# desktop with a screen reader running has them. Sourced after harness.sh;
# call ab_start once rw_start_xvfb has set DISPLAY and before rw_start, so
# the program finds accessibility on when it starts. Everything ab_start
# starts is ended on exit.

AB_SESSION_PID=
# The bus launcher, the accessibility bus and its registry: D-Bus activation
# starts them detached, so they are not this shell's children.
AB_ACTIVATED_PIDS=()

ab_send() {
    timeout "$RW_TIMEOUT" dbus-send --print-reply=literal "$@"
}

# ab_pid_of BUS_OPTION NAME: the process that owns NAME on that bus.
ab_pid_of() {
    ab_send "$1" --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$2" | awk '{ print $2 }'
}

ab_start() {
    local fifo=$RW_DIR/session-bus address a11y pid
    mkfifo "$fifo"
    # Activated services inherit this environment: the launcher puts the
    # accessibility bus's socket under XDG_RUNTIME_DIR, inside RW_DIR.
    env "XDG_RUNTIME_DIR=$RW_DIR/runtime" dbus-daemon --session --nofork \
        --address="unix:dir=$RW_DIR" --print-address=3 \
        3>"$fifo" >"$RW_DIR/session-bus.log" 2>&1 &
    AB_SESSION_PID=$!
    read -r -t "$RW_TIMEOUT" address <"$fifo" || true
    [ -n "$address" ] || rw_die "no D-Bus session bus: $(cat "$RW_DIR/session-bus.log")"
    export DBUS_SESSION_BUS_ADDRESS=$address
    RW_ENV+=("DBUS_SESSION_BUS_ADDRESS=$address")

    # Asking for the address activates the launcher, which starts the bus.
    a11y=$(ab_send --session --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress | tr -d ' ')
    [ -n "$a11y" ] || rw_die "no AT-SPI bus: $(cat "$RW_DIR/session-bus.log")"
    AB_ACTIVATED_PIDS+=("$(ab_pid_of --session org.a11y.Bus)")
    AB_ACTIVATED_PIDS+=("$(ab_pid_of --bus="$a11y" org.freedesktop.DBus)")
    ab_send --bus="$a11y" --dest=org.a11y.atspi.Registry / org.freedesktop.DBus.Peer.Ping >/dev/null ||
        rw_die "no AT-SPI registry: $(cat "$RW_DIR/session-bus.log")"
    AB_ACTIVATED_PIDS+=("$(ab_pid_of --bus="$a11y" org.a11y.atspi.Registry)")
    for pid in "${AB_ACTIVATED_PIDS[@]}"; do
        [[ "$pid" =~ ^[0-9]+$ ]] || rw_die "cannot tell which processes the AT-SPI buses run in"
    done

    # What a screen reader announces when it starts: Qt programs started
    # after this expose their widgets without being told to.
    ab_send --session --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
        string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null ||
        rw_die "cannot turn accessibility on"
}

ab_stop() {
    local pid
    for pid in "${AB_ACTIVATED_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    if [ -n "$AB_SESSION_PID" ]; then
        kill "$AB_SESSION_PID" 2>/dev/null
        wait "$AB_SESSION_PID" 2>/dev/null
    fi
}

trap 'ab_stop; rw_cleanup' EXIT
