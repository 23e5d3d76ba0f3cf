#!/usr/bin/env bash
# Two rules the compiler cannot see:
#  - layers: kit <- core <- activities <- app; a file never includes a header
#    from a layer above its own, and the speech program shares only the
#    plain C++ units of core (code page, private files, speech protocol);
#  - names: widgets and handlers are named for what they are, never by kind
#    and number (a label, button or picture box called by its kind plus a digit).
set -uo pipefail
cd "${1:-$(dirname "$0")/..}" || exit 2

status=0
forbid() { # folder, pattern of includes it must not have
    local hits
    hits=$(grep -rnE "^#include \"($2)" --include='*.h' --include='*.cpp' "$1" 2>/dev/null)
    if [ -n "$hits" ]; then
        echo "$1/ includes a header from a layer above it:"
        echo "$hits"
        status=1
    fi
}
forbid kit 'core/|activities/|app/|speaker/'
forbid core 'activities/|app/|speaker/'
forbid activities 'app/|speaker/'
forbid app 'speaker/'
shared='core/(cp1252|private_files|speech_protocol)\.h'
hits=$(grep -rnE '^#include "' --include='*.h' --include='*.cpp' speaker |
    grep -vE "#include \"(speaker/|$shared\")")
if [ -n "$hits" ]; then
    echo "speaker/ includes more than its own headers and core's plain C++ units:"
    echo "$hits"
    status=1
fi

hits=$(grep -rnwE '(Form|Command|Label|Picture|List|Text|Line|Timer|Shape|HScroll|Combo|Frame)[0-9]+' \
    --include='*.h' --include='*.cpp' --include='CMakeLists.txt' \
    kit core activities app speaker tests bench tools fuzz 2>/dev/null)
if [ -n "$hits" ]; then
    echo "names of widgets by kind and number; name them for what they are:"
    echo "$hits"
    status=1
fi
exit $status
