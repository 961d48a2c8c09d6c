#!/bin/bash
# Takes docs/screenshot.png: the first start of a fresh build, with the
# "Sample Notes" folder selected, on a virtual 1280 x 800 screen.
# Needs xvfb, xdotool and imagemagick (apt-get install -y xvfb xdotool imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" --target quillbox quillbox_sample_notes >/dev/null

# A first start: no settings, no folder list.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
rm -f "$BUILD_DIR/bin/FolderSettings.set"

cat >"$home/shoot.sh" <<SCRIPT
#!/bin/bash
HOME="$home" XDG_CONFIG_HOME="$home/.config" "$PWD/$BUILD_DIR/bin/quillbox" &
pid=\$!
for _ in \$(seq 50); do xdotool search --name 'Quillbox\$' >/dev/null 2>&1 && break; sleep 0.2; done
sleep 1
# The folder under the root, where the tree draws it.
xdotool mousemove 110 80 click 1
sleep 1
xdotool mousemove 640 790
sleep 0.5
import -window root "$PWD/docs/screenshot.png"
kill \$pid
SCRIPT
chmod +x "$home/shoot.sh"
xvfb-run -a -s "-screen 0 1280x800x24" "$home/shoot.sh"
rm -f "$BUILD_DIR/bin/FolderSettings.set"
echo "wrote docs/screenshot.png"
