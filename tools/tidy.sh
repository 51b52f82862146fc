#!/usr/bin/env bash
# Static analysis: clang-tidy with the repository's .clang-tidy over the folders below, two files at a
# time. Any finding fails the run.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
pumpvale_install_missing "${pumpvale_ci_packages[@]}"

# The folders whose sources are checked; a folder's headers are checked through the sources that
# include them. The tests are left out: they hold no code the program runs, each costs clang-tidy three
# times its compiling, and CI must end within its time.
tidy_folders=(core aodd checks cases batch ui app fuzz bench)

# Each source is checked with the compile commands of the build that compiles it: the fuzzers and the
# benchmarks have their own. The default build is built, for the windows' generated headers.
cmake --preset default >/dev/null
cmake --build --preset default
cmake --preset fuzz >/dev/null
cmake --preset bench >/dev/null

# One list of compile commands for both (the bench preset adds the benchmarks' to the default build's), without the precompiled Qt headers (cmake/precompiled.cmake):
# g++ made them, and clang cannot read them.
mkdir -p build/tidy
python3 - build/default build/fuzz >build/tidy/compile_commands.json <<'PY'
import json, re, sys
commands = {}
for build in sys.argv[1:]:
    for entry in json.load(open(f"{build}/compile_commands.json")):
        if entry["file"].endswith(".cpp") and entry["file"] not in commands:
            command = re.sub(r" -Winvalid-pch| -include \S+cmake_pch\.hxx", "", entry["command"])
            commands[entry["file"]] = dict(entry, command=command)
json.dump(list(commands.values()), sys.stdout, indent=0)
PY

tidy_one() {
    local output status=0
    output=$(clang-tidy-14 -p build/tidy --quiet --warnings-as-errors='*' "$1" 2>&1) || status=$?
    grep -v -E '^[0-9]+ warnings? generated\.$' <<<"$output" || true
    return "$status"
}
export -f tidy_one

find "${tidy_folders[@]}" -name '*.cpp' -print0 | sort -z | xargs -0 -r -n1 -P2 bash -c 'tidy_one "$1"' _
echo "clang-tidy: no findings in ${tidy_folders[*]}"
