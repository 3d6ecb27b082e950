#!/usr/bin/env python3
"""Fails on an English sentence, or a piece of one, written into core/ as a literal.

What core/ hands to a user goes through the string table (an id, placeholders %1, %2) or is a
catalogue message key, so that a language can put the words in its own order. A literal counts
as a text when it holds a word and a blank; SQL, include lines and catalogue message keys are
not texts. The literals that stay English on purpose (diagnostics naming queries and fields,
texts shown before any language is known, keys) are listed, file by file, in english_only.txt
beside this script; a file listed with the text * holds only such literals (the catalogue's
diagnostics, the desktop program's command line). A literal that is neither a key nor listed fails.

    check_core_texts.py CORE_DIR LIST [--write]
"""
import re
import sys
from pathlib import Path

LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')
# Lines whose literals are keys or code, never a text a user reads.
NOT_A_TEXT = re.compile(r'^\s*(#include|//|static_assert)|GetMessage\(|Lookup\(|Plain\(|msg::|settingskey::')
SQL = re.compile(r'^\s*(SELECT|INSERT|UPDATE|DELETE|PRAGMA|CREATE|WITH|ORDER BY)\b|\bFROM\b')
TEXT = re.compile(r'[A-Za-z]{2}.*\s|\s.*[A-Za-z]{2}')


def findings(core_dir: Path):
    for path in sorted(core_dir.rglob('*.cpp')) + sorted(core_dir.rglob('*.h')):
        rel = path.relative_to(core_dir).as_posix()
        # The English string table itself, and the catalogue's message keys.
        if rel in ('platform/EnglishStrings.cpp', 'catalogue/MessageKeys.h'):
            continue
        for line in path.read_text(encoding='utf-8').splitlines():
            if NOT_A_TEXT.search(line):
                continue
            code = re.sub(r"'(\\.|[^'\\])'", "''", line.split(' // ')[0])  # char literals such as '"'
            for match in LITERAL.finditer(code):
                text = match.group(1)
                if text.startswith('<') or '=\\"' in text:
                    continue  # markup of the files written (SVG, XML)
                if TEXT.search(text) and not SQL.search(text):
                    yield rel, text


def main():
    core_dir, listed_file = Path(sys.argv[1]), Path(sys.argv[2])
    lines = listed_file.read_text(encoding='utf-8').splitlines() if listed_file.exists() else []
    header = [l for l in lines if l.startswith('#')]
    listed = {tuple(l.split('\t', 1)) for l in lines if l and not l.startswith('#')}
    whole = {f for f, t in listed if t == '*'}
    found = sorted(ft for ft in set(findings(core_dir)) if ft[0] not in whole)
    if '--write' in sys.argv:
        kept = sorted((f, '*') for f in whole) + found
        listed_file.write_text('\n'.join(header) + '\n' + ''.join(f'{f}\t{t}\n' for f, t in kept), encoding='utf-8')
        return 0
    new = [ft for ft in found if ft not in listed]
    for f, t in new:
        print(f'core/{f}: "{t}" is English joined into a text; give it a string id with placeholders')
    return 1 if new else 0


if __name__ == '__main__':
    sys.exit(main())
