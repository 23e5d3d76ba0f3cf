#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rules the compiler cannot see:
#  - layers: kit and core on the ground floor, side by side, then
#    activities, then app; a file never includes a header from a layer above
#    its own, core/ holds logic only (no kit/ and no QtWidgets header), and
#    the speech program shares only the plain C++ units of core (code page,
#    private files, speech protocol) and the build's generated header;
#  - a window's widgets are its own: no header in activities/ or app/ has a
#    public member that points to a widget;
#  - names: widgets and handlers are named for what they are, never by kind
#    and number (a label, button or picture box called by its kind plus a digit).
#   check_sources.sh [source folder] [QtWidgets include folder]
set -uo pipefail
cd "${1:-$(dirname "$0")/..}" || exit 2
widgets_dir=${2:-}
if [ -z "$widgets_dir" ] || [ ! -d "$widgets_dir" ]; then
    widgets_dir=$(ls -d /usr/include/*/qt6/QtWidgets /usr/include/qt6/QtWidgets 2>/dev/null | head -n1)
fi

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
forbid core 'kit/|activities/|app/|speaker/'
if [ -n "$widgets_dir" ]; then
    hits=$(grep -rnoE '^#include <(QtWidgets/)?Q[A-Za-z]+>' --include='*.h' --include='*.cpp' core |
        while IFS= read -r hit; do
            header=${hit##*<}
            header=${header%>}
            header=${header#QtWidgets/}
            if [ -e "$widgets_dir/$header" ]; then echo "$hit"; fi
        done)
    if [ -n "$hits" ]; then
        echo "core/ includes a QtWidgets header; core is logic only:"
        echo "$hits"
        status=1
    fi
else
    echo "check_sources.sh: no QtWidgets include folder found; pass it as the second argument" >&2
    status=1
fi
forbid activities 'app/|speaker/'
forbid app 'speaker/'
shared='core/(cp1252|private_files|speech_protocol)\.h|generated/build_info\.h'
hits=$(grep -rnE '^#include "' --include='*.h' --include='*.cpp' speaker |
    grep -vE "#include \"(speaker/|$shared\")")
if [ -n "$hits" ]; then
    echo "speaker/ includes more than its own headers and core's plain C++ units:"
    echo "$hits"
    status=1
fi

# A public member whose type points to a widget (kit::Label*, QPushButton*,
# std::array<kit::Label*, 5>), in a class's public section.
hits=$(awk '
    FNR == 1 { access = "" }
    /^(class|struct) .*\{/ { access = ($1 == "struct") ? "public" : "private" }
    /^ *public:/ { access = "public"; next }
    /^ *(private|protected)( slots)?:/ { access = "other"; next }
    access == "public" && !/\(/ &&
        /^ +(std::array<)?(kit::[A-Za-z]+|Q[A-Za-z]+) *\*/ { print FILENAME ":" FNR ": " $0 }
' activities/*_window.h app/*_window.h)
if [ -n "$hits" ]; then
    echo "windows show their widgets; keep them private:"
    echo "$hits"
    status=1
fi

# Every source file says under which licence it is free software.
sources() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -- '*.cpp' '*.h' '*.h.in' '*.sh' '*.py' '*.cmake' 'CMakeLists.txt' \
            run.sh test.sh .ci/run 'scripts/*'
    else # a copy of the tree without its history
        find . -path ./debian -prune -o -path './build*' -prune -o -path ./fuzz/corpus -prune -o \
            -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.h.in' -o -name '*.sh' -o \
            -name '*.py' -o -name '*.cmake' -o -name CMakeLists.txt \) -print | sed 's|^\./||'
    fi
}
hits=$(sources |
    while IFS= read -r file; do
        head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
    done)
if [ -n "$hits" ]; then
    echo "files without the licence line (SPDX-License-Identifier: GPL-3.0-or-later):"
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
