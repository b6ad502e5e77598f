#!/bin/sh
# Rebuilds the generator and rewrites data/*.dat from the Debian packages unicode-data and
# unicode-cldr-core. The output depends only on those two releases, so running this twice
# gives identical files.
#   tools/datagen/regenerate.sh            (build dir defaults to /work/build-datagen)
#   DATAGEN_BUILD_DIR=/tmp/b tools/datagen/regenerate.sh
set -eu

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${DATAGEN_BUILD_DIR:-/work/build-datagen}
ucd=${UNICODE_DATA:-/usr/share/unicode/UnicodeData.txt}
cldr=${CLDR_MAIN:-$(dpkg -L unicode-cldr-core | grep '/common/main$' | head -n 1)}

[ -f "$ucd" ] || { echo "regenerate.sh: $ucd not found (install unicode-data)" >&2; exit 1; }
[ -d "$cldr" ] || { echo "regenerate.sh: CLDR common/main not found (install unicode-cldr-core)" >&2; exit 1; }

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target datagen -j 2 >/dev/null
"$build/datagen" --ucd "$ucd" --cldr "$cldr" --out "$repo/data"
