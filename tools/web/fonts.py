"""The lessons' faces for the site, as WOFF2 subsets of Debian's fonts (run by fonts.sh).

  fonts.py ROOT LESSONS FONTS_DIR   writes fonts.css (every subset in it) and the licences into FONTS_DIR,
                                    and a style sheet of its own for each page (PAGE.css)
  fonts.py ROOT LESSONS --chars     prints the characters the lessons can show, one line

LESSONS is the lesson list the build writes (lessons.json): the pages, and each lesson's title,
summary and faces. The characters are every non-ASCII character in the string literals of the
lessons' sources and in the list's texts, the printable ASCII characters and the punctuation a
number text or a caption uses. Each face keeps those of them it has. fonts.css has every face with all of them (for lesson.html, which opens any
lesson); a page's own sheet has only the faces that page uses, cut to the characters of its own
sources, so that a lesson loads a fraction of the fonts. Same sources and fonts, same bytes.
"""
import base64
import glob
import gzip
import html
import io
import json
import os
import re
import subprocess
import sys
import textwrap
import unicodedata

# Family in the source font, weight, Debian package, file in it, output, and the family the
# subset goes by in the page's CSS and in its own name table. "Liberation" is a reserved font
# name that a modified version (a subset) may not carry, so that subset has a name of its own.
FACES = [
    ("AR PL UMing CN", 400, "fonts-arphic-uming", "uming.ttc", "uming-cn.woff2", "AR PL UMing CN"),
    ("AR PL UKai CN", 400, "fonts-arphic-ukai", "ukai.ttc", "ukai-cn.woff2", "AR PL UKai CN"),
    ("Liberation Serif", 400, "fonts-liberation2", "LiberationSerif-Regular.ttf",
     "vectors-serif-regular.woff2", "Vectors Serif"),
    ("Liberation Serif", 700, "fonts-liberation2", "LiberationSerif-Bold.ttf",
     "vectors-serif-bold.woff2", "Vectors Serif"),
]

SOURCES = ["*/form*.cpp", "*/form*.h", "kit/**/*.cpp", "launcher/*.cpp",
           "web/**/*.html", "web/**/*.js", "tools/web/**/*.html", "tools/web/**/*.js"]
# Signs of number texts and captions that a literal may not hold yet (− is the minus sign).
PUNCTUATION = "（）：，。、−"

# A page's sources: every lesson page shows its program's forms through the page's runtime.
LESSON_PAGE = ["kit/*.cpp", "kit/web/*.cpp", "tools/web/site/lesson.html",
               "tools/web/site/lesson/*.js"]
INDEX_PAGE = ["launcher/*.cpp", "tools/web/site/index.html"]
# The design's faces as the lesson list names them (kit/style.h), and the source family each is
# drawn with here.
FACE_NAMES = {"宋体": "AR PL UMing CN", "楷体_GB2312": "AR PL UKai CN",
              "Times New Roman": "Liberation Serif"}
# Every page draws its bar, notices and badge in these.
PAGE_FACES = {("AR PL UMing CN", 400), ("Liberation Serif", 400)}
# The launcher's faces, which its style sheet (not its sources) chooses.
INDEX_FACES = {("AR PL UMing CN", 400), ("AR PL UKai CN", 400), ("Liberation Serif", 700)}

IDENTIFIER = re.compile(r"[A-Za-z_]\w*")
NUMBER = re.compile(r"\d(?:[\w.]|'(?=\w))*")  # 999'999'999 is one number, not a character
RAW_OPEN = re.compile(r'"([^()\\\s]{0,16})\(')
ESCAPE = re.compile(r"\\(?:u\{([0-9A-Fa-f]+)\}|u([0-9A-Fa-f]{4})|U([0-9A-Fa-f]{8})|x([0-9A-Fa-f]{2}))")
CPP_PREFIXES = {"u8", "u", "U", "L", "R", "u8R", "uR", "UR", "LR"}


def unescape(literal):
    def code(match):
        value = int(next(group for group in match.groups() if group), 16)
        return chr(value) if value >= 0x80 else match.group(0)
    return ESCAPE.sub(code, literal)


