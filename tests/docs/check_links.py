#!/usr/bin/env python3
"""Fails when a relative link of the project's Markdown files leads nowhere: a file or folder
that does not exist, or an #anchor that no heading of the target page makes as GitHub makes
them. Links with a scheme (https:, mailto:) are left alone. Fails too when docs/robustness.md
cites as proof a test that the tests' sources do not hold, as a renamed test would leave it.
Usage: check_links.py SOURCE_DIR"""
import os
import re
import sys
import unicodedata
from urllib.parse import unquote

LINK = re.compile(r'!?\[(?:[^\[\]]|\[[^\]]*\])*\]\(\s*<?([^)\s>]*)>?(?:\s+"[^"]*")?\s*\)')
DEFINITION = re.compile(r'^ {0,3}\[[^\]]+\]:\s*<?(\S+?)>?(?:\s|$)')
HEADING = re.compile(r'^ {0,3}(#{1,6})\s+(.*?)(?:\s+#+)?\s*$')
HTML_ANCHOR = re.compile(r'<a\s[^>]*\b(?:id|name)="([^"]+)"')
SCHEME = re.compile(r'^[A-Za-z][A-Za-z0-9+.-]*:|^//')


def prose_lines(path):
    """(line number, text) of the lines outside code blocks, code spans removed."""
    fence = None
    with open(path, encoding='utf-8') as file:
        for number, line in enumerate(file, 1):
            stripped = line.strip()
            if fence:
                if stripped.startswith(fence):
                    fence = None
                continue
            if stripped.startswith(('```', '~~~')):
                fence = stripped[:3]
                continue
            if line.startswith(('    ', '\t')):
                continue
            yield number, re.sub(r'`+[^`]*`+', '', line.rstrip('\n'))


def slug(heading):
    text = LINK.sub(lambda m: m.group(0)[m.group(0).index('[') + 1:m.group(0).index(']')],
                    heading)
    kept = ''.join(c for c in text.lower()
                   if c in ' -' or unicodedata.category(c)[0] in 'LMN'
                   or unicodedata.category(c) == 'Pc')
    return kept.replace(' ', '-')


def anchors(path, cache={}):
    if path not in cache:
        found, seen = set(), {}
        with open(path, encoding='utf-8') as file:
            raw = file.read().split('\n')
        for number, line in prose_lines(path):
            found.update(HTML_ANCHOR.findall(line))
            match = HEADING.match(raw[number - 1])
            if match:
                base = slug(match.group(2))
                count = seen.get(base, 0)
                seen[base] = count + 1
                found.add(base if count == 0 else f'{base}-{count}')
        cache[path] = found
    return cache[path]


def markdown_files(root):
    for directory, subdirectories, files in os.walk(root):
        subdirectories[:] = sorted(d for d in subdirectories
                                   if not d.startswith(('.', 'build', 'run')))
        for name in sorted(files):
            if name.endswith('.md'):
                yield os.path.join(directory, name)


GTEST_CASE = re.compile(r'^([A-Z]\w*)\.(\w+|\*)$')
QT_SLOT = re.compile(r'^([A-Z]\w*)::(\w+)$')
CTEST_NAME = re.compile(r'^[a-z]\w*_\w+$')


def test_sources(root):
    """The text of every file under tests/ and fuzz/ that can define or register a test."""
    texts = []
    for folder in ('tests', 'fuzz'):
        for directory, _, files in os.walk(os.path.join(root, folder)):
            for name in files:
                if name.endswith(('.cpp', '.h', '.txt', '.sh', '.py')):
                    with open(os.path.join(directory, name), encoding='utf-8') as file:
                        texts.append((name, file.read()))
    return texts


def registered_names(texts):
    """Patterns of the names ctest knows, add_test NAME with each ${variable} of a foreach over
    words standing for one of them (any other for anything), and the fuzz targets, fuzz_<name>."""
    patterns = []
    for name, text in texts:
        if name != 'CMakeLists.txt':
            continue
        loops = {variable: words.split() for variable, words in
                 re.findall(r'foreach\(\s*(\w+)\s+(?!IN\s)([^)]*)\)', text)}

        def variable(match):
            words = loops.get(match.group(1))
            return '(?:' + '|'.join(map(re.escape, words)) + ')' if words else '.+'

        for registered in re.findall(r'add_test\(\s*NAME\s+(\S+)', text):
            parts = re.split(r'(\$\{\w+\})', registered)
            patterns.append(re.compile('^' + ''.join(
                variable(re.match(r'\$\{(\w+)\}', part)) if part.startswith('${')
                else re.escape(part) for part in parts) + '$'))
        for target in re.findall(r'^fontedit_add_fuzzer\((\w+)', text, re.MULTILINE):
            patterns.append(re.compile('^' + re.escape('fuzz_' + target) + '$'))
    return patterns


def test_exists(cited, texts, names):
    case = GTEST_CASE.match(cited)
    if case:
        suite, test = case.groups()
        test = r'\w+' if test == '*' else re.escape(test)
        made = re.compile(r'\b(?:TYPED_)?TEST(?:_F|_P)?\(\s*' + re.escape(suite) + r'\s*,\s*'
                          + test + r'\s*\)')
        return any(made.search(text) for _, text in texts)
    slot = QT_SLOT.match(cited)
    if slot:
        owner, method = slot.groups()
        return any(re.search(r'\bclass\s+' + owner + r'\b', text)
                   and re.search(r'\bvoid\s+' + method + r'\s*\(\s*\)', text)
                   for _, text in texts)
    return any(pattern.match(cited) for pattern in names)


def cited_tests(page):
    """(line number, name) of the tests the page cites: Suite.Name anywhere in backticks, and
    every name in backticks in the last column of a table, where the proofs stand."""
    with open(page, encoding='utf-8') as file:
        for number, line in enumerate(file, 1):
            spans = re.findall(r'`([^`]+)`', line)
            proofs = set()
            if line.lstrip().startswith('|'):
                cells = line.strip().strip('|').split('|')
                proofs = set(re.findall(r'`([^`]+)`', cells[-1]))
            for span in spans:
                if GTEST_CASE.match(span) or QT_SLOT.match(span) or \
                        (span in proofs and CTEST_NAME.match(span)):
                    yield number, span


def missing_tests(root):
    page = os.path.join(root, 'docs', 'robustness.md')
    texts = test_sources(root)
    names = registered_names(texts)
    missing = 0
    for number, cited in cited_tests(page):
        if not test_exists(cited, texts, names):
            print(f'docs/robustness.md:{number}: no test {cited}', file=sys.stderr)
            missing += 1
    return missing


def main(root):
    broken = missing_tests(root)
    for page in markdown_files(root):
        for number, line in prose_lines(page):
            targets = [m.group(1) for m in LINK.finditer(line)]
            definition = DEFINITION.match(line)
            if definition:
                targets.append(definition.group(1))
            for target in targets:
                if not target or SCHEME.match(target):
                    continue
                path, _, anchor = target.partition('#')
                resolved = os.path.normpath(os.path.join(os.path.dirname(page), unquote(path))) \
                    if path else page
                where = f'{os.path.relpath(page, root)}:{number}: {target}'
                if not os.path.exists(resolved):
                    print(f'{where}: no such file', file=sys.stderr)
                    broken += 1
                elif anchor and resolved.endswith('.md') and \
                        unquote(anchor) not in anchors(resolved):
                    print(f'{where}: no heading makes #{anchor}', file=sys.stderr)
                    broken += 1
    return 1 if broken else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
