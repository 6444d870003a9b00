#!/usr/bin/env python3
"""Checks that the layer checker catches includes against the layer order."""
import os
import subprocess
import sys
import tempfile
import unittest

CHECKER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_layers.py")


class CheckLayersTest(unittest.TestCase):
    def tree(self, files):
        root = tempfile.mkdtemp()
        self.addCleanup(lambda: subprocess.run(["rm", "-rf", root]))
        os.makedirs(os.path.join(root, "engine"))
        for rel, text in files.items():
            path = os.path.join(root, rel)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "w") as f:
                f.write(text)
        return root

    def run_checker(self, root):
        return subprocess.run([sys.executable, CHECKER, root], capture_output=True, text=True)

    def test_allowed_includes_pass(self):
        root = self.tree({
            "engine/2d/CCNode.h": '#include "base/CCRef.h"\n#include <vector>\n',
            "engine/ui/UIWidget.h": '#include "2d/CCNode.h"\n',
            "engine/cocostudio/Reader.cpp": '#include "ui/UIWidget.h"\n',
            "editor/EditorNode.h": '#include "2d/CCNode.h"\n#include <wx/string.h>\n#include "editor/EditorObject.h"\n',
            "particle/P.h": '#include "editor/EditorNode.h"\n#include "cocos2d.h"\n',
            "view/V.h": '#include "editor/EditorNode.h"\n#include <gtk/gtk.h>\n',
            "ui/MainFrame.h": '#include "particle/P.h"\n#include "view/V.h"\n#include "app/A.h"\n',
            "tools/t/main.cpp": '#include "2d/CCNode.h"\n#include "Report.h"\n#include "render/R.h"\n',
            "render/R.h": '#include "2d/CCNode.h"\n#include "Frames.h"\n',
            "ui/Export.cpp": '#include "render/R.h"\n',
            "app/A.h": '#include "base/CCDirector.h"\n#include <wx/string.h>\n',
            "program/MyApp.cpp": '#include "ui/MainFrame.h"\n#include "app/A.h"\n#include "editor/EditorNode.h"\n',
        })
        result = self.run_checker(root)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_each_upward_include_is_reported(self):
        root = self.tree({
            "editor/EditorObject.h": '#include "ui/MainFrame.h"\n',
            "editor/Other.cpp": '  #  include "particle/P.h"\n',
            "particle/P.cpp": '#include "view/V.h"\n',
            "view/V.cpp": '#include "app/EditorConfig.h"\n',
            "engine/2d/CCNode.h": '#include <wx/string.h>\n',
            "engine/base/CCRef.h": '#include "editor/EditorNode.h"\n',
            "tools/t/main.cpp": '#include <wx/app.h>\n',
            "app/UpdateCheck.cpp": '#include "ui/MainFrame.h"\n',
            "ui/MainFrame.cpp": '#include "program/MyApp.h"\n',
            "render/R.cpp": '#include <wx/image.h>\n#include "editor/EditorNode.h"\n',
        })
        result = self.run_checker(root)
        self.assertEqual(result.returncode, 1)
        for expected in ("editor/EditorObject.h:1: editor/ may not include ui/MainFrame.h",
                         "editor/Other.cpp:1: editor/ may not include particle/P.h",
                         "particle/P.cpp:1: particle/ may not include view/V.h",
                         "view/V.cpp:1: view/ may not include app/EditorConfig.h",
                         "engine/2d/CCNode.h:1: engine/ may not include wx/string.h",
                         "engine/base/CCRef.h:1: engine/ may not include editor/EditorNode.h",
                         "tools/t/main.cpp:1: tools/ may not include wx/app.h",
                         "app/UpdateCheck.cpp:1: app/ may not include ui/MainFrame.h",
                         "ui/MainFrame.cpp:1: ui/ may not include program/MyApp.h",
                         "render/R.cpp:1: render/ may not include wx/image.h",
                         "render/R.cpp:2: render/ may not include editor/EditorNode.h"):
            self.assertIn(expected, result.stdout)
        self.assertEqual(len(result.stdout.splitlines()), 11, result.stdout)

    def test_a_folder_that_is_not_a_source_tree_is_an_error(self):
        result = self.run_checker(tempfile.gettempdir() + "/no-such-tree")
        self.assertEqual(result.returncode, 2)


if __name__ == "__main__":
    unittest.main()
