#!/usr/bin/env bash
# Checks an installation under the prefix given (a `cmake --install`, or an
# unpacked Debian package's usr): its manual pages render without warnings
# and man finds them, its metadata and desktop entry validate, its shell
# completion completes, its font is a TrueType font, and the level checker
# runs from /.
set -euo pipefail
usr=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
status=0
fail() {
  echo "$*"
  status=1
}

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
expect_completion "--daily --describe --difficulty" linkloom --seed 3 --d
expect_completion "easy hard medium" linkloom --seed 3 --difficulty ""
expect_completion "hard" level_checker --generate --difficulty=h
expect_completion "a.pack sub" linkloom ""
expect_completion "a.pack sub" linkloom --levels ""
expect_completion "a.pack sub" level_checker ""

# The game's font, a link to the system's, leads to a TrueType font.
font=$usr/share/games/linkloom/fonts/rabiohead.ttf
[[ $(file -bL "$font") == "TrueType Font data"* ]] ||
  fail "the installed font is $(file -b "$font")"

# The level checker runs from /, finding its data from where it lies.
(cd / && "$usr/games/level_checker" --generate --seed 1 --count 1 >/dev/null) ||
  fail "the installed level_checker failed"
exit $status
