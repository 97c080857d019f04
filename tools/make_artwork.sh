#!/bin/sh
# Rebuilds every picture of the program from tools/make_artwork.cpp into runtime/data and src/resources/images.
cd "$(dirname "$0")/.." && B="${ARTWORK_BUILD:-build-artwork}" && cmake -S tools -B "$B" -G Ninja >/dev/null && ninja -C "$B" >/dev/null && QT_QPA_PLATFORM=offscreen "$B/make_artwork" .
