#!/usr/bin/env bash
# Every C++ file follows .clang-format.
set -uo pipefail
cd "$(dirname "$0")/../.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
[[ ${#files[@]} -gt 0 ]] || { echo "FAIL: no C++ files found"; exit 1; }
clang-format --dry-run -Werror "${files[@]}" || { echo "FAIL: run clang-format -i on the files above"; exit 1; }
echo "PASS: ${#files[@]} files follow .clang-format"
