# Sourced by scripts/test: runs one stage's tests and adds its line to the summary.

# run_stage NAME BUILD-DIR STARTED: runs ctest in BUILD-DIR, shows each test as it ends and keeps the whole
# log there. A stage passes only when ctest exits 0 and says how many tests passed; otherwise it is
# FAILED, its log is shown in full and `status` becomes 1. Appends the stage's line to `summary`.
run_stage() {
    local name="$1" dir="$2" started="$3" log="$2/ctest-summary.log"
    local result=passed ctest_status=0
    # With pipefail the pipeline's status is ctest's: tee passes everything on and the filter never fails.
    (cd "$dir" && ctest --output-on-failure -j"$(nproc)") 2>&1 | tee "$log" |
        { grep -E --line-buffered \
            '^ *[0-9]+/[0-9]+ Test|tests passed|The following tests FAILED|Failed|^\s+[0-9]+ - ' || true; } ||
        ctest_status=$?
    local counts
    counts=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1 \2/p' "$log")
    if [ "$ctest_status" -ne 0 ] || [ -z "$counts" ]; then
        result=FAILED
        status=1
        cat "$log"
    fi
    local failed total
    read -r failed total <<<"${counts:-0 0}"
    summary+=("$(printf '  %-11s %-7s %3d of %3d tests passed  %2d min %02d s' "$name" "$result" \
        "$((total - failed))" "$total" "$(((SECONDS - started) / 60))" "$(((SECONDS - started) % 60))")")
}
