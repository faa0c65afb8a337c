#!/usr/bin/env bash
# scripts/test's stage runner against stand-in ctest programs: a stage whose tests fail (or whose ctest
# ends without counting any) must say FAILED and fail the run; one whose tests pass must pass it.
# Usage: run_stage_test.sh SOURCE-DIR
set -euo pipefail
source_dir="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# stage CTEST-EXIT CTEST-LAST-LINE: runs one stage with a stand-in ctest, as scripts/test runs it;
# prints the stage's output and summary, and exits with the run's status.
stage() {
    local bin="$work/bin-$1" build="$work/build-$1"
    mkdir -p "$bin" "$build"
    printf '#!/bin/sh\necho "1/2 Test #1: first ..........   Passed"\necho "%s"\nexit %s\n' "$2" "$1" >"$bin/ctest"
    chmod +x "$bin/ctest"
    PATH="$bin:$PATH" bash -c '
        set -euo pipefail
        status=0
        summary=()
        source "$1/scripts/stage.sh"
        run_stage release "$2" "$SECONDS"
        printf "%s\n" "${summary[@]}"
        exit "$status"' _ "$source_dir" "$build"
}

# expect NAME WANTED-EXIT PATTERN CTEST-EXIT CTEST-LAST-LINE
expect() {
    local name="$1" wanted="$2" pattern="$3" got=0 out
    out="$(stage "$4" "$5" 2>&1)" || got=$?
    if [ "$got" -ne "$wanted" ] || ! grep -qE "$pattern" <<<"$out"; then
        echo "FAIL: $name: exit $got (wanted $wanted), output:"
        sed 's/^/    /' <<<"$out"
        failures=$((failures + 1))
    else
        echo "ok: $name"
    fi
}

expect "failing tests fail the stage and the run" 1 'release +FAILED +1 of +2 tests passed' \
    8 "50% tests passed, 1 tests failed out of 2"
expect "passing tests pass the stage and the run" 0 'release +passed +2 of +2 tests passed' \
    0 "100% tests passed, 0 tests failed out of 2"
expect "a ctest that exits 0 without counting any test fails the stage" 1 'release +FAILED' \
    0 "No tests were found!!!"
expect "a ctest that stops with a failure after counting fails the stage" 1 'release +FAILED' \
    2 "100% tests passed, 0 tests failed out of 2"

[ "$failures" -eq 0 ] && echo "4 passed, 0 failed"
exit "$failures"
