#!/usr/bin/env python3
"""Prints a C++ string literal holding the Shift-JIS (code page 932) bytes of each argument.

The program keeps its Japanese texts as Shift-JIS byte strings; this writes them for the source,
with the readable text as a comment, so no hand-typed escapes creep in.
"""
import sys


def literal(text: str) -> str:
    out, after_escape = [], False
    for b in text.encode("cp932"):
        c = chr(b)
        if 0x20 <= b < 0x7F and c not in '"\\':
            if after_escape and c in "0123456789abcdefABCDEF":
                out.append('" "')  # an escape would swallow a following hex digit
            out.append(c)
            after_escape = False
        else:
            out.append({13: "\\r", 10: "\\n", 34: '\\"', 92: "\\\\"}.get(b, "\\x%02x" % b))
            after_escape = b not in (13, 10, 34, 92)
    return '"' + "".join(out) + '"'


for arg in sys.argv[1:]:
    print("// %s\n%s" % (arg.replace("\r\n", "\\r\\n"), literal(arg)))
