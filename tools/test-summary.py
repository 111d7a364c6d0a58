#!/usr/bin/env python3
"""Prints one line, "N passed, N failed", over the unit tests and the
end-to-end journeys of a build folder, and names what failed.

Unit tests: the JSON report each test shard writes into test-reports/; a
shard that left no report (it crashed or hung) counts as one failure.
Journeys: test-reports/e2e.txt, one "passed NAME" or "failed NAME" a line.
"""
import json
import subprocess
import sys
from pathlib import Path

build = Path(sys.argv[1] if len(sys.argv) > 1 else "build-test")
reports = build / "test-reports"
passed = 0
failed = []

listing = subprocess.run(["ctest", "--test-dir", str(build), "--show-only=json-v1"],
                         capture_output=True, text=True, check=True)
for test in json.loads(listing.stdout).get("tests", []):
    name = test["name"]
    command = test.get("command", [])
    report = next((arg.split("json:", 1)[1] for arg in command if arg.startswith("--gtest_output=json:")), None)
    if report is None:
        # A plain program (the fuzzers' finds): ctest's own verdict.
        continue
    path = Path(report)
    if not path.exists():
        failed.append(f"{name} (no report: crashed or timed out)")
        continue
    data = json.loads(path.read_text())
    for suite in data.get("testsuites", []):
        for case in suite.get("testsuite", []):
            if case.get("result") == "SKIPPED" or case.get("status") == "NOTRUN":
                continue
            if case.get("failures"):
                failed.append(f"{suite['name']}.{case['name']}")
            else:
                passed += 1

plain = [t for t in json.loads(listing.stdout).get("tests", [])
         if not any(a.startswith("--gtest_output=json:") for a in t.get("command", []))]
if plain:
    # The last ctest run's failures, for tests without a report of their own.
    failed_log = build / "Testing" / "Temporary" / "LastTestsFailed.log"
    failed_names = set()
    if failed_log.exists():
        failed_names = {line.split(":", 1)[1].strip() for line in failed_log.read_text().splitlines() if ":" in line}
    for test in plain:
        if test["name"] in failed_names:
            failed.append(test["name"])
        else:
            passed += 1

journeys = reports / "e2e.txt"
if journeys.exists():
    for line in journeys.read_text().splitlines():
        verdict, _, name = line.partition(" ")
        if verdict == "passed":
            passed += 1
        elif verdict == "failed":
            failed.append(f"journey {name}")
else:
    failed.append("journeys (no results: the run stopped before them)")

for name in failed:
    print(f"FAILED: {name}")
print(f"{passed} passed, {len(failed)} failed")
