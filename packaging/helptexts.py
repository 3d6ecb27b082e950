#!/usr/bin/python3
"""Manual pages and bash completion made from the help texts the programs print.

  helptexts.py man PROGRAM NAME SUMMARY VERSION OUT.1.gz [--commands] [--files "PATH: TEXT|..."]
                   [--see-also NAME,...]
  helptexts.py completion PROGRAM NAME OUT

PROGRAM is run as NAME (so its help shows the bare name) with --help; with --commands every
subcommand's help is read too, one level after another.
"""
import gzip
import re
import subprocess
import sys

SECTION = re.compile(r"^([A-Z][A-Za-z ]*):\s*$")
ENTRY = re.compile(r"^ {1,4}(\S.*?)(?: {2,}(\S.*))?$")


def help_text(program, name, path):
    result = subprocess.run([name, *path, "--help"], executable=program, capture_output=True, text=True,
                            env={"QT_QPA_PLATFORM": "offscreen", "LC_ALL": "C.UTF-8"}, check=False)
    if result.returncode != 0:
        sys.exit(f"helptexts: {name} {' '.join(path)} --help ended with {result.returncode}: {result.stderr}")
    return result.stdout


def parse(text):
    """Usage line, description lines and sections of (term, description) entries."""
    usage, description, sections, current = "", [], {}, None
    for line in text.splitlines():
        if line.startswith("Usage:"):
            usage = line[len("Usage:"):].strip()
            current = None
        elif SECTION.match(line):
            current = sections.setdefault(SECTION.match(line).group(1), [])
        elif current is not None and line.startswith(" " * 5) and current and not line.lstrip().startswith("-"):
            term, desc = current[-1]
            current[-1] = (term, (desc + " " + line.strip()).strip())
        elif current is not None and ENTRY.match(line):
            match = ENTRY.match(line)
            current.append((match.group(1).strip(), (match.group(2) or "").strip()))
        elif line.strip() and current is None:
            description.append(line.strip())
    return {"usage": usage, "description": description, "sections": sections}


def tree(program, name, commands):
    """Every command's parsed help by its path of subcommand names."""
    nodes, pending = {}, [()]
    while pending:
        path = pending.pop(0)
        node = parse(help_text(program, name, list(path)))
        nodes[path] = node
        if commands:
            pending += [path + (sub.split()[0],) for sub, _ in node["sections"].get("Subcommands", [])]
    return nodes


def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text[:1] in (".", "'") else text


def man_entries(sections, heading=".PP\n{}:"):
    out = []
    for title, entries in sections.items():
        if title == "Subcommands" or not entries:
            continue
        out.append(heading.format(roff(title.upper() if heading.startswith(".SH") else title)))
        for term, desc in entries:
            out.append(f".TP\n.B {roff(term)}\n{roff(desc)}")
    return out


def man(program, name, summary, version, out, commands, files, see_also):
    nodes = tree(program, name, commands)
    top = nodes[()]
    page = [f'.TH {name.upper()} 1 "" "{name} {version}" "User Commands"',
            ".SH NAME", f"{roff(name)} \\- {roff(summary)}",
            ".SH SYNOPSIS", f".B {roff(name)}", roff(top["usage"].split(None, 1)[1] if " " in top["usage"] else ""),
            ".SH DESCRIPTION", roff(" ".join(top["description"]) or summary)]
    page += man_entries(top["sections"], ".SH {}")
    if commands and len(nodes) > 1:
        page.append(".SH COMMANDS")
        for path, node in nodes.items():
            if not path:
                continue
            page.append(f'.SS "{roff(" ".join((name,) + path))}"')
            page.append(roff(" ".join(node["description"])))
            page.append(f".PP\nUsage: {roff(node['usage'])}")
            page += man_entries(node["sections"])
    if files:  # "PATH: what it holds|..."
        page.append(".SH FILES")
        for item in files.split("|"):
            path, _, what = item.partition(": ")
            page.append(f".TP\n.I {roff(path.strip())}\n{roff(what.strip())}")
    if see_also:
        page += [".SH SEE ALSO", ",\n".join(f".BR {roff(other)} (1)" for other in see_also.split(","))]
    with open(out, "wb") as file, gzip.GzipFile(fileobj=file, mode="wb", compresslevel=9, mtime=0,
                                                filename="") as packed:
        packed.write(("\n".join(page) + "\n").encode())


def options(entries):
    names, valued = [], []
    for term, _ in entries:
        words = re.split(r"[ ,]+", term)
        flags = [w for w in words if w.startswith("-")]
        names += flags
        if len(flags) < len(words):  # a value follows: TEXT, FLOAT, <folder> ...
            valued += flags
    return names, valued


def completion(program, name, out):
    nodes = tree(program, name, True)
    function = "_" + re.sub(r"\W", "_", name)
    subs, opts, values, files = [], [], [], []
    for path, node in nodes.items():
        key = " ".join((name,) + path)  # bash allows no empty key
        names, valued = options(node["sections"].get("Options", []))
        subs.append(f'        ["{key}"]="{" ".join(s.split()[0] for s, _ in node["sections"].get("Subcommands", []))}"')
        opts.append(f'        ["{key}"]="{" ".join(names)}"')
        values.append(f'        ["{key}"]="{" ".join(valued)}"')
        files.append(f'        ["{key}"]="{1 if node["sections"].get("Positionals") else ""}"')
    script = f"""# bash completion for {name}: its subcommands and their options, made from its help texts.
{function}()
{{
    local cur=${{COMP_WORDS[COMP_CWORD]}} prev=${{COMP_WORDS[COMP_CWORD-1]}}
    local -A subs=(
{chr(10).join(subs)}
    )
    local -A opts=(
{chr(10).join(opts)}
    )
    local -A valued=(
{chr(10).join(values)}
    )
    local -A positional=(
{chr(10).join(files)}
    )
    # The command named so far: the program's name and the subcommand names after it.
    local path={name} i word
    for ((i = 1; i < COMP_CWORD; i++)); do
        word=${{COMP_WORDS[i]}}
        if [[ " ${{subs[$path]}} " == *" $word "* ]]; then
            path="$path $word"
        fi
    done
    if [[ " ${{valued[$path]}} " == *" $prev "* ]]; then
        COMPREPLY=($(compgen -f -- "$cur"))
        compopt -o filenames 2>/dev/null
    elif [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "${{opts[$path]}}" -- "$cur"))
    elif [[ -n ${{subs[$path]}} ]]; then
        COMPREPLY=($(compgen -W "${{subs[$path]}}" -- "$cur"))
    elif [[ -n ${{positional[$path]}} ]]; then
        COMPREPLY=($(compgen -f -- "$cur"))
        compopt -o filenames 2>/dev/null
    fi
    return 0
}}
complete -F {function} {name}
"""
    with open(out, "w", encoding="utf-8") as file:
        file.write(script)


def main(argv):
    if len(argv) >= 4 and argv[1] == "completion":
        completion(argv[2], argv[3], argv[4])
        return
    if len(argv) < 7 or argv[1] != "man":
        sys.exit(__doc__)
    rest = argv[7:]
    commands = "--commands" in rest
    files = rest[rest.index("--files") + 1] if "--files" in rest else ""
    see_also = rest[rest.index("--see-also") + 1] if "--see-also" in rest else ""
    man(argv[2], argv[3], argv[4], argv[5], argv[6], commands, files, see_also)


if __name__ == "__main__":
    main(sys.argv)
