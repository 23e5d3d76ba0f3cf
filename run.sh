#!/usr/bin/env bash
# Installs what is missing, builds the program and its speech program
# (Release) and starts it. Arguments go to the program (--help lists them).
set -euo pipefail
cd "$(dirname "$0")"

# --help and --version need no display; anything else does, so say so
# before building.
case " $* " in
  *" --help "* | *" -h "* | *" --version "* | *" -v "*) ;;
  *)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
      echo "run.sh: no display to open a window on (DISPLAY is not set); try: xvfb-run ./run.sh" >&2
      exit 1
    fi
    ;;
esac

scripts/install-deps
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
# Only what it runs: the tests and benchmarks are ./test.sh's business.
cmake --build build -j"$(nproc)" --target rellotge sv
exec build/bin/rellotge "$@"
