#!/usr/bin/env python3
"""Fails on a user-visible text literal in ui/ that does not go through tr().

A literal counts as user-visible when it holds a word (two letters in a row) and is not one of
the forms that never reach a user: object names, properties, settings keys, style sheets, file
patterns and the like. tr(), QT_TR_NOOP() and QCoreApplication::translate() take the texts that
are translated. The few literals still waiting for their tr() are listed, file by file, in
untranslated.txt beside this script; a literal that is neither translated nor listed fails.

    check_tr.py UI_DIR BASELINE [--write]
"""
import re
import sys
from pathlib import Path

LITERAL = re.compile(r'(?:QStringLiteral|QLatin1String|QString::fromUtf8|QString::fromLatin1|QString|'
                     r'setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setAccessibleName|'
                     r'setAccessibleDescription|setPlaceholderText|addItem|setTitle|setLabelText|showMessage|'
                     r'QLabel|QPushButton|QCheckBox|QRadioButton|QGroupBox|QAction|addAction|addMenu|Message|'
                     r'(?<![=!<>])= \{?|^\s*\{)'  # a text assigned, or the first of a table's row
                     r'\(?\s*"((?:[^"\\]|\\.)*)"', re.M)
# Lines whose literals are keys, names or markup, not texts a user reads.
NOT_A_TEXT = re.compile(
    r'setObjectName|setProperty|property\(|objectName|setStyleSheet|QSettings|Settings\(|\.value\(|'
    r'fromLocal8Bit|QRegularExpression|setWindowRole|Q_ARG|qEnvironmentVariable|QDir|\.svg"|\.png"|\.jpg"|'
    r'\.ini"|findChild|inherits\(|metaObject|QFont\(|QFont \w+\(|setFamily|mimeData|setMimeData|QUrl|QFileInfo|\.endsWith|\.startsWith')
WORD = re.compile(r'[A-Za-z]{2}')


def findings(ui_dir: Path):
    for path in sorted(ui_dir.rglob('*.cpp')) + sorted(ui_dir.rglob('*.h')):
        rel = path.relative_to(ui_dir).as_posix()
        for number, line in enumerate(path.read_text(encoding='utf-8').splitlines(), 1):
            if line.strip().startswith('//') or NOT_A_TEXT.search(line):
                continue
            for match in LITERAL.finditer(line):
                text = match.group(1)
                if text.lstrip().startswith('<') or '=\\"' in text or re.fullmatch(r'#[0-9a-fA-F]{6}|[a-z]+:[a-z]+', text):
                    continue  # markup and colours around the texts
                if WORD.search(text) and not re.fullmatch(r'[A-Za-z0-9_./%*-]+', text):
                    yield rel, text  # words with blanks, captions ending in ':'
                elif re.fullmatch(r'&?[A-Z][a-z]+(\.\.\.)?', text):  # a one-word caption: "Cancel", "&Help"
                    yield rel, text


def main():
    ui_dir, baseline = Path(sys.argv[1]), Path(sys.argv[2])
    found = sorted(set(findings(ui_dir)))
    if '--write' in sys.argv:
        header = '# ui/ literals still shown without tr(): file, tab, text. Written by check_tr.py --write.\n'
        baseline.write_text(header + ''.join(f'{f}\t{t}\n' for f, t in found), encoding='utf-8')
        return 0
    listed = set()
    for line in baseline.read_text(encoding='utf-8').splitlines():
        if line and not line.startswith('#'):
            f, t = line.split('\t', 1)
            listed.add((f, t))
    new = [ft for ft in found if ft not in listed]
    for f, t in new:
        print(f'{f}: "{t}" is shown to the user without tr()')
    gone = len(listed - set(found))
    if gone:
        print(f'note: {gone} listed literal(s) are translated or gone now; shorten {baseline.name} with --write')
    return 1 if new else 0


if __name__ == '__main__':
    sys.exit(main())
