"""Checks as Qt Test reports them, so CTest's output reads alike for the
Python tests: a PASS or FAIL! line each, and a closing Totals line; how
the tests end the processes they start; and what the program announces as
the exercise starts and stops."""

import subprocess

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


def stop(process, grace=2):
    """Asks the process to end, and ends it where it takes longer."""
    if process is None:
        return
    process.terminate()
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
