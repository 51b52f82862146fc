#!/usr/bin/env bash
# The CI's checks on their own output, fifty times in a row: a check whose reader left early would fail
# here by chance (SIGPIPE under pipefail) before it fails a submission.
set -euo pipefail
source "$(dirname "$0")/../../tools/checks.sh"
report=$1
for run in $(seq 50); do
    pumpvale_report_reads_back "$report" || { echo "the report check failed on run $run" >&2; exit 1; }
    pumpvale_package_installed bash || { echo "the package check failed on run $run" >&2; exit 1; }
done
! pumpvale_package_installed pumpvale-no-such-package
