#!/bin/sh
# Formatting and static checks over the project's own C++ files (third_party/ is left as its
# authors wrote it). Usage: scripts/lint.sh BUILD_DIR   (a build with compile_commands.json)
set -e
build="$1"
[ -f "$build/compile_commands.json" ] || { echo "lint.sh: no $build/compile_commands.json" >&2; exit 2; }
cd "$(dirname "$0")/.."

sources=$(git ls-files '*.cpp' '*.h' | grep -v '^third_party/')
echo "clang-format: $(echo "$sources" | wc -l) files"
echo "$sources" | xargs clang-format --dry-run -Werror

# clang-tidy reads the product's files that the Linux build compiles; the Win32 files are checked
# by the MinGW compiler's warnings instead, the tests by running them.
compiled=$(echo "$sources" | grep '\.cpp$' | grep -v '^tests/\|^fuzz/' | grep -v '_win\(32\)\?\.cpp$' | while read -r file; do
    grep -q "\"file\": \".*/$file\"" "$build/compile_commands.json" && echo "$file"; done)
echo "clang-tidy: $(echo "$compiled" | wc -l) files"
echo "$compiled" | xargs -P "$(nproc)" -n 8 clang-tidy -p "$build" --quiet 2>/dev/null
echo "Formatting and static checks passed."
