#!/usr/bin/env bash
# Installs the build the way a distribution package is made (staged with DESTDIR, prefix /usr),
# checks every installed path, validates the menu entry, the metainfo and the manual pages, checks
# every program's --help and --version, and starts the staged copy the way its desktop entry
# does: the installed set-up installs the database from its own supplied folder and registers
# its own system information tool, then the application runs; and started directly, the
# application installs the database itself.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
expected=$({
  printf 'usr/bin/%s\n' zestrel zestrel-setup zestrel-sysinfo zestrel-help zestrel-launch
  echo usr/share/applications/zestrel.desktop
  echo usr/share/icons/hicolor/scalable/apps/zestrel.svg
  echo usr/share/metainfo/org.zestrel.Zestrel.metainfo.xml
  printf 'usr/share/man/man1/%s.1.gz\n' zestrel zestrel-setup zestrel-help
  (cd "$build/supplied" && find . -type f | sed 's|^\./|usr/share/zestrel/|')
} | sort)
installed=$(cd "$stage" && find . ! -type d | sed 's|^\./||' | sort)
[ "$installed" = "$expected" ] || fail "the staged install differs from what is expected:
$(diff <(echo "$expected") <(echo "$installed") || true)"
prefix=$stage/usr
for f in bin/zestrel bin/zestrel-setup bin/zestrel-sysinfo bin/zestrel-help bin/zestrel-launch; do
  [ -x "$prefix/$f" ] || fail "$f is not executable"
done
entry="$prefix/share/applications/zestrel.desktop"
grep -qxF 'Exec="/usr/bin/zestrel-launch"' "$entry" || fail "the entry does not run the launcher: $(grep ^Exec "$entry")"
desktop-file-validate "$entry" || fail "desktop-file-validate"
report=$(appstreamcli validate-tree --no-net "$stage" 2>&1) || fail "appstreamcli: $report"
for page in "$prefix"/share/man/man1/*; do
  report=$(LC_ALL=C.UTF-8 man --warnings -l "$page" 2>&1 >/dev/null) && [ -z "$report" ] || fail "$page: $report"
done

# Every program answers --help and --version with no display to open, its version the newest
# release that the metainfo names, and refuses an option it does not know.
release=$(grep -o -m1 '<release version="[^"]*"' "$prefix"/share/metainfo/*.xml | cut -d'"' -f2)
for p in zestrel zestrel-setup zestrel-help zestrel-sysinfo; do
  run() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$prefix/bin/$p" "$@"; }
  [ "$(run --version)" = "$p $release" ] || fail "$p --version: $(run --version 2>&1)"
  run --help | grep -q "^Usage: $p " || fail "$p --help"
  rc=0; run --no-such-option 2>/dev/null || rc=$?
  [ "$rc" -eq 2 ] || fail "$p took an unknown option (exit $rc)"
done

# A supplied file that only the installation has: the set-up must take it from there.
printf 'installed copy\n' > "$prefix/share/zestrel/Zestrel.mdb"
root="$XDG_DATA_HOME/Zestrel/Zestrel"
rc=0; timeout 5 "$prefix/bin/zestrel-launch" >/dev/null 2>&1 || rc=$?
[ "$rc" -eq 124 ] || fail "the application did not keep running (exit $rc)"
cmp -s "$prefix/share/zestrel/Zestrel.mdb" "$root/drive_c/windows/system/Zestrel.mdb" \
  || fail "the database was not installed from the installation's supplied folder"

# The registered tool is the installed one (REG_SZ data as hex bytes, with its zero at the end).
hex=$(printf '%s\0' "$prefix/bin/zestrel-sysinfo" | od -An -v -tx1 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
grep -qF "\"$hex\"" "$root/registry/HKEY_LOCAL_MACHINE.json" || fail "the installed tool is not registered"
# Started directly on an empty data root, the installed application installs the same database
# itself (over the socket the killed launcher's instance left behind).
export XDG_DATA_HOME=$stage/direct-data
rc=0; timeout 5 "$prefix/bin/zestrel" >/dev/null 2>&1 || rc=$?
[ "$rc" -eq 124 ] || fail "the direct start did not keep running (exit $rc)"
cmp -s "$prefix/share/zestrel/Zestrel.mdb" "$XDG_DATA_HOME/Zestrel/Zestrel/drive_c/windows/system/Zestrel.mdb" \
  || fail "the direct start did not install the database from the installation's supplied folder"
echo "install test passed"
