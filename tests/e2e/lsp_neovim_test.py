"""drev lsp under a real client: Debian's Neovim, headless, with its built-in LSP client started by
the Neovim setup of editors/ on a copy of vantora.ui. A broken line's diagnostic is drev check's
line at that line and goes when the line is mended; completion inside Style, hover, the jump from
a parent name to its window, the outline and formatting. The Helix and VS Code setups are read
for what they start."""

import json
import os
import shutil
import subprocess
import tomllib
import unittest

import drevtest


class NeovimTest(unittest.TestCase):
    def test_neovim_client_sees_what_drev_check_sees(self):
        nvim = shutil.which("nvim")
        self.assertIsNotNone(nvim, "Neovim is not installed (scripts/setup.sh check installs it)")
        work = drevtest.WorkDir("vantora.ui")
        self.addCleanup(work.remove)
        source = os.path.dirname(drevtest.DATA)
        hello = os.path.join(source, "examples", "hello", "hello.ui")
        with open(hello, encoding="utf-8") as f:
            comment, *rest = f.read().splitlines()
        work.write("squeezed.ui", comment + "\n" + " ".join(line.strip() for line in rest) + "\n")
        env = dict(os.environ, DREV=drevtest.DREV, UI_FILE=work.file("vantora.ui"), RESULT=work.file("result.json"),
                   SETUP=os.path.join(source, "editors", "nvim", "plugin", "drev.lua"), SQUEEZED=work.file("squeezed.ui"))
        subprocess.run([nvim, "--headless", "-u", "NONE", "-i", "NONE", "-n", "-c",
                        "luafile " + os.path.join(os.path.dirname(__file__), "lsp_neovim_client.lua")],
                       cwd=work.path, env=env, stdin=subprocess.DEVNULL, timeout=120, check=True)
        with open(work.file("result.json"), encoding="utf-8") as f:
            result = json.load(f)

        self.assertEqual(result["filetype"], "drevui")
        # The diagnostic stands at the broken line and reads as drev check's line for that text.
        broken = work.read("vantora.ui").replace("Left 124 Top 20", "Left +124 Top 20", 1)
        work.write("broken.ui", broken)
        code, _, err = drevtest.run_command(["check", work.file("broken.ui")], work.path)
        self.assertEqual(code, 1)
        place, _, message = err.strip().partition(": error: ")
        self.assertEqual(place, "%s:%d" % (work.file("broken.ui"), result["broken_line"] + 1))
        self.assertEqual(result["diagnostics"],
                         [{"line": result["broken_line"], "message": message.replace("broken.ui", "vantora.ui")}])
        self.assertTrue(result["cleared"])

        self.assertEqual(result["style_keys"], ["Shape", "Contour", "Border"])
        self.assertIn("**Aspect** (Style)", result["hover"])
        self.assertEqual(result["definition_line"], result["window_line"])
        self.assertEqual(result["symbols"], ["uiFontTable:0", "uiColorTable:0", "Animations:21", "Aspects:7",
                                             "Fills:11", "Buttons:5"])
        with open(hello, encoding="utf-8") as f:
            self.assertEqual(result["formatted"], f.read().splitlines())

    def test_helix_and_vscode_setups_start_drev_lsp(self):
        editors = os.path.join(os.path.dirname(drevtest.DATA), "editors")
        with open(os.path.join(editors, "helix", "languages.toml"), "rb") as f:
            helix = tomllib.load(f)
        self.assertEqual(helix["language-server"]["drev"], {"command": "drev", "args": ["lsp"]})
        self.assertEqual(helix["language"][0]["formatter"], {"command": "drev", "args": ["fmt", "-"]})
        vscode = os.path.join(editors, "vscode")
        with open(os.path.join(vscode, "package.json"), encoding="utf-8") as f:
            package = json.load(f)
        grammar = package["contributes"]["grammars"][0]
        with open(os.path.join(vscode, grammar["path"]), encoding="utf-8") as f:
            self.assertEqual(json.load(f)["scopeName"], grammar["scopeName"])
        self.assertEqual(package["contributes"]["languages"][0]["id"], grammar["language"])
        with open(os.path.join(vscode, package["main"]), encoding="utf-8") as f:
            self.assertIn("args: ['lsp']", f.read())


if __name__ == "__main__":
    drevtest.main()
