#!/usr/bin/env bash
# The bash completion written by the build, driven as bash drives it: the
# words of a command line in COMP_WORDS, the function called, COMPREPLY read.
#   bash_completion_test.sh COMPLETION PERCORSO
set -uo pipefail

completion=$(realpath "$1")
percorso=$(realpath "$2")
# shellcheck source=../support/checks.sh
. "$(dirname "$0")/../support/checks.sh"
# shellcheck disable=SC1090
. "$completion"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir myline
touch Valle_linea.txt Valle_42-.txt notes.txt Valle_42.dat

# The completions of a command line whose last word is being written, one a
# line, sorted. bash splits a word at "=", as it does for a real line.
complete_words() {
  COMP_WORDS=(percorso "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="${COMP_WORDS[*]}"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _percorso percorso "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | sort
}

# `expect WHAT LINE... -- WORD...`: the completions of the line are exactly
# the words given.
expect() {
  local what=$1 line=() want=() got
  shift
  while [ "$1" != -- ]; do line+=("$1"); shift; done
  shift
  want=("$@")
  got=$(complete_words "${line[@]}")
  if [ "$got" = "$(printf '%s\n' "${want[@]}" | sort)" ]; then
    echo "ok: $what"
  else
    echo "FAIL: $what: got [$(echo $got)], want [${want[*]}]"
    fail=1
  fi
}

commands=(init compile check dump view lsp help)
expect "the commands" '' -- "${commands[@]}"
expect "a command's name begun" c -- compile check
expect "options of compile" compile --li -- --line --line-key
expect "the formats of the diagnostics" check --diagnostics-format '' -- text json sarif
expect "the value after --color=" check --color = al -- always
expect "the value right after --color=" check --color = -- auto always never
expect "the kinds of dump" dump --kind '' -- cells table geometry
expect "-W names" compile -Wno-misspelt -- -Wno-misspelt-keyword
expect "line files of the scenario naming and directories" compile --line '' -- \
  Valle_linea.txt myline
expect "train files of the scenario naming and directories" check --train V -- Valle_42-.txt
expect "directories for --dir" init --dir '' -- myline
expect "nothing for a number" check --max-errors '' --
expect "help: the commands and keywords" help '' -- "${commands[@]}" keywords
expect "help keywords: the keywords" help keywords stazi -- stazione
expect "the options of the run without a command" --ver -- --version

# Every option of every command's help is completed, and nothing else.
for command in '' "${commands[@]}"; do
  if [ -z "$command" ]; then
    help=$("$percorso" --help)
    line=(-)
  else
    help=$("$percorso" "$command" --help)
    line=("$command" -)
  fi
  want=$(sed -n '/^Options:/,/^$/p' <<<"$help" | grep -oE '^ +(-[a-zA-Z]|--[a-z-]+)(, --[a-z-]+)?' |
    grep -oE -- '-[a-zA-Z]\b|--[a-z-]+' | grep -v '^-W$' | sort)
  got=$(complete_words "${line[@]}")
  check "every option of '${command:-the run}' and nothing else" [ "$want" = "$got" ]
done
exit $fail
