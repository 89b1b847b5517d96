#!/usr/bin/env bash
# Builds the browser edition into build-web/site/ (index.html, what it
# loads, and the service worker, manifest and icon that make it an app) with Debian's Emscripten; with --serve, then serves that folder on
# http://127.0.0.1:8080/. zlib, libpng and FreeType are built for
# WebAssembly from Debian's source packages, cached under build-web/.
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
out=$PWD/build-web
jobs=$(nproc)
scripts/deps.sh web

# Debian's Emscripten runs on Debian's own Python and finds its JavaScript
# tools among Debian's node modules.
export EMSDK_PYTHON=/usr/bin/python3
export NODE_PATH=/usr/share/nodejs

as_root=()
[[ $(id -u) -ne 0 ]] && as_root=(sudo)

# apt-get source needs a deb-src entry for the archive the binaries come
# from; one is added beside the deb entries when there is none.
ensure_deb_src() {
  if grep -Eqs '^(deb-src|Types:.*deb-src)' /etc/apt/sources.list \
      /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; then
    return
  fi
  if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      "${as_root[@]}" tee /etc/apt/sources.list.d/linkloom-deb-src.sources >/dev/null
  else
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
      "${as_root[@]}" tee /etc/apt/sources.list.d/linkloom-deb-src.list >/dev/null
  fi
  "${as_root[@]}" apt-get update
}

# The release's own sources: the security archive keeps no source of
# packages it never patched.
fetch_sources() {
  local packages=(zlib libpng1.6 freetype)
  local missing=()
  for package in "${packages[@]}"; do
    compgen -G "$out/src/${package}-[0-9]*/" >/dev/null || missing+=("$package/bookworm")
  done
  [[ ${#missing[@]} -eq 0 ]] && return
  ensure_deb_src
  mkdir -p "$out/src"
  (cd "$out/src" && apt-get source -q "${missing[@]}")
}

prefix=$out/wasm

# Builds and installs one CMake library into the prefix unless it is there.
cmake_library() {
  local name=$1 source_dir=$2
  shift 2
  [[ -f $prefix/lib/lib$name.a ]] && return
  emcmake cmake -S "$source_dir" -B "$out/lib-build/$name" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF -DZLIB_LIBRARY="$prefix/lib/libz.a" \
    -DZLIB_INCLUDE_DIR="$prefix/include" "$@"
  cmake --build "$out/lib-build/$name" -j "$jobs" --target install
}

build_libraries() {
  # The source package leaves out the files zlib's CMake build wants for
  # Windows, so its own configure script builds it.
  if [[ ! -f $prefix/lib/libz.a ]]; then
    (cd "$out"/src/zlib-[0-9]*/ &&
      emconfigure ./configure --static --prefix="$prefix" &&
      emmake make -j "$jobs" libz.a && emmake make install)
  fi
  cmake_library png "$(echo "$out"/src/libpng1.6-[0-9]*/)" \
    -DPNG_SHARED=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DPNG_HARDWARE_OPTIMIZATIONS=OFF -Dld-version-script=OFF
  # Only TrueType outlines are read: no colour fonts. FreeType's gzip
  # reader takes the zlib above rather than its own copy, which would
  # clash with it at the link.
  cmake_library freetype "$(echo "$out"/src/freetype-[0-9]*/)" \
    -DFT_REQUIRE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON \
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON
}

# The pictures, sounds and font come from the desktop build's generators.
build_data() {
  cmake -S . -B "$out/desktop" -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release
  cmake --build "$out/desktop" -j "$jobs" \
    --target linkloom_images linkloom_sounds linkloom_font
  # The game needs only the printable ASCII glyphs.
  mkdir -p "$out/data"
  pyftsubset "$out/desktop/fonts/rabiohead.ttf" --unicodes=U+0020-007E \
    --output-file="$out/data/font-subset.ttf"
}

build_game() {
  emcmake cmake -S . -B "$out/game" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_FIND_ROOT_PATH="$prefix" \
    -DLINKLOOM_WEB_DATA="$out/desktop" \
    -DLINKLOOM_FONT_SOURCE="$out/data/font-subset.ttf"
  cmake --build "$out/game" -j "$jobs" --target linkloom
  mkdir -p "$out/site"
  cp "$out"/game/linkloom.{js,wasm,data} "$out/site/"
  cp "$source"/web/{index.html,manifest.webmanifest} "$out/site/"
  cp "$out/desktop/images/webicon.png" "$out/site/"
  # The worker caches the site's files under the name of their build, a
  # digest of them, so that a new build replaces them all at once.
  local build
  build=$(cd "$out/site" && cat index.html linkloom.js linkloom.wasm \
    linkloom.data manifest.webmanifest webicon.png | sha256sum | cut -c1-16)
  sed "s/@BUILD@/$build/" "$source/web/service-worker.js" \
    >"$out/site/service-worker.js"
}

fetch_sources
build_libraries
build_data
build_game
echo "The browser edition is in $out/site/"

if [[ "${1:-}" == --serve ]]; then
  echo "Serving it on http://127.0.0.1:8080/"
  exec /usr/bin/python3 -m http.server 8080 --bind 127.0.0.1 \
    --directory "$out/site"
fi
