#!/usr/bin/python3
"""Makes the face the report (计算书) is printed and saved in: Noto Serif CJK SC, cut down to the characters
a report holds and renamed, and the text of its licence.

A PDF's text layer names each embedded glyph by one character, and Qt's PDF writer takes the lowest code
point the font maps to that glyph; a glyph that no code point maps to is not named at all. In Noto CJK:
- each CJK radical (U+2E80-U+2FDF) is drawn with the glyph of its ideograph, so 用, 工 and 页 would come
  back from the PDF as ⽤, ⼯ and ⻚;
- the substitutions of the GSUB table (the Japanese, Korean and Traditional forms chosen by the desktop's
  language, the Western digits of a Latin run where it has none, the fi and ff ligatures, a pair of dashes
  made one) draw glyphs that no code point maps to, and their characters would be missing from the PDF.
This face maps no radical and has no GSUB table: every glyph it draws is named by the one character the
report holds. The Simplified Chinese forms that the language's substitutions chose (full-width quotes,
the centred ellipsis) are mapped from their characters directly, so they look the same in every language.

It keeps GB2312 (the characters a name typed in Simplified Chinese uses), ASCII, the symbols and punctuation
a report or a typed name may hold, and every ideograph that has a radical twin in the face, so that none of
those falls back to a face that would name it by the radical.

Usage: make-report-font.py SOURCE FACE-INDEX DEBIAN-COPYRIGHT OUTPUT-FONT OUTPUT-LICENCE
"""

import os
import sys
import unicodedata

from fontTools import subset
from fontTools.ttLib import TTFont

FAMILY = "Varnel Report Serif"
POSTSCRIPT_NAME = "VarnelReportSerif-Regular"
RADICALS = range(0x2E80, 0x2FE0)

# Beyond GB2312 and ASCII: Latin-1 (×, ÷, ·, °), dashes, quotes and …, ‰, ℃, №, Roman numerals (Ⅰ-Ⅻ),
# circled and bracketed numbers, the CJK punctuation (、。《》【】), full-width forms (％：，（）) and ￥.
EXTRA = [
    range(0x00A1, 0x0100),
    range(0x2010, 0x2028),
    range(0x2030, 0x2031),
    range(0x2103, 0x2104),
    range(0x2116, 0x2117),
    range(0x2160, 0x2180),
    range(0x2460, 0x249C),
    range(0x3000, 0x3040),
    range(0xFF01, 0xFF5F),
    range(0xFFE0, 0xFFE7),
]


def gb2312():
    characters = set()
    for high in range(0xA1, 0xF8):
        for low in range(0xA1, 0xFF):
            try:
                characters.add(ord(bytes([high, low]).decode("gb2312")))
            except UnicodeDecodeError:
                pass
    return characters


def wanted(cmap):
    base = gb2312() | set(range(0x20, 0x7F))
    extra = set()
    for block in EXTRA:
        extra.update(block)
    radical_glyphs = {glyph for u, glyph in cmap.items() if u in RADICALS}
    extra.update(u for u, glyph in cmap.items() if glyph in radical_glyphs)
    kept = {u for u in base if u in cmap}
    # A few symbols share the glyph of a GB2312 or ASCII character (the soft hyphen and U+2011 that of "-",
    # 〜 that of ～): they are left to the faces that stand in for this one. A compatibility ideograph
    # stays beside the ideograph it stands for.
    first = {}
    for u in sorted(kept):
        first.setdefault(cmap[u], u)
    for u in sorted(extra - kept):
        if u not in cmap or u in RADICALS:
            continue
        glyph = cmap[u]
        if glyph not in first or unicodedata.normalize("NFC", chr(u)) == chr(first[glyph]):
            first.setdefault(glyph, u)
            kept.add(u)
    return sorted(kept)


def simplified_forms(font):
    """The glyph each glyph becomes in Simplified Chinese text: the 'locl' substitutions of the ZHS language."""
    gsub = font["GSUB"].table
    features = gsub.FeatureList.FeatureRecord
    lookups = set()
    for script in gsub.ScriptList.ScriptRecord:
        for language in script.Script.LangSysRecord:
            if language.LangSysTag.strip() == "ZHS":
                for index in language.LangSys.FeatureIndex:
                    if features[index].FeatureTag == "locl":
                        lookups.update(features[index].Feature.LookupListIndex)
    forms = {}
    for index in sorted(lookups):
        lookup = gsub.LookupList.Lookup[index]
        for table in lookup.SubTable:
            table = table.ExtSubTable if lookup.LookupType == 7 else table
            if not hasattr(table, "mapping"):
                sys.exit(f"the ZHS forms' lookup {index} is not a single substitution")
            forms.update(table.mapping)
    return forms


