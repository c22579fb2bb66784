#!/usr/bin/env bash
# The program as built is hardened: position-independent, relocations
# read-only after start (RELRO) with every symbol bound at start (BIND_NOW),
# a stack that cannot run code, the stack protector and fortified calls of
# the C library. A static-pie is checked here (Debian's hardening-check
# misjudges one); a dynamic program also by hardening-check when it is
# installed (devscripts).
#   hardening_test.sh PROGRAM
set -uo pipefail

program=$1
# shellcheck source=../support/checks.sh
. "$(dirname "$0")/../support/checks.sh"

headers=$(readelf -W -h -l -d "$program")
check "position-independent (ELF type DYN)" grep -qE 'Type: +DYN' <<<"$headers"
check "a GNU_RELRO segment" grep -q 'GNU_RELRO' <<<"$headers"
check "every symbol bound at start (BIND_NOW)" grep -qE 'BIND_NOW|Flags: NOW' <<<"$headers"
check "a stack that cannot run code" grep -qE 'GNU_STACK +(0x[0-9a-f]+ +){5}RW ' <<<"$headers"
symbols=$(nm -a "$program" 2>/dev/null; nm -D "$program" 2>/dev/null)
check "the stack protector" grep -q '__stack_chk_fail' <<<"$symbols"
check "fortified calls of the C library" grep -qE '__[a-z0-9_]+_chk\b' <<<"$symbols"
# The control-flow protection is compiled in (-fcf-protection), but the link
# marks a program with it only when every object is marked, and the C
# library's start files of Debian 12 are not: hardening-check looks for the
# mark alone.
if grep -q 'INTERP' <<<"$headers" && command -v hardening-check >/dev/null; then
  check "hardening-check finds nothing missing" hardening-check --quiet --nocfprotection "$program"
fi
exit $fail
