#!/usr/bin/env bash
# Two rules the compiler cannot see:
#  - layers: kit <- core <- activities <- app; a file never includes a header
#    from a layer above its own, and the speech program shares only the
#    code-page unit and the build's generated header;
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
hits=$(grep -rnE '^#include "' --include='*.h' --include='*.cpp' speaker |
    grep -vE '#include "(speaker/|core/cp1252\.h"|generated/build_info\.h")')
if [ -n "$hits" ]; then
    echo "speaker/ includes more than its own headers, core/cp1252.h and generated/build_info.h:"
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
