#!/usr/bin/env bash
# Korvalin dial tester tests - runs a command with every serial device node of
# the machine masked by /dev/null.
#
#   tests/support/hide-serial-devices.sh COMMAND [ARG...]
#
# The masks live in a private mount namespace that ends with the command, so
# nothing outside it changes. A program started this way can probe all its
# port names without touching a real line - on many machines /dev/ttyS0 is
# the console, and opening it at 300 baud would disturb the machine.
# Exits 77 (skipped) when no private mount namespace can be made here.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: hide-serial-devices.sh COMMAND [ARG...]" >&2; exit 2; }

if [ "${KVL_SERIAL_HIDDEN:-}" != 1 ]; then
    command -v unshare >/dev/null || { echo "unshare is missing" >&2; exit 77; }
    as_root=()
    # Without root, a user namespace maps us to root inside, which is
    # enough for bind mounts in the new mount namespace.
    [ "$(id -u)" = 0 ] || as_root=(--map-root-user)
    if ! unshare "${as_root[@]}" --mount --propagation private true 2>/dev/null; then
        echo "no private mount namespace possible here" >&2
        exit 77
    fi
    exec env KVL_SERIAL_HIDDEN=1 unshare "${as_root[@]}" --mount --propagation private -- \
        bash "$0" "$@"
fi

shopt -s nullglob
for node in /dev/ttyS* /dev/ttyUSB* /dev/ttyACM* /dev/ttyAMA* /dev/ttyXRUSB* /dev/rfcomm* \
            /dev/ttySAC* /dev/ttymxc* /dev/ttyO*; do
    # A node that cannot be masked must stop the run: it would stay reachable.
    mount --bind /dev/null "$node"
done
unset KVL_SERIAL_HIDDEN
exec "$@"
