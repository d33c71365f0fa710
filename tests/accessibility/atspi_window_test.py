#!/usr/bin/python3
"""Drives the calculator the way a screen reader does: only over AT-SPI.

It finds the window on the accessibility bus, types numbers through the
EditableText interface, presses buttons through the Action interface, waits
for the announced results (a caption's accessible description changes and an
event says so), and reads refusals from their alert.

Run it with run-atspi-test.sh, which starts the buses, the virtual display and
the program. It starts the program a second time with --practice (given
--program PATH) and answers a question wrong, then right, reading the question
and the feedback as they are announced. With --tree it only prints the
window's accessibility tree.
Each check prints one line; the last line counts them, and the exit status is
1 when any failed.
"""
import math
import os
import re
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

WINDOW_TITLE = "Factorization, HCF & LCM of Numbers"
WORKING_TITLE = "Working - Factors, HCF & LCM"
PRACTICE_TITLE = "Practice \u2013 Factors, HCF & LCM"
WAIT_SECONDS = 10
START_SECONDS = 30
# The program, to start again with --practice (given as --program PATH).
PROGRAM = sys.argv[sys.argv.index("--program") + 1] if "--program" in sys.argv[:-1] else None

NUMBERS_BOX = "Numbers separated by spaces"
BOUND_BOXES = ("Prime range box 1", "Prime range box 2")
FACTORS_BUTTON = "Find the factors of the first number"
HCF_BUTTON = "Find the HCF of the numbers"
LCM_BUTTON = "Find the LCM of the numbers"
PRIMES_BUTTON = "Find the primes between the two boxes"
PRIME_LIST = "Primes found"


class CheckFailed(Exception):
    pass


def pump():
    """Handles what is waiting in the event loop (the AT-SPI events)."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(condition, what, seconds=WAIT_SECONDS):
    """Returns condition()'s first true value within the time, else fails."""
    end = time.monotonic() + seconds
    while True:
        pump()
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise CheckFailed(f"no {what} within {seconds} s")
        time.sleep(0.02)


def descendants(node):
    yield node
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None:
            yield from descendants(child)


def find(root, role, name):
    for node in descendants(root):
        if node.get_role() == role and node.get_name() == name:
            return node
    raise CheckFailed(f"no {role.value_nick} named {name!r}")


def action_names(node):
    # Its successor, atspi_action_get_name, is not in the introspection data.
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", DeprecationWarning)
        return [node.get_action_name(index) for index in range(node.get_n_actions())]


def do_action(node, name):
    names = action_names(node)
    if name not in names:
        raise CheckFailed(f"{node.get_name()!r} offers no {name!r} action, only {names}")
    if not node.do_action(names.index(name)):
        raise CheckFailed(f"{node.get_name()!r} refused its {name!r} action")


class Announcements:
    """Records which accessibles announced a new description, and what it was."""

    def __init__(self):
        self.heard = []
        self.listener = Atspi.EventListener.new(self.hear)
        self.listener.register("object:property-change:accessible-description")

    def hear(self, event):
        # Qt sends the object, not its new description, with the event: read
        # the description as the event is handled.
        try:
            self.heard.append((event.source.get_name(), event.source.get_description()))
        except GLib.Error:
            pass  # its object went away before the event was read

    def clear(self):
        pump()
        self.heard.clear()

    def has(self, name, description):
        return (name, description) in self.heard


