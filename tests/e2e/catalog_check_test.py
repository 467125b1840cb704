#!/usr/bin/env python3
"""The world generator's catalog check, on small catalog listings.

  catalog_check_test.py FIXTURES_DIR GENERATOR_COMMAND...
"""

import os
import subprocess
import sys
import unittest

FIXTURES = None
GENERATOR = None


def run_generator(listing):
    result = subprocess.run(GENERATOR + ["--catalog-listing", os.path.join(FIXTURES, listing)],
                            capture_output=True, text=True, timeout=120)
    return result.returncode, result.stdout + result.stderr


class CatalogCheckTest(unittest.TestCase):
    def test_consistent_listing_passes_and_reports_what_is_not_served_yet(self):
        code, output = run_generator("catalog_listing_consistent.tsv")
        self.assertEqual(0, code, output)
        self.assertIn("not served yet: Utilities\tTightVNC 2.6.4 - 32 bit\t"
                      "/zephrion/files/InstallerDownloads/_Installers3rdParty/TightVNC/"
                      "tightvnc-2.6.4-setup-32bit.msi", output)
        self.assertIn("4 catalog rows download a file; 3 are served, 1 not served yet", output)
        self.assertNotIn("MISMATCH", output)

    def test_rows_the_world_covers_must_match_its_files(self):
        code, output = run_generator("catalog_listing_mismatched.tsv")
        self.assertEqual(1, code, output)
        mismatches = [line for line in output.splitlines() if line.startswith("MISMATCH")]
        self.assertEqual(2, len(mismatches), output)
        self.assertIn("MS VC++ 2005 SP1 Redist: table vc2005 covers this row but "
                      "/zephrion/files/ZephrionPreRequisites/vc2005sp1-redist_x86.exe is not served", output)
        self.assertIn("Python 2.7.9: the catalog expects a program but table python279 serves msi", output)

    def test_unreadable_listing_fails(self):
        code, output = run_generator("no-such-listing.tsv")
        self.assertEqual(1, code, output)


if __name__ == "__main__":
    FIXTURES = sys.argv[1]
    GENERATOR = sys.argv[2:]
    sys.argv[1:] = []
    unittest.main(verbosity=1)
