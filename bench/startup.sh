#!/usr/bin/env bash
# Start-up time and peak memory of Pumpvale beside a bare Qt window, from one run: hyperfine's median
# wall time and /usr/bin/time's maximum resident set size, each over the same number of starts. Uses the
# desktop's display, or a virtual one (Xvfb) when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
pumpvale_install_missing "${pumpvale_ci_packages[@]}" hyperfine time xvfb xauth python3
cmake --preset bench >/dev/null
cmake --build --preset bench --target startup >/dev/null

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

program=build/bench/bench/startup
runs=${RUNS:-50}
hyperfine -N --warmup 5 --runs "$runs" --export-json build/bench/startup.json \
    --command-name pumpvale "$program" --command-name reference "$program --reference" >/dev/null

peak_kib() { # the largest maximum resident set size over the runs
    local most=0 kib
    for _ in $(seq "$runs"); do
        kib=$(/usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ {print $2}')
        [ "$kib" -gt "$most" ] && most=$kib
    done
    echo "$most"
}
pumpvale_kib=$(peak_kib "$program")
reference_kib=$(peak_kib "$program" --reference)

python3 - "$pumpvale_kib" "$reference_kib" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open("build/bench/startup.json"))["results"]}
ms = {name: results[name]["median"] * 1000 for name in ("pumpvale", "reference")}
kib = {"pumpvale": int(sys.argv[1]), "reference": int(sys.argv[2])}
print("| | median start-up | peak memory |")
print("|---|---|---|")
for name in ("pumpvale", "reference"):
    print(f"| {name} | {ms[name]:.1f} ms | {kib[name] / 1024:.1f} MiB |")
print(f"| ratio | {ms['pumpvale'] / ms['reference']:.2f} | {kib['pumpvale'] / kib['reference']:.2f} |")
PY
