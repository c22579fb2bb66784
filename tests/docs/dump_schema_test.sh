#!/usr/bin/env bash
# `percorso dump --json` against docs/dump.schema.json: the listings of real
# compiled scenarios must be valid, and listings spoiled on purpose must not.
#   dump_schema_test.sh PERCORSO SCHEMA
# Needs a Python 3 with the jsonschema module (Debian: python3-jsonschema);
# without one it exits 77, which CTest reports as skipped.
set -euo pipefail

percorso=$1
schema=$2
here=$(cd "$(dirname "$0")" && pwd)

python=
for candidate in /usr/bin/python3 python3; do
  if command -v "$candidate" >/dev/null &&
      "$candidate" -c 'import jsonschema; jsonschema.Draft202012Validator' 2>/dev/null; then
    python=$candidate
    break
  fi
done
if [ -z "$python" ]; then
  echo "SKIP: no Python 3 with jsonschema (apt-get install python3-jsonschema)"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$python" "$here/validate_dump.py" "$percorso" "$schema" "$work"
