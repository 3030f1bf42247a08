#!/usr/bin/env bash
# Installs what is missing, builds Tallimo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target tallimo
exec build/app/tallimo "$@"
