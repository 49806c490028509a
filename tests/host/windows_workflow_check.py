#!/usr/bin/env python3
"""The Windows workflow runs only on GitHub's runners; this is what can be known about it here.

    windows_workflow_check.py ROOT               the workflow parses, and every script, folder, preset and built
                                                 program its steps name exists; exit 1 with each problem otherwise
    windows_workflow_check.py --self-test ROOT   each break in the table below is caught
"""
import json
import pathlib
import re
import shlex
import sys

try:
    import yaml
except ImportError:
    sys.exit("python3-yaml is missing: bash scripts/install-deps.sh installs it")

WORKFLOW = ".github/workflows/windows.yml"
# A multi-config generator puts each configuration's files in a folder of its own inside the source folder's mirror.
CONFIGURATIONS = {"Release", "Debug", "RelWithDebInfo", "MinSizeRel"}
PRESET_KINDS = {"cmake": "configurePresets", "cmake --build": "buildPresets", "ctest": "testPresets"}


def load_presets(root):
    """Usable presets by kind, each with its build folder relative to the source folder (None where it has none)."""
    document = json.loads((root / "CMakePresets.json").read_text(encoding="utf-8"))
    presets = {}
    for kind in PRESET_KINDS.values():
        by_name = {preset["name"]: preset for preset in document.get(kind, [])}

        def field(preset, name):
            if name in preset:
                return preset[name]
            parents = preset.get("inherits", [])
            for parent in [parents] if isinstance(parents, str) else parents:
                value = field(by_name[parent], name)
                if value is not None:
                    return value
            return None

        presets[kind] = {}
        for name, preset in by_name.items():
            if preset.get("hidden"):
                continue
            binary_dir = field(preset, "binaryDir")
            if isinstance(binary_dir, str) and binary_dir.startswith("${sourceDir}/"):
                binary_dir = binary_dir[len("${sourceDir}/"):]
            presets[kind][name] = binary_dir
    return presets


def commands(script):
    """Each command of a run step as its words; pipes, lists and redirections end a command."""
    for line in script.replace("\\\n", " ").splitlines():
        lexer = shlex.shlex(line, posix=True, punctuation_chars=True)
        lexer.whitespace_split = True
        command = []
        try:
            for word in lexer:
                if word and all(c in "();<>|&" for c in word):
                    yield command
                    command = []
                else:
                    command.append(word)
        except ValueError as error:
            yield ["<unparsed>", f"{line!r}: {error}"]
            continue
        yield command


def preset_problems(words, presets):
    program = pathlib.PurePath(words[0]).name.removesuffix(".exe")
    if program not in ("cmake", "ctest"):
        return []
    kind = PRESET_KINDS["cmake --build" if program == "cmake" and "--build" in words else program]
    problems = []
    for i, word in enumerate(words):
        if word == "--preset" and i + 1 < len(words):
            name = words[i + 1]
        elif word.startswith("--preset="):
            name = word.split("=", 1)[1]
        else:
            continue
        if name not in presets[kind]:
            problems.append(f"`{' '.join(words)}` names the preset {name}, which is no usable entry of {kind}")
    return problems


def path_problem(path, root, presets):
    """A path a step names: in the source tree it must exist; in a preset's build folder it must lie in the mirror of
    a source folder, and a program there must be one that folder's CMakeLists.txt builds."""
    path = path.removeprefix("./")
    if "/" not in path or "$" in path or "://" in path or "*" in path or path.startswith("/"):
        return None
    parts = pathlib.PurePosixPath(path).parts
    build_dirs = {d for kind in presets.values() for d in kind.values() if d}
    if parts[0] != "build":
        return None if (root / path).exists() else f"{path} does not exist"
    for build_dir in build_dirs:
        prefix = pathlib.PurePosixPath(build_dir).parts
        if parts[: len(prefix)] == prefix:
            source_dir = root.joinpath(*[p for p in parts[len(prefix) : -1] if p not in CONFIGURATIONS])
            if not source_dir.is_dir():
                return f"{path} lies in no folder the build makes: {source_dir.relative_to(root)} is no source folder"
            program = parts[-1].removesuffix(".exe")
            lists = source_dir / "CMakeLists.txt"
            if parts[-1].endswith(".exe") and not (
                lists.is_file() and re.search(rf"add_executable\(\s*{re.escape(program)}\s", lists.read_text())
            ):
                return f"{path}: no add_executable({program} ...) in {lists.relative_to(root)}"
    return None


