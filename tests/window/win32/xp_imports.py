#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
"""Whether Windows programs start on the oldest Windows of their processor:
Windows XP SP3 for 32-bit x86, Windows XP x64 (the kernel of Server 2003
SP1) for x86-64. A program fails to start there when it imports a function
that Windows lacks, or asks for a newer subsystem. With --shipped, also
what the program itself must be (not its installer): a Windows GUI
program, hardened (ASLR with the relocations it needs, DEP, high-entropy
ASLR where 64-bit), importing only DLLs that every Windows has. This is
the project's one reader of objdump's view of a PE header.

    xp_imports.py --objdump OBJDUMP --compiler CXX --winnt 0x0501 \\
                  --msvcrt msvcrt_xp.txt [--shipped] PROGRAM.exe...

For each program:
  - the subsystem and OS versions in its header are at most the Windows
    named by --winnt (5.1 for XP, 5.2 for XP x64);
  - every function it imports from a Windows DLL is declared by the
    MinGW-w64 headers at that _WIN32_WINNT, which hide what came later;
  - every function it imports from msvcrt.dll is one that the msvcrt.dll of
    that Windows exports, as listed in --msvcrt for its processor.
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile

# What the probe includes: the headers of every DLL these programs import.
HEADERS = ["windows.h", "commctrl.h", "ole2.h", "objbase.h", "shellapi.h", "shlobj.h"]
# The DLLs every Windows has, and the program's hardening by processor.
EVERY_WINDOWS = {"advapi32", "comctl32", "gdi32", "kernel32", "msvcrt", "ole32", "oleacc",
                 "oleaut32", "shell32", "user32"}
HARDENED = {"x64": 0x160, "x86": 0x140}  # (HIGH_ENTROPY_VA,) DYNAMIC_BASE, NX_COMPAT


def pe_facts(objdump, program):
    """The header's versions, the processor, and the imports by DLL."""
    dump = subprocess.run([objdump, "-p", program], check=True, capture_output=True,
                          text=True).stdout
    facts = {}
    for field in ("MajorSubsystemVersion", "MinorSubsystemVersion", "MajorOSystemVersion",
                  "MinorOSystemVersion"):
        match = re.search(rf"^{field}\s+(\d+)", dump, re.M)
        if not match:
            raise SystemExit(f"xp_imports: {program}: no {field} in the header")
        facts[field] = int(match.group(1))
    facts["processor"] = "x64" if re.search(r"^Magic\s+020b", dump, re.M) else "x86"
    for field in ("Subsystem", "DllCharacteristics"):
        facts[field] = int(re.search(rf"^{field}\s+([0-9a-fA-F]+)", dump, re.M).group(1), 16)
    relocations = re.search(r"^Entry 5 [0-9a-fA-F]+ ([0-9a-fA-F]+) Base Relocation Directory",
                            dump, re.M)
    facts["relocations"] = int(relocations.group(1), 16) if relocations else 0
    imports = {}
    dll = None
    for line in dump.splitlines():
        named = re.match(r"\s*DLL Name: (\S+)", line)
        if named:
            dll = named.group(1).lower()
            imports.setdefault(dll, [])
            continue
        # "\t<vma>\t<hint> <name>"; an import by ordinal has no name.
        entry = re.match(r"\t[0-9a-f]+\t\s*\d+\s+(\S+)$", line)
        if dll and entry:
            imports[dll].append(entry.group(1))
        elif not line.strip():
            pass
    return facts, imports