def literals(text, cpp):
    """The string and character literals of C++ or JavaScript text, comments left out."""
    found = []
    i, end = 0, len(text)
    while i < end:
        c = text[i]
        if text.startswith("//", i):
            newline = text.find("\n", i)
            i = end if newline < 0 else newline
        elif text.startswith("/*", i):
            close = text.find("*/", i + 2)
            i = end if close < 0 else close + 2
        elif c.isdigit():
            i = NUMBER.match(text, i).end()
        elif c.isalpha() or c == "_":
            word = IDENTIFIER.match(text, i)
            i = word.end()
            raw = RAW_OPEN.match(text, i) if cpp and word.group().endswith("R") else None
            if raw and word.group() in CPP_PREFIXES:
                close = text.find(")" + raw.group(1) + '"', raw.end())
                close = end if close < 0 else close
                found.append(text[raw.end():close])
                i = close + len(raw.group(1)) + 2
        elif c in "\"'" or (c == "`" and not cpp):
            j = i + 1
            while j < end and text[j] != c and (c == "`" or text[j] != "\n"):
                j += 2 if text[j] == "\\" else 1
            found.append(unescape(text[i + 1:j]))
            i = j + 1
        else:
            i += 1
    return found


def html_texts(text):
    """The shown text of a page: its scripts' and styles' literals, everything else outside
    comments and tags' names as it stands, entities read."""
    text = re.sub(r"<!--.*?-->", "", text, flags=re.S)
    found = []
    blocks = re.compile(r"(<(script|style)\b[^>]*>)(.*?)</\2\s*>", re.S | re.I)
    last = 0
    for block in blocks.finditer(text):
        found.append(html.unescape(text[last:block.start()] + block.group(1)))
        found += literals(block.group(3), cpp=False)
        last = block.end()
    found.append(html.unescape(text[last:]))
    return found


def source_files(root, patterns=SOURCES):
    files = set()
    for pattern in patterns:
        for path in glob.glob(os.path.join(root, pattern), recursive=True):
            # Tests' literals are never shown.
            if "tests" not in os.path.relpath(path, root).split(os.sep)[:-1]:
                files.add(path)
    return sorted(files)


def read_lessons(path):
    """The lesson list the build writes (lessons.json), in teaching order."""
    with open(path, encoding="utf-8") as lessons:
        return json.load(lessons)


def pages(lessons):
    """Each page's sources, and the texts of the lesson list it shows (the launcher's titles and
    summaries)."""
    shown = [text for lesson in lessons for text in (lesson["title"], lesson["summary"])]
    return {"index": (INDEX_PAGE, shown),
            **{lesson["name"]: ([f"{lesson['name']}/form*.cpp", f"{lesson['name']}/form*.h"] + LESSON_PAGE, [])
               for lesson in lessons}}


def list_texts(lessons):
    return [lesson[key] for lesson in lessons for key in ("title", "summary", "description")]


def needed_characters(root, patterns=SOURCES, texts=()):
    chars = {chr(code) for code in range(0x20, 0x7F)} | set(PUNCTUATION)
    pieces = list(texts)
    for path in source_files(root, patterns):
        with open(path, encoding="utf-8") as source:
            text = source.read()
        if path.endswith(".html"):
            pieces += html_texts(text)
        else:
            pieces += literals(text, cpp=not path.endswith(".js"))
    chars |= {c for piece in pieces for c in piece if ord(c) >= 0x80 and not unicodedata.category(c).startswith("C")}
    return "".join(sorted(chars))


def page_faces(lessons, page):
    """The (family, weight) of every face a page draws with: a lesson's are those the list gives
    it, with the page's own."""
    if page == "index":
        return set(INDEX_FACES)
    lesson = next(lesson for lesson in lessons if lesson["name"] == page)
    used = set(PAGE_FACES) | {(FACE_NAMES[face["face"]], face["weight"]) for face in lesson["faces"]}
    # A face without a bold of its own is made bold from its regular.
    faces = {(face[0], face[1]) for face in FACES}
    return {(family, weight if (family, weight) in faces else 400) for family, weight in used}


def dpkg(*args):
    return subprocess.run(["dpkg", *args], check=True, capture_output=True, text=True).stdout


def package_version(package):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], check=True,
                          capture_output=True, text=True).stdout


def package_file(package, suffix):
    for line in dpkg("-L", package).splitlines():
        if line.endswith("/" + suffix) and os.path.isfile(line):
            return line
    sys.exit(f"fonts.py: {package} has no file {suffix}")


