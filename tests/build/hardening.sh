#!/usr/bin/env bash
# The built binary is hardened: a position-independent executable with full RELRO, stack
# protection and fortified libc calls, read off its ELF headers and dynamic symbols.
set -uo pipefail
binary=$1
fail() { echo "FAIL: $*"; exit 1; }

readelf -hW "$binary" | grep -q 'Type:[[:space:]]*DYN' || fail "not position-independent"
dynamic=$(readelf -dW "$binary")
grep -qE 'FLAGS_1.*PIE' <<<"$dynamic" || fail "no PIE flag"
grep -qE '\(BIND_NOW\)|FLAGS.*BIND_NOW|FLAGS_1.*NOW' <<<"$dynamic" || fail "lazy binding: RELRO is partial"
readelf -lW "$binary" | grep -q GNU_RELRO || fail "no RELRO segment"
symbols=$(nm -D "$binary")
grep -q '__stack_chk_fail' <<<"$symbols" || fail "no stack protector"
fortified=$(grep -oE '__[a-z]+_chk@' <<<"$symbols" | grep -v '__stack_chk' | sort -u | tr -d '@' | tr '\n' ' ')
[[ -n "$fortified" ]] || fail "no fortified libc call"
echo "PASS: PIE, full RELRO, stack protector, fortified calls: $fortified"
