#!/usr/bin/env bash
# varnel-calc's manual page: it is formatted without a warning (as lintian formats it, and by groff with
# every warning on), its NAME line makes a whatis entry, it describes every option --help gives and no
# other, it names the program's version, and every command under 示例 runs and ends well.
# Usage: manual_test.sh VARNEL-CALC MANUAL-PAGE PROJECT-FILE
set -uo pipefail
calc="$(realpath "$1")"
page="$2"
project="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8
failed=0
fail() {
    echo "$*"
    failed=1
}

man --warnings -E UTF-8 -l -Tutf8 -Z "$page" >/dev/null 2>"$work/man" || fail "man could not format the page"
groff -k -man -Tutf8 -ww -z "$page" 2>"$work/groff" || fail "groff could not format the page"
for tool in man groff; do
    [ -s "$work/$tool" ] && fail "$tool warns: $(cat "$work/$tool")"
done
lexgrog "$page" | grep -qF ': "varnel-calc - ' || fail "no whatis entry: $(lexgrog "$page")"

# The options --help lists (the lines of its 选项 that start with one), and those the page's 选项 gives a
# paragraph of its own.
help="$("$calc" --help)"
sed -n '/^选项：$/,/^$/p' <<<"$help" | grep -E '^  -' | grep -oE -- '--?[a-z][a-z-]*' | sort -u >"$work/help-options"
sed -n '/^\.SH 选项$/,/^\.SH /p' "$page" | grep -A1 '^\.TP$' | grep -oE '\\-(\\-)?[a-z][a-z-]*' | sed 's/\\//g' |
    sort -u >"$work/page-options"
[ -s "$work/help-options" ] || fail "--help lists no option"
if ! diff -u "$work/help-options" "$work/page-options" >"$work/options-differ"; then
    fail "the options of --help (-) and of the page (+) differ: $(cat "$work/options-differ")"
fi

version="$("$calc" --version | awk '{ print $NF }')"
head -n 1 "$page" | grep -qF "\"Varnel $version\"" || fail "the page's heading does not name version $version"

# The examples, as a reader copies them, in a folder holding the project they name.
sed -n '/^\.SH 示例$/,/^\.SH /p' "$page" | sed -n '/^\.EX$/,/^\.EE$/p' | grep -v '^\.E[XE]$' |
    sed "s/\\\\-/-/g; s/\\\\(aq/'/g" >"$work/examples"
[ "$(wc -l <"$work/examples")" -ge 3 ] || fail "fewer than three examples"
mkdir "$work/run"
cp "$project" "$work/run/道路.varnel"
export PATH="$(dirname "$calc"):$PATH"
while IFS= read -r command; do
    if ! (cd "$work/run" && bash -o pipefail -c "$command") >"$work/out" 2>"$work/err" </dev/null; then
        fail "the example fails: $command"$'\n'"$(cat "$work/err")"
    elif [ ! -s "$work/out" ] && [[ "$command" != *--report* ]]; then
        fail "the example prints nothing: $command"
    fi
done <"$work/examples"

[ "$failed" -eq 0 ] && echo "the manual page is clean, complete and its examples run"
exit "$failed"
