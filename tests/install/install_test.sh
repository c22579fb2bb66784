#!/usr/bin/env bash
# `cmake --install` into a fresh prefix gives a working tree: the program, its
# man page (when help2man made one) and its documentation; the installed
# program names its version and writes the golden default run beside itself.
#   install_test.sh CMAKE BUILD_DIR VERSION GOLDEN_SHA256 MAN_PAGE(ON|OFF)
set -euo pipefail

cmake=$1
build_dir=$2
version=$3
golden=$4
man_page=$5

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
# shellcheck source=../support/checks.sh
. "$(dirname "$0")/../support/checks.sh"

"$cmake" --install "$build_dir" --prefix "$prefix" >/dev/null
check "the program is in bin/" test -x "$prefix/bin/percorso"
check "the README is in share/doc/percorso/" test -f "$prefix/share/doc/percorso/README.md"
if [ "$man_page" = ON ]; then
  check "the man page is in share/man/man1/" grep -q '^\.TH PERCORSO "1"' \
    "$prefix/share/man/man1/percorso.1"
  check "the man page holds the options" grep -q 'no\\-geometry' "$prefix/share/man/man1/percorso.1"
fi
check "--version names this version" \
  bash -c "'$prefix/bin/percorso' --version | grep -q '^percorso $version ('"
(cd / && "$prefix/bin/percorso" >/dev/null)
check "the default run writes the golden files beside the installed program" \
  bash -c "cd '$prefix/bin' && sha256sum --quiet -c '$golden'"
exit $fail
