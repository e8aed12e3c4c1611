#!/usr/bin/env bash
# Debian's own tools on the package: lintian (no errors; warnings listed), the desktop entry, the
# AppStream metadata and the man page.   check.sh PACKAGE_DIR (holding velmarch_*.deb)
set -uo pipefail
debs=("$1"/velmarch_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: not one package in $1"; exit 1; }
deb=${debs[0]}
work=$(mktemp -d "${TMPDIR:-/tmp}/velmarch-package.XXXXXX")
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
[ "$failed" -eq 0 ] && echo "package checks passed: $(basename "$deb")"
exit "$failed"
