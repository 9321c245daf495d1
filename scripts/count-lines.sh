#!/usr/bin/env bash
# Prints the lines of product code and of tests in the committed tree, and their ratio: every
# tracked .cpp, .cc, .h, .hpp and .rc file outside a tests folder is product code, every .cpp, .cc,
# .h and .hpp file inside one is a test. The tests are to stay at or below 0.35 of the code.
set -euo pipefail
cd "$(git -C "$(dirname "$0")" rev-parse --show-toplevel)"
code=$(git ls-files | grep -E '\.(cpp|cc|h|hpp|rc)$' | grep -v -E '(^|/)tests?/' | xargs -r cat | wc -l)
tests=$(git ls-files | grep -E '\.(cpp|cc|h|hpp)$' | grep -E '(^|/)tests?/' | xargs -r cat | wc -l)
awk -v c="$code" -v t="$tests" 'BEGIN { printf "code %d, tests %d, ratio %.3f (at most 0.35)\n", c, t, c ? t / c : 0; exit !(c && t / c <= 0.35) }'
