#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks that it carries the
# command, the data, the desktop entry and the runtime dependencies.
set -euo pipefail
build_dir=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build_dir" && cpack -B "$out" >/dev/null)
package=$(ls "$out"/linkloom_*.deb)
depends=$(dpkg-deb -f "$package" Depends)
files=$(dpkg-deb -c "$package" | awk '{print $6}')
status=0
for library in libglut3.12 libpng16-16 libfreetype6 libsdl2-mixer-2.0-0 \
               libgl1-mesa-dri; do
  if [[ $depends != *"$library"* ]]; then
    echo "missing dependency: $library"
    status=1
  fi
done
for file in ./usr/bin/linkloom ./usr/share/applications/linkloom.desktop \
            ./usr/share/icons/hicolor/128x128/apps/linkloom.png \
            ./usr/share/linkloom/images/titlescreen.png \
            ./usr/share/linkloom/fonts/rabiohead.ttf \
            ./usr/share/linkloom/audio/backgroundmusic.mp3; do
  if ! grep -qxF "$file" <<<"$files"; then
    echo "missing file: $file"
    status=1
  fi
done
exit $status
