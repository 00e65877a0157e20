#!/usr/bin/env bash
# Installs the build into a fresh prefix and starts it the way its desktop entry does: the
# installed set-up installs the database from its own supplied folder and registers its own
# system information tool, then the application runs.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/zestrel bin/zestrel-setup bin/zestrel-sysinfo bin/zestrel-help bin/zestrel-launch; do
  [ -x "$prefix/$f" ] || fail "$f is not installed"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/zestrel.svg" ] || fail "no icon"
[ -f "$prefix/share/zestrel/zestrel.hlp" ] || fail "no help file"
entry="$prefix/share/applications/zestrel.desktop"
grep -qxF "Exec=\"$prefix/bin/zestrel-launch\"" "$entry" || fail "the entry does not run the launcher: $(grep ^Exec "$entry")"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "desktop-file-validate"
fi

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
echo "install test passed"