def open_face(family, weight, path):
    """The face of FAMILY at WEIGHT in a font file or collection (the CN face of a TTC)."""
    from fontTools.ttLib import TTCollection, TTFont
    if path.endswith(".ttc"):
        count = len(TTCollection(path).fonts)
        numbers = range(count)
    else:
        numbers = [-1]
    for number in numbers:
        font = TTFont(path, fontNumber=number, recalcTimestamp=False)
        bold = font["OS/2"].usWeightClass >= 600
        if font["name"].getDebugName(1) == family and bold == (weight >= 600):
            return font
    sys.exit(f"fonts.py: no {family} {weight} in {path}")


def release(root):
    """The project's version and the date of its release, from the package's changelog."""
    with open(os.path.join(root, "packaging", "changelog"), encoding="utf-8") as changelog:
        text = changelog.read()
    version = re.match(r"\S+ \(([^)]+)\)", text).group(1)
    date = re.search(r"^ -- .*>  \w+, (\d+ \w+ \d+)", text, re.M).group(1)
    return version, date


def rename(font, family, shown):
    """Gives a subset its own family name wherever its name table says the source's."""
    if family == shown:
        return
    old_word, new_word = family.split()[0], shown.split()[0]
    for record in font["name"].names:
        if record.nameID in (1, 3, 4, 6, 16, 17, 18, 21):
            text = record.toUnicode()
            if old_word in text:
                record.string = text.replace(old_word, new_word)


def face_rule(shown, weight, data):
    return ["@font-face {", f'  font-family: "{shown}";', "  font-style: normal;",
            f"  font-weight: {weight};", "  font-display: block;",
            f'  src: url(data:font/woff2;base64,{base64.b64encode(data).decode()}) format("woff2");',
            "}"]


def subset_face(font, chars, notice):
    import logging
    from fontTools import subset
    logging.getLogger("fontTools.subset").setLevel(logging.ERROR)  # tables it drops
    options = subset.Options()
    options.name_IDs = ["*"]  # keeps the copyright, the licence and the trademark
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.flavor = "woff2"
    subsetter = subset.Subsetter(options)
    cmap = font.getBestCmap()
    kept = "".join(c for c in chars if ord(c) in cmap)
    subsetter.populate(unicodes=[ord(c) for c in kept])
    subsetter.subset(font)
    name = font["name"]
    description = name.getDebugName(10)
    name.setName(f"{description}\n\n{notice}" if description else notice, 10, 3, 1, 0x409)
    font.flavor = "woff2"
    out = io.BytesIO()
    font.save(out)
    return out.getvalue(), kept


def debian_copyright_stanza(path, files="*"):
    """The copyright lines and the licence text of a machine-readable copyright file's stanza."""
    with open(path, encoding="utf-8", errors="replace") as copyright_file:
        stanzas = copyright_file.read().split("\n\n")
    for stanza in stanzas:
        fields = {}
        key = None
        for line in stanza.splitlines():
            if line[:1] in (" ", "\t") and key:
                fields[key].append("" if line.strip() == "." else line[1:])
            elif ":" in line:
                key, value = line.split(":", 1)
                fields[key] = [value.strip()] if value.strip() else []
        if fields.get("Files") == [files] and "License" in fields:
            return "\n".join(fields.get("Copyright", [])), "\n".join(fields["License"][1:])
    sys.exit(f"fonts.py: no Files: {files} stanza in {path}")


def arphic_licence_text():
    for line in dpkg("-L", "fonts-arphic-uming").splitlines():
        if re.search(r"/license/english/ARPHICPL\.TXT(\.gz)?$", line, re.I):
            with open(line, "rb") as licence:
                data = licence.read()
            return (gzip.decompress(data) if line.endswith(".gz") else data).decode("latin-1")
    sys.exit("fonts.py: fonts-arphic-uming has no license/english/ARPHICPL.TXT")


def write(path, data):
    with open(path, "wb") as out:
        out.write(data if isinstance(data, bytes) else data.encode("utf-8"))