class Window:
    """The program's main window on the bus, and the ways a user reaches it."""

    def __init__(self, frame, announcements):
        self.frame = frame
        self.application = frame.get_application()
        self.announcements = announcements

    def type_into(self, box_name, text):
        box = find(self.frame, Atspi.Role.TEXT, box_name)
        if not box.set_text_contents(text):
            raise CheckFailed(f"{box_name!r} refused the text {text!r}")
        wait_for(lambda: box.get_text(0, -1) == text, f"{text!r} in {box_name!r}")

    def press(self, button_name):
        do_action(find(self.frame, Atspi.Role.PUSH_BUTTON, button_name), "Press")

    def announced(self, caption_name, expected):
        """Waits until the caption announces expected as its description."""
        caption = find(self.frame, Atspi.Role.LABEL, caption_name)
        try:
            wait_for(lambda: self.announcements.has(caption_name, expected),
                     f"announcement {expected!r} by {caption_name!r}")
        except CheckFailed as failure:
            raise CheckFailed(f"{failure}; it reads {caption.get_description()!r}") from None

    def alerts(self):
        """The program's alerts on the screen, each a window of its own."""
        shown = []
        for index in range(self.application.get_child_count()):
            try:
                child = self.application.get_child_at_index(index)
                if child is not None and child.get_role() in (Atspi.Role.ALERT, Atspi.Role.DIALOG) \
                        and child.get_state_set().contains(Atspi.StateType.SHOWING):
                    shown.append(child)
            except GLib.Error:
                pass  # a window that closed while it was read
        return shown

    def close_alert(self, alert):
        do_action(find(alert, Atspi.Role.PUSH_BUTTON, "OK"), "Press")
        wait_for(lambda: alert not in self.alerts(), "closing of the alert")


def alert_text(alert):
    return " ".join(node.get_name() for node in descendants(alert)
                    if node.get_role() == Atspi.Role.LABEL)


# Results: case, numbers typed, button pressed, caption read, what it announces.
RESULTS = [
    ("factors of 360", "360", FACTORS_BUTTON, "Factors", " 2 x 2 x 2 x 3 x 3 x 5"),
    ("HCF of 12 18", "12 18", HCF_BUTTON, "HCF", "HCF = 6"),
    ("LCM of 12 18", "12 18", LCM_BUTTON, "LCM", "LCM = 36"),
]

# Primes: case, the two bounds, the count announced, the listed primes.
PRIMES = [
    ("primes from 20 to 30", ("20", "30"), "2 Primes", ["23", "29"]),
    ("primes from 1 to 10", ("1", "10"), "4 Primes", ["2", "3", "5", "7"]),
]

# Refusals: case, the boxes typed into and their texts, button, the alert's text.
REFUSALS = [
    ("HCF of one number", {NUMBERS_BOX: "12"}, HCF_BUTTON,
     "You must have two numbers to Find HCF."),
    ("prime bound 0", {BOUND_BOXES[0]: "0", BOUND_BOXES[1]: "10"}, PRIMES_BUTTON,
     "Enter positive valid number in Box 1."),
]


# A caption's menu entries as actions: case, numbers, button, caption, the
# actions it offers then, and what its "Copy" puts on the clipboard.
COPIES = [
    ("HCF caption: Copy", "12 18", HCF_BUTTON, "HCF", ["Copy", "Show Working"], "HCF = 6"),
    ("LCM factors caption: Copy", "12 18", LCM_BUTTON, "LCM factors", ["Copy", "Show Working"],
     "LCM Factors:  2 x 3 x 2 x 3"),
    ("factors caption: Copy drops the leading blank", "12", FACTORS_BUTTON, "Factors", ["Copy", "Show Working"],
     "2 x 2 x 3"),
]

# Show Working on a caption: case, numbers, button, caption, the steps' first and last lines.
WORKINGS = [
    ("LCM caption: Show Working", "12 18", LCM_BUTTON, "LCM", "LCM of 12, 18", "LCM = 2 x 3 x 2 x 3 = 36"),
    ("factors caption: Show Working", "360", FACTORS_BUTTON, "Factors", "Factors of 360", "360 = 2^3 x 3^2 x 5"),
]


# The Working window's picture page, switched to through its tab's "Press"
# action: case, numbers, button, caption, the picture's description.
PICTURES = [
    ("HCF caption: the Venn diagram in words", "12 18", HCF_BUTTON, "HCF",
     "Venn diagram of 12 and 18: in 12 only: 2; in 12 and 18: 2, 3; in 18 only: 3"),
    ("factors caption: the factor tree in words", "360", FACTORS_BUTTON, "Factors",
     "Factor tree of 360: 360 = 18 x 20; 18 = 3 x 6; 6 = 2 x 3; 20 = 4 x 5; 4 = 2 x 2; "
     "360 = 2 to the power 3 x 3 to the power 2 x 5"),
]


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True,
                          timeout=WAIT_SECONDS).stdout


