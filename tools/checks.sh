# Sourced by .ci/run and the tests: checks that read a command's whole output before they match it.
# Under pipefail a reader that leaves at the first match (grep -q, head) kills its writer with SIGPIPE,
# and the pipeline then fails by chance although the output was right.

# The printed report reads back as text and names the program's result.
pumpvale_report_reads_back() {
    local text
    text=$(pdftotext "$1" -) || return 1
    grep -F "Pumpvale: annual electricity cost" <<<"$text" >/dev/null
}

# The Debian package is installed.
pumpvale_package_installed() {
    local status
    status=$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) || return 1
    [ "$status" = "install ok installed" ]
}

# The files `cmake --install` put under prefix are all there, the programs stripped and answering,
# and none names the checkout ($PWD) it was built in.
pumpvale_install_route_holds() {
    local prefix=$1 file kind
    for file in bin/pumpvale bin/pumpvale-batch share/man/man1/pumpvale.1.gz share/man/man1/pumpvale-batch.1.gz \
        share/applications/pumpvale.desktop share/icons/hicolor/scalable/apps/pumpvale.svg; do
        if [ ! -f "$prefix/$file" ]; then
            echo "the install lacks $file" >&2
            return 1
        fi
    done
    for file in bin/pumpvale bin/pumpvale-batch; do
        kind=$(file -b "$prefix/$file")
        if [[ $kind != *", stripped"* ]]; then
            echo "$file is installed unstripped: $kind" >&2
            return 1
        fi
    done
    "$prefix/bin/pumpvale-batch" --version >/dev/null
    if grep -rlF "$PWD" "$prefix"; then
        echo "installed files name the checkout ($PWD)" >&2
        return 1
    fi
}
