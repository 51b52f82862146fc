# Sourced by run.sh and test.sh: installs from Debian whatever the build still lacks. Safe to run again:
# it installs nothing that is already there.

# What a fresh Debian 12 machine needs to build, run and test Pumpvale.
# poppler-utils: pdftotext and pdfimages, with which tests read the printed report back.
# libcli11-dev: the command line of pumpvale-batch (header-only).
pumpvale_packages=(g++ cmake ninja-build libgtest-dev qt6-base-dev fonts-dejavu-core desktop-file-utils dpkg-dev file libcli11-dev
                   poppler-utils)
# What CI needs besides: clang with its runtime (libFuzzer and the sanitizers) for the fuzzers,
# clang-tidy (and python3, which gives it the builds' compile commands), Google Benchmark, and the
# package's checkers (lintian, appstreamcli).
pumpvale_ci_packages=(clang libclang-rt-14-dev clang-tidy-14 python3 libbenchmark-dev lintian appstream)

source "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

pumpvale_install_missing() {
    local missing=()
    local package
    for package in "${pumpvale_packages[@]}" "$@"; do
        if ! pumpvale_package_installed "$package"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Pumpvale needs these Debian packages: ${missing[*]}. Run this command as root or install sudo." >&2
            return 1
        fi
        sudo=(sudo)
    fi
    echo "Installing ${missing[*]} ..."
    "${sudo[@]}" apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

cd "$(dirname "${BASH_SOURCE[0]}")/.." || exit 1
