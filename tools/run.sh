#!/usr/bin/env bash
# Builds Pumpvale and starts it.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Pumpvale needs a graphical display, and neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
    exit 1
fi
pumpvale_install_missing
cmake --preset default >/dev/null
# The program, and all an install takes (cmake --install build/default, README).
cmake --build --preset default --target pumpvale_installable
exec build/default/app/pumpvale
