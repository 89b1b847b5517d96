#!/usr/bin/env bash
# Installs the Debian packages that building and running (deps.sh run),
# also testing (deps.sh test), the browser edition (deps.sh web) or its test
# in a browser (deps.sh browser) need, when any is missing.
set -euo pipefail

run_packages=(
  build-essential cmake pkg-config
  freeglut3-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
  libpng-dev libfreetype-dev libsdl2-mixer-dev libmpg123-dev libsndfile1-dev
  libcairo2-dev libx11-dev
  lame fonts-dejavu-core scdoc
)
test_packages=(
  libgtest-dev libxtst-dev libxdamage-dev xvfb xauth
  clang libclang-rt-14-dev dpkg-dev
  lintian man-db appstream desktop-file-utils bash-completion python3
)
web_packages=(
  emscripten node-acorn dpkg-dev fonttools python3
)
browser_packages=(
  chromium chromium-driver python3-selenium python3-pil
)

packages=("${run_packages[@]}")
case "${1:-run}" in
  test) packages+=("${test_packages[@]}") ;;
  web) packages+=("${web_packages[@]}") ;;
  browser) packages+=("${web_packages[@]}" "${browser_packages[@]}") ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null |
      grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -ne 0 ]] && as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y "${missing[@]}"
