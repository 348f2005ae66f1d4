#!/usr/bin/env python3
"""Fails when a relative link of the project's Markdown files leads nowhere: a file or folder
that does not exist, or an #anchor that no heading of the target page makes as GitHub makes
them. Links with a scheme (https:, mailto:) are left alone.
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


def main(root):
    broken = 0
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