def build(root, lessons, out_dir):
    chars = needed_characters(root, texts=list_texts(lessons))
    version, date = release(root)
    os.makedirs(out_dir, exist_ok=True)
    licences = "under their own licences (LICENSE-arphic.txt, LICENSE-liberation.txt)"
    css = ["/* The lessons' faces, every one with every character of every page (for lesson.html,",
           f"   which opens any lesson): subsets of Debian's fonts made by tools/web/fonts.sh, {licences}. */"]
    page_sources = pages(lessons)
    page_chars = {page: needed_characters(root, patterns, texts) for page, (patterns, texts) in page_sources.items()}
    faces_of = {page: page_faces(lessons, page) for page in page_sources}
    page_css = {page: [f"/* The faces of {page}.html, cut to its characters: subsets of Debian's fonts made by",
                       f"   tools/web/fonts.sh, {licences}. */"] for page in page_sources}
    made = []
    shown_as = {}
    covered = set()
    for family, weight, package, file_name, out_name, shown in FACES:
        source = package_file(package, file_name)
        package_line = f"{package} {package_version(package)}"
        font = open_face(family, weight, source)
        copyright_notice = font["name"].getDebugName(0)
        notice = (f"Changed by the vectors project (tools/web/fonts.sh, release {version} of {date}): "
                  f"subset of {family} from Debian's {package_line} ({file_name}) to the "
                  f"characters the lessons show, converted to WOFF2.")
        rename(font, family, shown)
        data, kept = subset_face(font, chars, notice)
        covered |= set(kept)
        css += face_rule(shown, weight, data)
        made.append((out_name, family, weight, package_line, copyright_notice, len(data), len(kept)))
        shown_as[out_name] = shown
        for page in page_sources:
            if (family, weight) in faces_of[page]:
                font = open_face(family, weight, source)
                rename(font, family, shown)
                page_data, _ = subset_face(font, page_chars[page], notice)
                page_css[page] += face_rule(shown, weight, page_data)
    if len(covered) != len(chars):
        sys.exit(f"fonts.py: no face has {''.join(c for c in chars if c not in covered)!r}")
    css_bytes = ("\n".join(css) + "\n").encode("utf-8")
    write(os.path.join(out_dir, "fonts.css"), css_bytes)
    for page, rules in page_css.items():
        write(os.path.join(out_dir, f"{page}.css"), "\n".join(rules) + "\n")

    def header(faces_of):
        lines = []
        for out_name, family, weight, package_line, copyright_notice, _, _ in faces_of:
            lines += textwrap.wrap(f'"{shown_as[out_name]}" {weight} (in fonts.css and the pages\' sheets): '
                                   f"{family} from Debian's {package_line}.", 78)
            for paragraph in filter(str.strip, copyright_notice.splitlines()):
                lines += textwrap.wrap(paragraph, 78, initial_indent="  ", subsequent_indent="  ")
        lines += [""] + textwrap.wrap(
            f"Changed by the vectors project, release {version} of {date}, with tools/web/fonts.sh: "
            "subset to the characters the lessons show and converted to WOFF2 (each file says so "
            "in its name table). The complete fonts are in the Debian packages named above.", 78)
        return "\n".join(lines + ["", "=" * 72, ""])

    arphic = [m for m in made if m[1].startswith("AR PL")]
    write(os.path.join(out_dir, "LICENSE-arphic.txt"),
          header(arphic) + "\n" + arphic_licence_text().replace("\r\n", "\n"))
    liberation = [m for m in made if m[1] == "Liberation Serif"]
    copyright_lines, ofl = debian_copyright_stanza(package_file("fonts-liberation2", "copyright"))
    write(os.path.join(out_dir, "LICENSE-liberation.txt"),
          header(liberation) + "\nCopyright:\n" + copyright_lines + "\n\n" + ofl + "\n")

    for out_name, family, weight, _, _, size, count in made:
        print(f"{out_name:34} {size:8} bytes  {count:4} characters  ({family} {weight})")
    print(f"{'fonts.css':34} {len(css_bytes):8} bytes  gzip {len(gzip.compress(css_bytes, 9, mtime=0))}")
    print(f"{len(chars)} characters needed: {''.join(c for c in chars if ord(c) >= 0x80)}")


def main(argv):
    if len(argv) != 4:
        sys.exit("usage: fonts.py ROOT LESSONS FONTS_DIR | fonts.py ROOT LESSONS --chars")
    root, lessons = argv[1], read_lessons(argv[2])
    if argv[3] == "--chars":
        print(needed_characters(root, texts=list_texts(lessons)))
    else:
        build(root, lessons, argv[3])


if __name__ == "__main__":
    main(sys.argv)
