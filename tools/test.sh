#!/usr/bin/env bash
# Builds Pumpvale and runs every test (the windows' tests run offscreen).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
pumpvale_install_missing
cmake --workflow --preset default