def check_result(window, numbers, button, caption, expected):
    window.type_into(NUMBERS_BOX, numbers)
    window.announcements.clear()
    window.press(button)
    if expected is not None:
        window.announced(caption, expected)
    else:
        wait_for(lambda: any(name == caption for name, _ in window.announcements.heard), f"a result in {caption!r}")


def check_primes(window, bounds, count, primes):
    for box, bound in zip(BOUND_BOXES, bounds):
        window.type_into(box, bound)
    window.announcements.clear()
    window.press(PRIMES_BUTTON)
    window.announced("Prime count", count)
    listed = [item.get_name() for item in descendants(find(window.frame, Atspi.Role.LIST, PRIME_LIST))
              if item.get_role() == Atspi.Role.LIST_ITEM]
    if listed != primes:
        raise CheckFailed(f"the list holds {listed}, not {primes}")


def check_refusal(window, boxes, button, message):
    for box, text in boxes.items():
        window.type_into(box, text)
    window.press(button)
    alert = wait_for(lambda: next(iter(window.alerts()), None), "alert")
    shown = alert_text(alert)
    window.close_alert(alert)
    if shown != message:
        raise CheckFailed(f"the alert says {shown!r}, not {message!r}")


def check_copy(window, numbers, button, caption, actions, copied):
    check_result(window, numbers, button, caption, None)
    node = find(window.frame, Atspi.Role.LABEL, caption)
    if action_names(node) != actions:
        raise CheckFailed(f"{caption!r} offers {action_names(node)}, not {actions}")
    do_action(node, "Copy")
    wait_for(lambda: clipboard() == copied, f"{copied!r} on the clipboard")


def working_window(window):
    for index in range(window.application.get_child_count()):
        child = window.application.get_child_at_index(index)
        if child is not None and child.get_name() == WORKING_TITLE \
                and child.get_state_set().contains(Atspi.StateType.SHOWING):
            return child
    return None


def check_working(window, numbers, button, caption, first, last):
    check_result(window, numbers, button, caption, None)
    do_action(find(window.frame, Atspi.Role.LABEL, caption), "Show Working")
    working = wait_for(lambda: working_window(window), "the Working window")
    # Its steps are its first text object, read line by line.
    steps = next(node for node in descendants(working) if node.get_role() == Atspi.Role.TEXT)
    lines = wait_for(lambda: steps.get_text(0, -1).split("\n"), "the steps")
    if lines[0] != first or lines[-1] != last:
        raise CheckFailed(f"the steps run from {lines[0]!r} to {lines[-1]!r}")


def check_picture(window, numbers, button, caption, description):
    check_result(window, numbers, button, caption, None)
    do_action(find(window.frame, Atspi.Role.LABEL, caption), "Show Working")
    working = wait_for(lambda: working_window(window), "the Working window")
    do_action(find(working, Atspi.Role.PAGE_TAB, "Picture"), "Press")
    picture = next((node for node in descendants(working) if node.get_name() == "Picture"
                    and node.get_role() != Atspi.Role.PAGE_TAB), None)
    if picture is None:
        raise CheckFailed("no picture in the Working window")
    wait_for(lambda: picture.get_description() == description,
             f"the description {description!r}; it reads {picture.get_description()!r}")
    do_action(find(working, Atspi.Role.PAGE_TAB, "Steps"), "Press")


def find_frame(title):
    """The first frame named title of any program on the bus, or None."""
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        application = desktop.get_child_at_index(index)
        if application is None:
            continue
        for frame in range(application.get_child_count()):
            child = application.get_child_at_index(frame)
            if child is not None and child.get_name() == title \
                    and child.get_state_set().contains(Atspi.StateType.SHOWING):
                # Every read goes to the program: its events may come late.
                application.set_cache_mask(Atspi.Cache.NONE)
                return child
    return None


def smallest_factor(n):
    return next((p for p in range(2, math.isqrt(n) + 1) if n % p == 0), n)


