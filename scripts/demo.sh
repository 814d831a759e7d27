#!/bin/sh
# Shows what the product does, on the bundled example files.
set -e
cli="$1"
"$cli" --version
"$cli" --help
