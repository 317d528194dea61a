#!/usr/bin/env bash
# fonts_test.sh BUILD_DIR: tools/web/fonts.sh twice gives the same bytes; each subset keeps exactly
# the needed characters its font has, and together they have all of them and every character the
# lessons of BUILD_DIR/lessons.json show while BUILD_DIR's vecprobe plays their screenshot scripts; fonts.css has the three
# families' four faces and nothing else is beside it; each lesson's own sheet has what that lesson shows; the
# licences are beside them.
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
probe="$(cd "$1" && pwd)/tools/vecprobe/vecprobe"
lessons="$(cd "$1" && pwd)/lessons.json"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

mkdir "$work/a" "$work/b"
cp "$lessons" "$work/a/lessons.json"
cp "$lessons" "$work/b/lessons.json"
"$root/tools/web/fonts.sh" "$work/a" >/dev/null
"$root/tools/web/fonts.sh" "$work/b" >/dev/null
diff -r "$work/a" "$work/b" >/dev/null || { echo "FAIL: two runs of fonts.sh differ" >&2; exit 1; }

# Every state the screenshot scripts pass through: a dump after each line.
for program in $("$root/tools/lesson-names.sh" "$lessons"); do
  sed 's/$/\ndump/' "$root/docs/screenshots/$program.probe" | "$probe" "$program" >"$work/$program.dumps"
done

/usr/bin/python3 - "$root" "$lessons" "$work/a/fonts" "$work"/*.dumps <<'EOF'
import base64, io, json, os, re, sys, unicodedata
root, lessons, fonts_dir, dumps = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
sys.path.insert(0, os.path.join(root, "tools", "web"))
import fonts
from fontTools.ttLib import TTFont

failures = []
needed = set(fonts.needed_characters(root, texts=fonts.list_texts(fonts.read_lessons(lessons))))
def strings(value):
    if isinstance(value, str):
        yield value
    elif isinstance(value, dict):
        for item in value.values():
            yield from strings(item)
    elif isinstance(value, list):
        for item in value:
            yield from strings(item)

def sheet(name):
    """The faces a style sheet embeds, by "family weight"."""
    with open(os.path.join(fonts_dir, name), encoding="utf-8") as css_file:
        rules = re.findall(r"@font-face\s*\{(.*?)\}", css_file.read(), re.S)
    found = {}
    for rule in rules:
        family = re.search(r'font-family:\s*"([^"]*)";', rule)
        weight = re.search(r"font-weight:\s*(\d+);", rule)
        data = re.search(r"src:\s*url\(data:font/woff2;base64,([A-Za-z0-9+/=]+)\)", rule)
        if not (family and weight and data and re.search(r"font-display:\s*block;", rule)):
            failures.append(f"{name}: an @font-face lacks a family, weight, data: URL or font-display: {rule[:80]}")
            continue
        found[f"{family.group(1)} {weight.group(1)}"] = base64.b64decode(data.group(1))
    return found

def characters(woff2):
    return set(map(chr, TTFont(io.BytesIO(woff2)).getBestCmap()))

# Each face of fonts.css keeps exactly the needed characters its font has.
all_faces = sheet("fonts.css")
have = set()
for family, weight, package, file_name, _, shown_as in fonts.FACES:
    key = f"{shown_as} {weight}"
    if key not in all_faces:
        failures.append(f"fonts.css lacks {key}")
        continue
    subset = characters(all_faces[key])
    original = fonts.open_face(family, weight, fonts.package_file(package, file_name))
    wanted = needed & set(map(chr, original.getBestCmap()))
    if subset != wanted:
        failures.append(f"{key} lacks {''.join(sorted(wanted - subset))!r}, "
                        f"has more: {''.join(sorted(subset - wanted))!r}")
    have |= subset
if needed - have:
    failures.append(f"no face has {''.join(sorted(needed - have))!r}")

shown = set()
for path in dumps:
    program = os.path.basename(path).split(".")[0]
    seen = set()
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            for text in strings(json.loads(line)):
                seen |= {c for c in text if not unicodedata.category(c).startswith("C")}
    shown |= seen
    # A lesson's own sheet is all its page loads: it must have what the lesson shows, and the
    # page's own faces for its bar and notices.
    own = sheet(f"{program}.css")
    for face in ("AR PL UMing CN 400", "Vectors Serif 400"):
        if face not in own:
            failures.append(f"{program}.css lacks {face}")
    lacking = seen - set().union(*map(characters, own.values()))
    if lacking:
        failures.append(f"{program} shows {''.join(sorted(lacking))!r}, which its {program}.css lacks")
if shown - have:
    failures.append(f"the lessons show {''.join(sorted(shown - have))!r}, which no face has")

faces = sorted(f"{shown_as} {weight}" for _, weight, _, _, _, shown_as in fonts.FACES)
if sorted(all_faces) != faces:
    failures.append(f"fonts.css has {sorted(all_faces)}, not {faces}")
stray = [name for name in os.listdir(fonts_dir) if not name.endswith((".css", ".txt"))]
if stray:
    failures.append(f"the fonts folder holds files no page reads: {stray}")

for file_name, phrase in [("LICENSE-arphic.txt", "ARPHIC PUBLIC LICENSE"),
                          ("LICENSE-liberation.txt", "SIL OPEN FONT LICENSE Version 1.1")]:
    with open(os.path.join(fonts_dir, file_name), encoding="utf-8") as licence:
        if phrase not in licence.read():
            failures.append(f"{file_name} lacks {phrase!r}")

for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
print(f"{len(needed)} characters, {len(shown)} shown while the scripts play: "
      + ("fonts OK" if not failures else f"{len(failures)} problem(s)"))
sys.exit(1 if failures else 0)
EOF
