#!/usr/bin/env python3
"""Writes help/help_text.cpp, the help window's built-in text as Shift-JIS lines, from
help/builtin_help.utf8.txt. Run it again after editing the text."""
import importlib.util
import pathlib
import sys

root = pathlib.Path(__file__).resolve().parent.parent
spec = importlib.util.spec_from_file_location("sjis_literal", root / "scripts" / "sjis-literal.py")
saved, sys.argv = sys.argv, [sys.argv[0]]
module = importlib.util.module_from_spec(spec)
spec.loader.exec_module(module)
sys.argv = saved

lines = (root / "help" / "builtin_help.utf8.txt").read_text(encoding="utf-8").splitlines()
out = [
    "// The help window's built-in text, shown when ReadMe_sapi.txt cannot be read.",
    "// Written by scripts/make-help-text.py from help/builtin_help.utf8.txt: edit that file.",
    '#include "help/help_text.h"',
    "",
    "namespace help {",
    "",
    "std::vector<std::string> BuiltInHelpText() {",
    "  return {",
]
for line in lines:
    out.append("      %s,  // %s" % (module.literal(line), line) if line else '      "",')
out += ["  };", "}", "", "}  // namespace help", ""]
(root / "help" / "help_text.cpp").write_text("\n".join(out), encoding="utf-8")
