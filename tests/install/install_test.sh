#!/usr/bin/env bash
# `cmake --install --strip` into a fresh prefix gives a working tree: the
# program, its man pages (percorso-format(5) when lowdown made it) and its
# documentation; the installed program names its version and writes the golden
# default run beside itself.
#   install_test.sh CMAKE BUILD_DIR VERSION GOLDEN_SHA256 FORMAT_PAGE(ON|OFF)
set -euo pipefail

cmake=$1
build_dir=$2
version=$3
golden=$4
format_page=$5

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
# shellcheck source=../support/checks.sh
. "$(dirname "$0")/../support/checks.sh"

"$cmake" --install "$build_dir" --prefix "$prefix" --strip >/dev/null
check "the program is in bin/" test -x "$prefix/bin/percorso"
check "the README is in share/doc/percorso/" test -f "$prefix/share/doc/percorso/README.md"
check "the licence is in share/doc/percorso/" grep -q '^MIT License' \
  "$prefix/share/doc/percorso/LICENSE"
check "the news are in share/doc/percorso/" test -f "$prefix/share/doc/percorso/NEWS"
check "the screenshot image is installed with the README" \
  test -f "$prefix/share/doc/percorso/docs/images/nvim-diagnostics.png"
check "no developers' script is installed under share/doc/" \
  bash -c "[ -z \"\$(find '$prefix/share/doc' -type f \( -name '*.sh' -o -name '*.js' \))\" ]"
man1=$prefix/share/man/man1/percorso.1
check "the man page is in share/man/man1/" grep -q '^\.TH PERCORSO 1' "$man1"
check "the man page holds every command's options" grep -q 'no\\-geometry' "$man1"
for section in '^\.SH "EXIT STATUS"' '^\.SH ENVIRONMENT' '^NO_COLOR' '^\.SH "SEE ALSO"'; do
  check "the man page has $section" grep -q "$section" "$man1"
done
check "the bash completion is in share/bash-completion/completions/" \
  grep -q '^complete -F _percorso percorso$' "$prefix/share/bash-completion/completions/percorso"
check "the fish completion is in share/fish/vendor_completions.d/" \
  test -s "$prefix/share/fish/vendor_completions.d/percorso.fish"
man5=$prefix/share/man/man5/percorso-format.5
pages=("$man1")
if [ "$format_page" = ON ]; then
  check "percorso-format(5) is in share/man/man5/" grep -qi 'scenario sources' "$man5"
  check "percorso-format(5) has a NAME section for whatis" \
    grep -qx '^percorso\\-format \\- .*' "$man5"
  pages+=("$man5")
fi
for page in "${pages[@]}"; do
  name=$(basename "$page")
  check "$name is dated" grep -qE '^\.TH [^ ]+ [15] [0-9]{4}-[0-9]{2}-[0-9]{2} ' "$page"
  # Both formatters read the pages without a word, at every level of their
  # lint, and at a terminal's 80 columns (tables included).
  if command -v mandoc >/dev/null; then
    check "mandoc -T lint finds nothing in $name" \
      bash -c "[ -z \"\$(mandoc -T lint -W style '$page' 2>&1)\" ]"
  fi
  if command -v groff >/dev/null; then
    check "groff -ww reads $name without a warning" \
      bash -c "[ -z \"\$(groff -t -man -Tutf8 -ww -rLL=78n -z '$page' 2>&1)\" ]"
  fi
done
check "the installed program is stripped" \
  bash -c "! file '$prefix/bin/percorso' | grep -q 'not stripped'"
check "--version names this version" \
  bash -c "'$prefix/bin/percorso' --version | grep -q '^percorso $version ('"
(cd / && "$prefix/bin/percorso" >/dev/null)
check "the default run writes the golden files beside the installed program" \
  bash -c "cd '$prefix/bin' && sha256sum --quiet -c '$golden'"
exit $fail
