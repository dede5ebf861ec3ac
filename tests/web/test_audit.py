"""Tandro's page as Lighthouse audits it, on a phone and on a computer: its accessibility and its
best practices score 100, and on the phone nothing shifts as it comes (cumulative layout shift
under 0.1). The four scores and the metrics are printed; bench/web/figures.py prints them beside
an empty Qt window's."""

import unittest

import lighthouse
from tandro_page import SITE, TOOLS


class Lighthouse(unittest.TestCase):
    def setUp(self):
        if not SITE or not TOOLS:
            self.skipTest("TANDRO_SITE names no site, or TANDRO_WEB_TOOLS no Lighthouse")

    def test_accessibility_and_best_practices_score_100(self):
        for profile in lighthouse.PROFILES:
            with self.subTest(profile=profile):
                report = lighthouse.audit(SITE, profile)
                print("Lighthouse %s on a %s:" % (report["version"], profile))
                for line in lighthouse.lines(report):
                    print("  " + line)
                self.assertEqual({category: report["scores"][category]
                                  for category in ("accessibility", "best-practices")},
                                 {"accessibility": 100, "best-practices": 100},
                                 report["short"])
                if profile == "phone":
                    self.assertLess(report["metrics"]["cumulative-layout-shift"][0], 0.1)


if __name__ == "__main__":
    unittest.main()