def check(root, text):
    try:
        workflow = yaml.safe_load(text)
    except yaml.YAMLError as error:
        return [f"not YAML: {error}"]
    if not isinstance(workflow, dict) or not isinstance(workflow.get("jobs"), dict) or not workflow["jobs"]:
        return ["no jobs"]
    # YAML 1.1 reads the bare key `on` as true.
    if "on" not in workflow and True not in workflow:
        return ["no trigger (on:)"]
    presets = load_presets(root)
    problems = []
    for job_name, job in workflow["jobs"].items():
        where = f"job {job_name}"
        if "windows" not in str(job.get("runs-on", "")):
            problems.append(f"{where}: runs on {job.get('runs-on')!r}, no Windows runner")
        defaults = (job.get("defaults") or {}).get("run") or {}
        steps = job.get("steps") or []
        if not steps:
            problems.append(f"{where}: no steps")
        for number, step in enumerate(steps, 1):
            at = f"{where}, step {number} ({step.get('name') or step.get('uses') or step.get('run', '')[:40]!r})"
            if ("run" in step) == ("uses" in step):
                problems.append(f"{at}: a step takes either run or uses")
            if "uses" in step and "@" not in str(step["uses"]):
                problems.append(f"{at}: {step['uses']} names no version (owner/action@ref)")
            folder = step.get("working-directory", defaults.get("working-directory"))
            if folder is not None and "$" not in str(folder) and not (root / str(folder)).is_dir():
                problems.append(f"{at}: working-directory {folder} is no folder of the repository")
            for words in commands(str(step.get("run", ""))):
                if not words:
                    continue
                if words[0] == "<unparsed>":
                    problems.append(f"{at}: cannot split {words[1]}")
                    continue
                problems += [f"{at}: {p}" for p in preset_problems(words, presets)]
                for word in words[1:]:
                    # -DNAME=value and --option=value name their path after the sign.
                    problem = path_problem(word.partition("=")[2] if word.startswith("-") else word, root, presets)
                    problems += [f"{at}: {problem}"] if problem else []
    return problems


# Each row breaks the real workflow in one way and names a piece of what the check must then say.
BREAKS = [
    ("a script that does not exist", "bash scripts/release.sh", "bash scripts/relase.sh", "scripts/relase.sh"),
    ("a hidden preset", "cmake --build --preset windows-msvc", "cmake --build --preset on-windows", "on-windows"),
    ("a configure preset given to ctest", "ctest --preset windows-msys2", "ctest --preset fuzz", "fuzz"),
    ("a program where the build puts none", "build/windows-msys2/src/app/pixlin.exe",
     "build/windows-msys2/src/pixlin.exe", "no add_executable(pixlin ...) in src/CMakeLists.txt"),
    ("a working folder that does not exist", "        shell: msys2 {0}\n",
     "        shell: msys2 {0}\n        working-directory: benchmarks\n", "benchmarks is no folder"),
    ("a file that is no YAML", "\njobs:\n", "\njobs: [\n", "not YAML"),
]


def self_test(root, text):
    # A break counts as caught only when the workflow as it is raises nothing.
    failures = [f"as it is: {problem}" for problem in check(root, text)]
    for what, old, new, expected in BREAKS:
        if old not in text:
            failures.append(f"{what}: the workflow no longer holds {old!r} to break")
            continue
        problems = check(root, text.replace(old, new, 1))
        if not any(expected in problem for problem in problems):
            failures.append(f"{what}: not caught (problems: {problems})")
    return failures


def main(argv):
    test = argv[1:2] == ["--self-test"]
    if len(argv) != (3 if test else 2):
        sys.exit(__doc__)
    root = pathlib.Path(argv[-1])
    text = (root / WORKFLOW).read_text(encoding="utf-8")
    problems = self_test(root, text) if test else check(root, text)
    for problem in problems:
        print(f"{WORKFLOW}: {problem}")
    if problems:
        return 1
    print(f"{WORKFLOW}: {len(BREAKS)} breaks caught" if test else f"{WORKFLOW}: every name it uses exists")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
