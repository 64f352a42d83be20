# What the desktop checks share, sourced by scripts/prova-*.sh after they set
# NOME_PROVA: the packages they need, a private runtime folder ($work) that is
# removed at the end with the display server started in it ($server_pid),
# a way to wait for that server, and the program's messages shown. Expects a
# finished build.

SECONDS_ALLOWED=120

fail() {
    echo "$NOME_PROVA: $*" >&2
    exit 1
}

"$PWD/scripts/setup-desktop-checks.sh"

work=$(mktemp -d)
chmod 700 "$work"
server_pid=""
cleanup() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null || true
        wait "$server_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Waits up to 10 s for the test given to pass, while the server still runs.
attendi_server() {
    for _ in $(seq 1 100); do
        "$@" && return 0
        kill -0 "$server_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Shows under the title given what the program wrote to $work/stderr.log, or
# says it wrote nothing.
mostra_messaggi() {
    if [ -s "$work/stderr.log" ]; then
        echo "$1:"
        sed 's/^/  /' "$work/stderr.log"
    else
        echo "$1: none"
    fi
}
