# Sourced by scripts that need an X display of their own: starts Xvfb on a free display
# number (Xvfb picks it and reports it), exports DISPLAY and sets xvfb to the server's process
# id. The caller stops the server (kill "$xvfb") in its own exit trap.
start_private_display() {
    local displayfile
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        [ -s "$displayfile" ] && break
        sleep 0.05
    done
    if [ ! -s "$displayfile" ]; then
        rm -f "$displayfile"
        echo "Xvfb did not start" >&2
        return 1
    fi
    DISPLAY=:$(head -1 "$displayfile")
    export DISPLAY
    rm -f "$displayfile"
}
