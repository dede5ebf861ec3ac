"""A site as Lighthouse audits it (npm's, as the test command installs it: TANDRO_WEB_TOOLS), in
Debian's headless Chromium, served as a host that keeps compressed files serves it: on a phone (its
default profile, a mid-range Android phone on a slow 4G line, simulated) or on a computer (its
desktop preset). What it gives: the four categories' scores, out of 100, its metrics, and the
audits that fell short in each category.
"""

import json
import os
import subprocess
import tempfile

import browser
from tandro_page import TOOLS

PROFILES = ("phone", "computer")
CATEGORIES = ("performance", "accessibility", "best-practices", "seo")
# The metrics, as Lighthouse names them, and as they are printed.
METRICS = {"first-contentful-paint": "first contentful paint",
           "largest-contentful-paint": "largest contentful paint",
           "total-blocking-time": "total blocking time",
           "cumulative-layout-shift": "cumulative layout shift", "speed-index": "speed index",
           "interactive": "time to interactive"}


def audit(folder, profile):
    """Lighthouse's report on the page of the site in folder, on profile (phone or computer), as
    {"scores": {category: score}, "metrics": {metric: (value, as Lighthouse writes it)},
    "short": {category: [audit's title, ...]}}."""
    with browser.served(folder) as server, tempfile.TemporaryDirectory() as work:
        report = os.path.join(work, "report.json")
        command = ["node", os.path.join(TOOLS, "lighthouse", "cli", "index.js"),
                   server.address + "index.html", "--quiet", "--output=json",
                   "--output-path=" + report, "--only-categories=" + ",".join(CATEGORIES),
                   "--chrome-flags=--headless=new --no-sandbox --enable-unsafe-swiftshader"
                   " --use-angle=swiftshader --disable-background-networking"]
        if profile == "computer":
            command.append("--preset=desktop")
        subprocess.run(command, check=True, timeout=300, env={
            **os.environ, "CHROME_PATH": browser.CHROMIUM, "TMPDIR": work})
        with open(report, encoding="utf-8") as file:
            found = json.load(file)
    audits = found["audits"]
    short = {}
    for category in CATEGORIES:
        for reference in found["categories"][category]["auditRefs"]:
            checked = audits[reference["id"]]
            if (reference["weight"] and checked["score"] is not None and checked["score"] < 1
                    and checked["scoreDisplayMode"] in ("binary", "numeric", "metricSavings")):
                short.setdefault(category, []).append(checked["title"])
    return {"scores": {category: round(found["categories"][category]["score"] * 100)
                       for category in CATEGORIES},
            "metrics": {metric: (audits[metric]["numericValue"], audits[metric]["displayValue"])
                        for metric in METRICS},
            "short": short,
            "version": found["lighthouseVersion"]}


def lines(report):
    """What a report says, in lines to print."""
    said = ["scores: " + ", ".join("%s %d" % (category, score)
                                  for category, score in report["scores"].items()),
            "metrics: " + ", ".join("%s %s" % (METRICS[metric], shown)
                                   for metric, (_, shown) in report["metrics"].items())]
    said += ["%s falls short in: %s" % (category, "; ".join(titles))
             for category, titles in report["short"].items()]
    return said
