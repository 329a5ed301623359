# Sourced by the scripts that need a display: starts a private Xvfb and exports DISPLAY.
# The server is stopped when the sourcing script exits.
start_private_display() {
    local displayfile
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
    XVFB_PID=$!
    trap 'kill "$XVFB_PID" 2>/dev/null || true' EXIT
    for _ in $(seq 100); do
        [ -s "$displayfile" ] && break
        sleep 0.1
    done
    [ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(cat "$displayfile")"
    rm -f "$displayfile"
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
}
