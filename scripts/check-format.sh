#!/bin/sh
# Checks that every C++ source is formatted as the root .clang-format says:
# lists the files clang-format would change and fails when there are any.
# Run "clang-format -i" on them to fix.
set -e
cd "$(dirname "$0")/.."
files=$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
unformatted=""
for f in $files; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted="$unformatted $f"
done
if [ -n "$unformatted" ]; then
    echo "Not formatted as .clang-format says (run clang-format -i on them):" >&2
    for f in $unformatted; do echo "  $f" >&2; done
    exit 1
fi
