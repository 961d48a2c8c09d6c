#!/usr/bin/env bash
# Builds the Debian package, validates its desktop metadata, installs it,
# runs the installed programs, and removes it again leaving nothing behind.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

bash tools/package.sh
bash tools/install-deps.sh appstream desktop-file-utils
appstreamcli validate --no-net build-pkg/packaging/com.orvantic.Quillbox.metainfo.xml
desktop-file-validate resources/com.orvantic.Quillbox.desktop

debs=(dist/quillbox_*.deb)
# Without the recommended xdg-utils, which pulls in much and runs nothing here.
$SUDO apt-get install -y --no-install-recommends "./${debs[0]}"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg-query -L quillbox >"$tmp/files"
for f in /usr/share/quillbox/quillbox-help.html /usr/share/man/man1/quillbox-cli.1.gz \
  /usr/share/bash-completion/completions/quillbox-cli /usr/share/metainfo/com.orvantic.Quillbox.metainfo.xml \
  /usr/share/applications/com.orvantic.Quillbox.desktop; do
  grep -qx "$f" "$tmp/files" || { echo "not in the package: $f" >&2; exit 1; }
done
ls /usr/share/quillbox/"Sample Notes"/QB_*.qbt >/dev/null

/usr/bin/quillbox --version
/usr/bin/quillbox-cli --version
export HOME=$tmp/home
mkdir -p "$HOME" "$tmp/notes"
/usr/bin/quillbox-cli add "$tmp/notes" --title "Packaged note" --priority high
/usr/bin/quillbox-cli list "$tmp/notes" | grep -q "Packaged note"
# The installed program keeps its folder list in the user's data directory.
/usr/bin/quillbox-cli folders | grep -qF "$HOME/.local/share/Orvantic/Quillbox/Sample Notes"

$SUDO apt-get remove -y quillbox
[ ! -e /usr/bin/quillbox ] || { echo "/usr/bin/quillbox is still there" >&2; exit 1; }
while read -r f; do
  [ -d "$f" ] || [ ! -e "$f" ] || { echo "left behind: $f" >&2; exit 1; }
done <"$tmp/files"
echo "package checked: ${debs[0]}"
