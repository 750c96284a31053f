#!/usr/bin/env bash
# Fails on what clang-format does not decide for us: a control statement whose
# body has no braces, a source file over 400 lines, a function body over 60.
# Prints each finding as "path:line: what"; with files given, checks only those.
set -u
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then
  set -- $(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.c')
fi
exec /usr/bin/python3 - "$@" <<'EOF'
import re
import sys

MAX_FILE_LINES = 400
MAX_FUNCTION_LINES = 60
CONTROL = re.compile(r"^\s*(?:\}\s*)?(else\s+if|if|for|while|else|do)\b(?:\s+constexpr\b)?")


def blank_out(text):
    """The text with comments, string and character literals turned to spaces, lines kept."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            m = re.match(r'R"([^(\s]*)\(', text[i:])
            if not m:
                out.append(c)
                i += 1
                continue
            end = text.find(")" + m.group(1) + '"', i)
            j = n if end < 0 else end + len(m.group(1)) + 2
            out.append('"' + re.sub(r"[^\n]", " ", text[i + 1 : j - 1]) + '"')
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j = min(j + 1, n)
            out.append(c + " " * (j - i - 2) + c if j - i >= 2 else c)
            i = j
        else:
            out.append(c)
            i += 1
    return "".join(out).split("\n")


def after_condition(lines, row, col):
    """Row and text following the parenthesised condition that opens at or after lines[row][col]."""
    depth = 0
    started = False
    while row < len(lines):
        line = lines[row]
        while col < len(line):
            ch = line[col]
            col += 1
            if ch == "(":
                depth += 1
                started = True
            elif ch == ")":
                depth -= 1
                if started and depth == 0:
                    return row, line[col:].strip()
        row += 1
        col = 0
    return row, ""


def braceless_bodies(path, lines):
    for row, line in enumerate(lines):
        if line.lstrip().startswith("#"):
            continue
        m = CONTROL.match(line)
        if not m:
            continue
        keyword = m.group(1)
        if keyword in ("else", "do"):
            rest = line[m.end() :].strip()
            if rest.startswith("{") or (keyword == "else" and rest.startswith("if")):
                continue
            yield row, keyword
            continue
        end_row, rest = after_condition(lines, row, m.end())
        if rest.startswith("{"):
            continue
        if keyword == "while" and line.lstrip().startswith("}") and rest.startswith(";"):
            continue  # the end of a do-while
        yield row, keyword.replace("  ", " ")


def long_functions(lines):
    """Function bodies: a line holding only "{" right under a signature, up to the "}" at its indent."""
    row = 0
    while row < len(lines):
        line = lines[row]
        if line.strip() == "{" and row > 0 and lines[row - 1].strip() and not lines[row - 1].rstrip().endswith((";", "{", "}", ",")):
            indent = line[: len(line) - len(line.lstrip())]
            close = row + 1
            while close < len(lines) and not re.match(re.escape(indent) + r"\}", lines[close]):
                close += 1
            body = close - row - 1
            start = row - 1
            while start > 0 and lines[start - 1].strip() and lines[start].startswith(indent + " "):
                start -= 1  # a signature broken over lines
            if body > MAX_FUNCTION_LINES:
                yield start, body
            row = close
        row += 1


def main(paths):
    findings = 0
    for path in paths:
        with open(path, encoding="utf-8", errors="replace") as f:
            text = f.read()
        raw = text.split("\n")
        count = len(raw) - 1 if text.endswith("\n") else len(raw)
        if count > MAX_FILE_LINES:
            print(f"{path}:1: file of {count} lines (over {MAX_FILE_LINES})")
            findings += 1
        lines = blank_out(text)
        for row, keyword in braceless_bodies(path, lines):
            print(f"{path}:{row + 1}: '{keyword}' body without braces")
            findings += 1
        for row, body in long_functions(lines):
            print(f"{path}:{row + 1}: function body of {body} lines (over {MAX_FUNCTION_LINES})")
            findings += 1
    return 1 if findings else 0


sys.exit(main(sys.argv[1:]))
EOF
