#!/usr/bin/env bash
# Start-up time and peak memory of Pumpvale beside three yardsticks: one empty Qt window, one window
# showing a label of text, and that label in a window of the intro's size. The four are started in
# turn, round after round, so that they share whatever else the machine is doing; each start's wall
# time, CPU time (user + system) and peak resident memory come from the process itself (wait4's
# resource usage). Prints the median wall and CPU time and the largest peak memory of each, and
# Pumpvale's ratios to the yardsticks. Uses the desktop's display, or a virtual one (Xvfb) when there
# is none. RUNS sets the number of rounds.
# bench/startup.sh PROGRAM times another build of the start-up program (one kept from before a change,
# say) instead of building this one.
set -euo pipefail
if [ $# -gt 0 ]; then
    set -- "$(realpath "$1")"
fi
cd "$(dirname "$0")/.."
source tools/setup.sh
pumpvale_install_missing "${pumpvale_ci_packages[@]}" xvfb xauth python3
program=${1:-build/default/bench/startup}
if [ $# -eq 0 ]; then
    cmake --preset bench >/dev/null
    cmake --build --preset bench --target startup >/dev/null
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

python3 - "$program" "${RUNS:-40}" <<'PY'
import os, statistics, subprocess, sys, tempfile, time

program, runs = sys.argv[1], int(sys.argv[2])
commands = {"Pumpvale": [program], "empty window": [program, "--reference"],
            "one label": [program, "--label"],
            "one label, the intro's size": [program, "--sized-label"]}

def start(argv):
    """One start: wall seconds, CPU seconds, peak resident KiB."""
    with tempfile.TemporaryFile() as errors:  # Qt's chatter, shown only when a start fails
        began = time.perf_counter()
        child = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=errors)
        _, status, usage = os.wait4(child.pid, 0)
        wall = time.perf_counter() - began
        if os.waitstatus_to_exitcode(status) != 0:
            errors.seek(0)
            sys.exit(f"{' '.join(argv)} failed:\n{errors.read().decode(errors='replace')}")
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss

names = list(commands)
for _ in range(3):  # warm the caches
    for name in names:
        start(commands[name])
samples = {name: [] for name in names}
for round_ in range(runs):
    # Each round in another order, so that none always follows the same one.
    turn = round_ % len(names)
    for name in names[turn:] + names[:turn]:
        samples[name].append(start(commands[name]))

def figures(name):
    wall, cpu, kib = zip(*samples[name])
    return statistics.median(wall) * 1000, statistics.median(cpu) * 1000, max(kib) / 1024

rows = {name: figures(name) for name in names}
print(f"| {runs} starts each, interleaved | median wall | median CPU (user + system) | largest peak memory |")
print("|---|---|---|---|")
for name in names:
    wall, cpu, mib = rows[name]
    print(f"| {name} | {wall:.1f} ms | {cpu:.1f} ms | {mib:.1f} MiB |")
ratios = [a / b for a, b in zip(rows["Pumpvale"], rows["empty window"])]
print(f"| Pumpvale / empty window | {ratios[0]:.2f} | {ratios[1]:.2f} | {ratios[2]:.2f} |")
label = [a / b for a, b in zip(rows["one label"], rows["empty window"])]
print(f"| one label / empty window | {label[0]:.2f} | {label[1]:.2f} | {label[2]:.2f} |")
for yardstick in ("one label", "one label, the intro's size"):
    text = [a / b for a, b in zip(rows["Pumpvale"], rows[yardstick])]
    print(f"| Pumpvale / {yardstick} | {text[0]:.2f} | {text[1]:.2f} | {text[2]:.2f} |")
PY
