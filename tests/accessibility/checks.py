"""Checks as Qt Test reports them, so CTest's output reads alike for the
Python tests: a PASS or FAIL! line each, and a closing Totals line; how
the tests start and end the processes they start, the program's output
and what a failing test keeps; and what the program announces as the
exercise starts and stops."""

import os
import shutil
import subprocess
import tempfile

RUNNING = "Упражнението върви: Ляво-Дясно, период 200 ms"
STOPPED = "Упражнението е спряно: Ляво-Дясно, период 200 ms"

results = {"passed": 0, "failed": 0}


def check(condition, what, detail=""):
    if condition:
        results["passed"] += 1
        print(f"PASS   : {what}")
    else:
        results["failed"] += 1
        print(f"FAIL!  : {what} {detail}")


def totals():
    """Prints the totals; the exit status: failed when a check failed or none ran."""
    print(f"Totals: {results['passed']} passed, {results['failed']} failed")
    return 1 if results["failed"] or not results["passed"] else 0


def start_program(program, env):
    """Starts the program under test, keeping what it writes to its standard
    error for stop()."""
    errors = tempfile.TemporaryFile("w+")
    process = subprocess.Popen([program], env=env, stderr=errors)
    process.kept_stderr = errors
    return process


def stop(process, grace=2):
    """Asks the process to end, and ends it where it takes longer. Of the
    program under test, tells what it wrote where a check failed, and fails
    on a sanitizer's report in it."""
    if process is None:
        return
    process.terminate()
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
    if hasattr(process, "kept_stderr"):
        process.kept_stderr.seek(0)
        written = process.kept_stderr.read()
        check("Sanitizer" not in written, "the program reports no sanitizer fault", written)
        if results["failed"] and written:
            print("the program wrote:\n" + written)


def keep_on_failure(*paths):
    """Where a check failed, copies what shows why into the test's folder in
    the build tree (EYETRAINER_TEST_OUTPUT), and says where."""
    folder = os.environ.get("EYETRAINER_TEST_OUTPUT")
    if results["failed"] and folder:
        os.makedirs(folder, exist_ok=True)
        for path in filter(os.path.exists, paths):
            shutil.copy(path, folder)
        print(f"kept in {folder}")
