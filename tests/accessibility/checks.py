"""Checks as Qt Test reports them, so CTest's output reads alike for the
Python tests: a PASS or FAIL! line each, and a closing Totals line."""

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
