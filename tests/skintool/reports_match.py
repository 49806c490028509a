"""The text report and --json carry the same findings, and the exit status agrees with both.

Usage: reports_match.py PIXLIN_SKIN DEFAULT_SKIN_DIR
"""
import json
import pathlib
import shutil
import subprocess
import sys
import tempfile

TRAPS = (b"\xef\xbb\xbfrgb=170,40,116,16,16117996\r\nRGB=1,2,3,4,5\r\nrbg=1,2\r\nhex 1,2\r\n"
         b"long=1 0,84,116,16,99999999\r\ntrans=50,7\r\ncmy=170,\"12px\",116,16,0=9\r\n"
         b"quit=271,11,19,19\nhex=1,2,3,4,5\r\n")


def run(tool, folder, *extra):
    done = subprocess.run([tool, "check", str(folder), *extra], capture_output=True, check=False)
    return done.returncode, done.stdout.decode("utf-8")


def text_of(report):
    lines = []
    for finding in report["findings"]:
        where = finding["file"] + (":%d" % finding["line"] if finding["line"] is not None else "")
        lines.append("%s: %s: %s [%s]" % (where, finding["severity"], finding["message"], finding["kind"]))
        if finding["fix"]:
            lines.append("    fix: " + finding["fix"])
    return lines


def compare(tool, folder, expected_status):
    text_status, text = run(tool, folder)
    json_status, raw = run(tool, folder, "--json")
    report = json.loads(raw)
    problems = []
    if not text_status == json_status == report["exit"] == expected_status:
        problems.append("exit statuses differ: text %d, json %d, field %d, expected %d"
                        % (text_status, json_status, report["exit"], expected_status))
    text_lines = text.splitlines()
    if text_lines[:-1] != text_of(report):
        problems.append("findings differ:\n" + text + "\n---\n" + "\n".join(text_of(report)))
    if not report["findings"]:
        problems.append("no findings at all")
    return problems


def main():
    tool, skin = sys.argv[1], pathlib.Path(sys.argv[2])
    problems = compare(tool, skin, 0)
    with tempfile.TemporaryDirectory() as scratch:
        traps = pathlib.Path(scratch) / "trap skin"
        traps.mkdir()
        (traps / "pixlin.dat0").write_bytes(TRAPS)
        shutil.copy(skin / "pixlin.dat1", traps)
        problems += compare(tool, traps, 1)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
