#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root, checks its files and starts the
# installed program on the offscreen platform.
# Usage: package_test.sh BUILD-DIR [hardened|not-hardened]
set -euo pipefail
build="$1"
hardening="${2:-hardened}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/varnel_*_amd64.deb)
echo "package: $(basename "$deb")"
[[ "$(basename "$deb")" =~ ^varnel_[0-9]+\.[0-9]+\.[0-9]+_amd64\.deb$ ]]

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 fonts-noto-cjk; do
    grep -q "$needed" <<<"$depends" || { echo "missing dependency $needed"; exit 1; }
done

# Debian's own checker finds nothing to warn about, let alone an error.
if ! lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1; then
    grep -v 'running with root privileges' "$work/lintian"
    echo "lintian found errors or warnings"
    exit 1
fi

root="$work/root"
dpkg -x "$deb" "$root"
test -x "$root/usr/bin/varnel"

# The programs carry Debian's hardening: position-independent, full RELRO (the relocations read-only
# after an immediate binding), the stack protector and fortified libc calls. The package's files are
# stripped, so the symbols are read from the dynamic table.
if [ "$hardening" = hardened ]; then
    unhardened=()
    for program in bin/varnel bin/varnel-calc libexec/varnel/varnel-calc-pdf; do
        file="$root/usr/$program"
        headers=$(readelf -hlW "$file")
        dynamic=$(readelf -dW "$file")
        symbols=$(readelf --dyn-syms -W "$file" | awk '$8 { sub(/@.*/, "", $8); print $8 }')
        grep -q 'Type:[[:space:]]*DYN' <<<"$headers" && grep -q 'FLAGS_1.*PIE' <<<"$dynamic" ||
            unhardened+=("$program is not a position-independent executable")
        grep -q 'GNU_RELRO' <<<"$headers" || unhardened+=("$program has no RELRO segment")
        grep -Eq '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).*NOW' <<<"$dynamic" ||
            unhardened+=("$program binds lazily (partial RELRO): it was not linked with -z now")
        grep -qx '__stack_chk_fail' <<<"$symbols" || unhardened+=("$program has no stack protector")
        grep -Eqx '__[a-z0-9_]+_chk' <<<"$symbols" || unhardened+=("$program calls no fortified libc function")
    done
    if [ ${#unhardened[@]} -gt 0 ]; then
        printf '%s\n' "${unhardened[@]}"
        echo "the programs are not built with Debian's hardening flags"
        exit 1
    fi
    echo "hardening: varnel, varnel-calc and varnel-calc-pdf are PIE, full RELRO, stack-protected and fortified"
else
    echo "hardening: not checked (this build is not an optimised, hardened one)"
fi

# Installed on a machine that has only what Depends brings, every ELF file of the package finds each
# library it needs (and its program interpreter): the package that holds that library on this machine
# is named in Depends or is a dependency of one named there, at any depth. A library linked later
# without its package being reachable that way fails here, even though this machine has it.
sed 's/([^)]*)//g; s/\[[^]]*\]//g; s/[,|]/\n/g' <<<"$depends" | sed 's/[[:space:]]//g; s/:any$//' | grep -v '^$' |
    sort -u >"$work/depends"
# --recurse lists every package reached as a line of its own, and a virtual package's providers
# indented under it; apt-cache marks virtual names with <>.
xargs apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts --no-breaks \
      --no-replaces --no-enhances <"$work/depends" |
    awk '/Depends: / { sub(/.*Depends: /, ""); print; next } { gsub(/[[:space:]<>]/, ""); print }' |
    cat - "$work/depends" | sort -u >"$work/reachable"
# The packages that hold FILE on this machine; Debian 12 registers the libraries under /lib as well
# as /usr/lib.
owners() {
    local path
    for path in "$1" "${1#/usr}" "/usr$1" "$(readlink -f "$1")"; do
        dpkg -S "$path" 2>/dev/null | grep -v '^diversion by' | sed 's/: \/.*//; s/, /\n/g' | sed 's/:.*//' | grep . &&
            return 0
    done
    return 1
}
elves=()
while IFS= read -r -d '' file; do
    readelf -h "$file" >/dev/null 2>&1 && elves+=("$file")
done < <(find "$root" -type f -print0)
[ ${#elves[@]} -gt 0 ] || { echo "the package holds no ELF file"; exit 1; }
# A library the package itself holds needs no other package.
for file in "${elves[@]}"; do
    readelf -dW "$file" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p'
done >"$work/own-sonames"
unreachable=()
checked=0
for file in "${elves[@]}"; do
    name="${file#"$root"/}"
    resolved=$(ldd "$file" 2>/dev/null || true)
    interpreter=$(readelf -lW "$file" | sed -n 's/.*\[Requesting program interpreter: \(.*\)\]/\1/p')
    needed=$(readelf -dW "$file" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    for library in $interpreter $needed; do
        checked=$((checked + 1))
        grep -qxF "$library" "$work/own-sonames" && continue
        if [[ "$library" == /* ]]; then
            path="$library"
        else
            path=$(awk -v lib="$library" '$1 == lib && $2 == "=>" && $3 ~ /^\// { print $3; exit }' <<<"$resolved")
        fi
        if [ -z "$path" ] || [ ! -e "$path" ]; then
            unreachable+=("$library (needed by $name) is not on this machine")
        elif ! packages=$(owners "$path"); then
            unreachable+=("$library (needed by $name) is $path, which no package holds")
        elif ! grep -qxFf <(echo "$packages") "$work/reachable"; then
            unreachable+=("$library (needed by $name) is in $(echo $packages), which Depends does not bring")
        fi
    done
done
if [ ${#unreachable[@]} -gt 0 ]; then
    printf '%s\n' "${unreachable[@]}"
    echo "Depends: $depends"
    exit 1
fi
echo "libraries: the ${checked} that ${#elves[@]} ELF file(s) need all come with Depends"

desktop="$root/usr/share/applications/varnel.desktop"
desktop-file-validate "$desktop"
grep -qx 'Name=Varnel' "$desktop"
grep -q '^Name\[zh_CN\]=' "$desktop"
grep -q '^Comment=' "$desktop"
grep -qx 'Categories=Office;' "$desktop"
# A project file opens with Varnel from the file manager: the entry takes one file and names the type.
grep -qx 'Exec=varnel %f' "$desktop"
grep -qx 'MimeType=application/x-varnel-project;' "$desktop"

# The project files' type, built into a MIME database of its own beside the system's base types, as
# shared-mime-info's trigger builds it on installation. update-mime-database reports a file it cannot
# read, or an element it does not understand, on its output and still ends well: it must say nothing.
mime="$work/share/mime"
mkdir -p "$mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$root/usr/share/mime/packages/varnel.xml" "$mime/packages/"
XDG_DATA_DIRS="$work/share" update-mime-database "$mime" >"$work/mime.log" 2>&1
if [ -s "$work/mime.log" ]; then
    cat "$work/mime.log"
    echo "the MIME type file is not valid"
    exit 1
fi
grep -qx '[0-9]*:application/x-varnel-project:\*\.varnel' "$mime/globs2"
grep -qx 'application/x-varnel-project application/json' "$mime/subclasses"
grep -qx 'application/x-varnel-project:varnel' "$mime/icons"
type="$mime/application/x-varnel-project.xml"
grep -qx '  <comment>Varnel engineering design fee project</comment>' "$type"
grep -qx '  <comment xml:lang="zh_CN">工程设计收费项目</comment>' "$type"
# Where GLib's gio is at hand, it tells a project file by its name, and by its content without one.
if command -v gio >/dev/null; then
    printf '{\n  "format": "varnel-project",\n  "version": 1,\n  "items": []\n}\n' >"$work/道路.varnel"
    cp "$work/道路.varnel" "$work/no-ending"
    for file in "$work/道路.varnel" "$work/no-ending"; do
        XDG_DATA_DIRS="$work/share" XDG_DATA_HOME="$work/no-user-data" gio info -a standard::content-type "$file" |
            grep -qx '  standard::content-type: application/x-varnel-project' ||
            { echo "gio does not take $(basename "$file") for a Varnel project"; exit 1; }
    done
fi
for size in 16 24 32 48 64 128 256; do
    test -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/varnel.png"
done
test -s "$root/usr/share/icons/hicolor/scalable/apps/varnel.svg"
grep -qx 'License: GPL-3.0-or-later' "$root/usr/share/doc/varnel/copyright"
zcat "$root/usr/share/doc/varnel/changelog.gz" | head -n 1 | grep -q "^varnel ($(dpkg-deb -f "$deb" Version))"
zcat "$root/usr/share/man/man1/varnel.1.gz" | grep -q '^\.SH KEYBOARD'
zcat "$root/usr/share/man/man1/varnel-calc.1.gz" | grep -q '^\.SH 示例'

# varnel-calc loads no Qt, and leaves a PDF 计算书 to the installed varnel-calc-pdf.
if readelf -dW "$root/usr/bin/varnel-calc" | grep -q 'NEEDED.*libQt'; then
    echo "varnel-calc links Qt"; exit 1
fi
project="$work/计算书.varnel"
printf '{"format": "varnel-project", "version": 1, "name": "道路", "client": "", "designer": "", "date": "",
  "float": 0, "contract": null, "items": []}\n' >"$project"
"$root/usr/bin/varnel-calc" --report "$work/道路.pdf" "$project" >/dev/null 2>"$work/stderr" ||
    { echo "the installed varnel-calc wrote no PDF"; cat "$work/stderr"; exit 1; }
[ ! -s "$work/stderr" ] || { echo "the installed varnel-calc-pdf complained"; cat "$work/stderr"; exit 1; }
head -c 5 "$work/道路.pdf" | grep -qx '%PDF-' || { echo "the installed varnel-calc wrote no PDF"; exit 1; }

# The installed program starts and keeps running until it is ended.
QT_QPA_PLATFORM=offscreen "$root/usr/bin/varnel" 2>"$work/stderr" &
program=$!
sleep 3
if ! kill -0 "$program" 2>/dev/null; then
    wait "$program" || true
    echo "the installed program ended by itself"; cat "$work/stderr"; exit 1
fi
kill "$program"
wait "$program" 2>/dev/null || true
echo "1 passed, 0 failed"
