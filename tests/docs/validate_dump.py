"""Validates `percorso dump --json` listings of real compiled files against the
schema, and checks that the schema refuses listings that break it.

    validate_dump.py PERCORSO SCHEMA WORKDIR
"""

import copy
import json
import os
import subprocess
import sys

import jsonschema

# The geometry of the built-in line has 104001 metres; every 100th of them
# lists every kind of entry (integers at metre 0, doubles, the empty last metre)
# and keeps the validation quick.
GEOMETRY_EVERY = "100"

failures = []


def run(*args):
    result = subprocess.run(args, capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit("FAIL: %s exited %d\n%s" % (" ".join(args), result.returncode, result.stderr))
    return result.stdout


def dump(percorso, *files):
    args = [percorso, "dump", "--json"]
    if any(f.endswith("_linea.dat") for f in files):
        args += ["--every", GEOMETRY_EVERY]
    return json.loads(run(*args, *files))


def expect_valid(validator, listing, what):
    errors = sorted(validator.iter_errors(listing), key=lambda e: list(e.absolute_path))
    if errors:
        first = errors[0]
        failures.append("%s: %d errors; first at %s: %s" % (
            what, len(errors), "/".join(map(str, first.absolute_path)), first.message[:300]))
    else:
        print("valid: %s" % what)


def expect_invalid(validator, listing, what):
    if validator.is_valid(listing):
        failures.append("spoiled listing accepted: %s" % what)
    else:
        print("refused as it should be: %s" % what)


def compiled_files(directory, line_key, train_key):
    return [os.path.join(directory, name) for name in (
        line_key + "_" + train_key + ".dat",
        line_key + "_" + train_key + ".sim",
        line_key + "_linea.dat")]


def spoiled_listings(cells, table, geometry):
    """Listings that differ from real ones in one way the schema forbids."""
    out = []

    def spoil(listing, what, change):
        copied = copy.deepcopy(listing)
        change(copied)
        out.append((what, copied))

    spoil(cells, "schema version 2", lambda l: l.update(schema=2))
    spoil(table, "no schema version", lambda l: l.pop("schema"))
    spoil(cells, "cell tipo 256", lambda l: l["cells"][0].update(tipo=256))
    spoil(cells, "cell dato1 beyond 16 bits", lambda l: l["cells"][0].update(dato1=40000))
    spoil(cells, "cell without aderenza", lambda l: l["cells"][0].pop("aderenza"))
    spoil(cells, "cell with an unknown member", lambda l: l["cells"][0].update(extra=1))
    spoil(cells, "empty run of three numbers", lambda l: l["empty"].append([1, 2, 3]))
    spoil(cells, "kind table on a cell listing", lambda l: l.update(kind="table"))
    spoil(table, "86 slots", lambda l: l["slots"].pop())
    spoil(table, "slot 87", lambda l: l["slots"][0].update(slot=87))
    spoil(table, "nome not a string", lambda l: l["slots"][85].update(nome=None))
    spoil(table, "orario beyond 32 bits", lambda l: l["slots"][85].update(orario=2**31))
    spoil(geometry, "tag 3", lambda l: l["points"][0].update(tag=[3, 2]))
    spoil(geometry, "tag 0 with a value, first", lambda l: l["points"][-1].update(value=[0, None]))
    spoil(geometry, "tag 0 with a value, second", lambda l: l["points"][-1].update(value=[None, 0]))
    spoil(geometry, "tag 2 with a fraction", lambda l: l["points"][0].update(value=[0, 0.5]))
    spoil(geometry, "every 0", lambda l: l.update(every=0))
    return out


def main():
    percorso, schema_path, work = sys.argv[1:4]
    with open(schema_path, encoding="utf-8") as f:
        schema = json.load(f)
    jsonschema.Draft202012Validator.check_schema(schema)
    validator = jsonschema.Draft202012Validator(schema)

    # The default run: the built-in scenario's six files, three of them compiled.
    builtin = os.path.join(work, "builtin")
    os.mkdir(builtin)
    run(percorso, "--dir", builtin)
    cells_file, table_file, geometry_file = compiled_files(builtin, "Pianura_Crinale", "2731")
    cells = dump(percorso, cells_file)
    table = dump(percorso, table_file)
    geometry = dump(percorso, geometry_file)
    expect_valid(validator, cells, "cell file of the default run")
    expect_valid(validator, table, "table file of the default run")
    expect_valid(validator, geometry, "geometry file of the default run")

    # An author's path: the built-in sources from `init`, compiled, all three
    # files listed at once (one array).
    own = os.path.join(work, "own")
    os.mkdir(own)
    run(percorso, "init", "--dir", own)
    run(percorso, "compile", "--dir", own,
        "--line", os.path.join(own, "Pianura_Crinale_linea.txt"),
        "--train", os.path.join(own, "Pianura_Crinale_2731-.txt"))
    together = dump(percorso, *compiled_files(own, "Pianura_Crinale", "2731"))
    expect_valid(validator, together, "the three files of `compile` in one array")
    if [l.get("kind") for l in together] != ["cells", "table", "geometry"]:
        failures.append("the array does not list cells, table, geometry in order")

    # A few cells and points are enough to show each rule, and keep the check
    # quick; shortened, the listings are still valid.
    cells["cells"] = cells["cells"][:3]
    geometry["points"] = geometry["points"][:2] + geometry["points"][-1:]
    expect_valid(validator, cells, "the cell listing shortened to 3 cells")
    expect_valid(validator, geometry, "the geometry listing shortened to 3 points")
    for what, listing in spoiled_listings(cells, table, geometry):
        expect_invalid(validator, listing, what)

    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