def glyph_map(font, characters):
    """Each character's glyph: its Simplified Chinese form where that form is no other character's glyph."""
    cmap = font.getBestCmap()
    forms = simplified_forms(font)
    own = {cmap[u] for u in characters}
    glyphs, taken = {}, {}
    for u in characters:
        glyph = cmap[u]
        form = forms.get(glyph, glyph)
        if form != glyph and (form in own or taken.get(form, glyph) != glyph):
            form = glyph
        glyphs[u] = form
        taken[form] = glyph
    return glyphs


def set_cmap(font, glyphs):
    for table in font["cmap"].tables:
        if table.format in (4, 6):
            table.cmap = {u: glyph for u, glyph in glyphs.items() if u <= 0xFFFF}
        elif table.format == 12:
            table.cmap = dict(glyphs)


def check(font):
    """Every glyph is named by the character a text holds: one code point a glyph, or a compatibility
    ideograph beside the ideograph it stands for, which comes first."""
    if "GSUB" in font:
        sys.exit("the face has substitutions, whose glyphs a PDF cannot name")
    by_glyph = {}
    for u, glyph in font.getBestCmap().items():
        if u in RADICALS:
            sys.exit(f"U+{u:04X} is a radical, and the face must map none")
        by_glyph.setdefault(glyph, []).append(u)
    for glyph, points in by_glyph.items():
        first = min(points)
        for u in points:
            if u != first and unicodedata.normalize("NFC", chr(u)) != chr(first):
                sys.exit(f"U+{u:04X} shares its glyph with U+{first:04X}, which a PDF would give in its place")


def rename(font):
    """A modified version of a font under the Open Font License goes under a name of its own."""
    names = {1: FAMILY, 3: f"{font['head'].fontRevision:.3f};{POSTSCRIPT_NAME}", 4: FAMILY,
             6: POSTSCRIPT_NAME, 16: FAMILY}
    table = font["name"]
    for record in list(table.names):
        if record.nameID in names or record.nameID == 17:
            table.removeNames(nameID=record.nameID)
    for name_id, text in names.items():
        table.setName(text, name_id, 3, 1, 0x409)
        table.setName(text, name_id, 1, 0, 0)
    table.setName("Regular", 2, 3, 1, 0x409)
    cff = font["CFF "].cff
    top = cff[cff.fontNames[0]]
    old = cff.fontNames[0]
    cff.fontNames = [POSTSCRIPT_NAME]
    top.FullName = FAMILY
    top.FamilyName = FAMILY
    for private in getattr(top, "FDArray", []):
        if hasattr(private, "FontName"):
            private.FontName = private.FontName.replace(old, POSTSCRIPT_NAME)


def licence(copyright_file, font):
    """The font's own notices, then the licence text as Debian's copyright file gives it."""
    lines, inside = [], False
    with open(copyright_file, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if inside and line.startswith(" "):
                lines.append("" if line.strip() == "." else line[1:])
                continue
            if lines:
                break
            # The stand-alone paragraph that holds the text, not a Files paragraph's License field.
            inside = line.strip() in ("License: SIL-1.1", "License: OFL-1.1")
    if not any("SIL OPEN FONT LICENSE Version 1.1" in line for line in lines):
        sys.exit(f"{copyright_file} holds no SIL Open Font License 1.1")
    name = font["name"]
    return "\n".join([
        f"{FAMILY} ({name.getDebugName(6)}) is Noto Serif CJK SC, version {font['head'].fontRevision:.3f},",
        "cut down to the characters of a calculation report and renamed, as shipped with Varnel.",
        "",
        name.getDebugName(0),
        name.getDebugName(7),
        "",
        *lines,
        "",
    ])


def main():
    source, face, copyright_file, output, licence_output = sys.argv[1:]
    font = TTFont(source, fontNumber=int(face), recalcBBoxes=False, recalcTimestamp=False)
    characters = wanted(font.getBestCmap())
    glyphs = glyph_map(font, characters)
    options = subset.Options()
    # Kerning and mark positions move glyphs without changing them; they are all the layout kept.
    options.layout_features = ["kern", "mark"]
    options.drop_tables += ["GSUB"]
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 7, 13, 14]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=characters, glyphs=set(glyphs.values()))
    subsetter.subset(font)
    set_cmap(font, glyphs)
    rename(font)
    check(font)
    # Each file takes its name only once complete, so that an interrupted build makes it again.
    font.save(output + ".part")
    with open(licence_output + ".part", "w", encoding="utf-8") as f:
        f.write(licence(copyright_file, font))
    os.replace(licence_output + ".part", licence_output)
    os.replace(output + ".part", output)


if __name__ == "__main__":
    main()
