#!/usr/bin/env bash
# Debian's own tools on the package: lintian (no errors; warnings listed), the desktop entry, the
# AppStream metadata, the man page and the program's hardening (every protection found).
#   check.sh PACKAGE_DIR (holding velmarch_*.deb)
set -uo pipefail
debs=("$1"/velmarch_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: not one package in $1"; exit 1; }
deb=${debs[0]}
work=$(mktemp -d "${TMPDIR:-/tmp}/velmarch-package.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

dpkg-deb -x "$deb" "$work" || fail "cannot unpack $deb"
control=$(dpkg-deb -f "$deb" Section Depends Maintainer)
grep -q '^Section: games$' <<<"$control" || fail "not in section games"
grep -q '^Depends: .*libsfml-graphics' <<<"$control" || fail "no dependencies from the binary: $control"

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 ||
    fail "lintian: $(grep '^E:' "$work/lintian.log")"
grep '^W:' "$work/lintian.log" | sed 's/^/lintian /'

desktop=("$work"/usr/share/applications/*.desktop)
desktop-file-validate "${desktop[@]}" || fail "desktop entry"
appstreamcli validate --no-net "$work"/usr/share/metainfo/*.metainfo.xml || fail "AppStream metadata"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -l "$work/usr/share/man/man6/velmarch.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man page: $warnings"

# The program's protections as Debian's hardening-check sees them. Two of its findings cannot be
# had on Debian 12: its C start files carry no control-flow mark, so no program there is marked,
# and the program's own functions must start with endbr64 instead; and where the size of every
# buffer handed to libc is known when compiling, _FORTIFY_SOURCE leaves no checked call to find.
program=$work/usr/games/velmarch
hardening=$(hardening-check --verbose "$program")
echo "$hardening"
missing=$(grep -E ': (no|unknown)' <<<"$hardening" |
    grep -v -e 'Control flow integrity: no, not found!$' \
        -e 'Fortify Source functions: no, only unprotected functions found!$' \
        -e 'Stack clash protection: unknown, no -fstack-clash-protection instructions found$')
[ -z "$missing" ] || fail "protections missing from the program: $missing"
marks=$(objdump -d --no-show-raw-insn "$program" | grep -c endbr64)
echo "Control flow protection: $marks endbr64 instructions"
[ "$marks" -ge 100 ] || fail "the program's code has no control-flow protection ($marks endbr64)"
[ "$failed" -eq 0 ] && echo "package checks passed: $(basename "$deb")"
exit "$failed"
