#!/usr/bin/env bash
# Checks the program as a desktop installs it: installs it into a temporary
# prefix, validates the menu entry and the AppStream file, builds the Debian
# package, then starts the installed program under Xvfb, waits for its main
# window and ends it with Escape. Usage: tools/check_install.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: check_install.sh BUILD_DIR}" && pwd)

# The validators and the X tools are needed by this check alone.
packages=(desktop-file-utils appstream xvfb xauth xdotool dpkg-dev file)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
app_id=nl.tessaly.TessalyStudie

cmake --install "$build" --prefix "$prefix" >/dev/null
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null
for size in 16 32 48 256; do
    test -s "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
done
"$prefix/bin/TessalyStudie" --version | grep -qx "TessalyStudie 26.1"
"$prefix/bin/TessalyStudie" --help | grep -q -- "--standaardmap"

(cd "$build" && cpack -G DEB -B "$scratch/package" >/dev/null 2>&1)
deb=$(ls "$scratch"/package/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation; do
    case "$depends" in *"$library"*) ;; *) echo "package does not depend on $library: $depends" >&2; exit 1 ;; esac
done
dpkg-deb -c "$deb" | grep "usr/bin/TessalyStudie" >/dev/null

# The installed program, started in a folder of its own, shows its main
# window and ends on Escape, releasing its folder lock.
cat > "$scratch/run.sh" <<SCRIPT
set -euo pipefail
export HOME="$scratch/home"
"$prefix/bin/TessalyStudie" "$scratch/lists" &
pid=\$!
seen=
# Qt may replace a native window while it sets up, so look again until the
# program has gone.
for attempt in \$(seq 40); do
    window=\$(xdotool search --onlyvisible --name "^Tessaly Studie vs 26.1\$" 2>/dev/null | head -n 1) || true
    if [ -n "\$window" ]; then
        seen=yes
        xdotool windowfocus "\$window" 2>/dev/null || true
        xdotool key --window "\$window" Escape 2>/dev/null || true
    fi
    kill -0 \$pid 2>/dev/null || break
    sleep 0.5
done
if kill -0 \$pid 2>/dev/null; then
    kill \$pid
    echo "the installed program did not end on Escape" >&2
    exit 1
fi
wait \$pid
[ -n "\$seen" ] || { echo "the installed program showed no main window" >&2; exit 1; }
SCRIPT
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" bash "$scratch/run.sh"
test -d "$scratch/lists"
test ! -e "$scratch/lists/TessalyStudie.lock"
echo "install check passed"
