#!/usr/bin/env bash
# A disk full to the last byte, for real: a small file system of its own (tmpfs, mounted on /mnt in a
# private mount namespace, so nothing outside the test sees it) holds a project, its reports and its
# workbook; it is filled, then the program (through varnel-script) and varnel-calc save onto it. Every save
# must say the disk is full, and every file must keep its bytes, with no temporary file left beside it.
#
# Usage: fulldisk_test.sh SCRIPTCHECK VARNEL-SCRIPT VARNEL-CALC SCENARIO-FOLDER
set -u
check="$1" script="$2" calc="$3" here="$4"

if [ "$(id -u)" -ne 0 ]; then
    echo "A full disk is made with a file system of the test's own, which needs root (unshare --mount)."
    # CI runs as root: there a missing privilege is a failure, not a skip.
    [ -n "${CI:-}" ] && exit 1
    exit 77
fi
if [ -z "${VARNEL_PRIVATE_MOUNTS:-}" ]; then
    VARNEL_PRIVATE_MOUNTS=1 exec unshare --mount --propagation private "$0" "$@"
fi

failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

mount -t tmpfs -o size=2m varnel-full-disk /mnt || exit 1
disk=/mnt
cp "$here/道路.varnel" "$disk/道路.varnel"
printf '原来的项目计算书\r\n' >"$disk/项目计算书.txt"
printf '%%PDF-1.4 原来的\n' >"$disk/项目计算书.pdf"
printf 'PK 原来的工作簿' >"$disk/道路.xlsx"
printf '原来的计算书\r\n' >"$disk/计算书.txt"
before="$(cd "$disk" && sha256sum -- *)"

# Fill the disk: whole blocks first, then what is left byte by byte.
dd if=/dev/zero of="$disk/fill" bs=64k status=none 2>/dev/null
dd if=/dev/zero of="$disk/fill-rest" bs=1 status=none 2>/dev/null
[ "$(df --output=avail "$disk" | tail -n 1 | tr -d ' ')" = 0 ] || fail "the disk is not full: $(df -h "$disk")"
rm -f "$disk/fill-rest.check"

echo "== the program: 保存项目, 退出 → 保存, closing the last window → 保存, 计算书, 导出 Excel"
"$check" "$script" "$here/fulldisk.vs" || fail "the program's saves onto a full disk"

echo "== varnel-calc"
expect_calc() { # EXIT-CODE MESSAGE-PART ARGUMENTS...
    local code="$1" part="$2"
    shift 2
    local err
    err="$("$calc" "$@" 2>&1 >/dev/null)"
    local got=$?
    [ "$got" -eq "$code" ] || fail "varnel-calc $* exited $got, not $code: $err"
    case "$err" in *"$part"*) ;; *) fail "varnel-calc $* said: $err" ;; esac
}
expect_calc 3 "项目计算书未能写入“$disk/项目计算书.txt”：磁盘已满" --report "$disk/项目计算书.txt" "$disk/道路.varnel"
expect_calc 3 "项目计算书未能写入“$disk/项目计算书.pdf”：磁盘已满" --report "$disk/项目计算书.pdf" "$disk/道路.varnel"
expect_calc 3 "工作簿未能写入“$disk/道路.xlsx”：磁盘已满" --xlsx "$disk/道路.xlsx" "$disk/道路.varnel"
expect_calc 3 "项目计算书未能写入“$disk/新的.txt”：磁盘已满" --report "$disk/新的.txt" "$disk/道路.varnel"
[ -e "$disk/新的.txt" ] && fail "a report that could not be written left a file"
# Standard output onto a full device.
"$calc" "$disk/道路.varnel" >/dev/full 2>/dev/null
[ $? -eq 3 ] || fail "varnel-calc printing onto /dev/full did not exit 3"

echo "== every file as it was"
rm -f "$disk/fill" "$disk/fill-rest"
after="$(cd "$disk" && sha256sum -- *)"
[ "$before" = "$after" ] || fail "files changed: $(diff <(echo "$before") <(echo "$after"))"
leftovers="$(cd "$disk" && ls -A | grep -F '.varnel-save-')"
[ -z "$leftovers" ] || fail "temporary files left: $leftovers"

# With room again, the same save goes through.
"$calc" --report "$disk/项目计算书.txt" "$disk/道路.varnel" >/dev/null || fail "with room again, the report is not written"
grep -q '某某道路工程' "$disk/项目计算书.txt" || fail "the report written with room again lacks the project"

umount "$disk"
if [ "$failures" -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "full disk: every save refused, every file kept"
