#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and its speech program
# (Release) and starts it. Arguments go to the program (--help lists them).
set -euo pipefail
cd "$(dirname "$0")"

# --help and --version need no display, nor does Qt's -platform; anything
# else does, so say so before building.
needs_display=1
for argument in "$@"; do
  case $argument in
    -h | --help | -v | --version | -platform | --platform | -display | --display) needs_display=0 ;;
  esac
done
if [ $needs_display = 1 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] &&
  [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run.sh: no display to open a window on (DISPLAY is not set); try: xvfb-run ./run.sh" >&2
  exit 1
fi

scripts/install-deps
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
# Only what it runs: the tests and benchmarks are ./test.sh's business. The
# build says only what it compiles and links, on stderr, so that with nothing
# changed the program's own output is all there is.
cmake --build build -j"$(nproc)" --target rellotge sv 2>&1 |
  { grep -vE '^\[ *[0-9]+%\] (Built target|Automatic (MOC|RCC))|^Consolidate compiler' || true; } >&2
exec build/bin/rellotge "$@"
