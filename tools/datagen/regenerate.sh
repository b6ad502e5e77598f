#!/bin/sh
# Rebuilds the generator and rewrites data/*.dat from the Debian packages unicode-data and
# unicode-cldr-core. The output depends only on those two releases, so running this twice
# gives identical files.
#   tools/datagen/regenerate.sh            (build dir defaults to build/linux/datagen in the checkout)
#   DATAGEN_BUILD_DIR=/tmp/b tools/datagen/regenerate.sh
set -eu

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
# The folder scripts/test.sh builds the generator and its tests in, so both share one build.
build=${DATAGEN_BUILD_DIR:-$repo/build/linux/datagen}
ucd=${UNICODE_DATA:-/usr/share/unicode/UnicodeData.txt}
cldr=${CLDR_MAIN:-$(dpkg -L unicode-cldr-core | grep '/common/main$' | head -n 1)}

[ -f "$ucd" ] || { echo "regenerate.sh: $ucd not found (install unicode-data)" >&2; exit 1; }
[ -d "$cldr" ] || { echo "regenerate.sh: CLDR common/main not found (install unicode-cldr-core)" >&2; exit 1; }

# Ninja, as scripts/test.sh configures it; an existing build keeps the generator it has.
generator=
if [ ! -f "$build/CMakeCache.txt" ] && command -v ninja >/dev/null; then generator="-G Ninja"; fi
# The generator's tests then check the committed files against the same two releases.
cmake -S "$here" -B "$build" $generator -DCMAKE_BUILD_TYPE=Release \
    -DDATAGEN_UCD="$ucd" -DDATAGEN_CLDR_MAIN="$cldr" >/dev/null
cmake --build "$build" --target datagen -j 2 >/dev/null
"$build/datagen" --ucd "$ucd" --cldr "$cldr" --out "$repo/data"
