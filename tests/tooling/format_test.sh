#!/usr/bin/env bash
# Every C++ source is laid out as .clang-format says: a file the tool would change fails.
# Usage: format_test.sh SOURCE-DIR
set -euo pipefail
cd "$1"
files=$(find src tests tools bench fuzz -name '*.cpp' -o -name '*.h' | sort)
if ! clang-format --dry-run --Werror $files; then
    echo "run clang-format -i on the files above"
    exit 1
fi
echo "$(wc -w <<<"$files") files formatted"
