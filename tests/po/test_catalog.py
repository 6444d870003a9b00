#!/usr/bin/env python3
"""The English catalog covers every interface text, and the check notices when it does not."""
import os
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SCRIPT = os.path.join(ROOT, "scripts", "translations.py")


def run_check(*planted, entries=""):
    """Runs the check over the sources plus the planted C++ texts, with the
    catalog plus the planted entries."""
    with tempfile.TemporaryDirectory() as tmp:
        args = []
        if entries:
            catalog = os.path.join(tmp, "en.po")
            with open(os.path.join(ROOT, "po", "en.po"), encoding="utf-8") as f:
                text = f.read()
            with open(catalog, "w", encoding="utf-8") as f:
                f.write(text + "\n" + entries)
            args += ["--catalog", catalog]
        for i, text in enumerate(planted):
            path = os.path.join(tmp, f"Planted{i}.cpp")
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
            args += ["--source", path]
        return subprocess.run([sys.executable, SCRIPT, "check", *args], capture_output=True, text=True)


class CatalogTest(unittest.TestCase):
    def test_every_text_has_english(self):
        result = run_check()
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_a_new_text_without_english_fails(self):
        result = run_check('void f() { g(wxGetTranslation(wxString::FromUTF8("一句还没有英文的话"))); }\n')
        self.assertEqual(result.returncode, 1)
        self.assertIn("no English for '一句还没有英文的话'", result.stdout)

    def test_a_marked_table_text_without_english_fails(self):
        result = run_check('const char* kRows[] = {wxTRANSLATE("表里的字"), CC_USER_TEXT("引擎的字")};\n')
        self.assertIn("no English for '表里的字'", result.stdout)
        self.assertIn("no English for '引擎的字'", result.stdout)

    def test_english_that_drops_a_place_fails(self):
        source = 'const char* kRows[] = {CC_USER_TEXT("找不到 \\"{1}\\"（查找了 {2}）")};\n'
        good = run_check(source, entries='msgid "找不到 \\"{1}\\"（查找了 {2}）"\nmsgstr "No \\"{1}\\" (looked in {2})"\n')
        self.assertEqual(good.returncode, 0, good.stdout)
        bad = run_check(source, entries='msgid "找不到 \\"{1}\\"（查找了 {2}）"\nmsgstr "No \\"{1}\\" found"\n')
        self.assertEqual(bad.returncode, 1)
        self.assertIn("does not keep the places", bad.stdout)

    def test_fuzzy_and_stale_english_fails(self):
        source = 'void f() { g(wxGetTranslation(wxString::FromUTF8("模糊的译文"))); }\n'
        result = run_check(source, entries='#, fuzzy\nmsgid "模糊的译文"\nmsgstr "Vague"\n\n'
                                           'msgid "源码里已经没有这句"\nmsgstr "Gone"\n')
        self.assertEqual(result.returncode, 1)
        self.assertIn("fuzzy English for '模糊的译文'", result.stdout)
        self.assertIn("stale entry, no source text any more: '源码里已经没有这句'", result.stdout)

    def test_a_text_that_skips_the_lookup_fails(self):
        result = run_check('void f() {\n  // 注释里的中文不算\n  g(wxString::FromUTF8("直接显示"));\n'
                           '  h(wxGetTranslation(\n      wxString::FromUTF8("分成两行" "也算")));\n}\n')
        self.assertEqual(result.returncode, 1)
        unmarked = [l for l in result.stdout.splitlines() if "not looked up" in l and "Planted0" in l]
        self.assertEqual(len(unmarked), 1, result.stdout)
        self.assertIn('Planted0.cpp:3: not looked up in the catalog: "直接显示"', unmarked[0])

    def test_fuzzy_and_obsolete_entries_are_reported(self):
        sys.path.insert(0, os.path.dirname(SCRIPT))
        import translations
        with tempfile.NamedTemporaryFile("w", suffix=".po", encoding="utf-8", delete=False) as f:
            f.write('msgid ""\nmsgstr "Content-Type: text/plain; charset=UTF-8\\n"\n\n'
                    '#, fuzzy, c-format\nmsgid "打开 %s"\nmsgstr "Open %s"\n\n'
                    '#~ msgid "旧的"\n#~ msgstr "Old"\n\n'
                    'msgid ""\n"两行"\n"合一\\n"\nmsgstr "Two\\n"\n')
        self.addCleanup(os.unlink, f.name)
        entries = {e["msgid"]: e for e in translations.read_po(f.name) if e["msgid"]}
        self.assertTrue(entries["打开 %s"]["fuzzy"])
        self.assertTrue(entries["旧的"]["obsolete"])
        self.assertEqual(entries["两行合一\n"]["msgstr"], ["Two\n"])


if __name__ == "__main__":
    unittest.main()
