# Sourced by the script tests: `check WHAT COMMAND...` runs a command that must
# succeed and says "ok: WHAT" or "FAIL: WHAT"; a failure sets `fail` to 1, which
# the script gives as its exit status.
fail=0
check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what"; fail=1; fi
}
