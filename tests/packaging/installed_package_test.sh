#!/bin/sh
# Installs the build into a scratch prefix, then builds a C host against it twice: with
# pkg-config's flags and with find_package(KestoPanel). Usage: BUILD_DIR SOURCE_DIR C_COMPILER
set -eu
build=$1
source=$2
cc=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
prefix=$stage/usr

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in include/kesto/panel_api.h include/kesto/window_message.h bin/kesto-player bin/kesto-service \
    share/applications/kesto-player.desktop share/icons/hicolor/scalable/apps/kesto-player.svg; do
    [ -e "$prefix/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
pc=$(find "$prefix" -name kesto-panel.pc)
[ -n "$pc" ] || { echo "no kesto-panel.pc" >&2; exit 1; }

PKG_CONFIG_PATH=$(dirname "$pc")
export PKG_CONFIG_PATH
module=$(pkg-config --variable=module kesto-panel)
[ -f "$module" ] || { echo "pkg-config names no installed module: $module" >&2; exit 1; }
# shellcheck disable=SC2046
"$cc" -std=c99 -Wall -Wextra -Werror -pedantic $(pkg-config --cflags kesto-panel) \
    "$source/tests/packaging/c_host.c" -o "$stage/c_host" $(pkg-config --libs kesto-panel)
"$stage/c_host" "$module"

cmake -S "$source/tests/packaging/cmake_host" -B "$stage/cmake_host" -G Ninja -DCMAKE_C_COMPILER="$cc" \
    -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$stage/cmake_host" >/dev/null
"$stage/cmake_host/c_host" "$(cat "$stage/cmake_host/module.txt")"