def answers_to(question):
    """A wrong and a right answer to the question, worked out here from its words."""
    numbers = [int(n) for n in re.findall(r"\d+", question)]
    if question.startswith("Write "):
        n, factors = numbers[0], []
        while n > 1:
            factors.append(smallest_factor(n))
            n //= factors[-1]
        return "1 x " + str(numbers[0]), " x ".join(map(str, factors))
    if question.startswith("Find the HCF"):
        return "1", str(math.gcd(*numbers))
    if question.startswith("Find the LCM"):
        return "1", str(math.lcm(*numbers))
    n = numbers[0]
    p = smallest_factor(n)
    return "1 x 1", "prime" if p == n else f"{p} x {n // p}"


def check_practice(window, options):
    """Starts a second program with the options, which opens the Practice
    window over its main window; answers one question wrong, then right."""
    if PROGRAM is None:
        raise CheckFailed("no --program PATH given to start the program with --practice")
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    program = subprocess.Popen([PROGRAM, *options], env=environment)
    try:
        practice = wait_for(lambda: find_frame(PRACTICE_TITLE), "the Practice window", START_SECONDS)
        application = practice.get_application()
        if not any(application.get_child_at_index(i).get_name() == WINDOW_TITLE
                   for i in range(application.get_child_count())):
            raise CheckFailed("no main window beside the Practice window")
        question = find(practice, Atspi.Role.LABEL, "Question")
        text = wait_for(lambda: question.get_description(), "a question")
        wrong, right = answers_to(text)
        for answer, is_right in ((wrong, False), (right, True)):
            box = find(practice, Atspi.Role.TEXT, "Answer")
            if not box.set_text_contents(answer):
                raise CheckFailed(f"the answer box refused {answer!r}")
            window.announcements.clear()
            do_action(find(practice, Atspi.Role.PUSH_BUTTON, "Check"), "Press")
            said = wait_for(lambda: next((d for name, d in window.announcements.heard
                                          if name == "Feedback" and d), None),
                            f"the feedback on {answer!r} to {text!r}")
            if said.startswith("Right!") != is_right:
                raise CheckFailed(f"{answer!r} to {text!r} got {said!r}")
            if any(child.get_role() == Atspi.Role.ALERT for child in descendants(practice.get_application())):
                raise CheckFailed(f"the verdict {said!r} came as an alert")
    finally:
        program.terminate()
        program.wait(WAIT_SECONDS)


# Practice: case, the options of the program started.
PRACTICE = [
    ("--practice: one question wrong, then right", ["--practice"]),
    ("--practice --seed: one question wrong, then right", ["--practice", "--seed", "2026"]),
]


def checks():
    """Every check as its case name, function and arguments."""
    for case, *row in RESULTS:
        yield case, check_result, row
    for case, *row in PRIMES:
        yield case, check_primes, row
    for case, *row in REFUSALS:
        yield case, check_refusal, row
    for case, *row in COPIES:
        yield case, check_copy, row
    for case, *row in WORKINGS:
        yield case, check_working, row
    for case, *row in PICTURES:
        yield case, check_picture, row
    for case, *row in PRACTICE:
        yield case, check_practice, row


def find_window():
    return wait_for(lambda: find_frame(WINDOW_TITLE), f"window {WINDOW_TITLE!r} on the accessibility bus", START_SECONDS)


def print_tree(node, depth=0):
    print(f"{'  ' * depth}{node.get_role_name()} {node.get_name()!r} {node.get_description()!r}"
          f" {action_names(node) if 'Action' in node.get_interfaces() else ''}")
    for index in range(node.get_child_count()):
        print_tree(node.get_child_at_index(index), depth + 1)


def main():
    Atspi.init()
    Atspi.set_timeout(5000, 30000)
    try:
        window = Window(find_window(), Announcements())
    except CheckFailed as failure:
        print(f"FAIL: the program on the bus: {failure}")
        print("0 passed, 1 failed")
        return 1
    if "--tree" in sys.argv[1:]:
        print_tree(window.application)
        return 0

    passed = failed = 0
    for case, check, row in checks():
        try:
            for alert in window.alerts():  # left open by a failed check
                window.close_alert(alert)
            check(window, *row)
            print(f"ok: {case}")
            passed += 1
        except (CheckFailed, GLib.Error) as failure:
            print(f"FAIL: {case}: {failure}")
            failed += 1
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
