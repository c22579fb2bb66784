#!/usr/bin/env bash
# The real program on real streams: a failed write to standard output (/dev/full,
# a closed descriptor) is exit status 1 naming standard output, status lines go
# to standard error, and the JSON and SARIF diagnostics parse as JSON.
#   streams_test.sh PERCORSO
set -uo pipefail

percorso=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=../support/checks.sh
. "$(dirname "$0")/../support/checks.sh"

# expect STATUS STDERR_PATTERN COMMAND...: the exit status and a line of
# standard error.
expect() {
  local status=$1 pattern=$2
  shift 2
  "$@" 2>"$work/err"
  local got=$?
  [ "$got" -eq "$status" ] && grep -qE -- "$pattern" "$work/err"
}

"$percorso" init --dir "$work/s" -q
"$percorso" compile --line "$work/s/Pianura_Crinale_linea.txt" \
  --train "$work/s/Pianura_Crinale_2731-.txt" --dir "$work/s" -q
sim=$work/s/Pianura_Crinale_2731.sim

full() { "$percorso" "$@" >/dev/full; }
if [ -w /dev/full ]; then
  for args in "--help" "help" "help init" "dump $sim" "view --dir $work/s -o -" \
    "--dir $work/run"; do
    # shellcheck disable=SC2086
    check "percorso $args >/dev/full fails naming standard output" \
      expect 1 "^percorso: standard output: write error" full $args
  done
fi
closed() { "$percorso" "$@" >&-; }
check "--help with standard output closed" expect 1 '^percorso: standard output: write error' \
  closed --help
check "init says what it wrote on standard error" \
  bash -c "'$percorso' init --dir '$work/i' 2>&1 >/dev/null | grep -q '^percorso: wrote '"
check "init -q says nothing" bash -c "[ -z \"\$('$percorso' init --dir '$work/q' -q 2>&1)\" ]"
check "dump reads standard input" \
  bash -c "'$percorso' dump - <'$sim' | grep -q 'slot'"

printf '[generale]\nlunghezza percorso, 9000\npendeza, 1000, 2\n' >"$work/L_linea.txt"
printf '[generale]\n' >"$work/L_T-.txt"
for format in json sarif; do
  check "--diagnostics-format=$format is JSON" bash -c \
    "'$percorso' check --line '$work/L_linea.txt' --train '$work/L_T-.txt' \
       --diagnostics-format=$format 2>&1 >/dev/null | python3 -m json.tool >/dev/null"
done
# JSON or SARIF that cannot be written is a failure; text that cannot be
# written leaves the status as it was, as compilers leave it.
for format in json sarif; do
  check "--diagnostics-format=$format to a full device fails" bash -c \
    "'$percorso' check --line '$work/L_linea.txt' --train '$work/L_T-.txt' \
       --diagnostics-format=$format 2>/dev/full >/dev/null; [ \$? -eq 1 ]"
done
check "compile -v: no status line inside the JSON" bash -c \
  "'$percorso' compile -v --line '$work/L_linea.txt' --train '$work/L_T-.txt' --dir '$work/v' \
     --diagnostics-format=json 2>&1 >/dev/null | python3 -m json.tool >/dev/null"
check "text diagnostics to a full device keep the status" bash -c \
  "'$percorso' check --line '$work/L_linea.txt' --train '$work/L_T-.txt' 2>/dev/full >/dev/null"
check "TERM=dumb and --color=auto: no colour" bash -c \
  "! TERM=dumb '$percorso' check --line '$work/L_linea.txt' --train '$work/L_T-.txt' 2>&1 |
     grep -q $'\\033'"
exit $fail
