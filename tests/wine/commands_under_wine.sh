#!/usr/bin/env bash
# The Windows program under Wine, used as a person would: a run beside the
# .exe, the default run into a directory given with "\", init, compile with
# mixed separators, dump and view, and keys with accented letters.
#   commands_under_wine.sh WINE_RUN WINE_PREFIX PERCORSO_EXE GOLDEN_SHA256
# With PERCORSO_COMPARE_WITH naming a Linux build of percorso, the outputs of
# dump and view and the files of an accented key are compared with its own,
# byte for byte.
set -euo pipefail

wine_run=$1
wine_prefix=$2
exe=$3
golden=$4
linux=${PERCORSO_COMPARE_WITH:-}
# Wine turns the arguments into UTF-16 by the locale's character set.
export LC_ALL=C.UTF-8

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=../support/checks.sh
. "$(dirname "$0")/../support/checks.sh"
windows_path() {  # the Windows name of a Unix path: drive Z: is the root
  printf 'Z:%s' "${1//\//\\}"
}
percorso() {
  "$wine_run" "$wine_prefix" "$exe" "$@"
}
# The digests of the golden run for the files present in a directory.
same_as_golden() {  # dir, then the names
  local dir=$1
  shift
  local name
  for name in "$@"; do
    grep -q "^$(sha256sum <"$dir/$name" | cut -d' ' -f1)  $name\$" "$golden" || return 1
  done
}
six_files() {
  (cd "$1" && ls | sort | tr '\n' ' ')
}
expected_six="Pianura_Crinale_2731.dat Pianura_Crinale_2731.sim Pianura_Crinale_2731_note.txt \
Pianura_Crinale_2731_rallentamenti.txt Pianura_Crinale_2731_scheda_treno.txt Pianura_Crinale_linea.dat "

# A double-click: no argument, the scenario is written beside the .exe.
mkdir "$work/app" "$work/elsewhere"
cp "$exe" "$work/app/percorso.exe"
(cd "$work/elsewhere" && "$wine_run" "$wine_prefix" "$work/app/percorso.exe" >"$work/app.out")
rm "$work/app/percorso.exe"
check "a run without arguments writes the six files beside the .exe" \
  test "$(six_files "$work/app")" = "$expected_six"
check "they are the golden bytes" same_as_golden "$work/app" $expected_six
check "nothing is written into the current directory" test -z "$(ls "$work/elsewhere")"
check "Attendere is printed" grep -q "^Attendere" "$work/app.out"

# The default run into a directory named with "\".
mkdir "$work/out"
percorso --dir "$(windows_path "$work/out")" >/dev/null
check "--dir with backslashes: the golden bytes" same_as_golden "$work/out" $expected_six

# init, then compile the sources named with mixed separators.
mkdir "$work/src" "$work/comp"
percorso init --dir "$(windows_path "$work/src")" 2>"$work/init.out"
check "init names the two sources on standard error" \
  grep -q 'src\\Pianura_Crinale_linea.txt' "$work/init.out"
src_dos=$(windows_path "$work/src")
percorso compile --line "$src_dos\\Pianura_Crinale_linea.txt" \
  --train "${src_dos//\\//}/Pianura_Crinale_2731-.txt" --dir "$work/comp"
check "compile of the init sources gives the golden binary files" same_as_golden "$work/comp" \
  Pianura_Crinale_2731.dat Pianura_Crinale_2731.sim Pianura_Crinale_linea.dat
check "compile leaves the sources alone" test -f "$work/src/Pianura_Crinale_linea.txt"

check "the .exe carries its version resource" \
  bash -c "strings -el '$exe' | grep -qx 'ProductVersion'"

# dump and view.
percorso dump "$work/comp/Pianura_Crinale_2731.sim" >"$work/dump.txt"
percorso dump --json --every 1000 "$work/comp/Pianura_Crinale_linea.dat" >"$work/dump.json"
check "dump lists the table" grep -q "Pianura_Crinale" "$work/dump.txt"
percorso view --dir "$work/comp" >/dev/null
check "view writes the page" test -s "$work/comp/Pianura_Crinale_2731.html"

# Keys with accented letters: the names carry the characters themselves.
percorso compile --line "$work/src/Pianura_Crinale_linea.txt" \
  --train "$work/src/Pianura_Crinale_2731-.txt" --dir "$work/comp" \
  --line-key "Città" --train-key "è1" >/dev/null
check "an accented key names the files with its characters" \
  test -f "$work/comp/Città_è1.sim" -a -f "$work/comp/Città_è1.dat" -a -f "$work/comp/Città_linea.dat"
