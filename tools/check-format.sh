#!/usr/bin/env bash
# Fails when a C++ file of the repository is not formatted as .clang-format
# says; `clang-format -i <file>` mends it.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
