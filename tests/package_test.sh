#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks it as a
# distribution would: lintian finds nothing, it carries the commands, the
# data and the runtime dependencies; unpacked into a scratch root, its
# manual pages render without warnings, its metadata and desktop entry
# validate, its shell completion completes, and the game starts from / (by
# the install test program given).
set -euo pipefail
build_dir=$1
install_tests=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! cpack_log=$(cd "$build_dir" && cpack -B "$out" 2>&1); then
  echo "$cpack_log"
  exit 1
fi
package=$(ls "$out"/linkloom_*.deb)
status=0
fail() {
  echo "$*"
  status=1
}

# Its remark on being run as root goes to standard error, and is left out.
lintian_report=$(lintian --fail-on error,warning "$package" 2>/dev/null) ||
  fail "lintian failed"
[[ -z $lintian_report ]] || fail "lintian: $lintian_report"

depends=$(dpkg-deb -f "$package" Depends)
for library in libglut3.12 libpng16-16 libfreetype6 libsdl2-mixer-2.0-0 \
               libgl1-mesa-dri; do
  [[ $depends == *"$library"* ]] || fail "missing dependency: $library"
done
files=$(dpkg-deb -c "$package" | awk '{print $6}')
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

root=$out/root
dpkg-deb -x "$package" "$root"
usr=$root/usr

# The changelog's latest entry is this version.
zcat "$usr/share/doc/linkloom/changelog.gz" >"$out/changelog"
changelog_version=$(dpkg-parsechangelog -l "$out/changelog" -S Version) || true
[[ $changelog_version == "$(dpkg-deb -f "$package" Version)" ]] ||
  fail "the changelog's latest version is $changelog_version"

# Both pages render without a warning, and man finds them by name.
for page in linkloom level_checker; do
  warnings=$(MANWIDTH=80 man --warnings -l "$usr/share/man/man6/$page.6.gz" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "man -l $page: $warnings"
  man -M "$usr/share/man" "$page" 2>/dev/null | grep -q "^NAME" ||
    fail "man $page finds no page"
done

appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml >/dev/null ||
  fail "appstreamcli: $(appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml)"
desktop-file-validate "$usr/share/applications/linkloom.desktop" ||
  fail "desktop-file-validate failed"

# What bash completes for a command line, sorted: the words given, the last
# the one being completed, from a folder of packs and other files.
completions() {
  (cd "$out/packs" && bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$0"
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    _linkloom "$1" "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
    printf "%s\n" "${COMPREPLY[@]}" | sort' \
    "$usr/share/bash-completion/completions/$1" "$@")
}
options_of() { "$usr/games/$1" --help | grep -o -- '--[a-z][a-z-]*' | sort -u; }
expect_completion() {
  local expected=$1
  shift
  local got
  got=$(completions "$@" | paste -sd ' ')
  [[ $got == "$expected" ]] || fail "completing '$*': got '$got', not '$expected'"
}
mkdir -p "$out/packs/sub"
touch "$out/packs/a.pack" "$out/packs/b.txt"
expect_completion "$(options_of linkloom | paste -sd ' ')" linkloom --
expect_completion "$(options_of level_checker | paste -sd ' ')" level_checker --
expect_completion "--daily --difficulty" linkloom --seed 3 --d
expect_completion "easy hard medium" linkloom --seed 3 --difficulty ""
expect_completion "hard" level_checker --generate --difficulty=h
expect_completion "a.pack sub" linkloom ""
expect_completion "a.pack sub" linkloom --levels ""
expect_completion "a.pack sub" level_checker ""

# The installed programs run from /, finding their data from where they lie.
(cd / && "$usr/games/level_checker" --generate --seed 1 --count 1 >/dev/null) ||
  fail "the installed level_checker failed"
LINKLOOM_INSTALL_PREFIX=$usr "$install_tests" || fail "the installed game failed"
exit $status
