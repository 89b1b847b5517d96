#!/usr/bin/env bash
# Builds the Debian package from debian/ as a distribution would and checks
# it: two builds of the checkout, in two folders and three days apart by
# the clock, give byte-identical packages; lintian, pedantic and with its
# informational tags, reports nothing the package does not override with a
# reason; hardening-check passes both programs; the package depends on the
# system's font instead of carrying one, and holds the commands, the data
# and the runtime dependencies; unpacked into a scratch root, its files
# pass the installation's checks and the game starts from / (by the install
# test program given). The builds write only in a scratch folder.
set -euo pipefail
install_tests=$(realpath "$1")
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() {
  echo "$*"
  status=1
}

# The tracked files as they stand, edits included.
snapshot=$(git stash create)
snapshot=${snapshot:-HEAD}

# Builds the package in folder $1 of the scratch folder, by
# dpkg-buildpackage with the options after it, run under what follows "--".
build() {
  local folder=$work/$1
  shift
  local options=()
  while [[ $1 != -- ]]; do
    options+=("$1")
    shift
  done
  shift
  mkdir -p "$folder/linkloom"
  git archive "$snapshot" | tar -x -C "$folder/linkloom"
  if ! (cd "$folder/linkloom" &&
        DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" \
          "$@" dpkg-buildpackage -us -uc "${options[@]}" >"$folder/build.log" 2>&1); then
    tail -n 40 "$folder/build.log"
    echo "dpkg-buildpackage failed in $folder"
    exit 1
  fi
}
# The first builds the source package too, for lintian to read.
build first --
build second/elsewhere -b -- faketime -f +3d

first=$work/first
debs=$(cd "$first" && ls ./*.deb)
[[ $debs == "$(cd "$work/second/elsewhere" && ls ./*.deb)" ]] ||
  fail "the two builds made different packages"
for deb in $debs; do
  cmp "$first/$deb" "$work/second/elsewhere/$deb" ||
    fail "$deb differs between two builds"
done

# Its remark on being run as root goes to standard error, and is left out.
lintian_report=$(lintian --pedantic -I --fail-on error,warning,info,pedantic \
                   "$first"/linkloom_*.changes 2>/dev/null) ||
  fail "lintian failed"
[[ -z $lintian_report ]] || fail "lintian: $lintian_report"

package=$(ls "$first"/linkloom_*.deb)
root=$work/root
dpkg-deb -x "$package" "$root"
usr=$root/usr

# The features lintian checks, which this release's dpkg-buildflags give;
# control flow protection it gives only in later releases.
for program in linkloom level_checker; do
  hardening-check --nocfprotection --quiet "$usr/games/$program" ||
    fail "hardening-check: $program"
done

depends=$(dpkg-deb -f "$package" Depends)
for library in fonts-dejavu-core libglut3.12 libpng16-16 libfreetype6 \
               libsdl2-mixer-2.0-0 libgl1-mesa-dri; do
  [[ $depends == *"$library"* ]] || fail "missing dependency: $library"
done
listing=$(dpkg-deb -c "$package")
files=$(awk '{print $6}' <<<"$listing")
for file in ./usr/games/linkloom ./usr/games/level_checker \
            ./usr/share/games/linkloom/images/titlescreen.png \
            ./usr/share/games/linkloom/fonts/rabiohead.ttf \
            ./usr/share/games/linkloom/audio/backgroundmusic.mp3 \
            ./usr/share/applications/linkloom.desktop \
            ./usr/share/icons/hicolor/128x128/apps/linkloom.png \
            ./usr/share/man/man6/linkloom.6.gz \
            ./usr/share/man/man6/level_checker.6.gz \
            ./usr/share/doc/linkloom/copyright \
            ./usr/share/doc/linkloom/changelog.gz \
            ./usr/share/bash-completion/completions/linkloom \
            ./usr/share/bash-completion/completions/level_checker; do
  grep -qxF "$file" <<<"$files" || fail "missing file: $file"
done
grep -q "^./usr/share/metainfo/.*\.metainfo\.xml$" <<<"$files" ||
  fail "missing file: the AppStream metadata"
fonts=$(grep -E '^-.*\.(ttf|otf)$' <<<"$listing" || true)
[[ -z $fonts ]] || fail "the package carries a font: $fonts"

# The game's font is a link to DejaVu Sans where fonts-dejavu-core puts it.
system_font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
font_link=$(readlink "$usr/share/games/linkloom/fonts/rabiohead.ttf")
[[ $(realpath -m "/usr/share/games/linkloom/fonts/$font_link") == "$system_font" ]] ||
  fail "the game's font links to $font_link"
dpkg -L fonts-dejavu-core | grep -qxF "$system_font" ||
  fail "fonts-dejavu-core has no $system_font"

# The changelog's latest entry is this version.
zcat "$usr/share/doc/linkloom/changelog.gz" >"$work/changelog"
changelog_version=$(dpkg-parsechangelog -l "$work/changelog" -S Version) || true
[[ $changelog_version == "$(dpkg-deb -f "$package" Version)" ]] ||
  fail "the changelog's latest version is $changelog_version"

# In the scratch root the font's package, installed here, is linked in.
mkdir -p "$root$(dirname "$system_font")"
ln -s "$system_font" "$root$system_font"
tests/installed_files_test.sh "$usr" || fail "the installed files failed"
LINKLOOM_INSTALL_PREFIX=$usr "$install_tests" || fail "the installed game failed"
exit $status