# On a console the text goes out as UTF-16, so an accented name shows as it is
# (script gives the program a terminal, which Wine makes its console).
mkdir "$work/Città"
script -qec "$(printf '%q ' "$wine_run" "$wine_prefix" "$exe" init --dir "$work/Città")" \
  /dev/null >"$work/console.out"
check "a console shows accented names" \
  grep -q 'Città\\Pianura_Crinale_linea.txt' "$work/console.out"

status=0
percorso compile --line "$work/src/Pianura_Crinale_linea.txt" \
  --train "$work/src/Pianura_Crinale_2731-.txt" --dir "$work/comp" \
  --line-key "Ωmega" --train-key 1 2>"$work/omega.err" || status=$?
check "a key outside Windows-1252 is refused" test "$status" = 2
check "and says why" grep -q "Ωmega' holds a character outside Windows-1252" "$work/omega.err"

# `percorso lsp` through pipes: every byte as it is (no CR LF translation), a
# file: URI of a drive letter, the line file beside the train read from disk.
lsp_session() {  # the train file's text with a second signal at 4250 m
  python3 - "$(windows_path "$work/src")" <<'EOF'
import json, sys, urllib.parse
folder = sys.argv[1].replace("\\", "/")
uri = "file:///" + urllib.parse.quote(folder, safe="/") + "/Pianura_Crinale_2731-.txt"
text = open(sys.argv[1].replace("Z:", "").replace("\\", "/") + "/Pianura_Crinale_2731-.txt",
            encoding="latin1").read()
text = text.replace("segnale,    4250", "segnale,    4250,   2, 4, 1,  0, 0,    0,  0,0,0, 0\r\nsegnale,    4250", 1)
for m in [{"jsonrpc": "2.0", "id": 1, "method": "initialize", "params": {}},
          {"jsonrpc": "2.0", "method": "textDocument/didOpen",
           "params": {"textDocument": {"uri": uri, "text": text}}},
          {"jsonrpc": "2.0", "id": 2, "method": "shutdown"}, {"jsonrpc": "2.0", "method": "exit"}]:
    body = json.dumps(m).encode()
    sys.stdout.buffer.write(b"Content-Length: %d\r\n\r\n" % len(body) + body)
EOF
}
lsp_replies() {  # the messages on standard input, framed exactly; one a line
  python3 -c '
import json, sys
data = sys.stdin.buffer.read()
while data:
    head, _, rest = data.partition(b"\r\n\r\n")
    n = int(head.split(b":")[1])
    print(json.dumps(json.loads(rest[:n])))
    data = rest[n:]
'
}
lsp_run() {
  lsp_session >"$work/lsp.in"
  percorso lsp <"$work/lsp.in" >"$work/lsp.out"
}
lsp_frames() {
  lsp_replies <"$work/lsp.out" >"$work/lsp.msgs"
}
check "lsp: exits 0 after shutdown and exit" lsp_run
check "lsp: every message framed to its byte" lsp_frames
check "lsp: the second signal's error, from the line file on disk" \
  grep -q '"code": "status-16"' "$work/lsp.msgs"

if [ -n "$linux" ]; then
  unix_out() {  # the Windows output with Unix line ends
    tr -d '\r' <"$1"
  }
  "$linux" dump "$work/comp/Pianura_Crinale_2731.sim" >"$work/dump.linux.txt"
  "$linux" dump --json --every 1000 "$work/comp/Pianura_Crinale_linea.dat" >"$work/dump.linux.json"
  check "dump: the same text as on Linux" cmp -s <(unix_out "$work/dump.txt") "$work/dump.linux.txt"
  check "dump --json: the same as on Linux" cmp -s <(unix_out "$work/dump.json") "$work/dump.linux.json"
  mkdir "$work/linux"
  "$linux" view --dir "$work/comp" --line-key Pianura_Crinale --train-key 2731 \
    -o "$work/linux/page.html" >/dev/null
  check "view: the same page as on Linux" \
    cmp -s "$work/comp/Pianura_Crinale_2731.html" "$work/linux/page.html"
  "$linux" compile --line "$work/src/Pianura_Crinale_linea.txt" \
    --train "$work/src/Pianura_Crinale_2731-.txt" --dir "$work/linux" \
    --line-key "Città" --train-key "è1" >/dev/null
  for f in Città_è1.sim Città_è1.dat Città_linea.dat; do
    check "accented key: $f as on Linux" cmp -s "$work/comp/$f" "$work/linux/$f"
  done
fi

exit $fail