def undeclared(compiler, winnt, names):
    """The names that the headers at that _WIN32_WINNT do not declare."""
    with tempfile.TemporaryDirectory() as work:
        probe = os.path.join(work, "probe.cpp")
        with open(probe, "w") as out:
            for header in HEADERS:
                out.write(f"#include <{header}>\n")
            for i, name in enumerate(names):
                # On its own line, so that an error names the line.
                out.write(f"const void* probe_{i} = reinterpret_cast<const void*>(&::{name});\n")
        run = subprocess.run(
            [compiler, "-fsyntax-only", "-fmax-errors=0", "-Wno-deprecated-declarations",
             f"-D_WIN32_WINNT={winnt}", f"-DWINVER={winnt}", "-DUNICODE", "-D_UNICODE", probe],
            capture_output=True, text=True)
        missing = []
        for match in re.finditer(r"probe\.cpp:(\d+):\d+: error:", run.stderr):
            line = int(match.group(1)) - len(HEADERS) - 1
            if 0 <= line < len(names) and names[line] not in missing:
                missing.append(names[line])
        if run.returncode != 0 and not missing:
            raise SystemExit("xp_imports: the probe failed to compile:\n" + run.stderr[-3000:])
        return missing


def msvcrt_exports(path, processor):
    """The msvcrt.dll exports of the oldest Windows of the processor."""
    exports = set()
    with open(path, encoding="utf-8") as listing:
        for line in listing:
            line = line.split("#", 1)[0].split()
            if len(line) == 2 and line[0] in (processor, "both"):
                exports.add(line[1])
    return exports


def shipped_problems(program, facts, imports):
    """What the program as shipped must be, beyond starting on XP."""
    flags, wanted = facts["DllCharacteristics"], HARDENED[facts["processor"]]
    print(f"{program}: Subsystem {facts['Subsystem']}, DllCharacteristics {flags:#x} "
          f"(wants {wanted:#x}), relocations {facts['relocations']} bytes")
    problems = [] if facts["Subsystem"] == 2 else ["not a Windows GUI program"]
    if wanted & ~flags:
        problems.append(f"DllCharacteristics {flags:#x} lacks {wanted & ~flags:#x}")
    if not facts["relocations"]:
        problems.append("no relocations, so ASLR cannot move it")
    return problems + [f"imports {dll}, which not every Windows has" for dll in imports
                       if dll.removesuffix(".dll") not in EVERY_WINDOWS]


def version(major, minor):
    return f"{major}.{minor:02d}"


def check(program, args):
    facts, imports = pe_facts(args.objdump, program)
    oldest = int(args.winnt, 16)
    limit = (oldest >> 8, oldest & 0xFF)
    problems = []
    for what in ("Subsystem", "OSystem"):
        found = (facts[f"Major{what}Version"], facts[f"Minor{what}Version"])
        print(f"{program}: {what} version {version(*found)} (at most {version(*limit)})")
        if found > limit:
            problems.append(f"{what} version {version(*found)} is newer than {version(*limit)}")
    listed = msvcrt_exports(args.msvcrt, facts["processor"])
    windows_names = []
    for dll, names in sorted(imports.items()):
        print(f"{program}: {dll}: {' '.join(names)}")
        if dll == "msvcrt.dll":
            problems += [f"msvcrt.dll!{name} is not in the msvcrt.dll of Windows XP"
                         for name in names if name not in listed]
        else:
            windows_names += [(dll, name) for name in names]
    missing = undeclared(args.compiler, args.winnt, [name for _, name in windows_names])
    problems += [f"{dll}!{name} is not declared at _WIN32_WINNT={args.winnt}"
                 for dll, name in windows_names if name in missing]
    if args.shipped:
        problems += shipped_problems(program, facts, imports)
    count = sum(len(names) for names in imports.values())
    print(f"{program}: {count} imports from {len(imports)} DLLs, {len(problems)} problems")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--objdump", required=True)
    parser.add_argument("--compiler", required=True)
    parser.add_argument("--winnt", required=True, help="0x0501 (XP) or 0x0502 (XP x64)")
    parser.add_argument("--msvcrt", required=True)
    parser.add_argument("--shipped", action="store_true", help="the program itself, as shipped")
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    problems = []
    for program in args.programs:
        problems += [f"{program}: {problem}" for problem in check(program, args)]
    for problem in problems:
        print("FAILED: " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
