"""What any program on the accessibility bus may ask of Tandro's real window, as a screen reader
asks it, a check each: an edit of a name box at an offset outside the name is refused, and the
program does not grow to reach it; an edit during a game waits for the game's end, as typing does;
a press of Go, Clear All or Clear Partner while About is open does nothing, as a click does.

    session.sh python3 -m unittest outside_callers     (TANDRO names the program)
"""

import os
import subprocess
import tempfile
import time
import unittest

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def until(condition, timeout=30):
    """Waits until condition() is true, for timeout seconds at most; whether it came true."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(0.1)
    return False


def objects(root):
    """Every object of the tree under root, root first."""
    found, stack = [], [root]
    while stack:
        item = stack.pop()
        found.append(item)
        stack.extend(item.get_child_at_index(i) for i in reversed(range(item.get_child_count())))
    return found


class OutsideCallers(unittest.TestCase):
    def setUp(self):
        said = tempfile.TemporaryFile()
        self.addCleanup(said.close)
        self.tandro = subprocess.Popen([os.environ["TANDRO"]], stdout=subprocess.DEVNULL,
                                       stderr=said)
        self.addCleanup(self.tandro.wait)
        self.addCleanup(self.tandro.kill)
        if not until(lambda: self.tandro.poll() is not None
                     or self.find("Your Partners Name", Atspi.Role.TEXT), 90):
            self.fail("Tandro's window is not on the accessibility bus")
        if self.tandro.poll() is not None:
            said.seek(0)
            self.fail(f"Tandro ended with status {self.tandro.returncode}:\n"
                      + said.read().decode(errors="replace"))

    def application(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == self.tandro.pid:
                return app
        return None

    def find(self, name, role):
        """The object of that name and role in Tandro's windows, or None."""
        app = self.application()
        if app is None:
            return None
        return next((item for item in objects(app)
                     if item.get_role() == role and item.get_name() == name), None)

    def name_box(self, name="Your Name"):
        return self.find(name, Atspi.Role.TEXT)

    def text(self, box):
        return Atspi.Text.get_text(box, 0, -1)

    def press(self, name, role=Atspi.Role.PUSH_BUTTON):
        Atspi.Action.do_action(self.find(name, role), 0)

    def resident_kib(self):
        with open(f"/proc/{self.tandro.pid}/status", encoding="ascii") as status:
            return next(int(line.split()[1]) for line in status if line.startswith("VmRSS:"))

    def crossed_out(self):
        """The words the board reads as crossed out."""
        app = self.application()
        return [item.get_name() for item in objects(app) if item.get_name().endswith(", crossed out")]

    def test_edits_outside_the_name_are_refused(self):
        box = self.name_box()
        Atspi.EditableText.set_text_contents(box, "Ram")
        self.assertTrue(until(lambda: self.text(box) == "Ram"))
        before = self.resident_kib()
        for edit in (lambda: Atspi.EditableText.insert_text(box, 50_000_000, "x", 1),
                     lambda: Atspi.EditableText.insert_text(box, -1, "x", 1),
                     lambda: Atspi.EditableText.delete_text(box, 1, 50_000_000),
                     lambda: Atspi.EditableText.delete_text(box, -2, 1)):
            edit()
            self.assertEqual(self.text(box), "Ram", "the name is as it was")
        grown = self.resident_kib() - before
        print(f"the refused edits changed the resident memory by {grown} KiB")
        self.assertLess(grown, 10_000, "the program did not grow to reach the offset")
        Atspi.EditableText.insert_text(box, 3, "x", 1)
        self.assertTrue(until(lambda: self.text(box) == "Ramx"), "an edit within the name is made")

    def test_an_edit_during_a_game_waits_for_its_end(self):
        Atspi.EditableText.set_text_contents(self.name_box(), "Ram")
        partner = self.name_box("Your Partners Name")
        Atspi.EditableText.set_text_contents(partner, "Sita")
        self.assertTrue(until(lambda: self.text(partner) == "Sita"))
        self.press("Go")
        self.assertTrue(until(lambda: self.crossed_out()), "the game has begun")
        Atspi.EditableText.insert_text(partner, 4, "z", 1)
        self.assertEqual(self.text(partner), "Sita", "the edit waits")
        self.assertTrue(until(lambda: self.find("The result is Hates.", Atspi.Role.NOTIFICATION)),
                        "the game ends")
        self.assertTrue(until(lambda: self.text(partner) == "Sitaz"), "then the edit is made")

    def test_presses_while_about_is_open_do_nothing(self):
        Atspi.EditableText.set_text_contents(self.name_box(), "Ram")
        Atspi.EditableText.set_text_contents(self.name_box("Your Partners Name"), "Sita")
        self.press("About", Atspi.Role.MENU_ITEM)
        self.assertTrue(until(lambda: self.find("OK", Atspi.Role.PUSH_BUTTON)), "About is open")
        for button in ("Go", "Clear All", "Clear Partner"):
            self.press(button)
        time.sleep(1)  # ten times a button's pressing
        self.assertEqual(self.crossed_out(), [], "no game was played")
        self.assertEqual([self.text(self.name_box()), self.text(self.name_box("Your Partners Name"))],
                         ["Ram", "Sita"], "no name was cleared")
        self.press("OK")


if __name__ == "__main__":
    unittest.main()
