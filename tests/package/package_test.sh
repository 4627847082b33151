#!/bin/sh
# Builds the Debian package of a built tree into a scratch folder, unpacks it there (the
# live system is left alone) and checks what it holds: the computed dependencies, the
# version, the programs running from it, the desktop entry, the AppStream data, the icon
# and a manual page for each program. When lintian is installed (scripts/install-deps.sh
# installs it), Debian's own checker must find no error and no warning in the package.
#   package_test.sh BUILD_DIR VERSION
set -eu
build=$1 version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

if ! timeout 240 cpack -G DEB -B "$scratch/out" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    fail "cpack did not make the package"
fi
deb=$(ls "$scratch"/out/*.deb)
if command -v lintian >/dev/null 2>&1; then
    # Every tag is shown, informational ones too; only errors and warnings fail.
    if ! lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1; then
        cat "$scratch/lintian.log"
        fail "lintian finds errors or warnings in the package"
    fi
    cat "$scratch/lintian.log"
    echo "lintian: no error and no warning"
else
    echo "lintian is not installed: the package is not checked by it"
fi
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version $(dpkg-deb -f "$deb" Version), expected $version"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libc6 libqt6widgets6 libqt6serialport6 libqt6network6 qt6-qpa-plugins; do
    case "$depends" in *"$lib"*) ;; *) fail "Depends lacks $lib" ;; esac
done

dpkg-deb -x "$deb" "$scratch/root"
usr=$scratch/root/usr
app=com.tavrelkessway.vxpanel
out=$(timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/vxpanel" --version) ||
    fail "vxpanel --version from the package"
echo "$out"
case "$out" in *1.00*) ;; *) fail "vxpanel --version printed: $out" ;; esac
timeout 20 "$usr/bin/vxsim" --help | grep -q -- "--baud" || fail "vxsim --help from the package"
timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/vxctl" --help | grep -q -- "--json" ||
    fail "vxctl --help from the package"

desktop-file-validate "$usr/share/applications/$app.desktop" || fail "desktop entry"
exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$usr/share/applications/$app.desktop")
[ -x "$usr/bin/$exec" ] || fail "the desktop entry starts $exec, which the package lacks"
appstreamcli validate --no-net "$usr/share/metainfo/$app.metainfo.xml" || fail "AppStream data"
grep -q "release version=\"$version\"" "$usr/share/metainfo/$app.metainfo.xml" || fail "AppStream release"
grep -q "<svg" "$usr/share/icons/hicolor/scalable/apps/$app.svg" || fail "icon"

for program in "$usr"/bin/*; do
    name=$(basename "$program")
    page=$usr/share/man/man1/$name.1.gz
    [ -s "$page" ] || fail "no manual page for $name"
    gzip -dc "$page" | grep -q '^\.SH SYNOPSIS' || fail "manual page of $name has no synopsis"
    gzip -dc "$page" | grep -q '^\\fB\\-\\-help' || fail "manual page of $name lists no options"
done
unit=$usr/lib/systemd/system/vxctl-serve.service
[ -s "$unit" ] || fail "no systemd unit for vxctl serve"
[ -s "$usr/share/doc/vxcontrol/examples/vxctl-serve.default" ] || fail "no example of /etc/default/vxctl-serve"
grep -q '^EnvironmentFile=-/etc/default/vxctl-serve$' "$unit" || fail "the unit does not read /etc/default/vxctl-serve"
grep -q '^DynamicUser=yes$' "$unit" && grep -q '^SupplementaryGroups=dialout$' "$unit" &&
    grep -q '^NoNewPrivileges=yes$' "$unit" || fail "the unit runs with more than serial-port access"
if command -v systemd-analyze >/dev/null 2>&1; then
    # The unit as the package installs it, its program where the package puts it; the
    # system's own targets beside it, which the unit is ordered after and wanted by.
    cp /lib/systemd/system/*.target "$usr/lib/systemd/system/" 2>/dev/null || true
    systemd-analyze verify --man=no --root="$scratch/root" /usr/lib/systemd/system/vxctl-serve.service ||
        fail "systemd-analyze verify finds fault with the unit"
    echo "systemd-analyze verify: the unit is sound"
else
    echo "systemd-analyze is not installed: the unit is not verified by it"
fi
echo "package $(basename "$deb") checked"
