#!/usr/bin/env python3
"""Writes import/cp932_table.cpp: the double-byte characters of code page 932 (Microsoft's
Shift_JIS, with the NEC and IBM extensions), taken from Python's own 'cp932' codec.

Usage: scripts/generate-cp932-table.py   (from any folder; rewrites the file in place)

One line per lead byte that has characters: its 188 trail bytes 0x40-0x7E and 0x80-0xFC in
order, as one UTF-16 string literal, with U+FFFD for a pair the code page leaves unmapped. The
user-defined lead bytes 0xF0-0xF9 are left out: the decoder computes them (U+E000 on), and this
script checks that the codec agrees.
"""
import pathlib

LEADS = [*range(0x81, 0xA0), *range(0xE0, 0xFD)]
TRAILS = [*range(0x40, 0x7F), *range(0x80, 0xFD)]
USER_DEFINED = range(0xF0, 0xFA)


def character(lead, trail):
    try:
        text = bytes([lead, trail]).decode("cp932")
    except UnicodeDecodeError:
        return "\uFFFD"
    assert len(text) == 1 and ord(text) < 0x10000 and text != "\uFFFD", (lead, trail)
    assert text not in '"\\' and ord(text) >= 0x80, (lead, trail)
    return text


def main():
    for lead in USER_DEFINED:
        for index, trail in enumerate(TRAILS):
            expected = chr(0xE000 + (lead - USER_DEFINED.start) * len(TRAILS) + index)
            assert character(lead, trail) == expected, (lead, trail)

    lines = []
    for lead in LEADS:
        if lead in USER_DEFINED:
            continue
        row = "".join(character(lead, trail) for trail in TRAILS)
        if row != "\uFFFD" * len(TRAILS):
            lines.append(f'    {{0x{lead:02X}, u"{row}"}},')

    source = "\n".join([
        "// Written by scripts/generate-cp932-table.py from Python's 'cp932' codec; run it again",
        "// rather than editing by hand.",
        '#include "import/cp932_table.h"',
        "",
        "#include <algorithm>",
        "",
        "namespace lumitrak {",
        "namespace {",
        "",
        "// clang-format off",
        "constexpr Cp932LeadRow kRows[] = {",
        *lines,
        "};",
        "// clang-format on",
        "",
        "static_assert(std::ranges::all_of(kRows, [](const Cp932LeadRow& row) {",
        "    return row.characters.size() == kCp932TrailBytes;",
        "}));",
        "static_assert(std::ranges::is_sorted(kRows, {}, &Cp932LeadRow::lead));",
        "",
        "}  // namespace",
        "",
        "const std::span<const Cp932LeadRow> kCp932LeadRows = kRows;",
        "",
        "}  // namespace lumitrak",
        "",
    ])
    target = pathlib.Path(__file__).resolve().parent.parent / "import" / "cp932_table.cpp"
    target.write_text(source, encoding="utf-8")
    mapped = sum(len(TRAILS) - line.count("\uFFFD") for line in lines)
    print(f"{target}: {len(lines)} lead bytes, {mapped} characters")


main()
