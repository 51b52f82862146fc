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
