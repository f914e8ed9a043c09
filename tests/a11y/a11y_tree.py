#!/usr/bin/python3
"""The game as a screen reader meets it, out of process over AT-SPI: the names, roles and states
of the game view and the dialogs, before and after a guess, a mark and a solved word, and what is
announced on the way. Keys go in through the X server, as a person's would.

Usage: a11y_tree.py <path to veltrane-quillorn>   (run by run.sh, on its own session bus)
"""
import os
import sys

import pyatspi

from a11y_common import (DOWN, ESCAPE, F1, F4, RETURN, TAB, UP, button, check, children, dialog_named, find,
                         find_all, find_app, finish, game_folder, has_state, labels, open_tools_item, plain, pump,
                         key, role, running, type_text, wait_for)

EXTRA_SETS = ("Birds", "Zebras", "Kitchen things")
announcements = []
focus_moves = []


def on_event(event):
    if event.type.startswith("object:announcement"):
        announcements.append(str(event.any_data))
    elif event.type.startswith("object:state-changed:focused") and event.detail1 == 1:
        try:
            focus_moves.append((event.source.getRoleName(), event.source.name))
        except Exception:
            pass


FOCUSABLE_ROLES = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
                   pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_SLIDER,
                   pyatspi.ROLE_LIST, pyatspi.ROLE_TOGGLE_BUTTON)


def check_control_names(dlg, title):
    """Every control a player can reach in the dialog has a name, and a label that says it labels
    the control (which readers speak instead of the control's own name) says the same."""
    wrong = []

    def walk(o, d):
        if d > 10:
            return
        for c in children(o):
            if c is None:
                continue
            try:
                if c.getRole() in FOCUSABLE_ROLES and c.getState().contains(pyatspi.STATE_FOCUSABLE) or \
                        c.getRole() in (pyatspi.ROLE_LIST, pyatspi.ROLE_COMBO_BOX):
                    labelled_by = [r.getTarget(i).name for r in c.getRelationSet()
                                   if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(r.getNTargets())]
                    # A list or slider shows no name of its own: without a label it would be
                    # read by its value.
                    unlabelled = c.getRole() in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SLIDER) and not labelled_by
                    # A toolkit's drop-down list takes the entry it shows for its name; its
                    # label is what names it.
                    shows_entry = c.getRole() == pyatspi.ROLE_COMBO_BOX and labelled_by
                    if not plain(c.name) or unlabelled or \
                            not shows_entry and any(plain(n) != plain(c.name) for n in labelled_by):
                        wrong.append(f"{c.getRoleName()} {c.name!r} labelled by {labelled_by}")
            except Exception:
                continue
            walk(c, d + 1)
    walk(dlg, 0)
    check(not wrong, f"{title}: every control is named by its own label {wrong}")


def main():
    # More sets in the player's own folder: listed after the program's, so Test is still played.
    with game_folder(sys.argv[1], user_sets=EXTRA_SETS) as (game, env):
        pyatspi.Registry.registerEventListener(on_event, "object:announcement", "object:state-changed:focused")
        with running([game], env, cwd=os.path.dirname(game)):
            run()
    return finish()


def run():
    app = wait_for(find_app, 20)
    if not check(app is not None, "the game is on the accessibility bus"):
        return

    # New Game: the dialog role, the painted texts as labels, Go focused and taking Enter.
    dlg = wait_for(lambda: dialog_named(app, "Quillorn"), 10)
    if not check(dlg is not None, "New Game comes up with the dialog role"):
        return
    texts = labels(dlg)
    check_control_names(dlg, "New Game")
    check("Guess the magic 5 lettered word" in texts, f"New Game reads the word length: {texts}")
    check(any("right place (Bingo)." in t for t in texts), "New Game reads the rules")
    go = button(dlg, "Go =>>")
    check(go is not None and wait_for(lambda: has_state(go, pyatspi.STATE_FOCUSED), 5), "Go =>> has the first focus")
    key(RETURN)
    check(wait_for(lambda: dialog_named(app, "Quillorn") is None, 5), "Enter presses Go =>>")

    view = wait_for(lambda: find(app, lambda o: o.name == "Veltrane Quillorn game"), 5)
    if not check(view is not None, "the view is a group named Veltrane Quillorn game"):
        return
    check(role(view, pyatspi.ROLE_GROUPING), f"the view's role is grouping ({view.getRoleName()})")
    # Xvfb runs no window manager to hand the focus back when a dialog closes; ask for it the
    # way a reader's "focus this" command does.
    view.queryComponent().grabFocus()
    pump(0.3)
    kids = children(view)
    guess = next((c for c in kids if role(c, pyatspi.ROLE_TEXT)), None)
    status = next((c for c in kids if role(c, pyatspi.ROLE_STATUS_BAR)), None)
    hist = next((c for c in kids if role(c, pyatspi.ROLE_LIST)), None)
    keys = [c for c in kids if role(c, pyatspi.ROLE_TOGGLE_BUTTON)]
    check(guess is not None and guess.name == "Guess: blank blank blank blank blank, cursor on cell 1",
          f"the guess reads its empty cells ({guess and guess.name})")
    check(guess is not None and guess.queryText().getText(0, -1) == guess.name, "the guess offers its text")
    check(status is not None and status.name == "Level 1, Score 240", f"the status reads level and score ({status and status.name})")
    check(hist is not None and hist.childCount == 0, "the history list starts empty")
    check([k.name for k in keys] == [chr(c) for c in range(ord("A"), ord("Z") + 1)], "26 keys named A to Z")

    type_text("pl")
    check(wait_for(lambda: guess.name == "Guess: P L blank blank blank, cursor on cell 3", 3),
          f"typing fills the guess ({guess.name})")
    type_text("ant\r")
    row = wait_for(lambda: hist.childCount == 1 and hist.getChildAtIndex(0), 3)
    check(row is not None and row.name == "1. PLANT, match 3, bingo 0" and role(row, pyatspi.ROLE_LIST_ITEM),
          f"the guess joins the list as a row ({row and row.name})")
    check(wait_for(lambda: "1. PLANT, match 3, bingo 0" in announcements, 3), f"the new row is announced {announcements}")
    check(guess.description == "1. PLANT, match 3, bingo 0", f"and said on the focused guess ({guess.description!r})")

    # Marking by keyboard: Tab into the keypad, down to L, Space strikes it, Escape back.
    key(TAB)
    check(wait_for(lambda: has_state(keys[0], pyatspi.STATE_FOCUSED), 3), "Tab focuses key A")
    check(not has_state(guess, pyatspi.STATE_FOCUSED), "the guess gives up the focus to the keypad")
    for _ in range(11):
        key(DOWN)
    check(wait_for(lambda: has_state(keys[11], pyatspi.STATE_FOCUSED), 3), "Down walks to key L")
    key(0x20)
    check(wait_for(lambda: keys[11].name == "L, struck", 3), f"Space strikes L ({keys[11].name!r})")
    check(keys[11].description.startswith("Click to strike out"), f"the key says what a click does ({keys[11].description!r})")
    check(has_state(keys[11], pyatspi.STATE_CHECKED), "a marked key is checked")
    check(wait_for(lambda: row.name == "1. PLANT, match 3, bingo 0, struck L", 3), f"the row says L is struck ({row.name})")
    key(ESCAPE)
    check(wait_for(lambda: has_state(guess, pyatspi.STATE_FOCUSED), 3), "Escape returns to the guess")
    check(not has_state(keys[11], pyatspi.STATE_FOCUSED), "the key loses the focus")

    # A solved word: announced, then the box, then the Level dialog with its painted lines.
    type_text("apple\r")
    check(wait_for(lambda: "Solved APPLE in 2 guesses." in announcements, 5), f"the solved word is announced {announcements}")
    box = wait_for(lambda: find(app, lambda o: role(o, pyatspi.ROLE_ALERT) or (
        role(o, pyatspi.ROLE_DIALOG) and "Congratulations" in " ".join(labels(o))), depth=2), 5)
    check(box is not None, "the congratulation box is up")
    walk_review(app)
    level = wait_for(lambda: dialog_named(app, "Level"), 5)
    if check(level is not None, "the Level dialog has the dialog role"):
        texts = labels(level)
        check_control_names(level, "Level")
        check("Finished Level: 1" in texts and "Continue to Level: 2?" in texts, f"Level reads both lines: {texts}")
        yes = button(level, "Yes")
        check(yes is not None and wait_for(lambda: has_state(yes, pyatspi.STATE_FOCUSED), 5), "Yes has the first focus")
        key(RETURN)
        check(wait_for(lambda: dialog_named(app, "Level") is None, 5), "Enter answers Yes")
    dlg = wait_for(lambda: dialog_named(app, "Quillorn"), 5)
    if check(dlg is not None, "Yes goes on to the next word"):
        key(RETURN)
        view.queryComponent().grabFocus()
        check(wait_for(lambda: hist.childCount == 0, 5), "the list is empty for the new word")
        check(wait_for(lambda: keys[11].name == "L", 3), "the new word clears the marks")
        check(wait_for(lambda: status.name.startswith("Level 2, Score "), 3), f"the status shows level 2 ({status.name})")

    # The Tools dialogs, opened by keyboard.
    for downs, title, want in (
        (1, "About Veltrane Quillorn", lambda d: "Version 1.0" in labels(d) and button(d, "OK")),
        (3, "Top Players", lambda d: "Beginner:" in labels(d) and button(d, "Reset") and
         "Beginner, fewest tries: no record yet" in labels(d) and "Advanced, Time Trial score: no record yet" in labels(d)),
        (4, "Options", lambda d: find(d, lambda o: role(o, pyatspi.ROLE_COMBO_BOX) and o.name == "Game Set") and
         all(find(d, lambda o, n=n: role(o, pyatspi.ROLE_CHECK_BOX) and o.name == n) for n in ("Hard Mode", "Word Check"))),
        (5, "Statistics", lambda d: button(d, "Clear statistics") and
         find(d, lambda o: role(o, pyatspi.ROLE_COMBO_BOX) and o.name == "Beginner" and
              [plain(r.getTarget(0).name) for r in o.getRelationSet()] == ["Skill"])),
    ):
        dlg = open_tools_item(app, view, downs, title)
        if check(dlg is not None, f"the Tools menu opens {title} with the dialog role"):
            check(wait_for(lambda: want(dlg), 3), f"{title} exposes its texts and named fields")
            check_control_names(dlg, title)
            if title == "Options":
                walk_set_list(dlg)
                walk_color_dialog(app, dlg)
            key(ESCAPE)
            check(wait_for(lambda: dialog_named(app, title) is None, 5), f"Escape closes {title}")

    walk_help(app, view)

    # Level 2 solved and not continued: the score is a record, and Player Name asks for a name.
    view.queryComponent().grabFocus()
    pump(0.2)
    type_text("plant\r")
    box = wait_for(lambda: find(app, lambda o: role(o, pyatspi.ROLE_ALERT), depth=2), 5)
    if check(box is not None, "the second word is solved"):
        key(RETURN)
        check(wait_for(lambda: dialog_named(app, "Level"), 5) is not None, "Level asks again")
        key(ESCAPE)
        name = wait_for(lambda: dialog_named(app, "Player Name"), 5)
        if check(name is not None, "Player Name has the dialog role"):
            field = find(name, lambda o: role(o, pyatspi.ROLE_TEXT) or role(o, pyatspi.ROLE_ENTRY))
            check(field is not None and field.name == "Enter your name", f"the name field is named ({field and field.name})")
            check(field is not None and wait_for(lambda: has_state(field, pyatspi.STATE_FOCUSED), 5), "the name field has the first focus")
            check("You are best player in this level" in labels(name), f"the message is read: {labels(name)}")
            check_control_names(name, "Player Name")
            key(ESCAPE)
            check(wait_for(lambda: dialog_named(app, "Player Name") is None, 5), "Escape cancels Player Name")

def walk_review(app):
    """Alt+R in the message that ends a word opens the Review window: a table whose column headers
    and rows a reader can name, one row per guess; Escape closes it."""
    box = find(app, lambda o: role(o, pyatspi.ROLE_ALERT), depth=2)
    names = [b.name for b in find_all(box, lambda o: role(o, pyatspi.ROLE_PUSH_BUTTON))] if box else []
    check(names == ["_Review", "OK"] or names == ["Review", "OK"], f"the message offers Review beside OK {names}")
    # Xvfb runs no window manager to give the box the keyboard; the reader's "focus this" puts
    # it on Review, and Space presses that.
    review_button = button(box, "Review") if box else None
    if review_button is not None:
        review_button.queryComponent().grabFocus()
    check(review_button is not None and wait_for(lambda: has_state(review_button, pyatspi.STATE_FOCUSED), 3),
          "the Review button takes the focus")
    key(0x20)
    review = wait_for(lambda: dialog_named(app, "Review"), 5)
    if not check(review is not None, "Space on Review opens the Review window with the dialog role"):
        key(RETURN)
        return
    table = wait_for(lambda: find(review, lambda o: role(o, pyatspi.ROLE_TABLE) or role(o, pyatspi.ROLE_TREE_TABLE)), 3)
    if check(table is not None, "the guesses are a table"):
        itable = table.queryTable()
        headers = []
        for i in range(itable.nColumns):
            header = itable.getColumnHeader(i)
            headers.append(plain(itable.getColumnDescription(i) or (header.name if header else "")))
        check(headers[:3] == ["Guess", "Match", "Bingo"] and len(headers) == 7, f"the columns have headers {headers}")
        check(itable.nRows == 2, f"one row per guess ({itable.nRows})")
        cells = [itable.getAccessibleAt(r, 0).name for r in range(itable.nRows)]
        check(cells == ["PLANT", "APPLE"], f"the rows name the guesses {cells}")
        labelled_by = [plain(r.getTarget(0).name) for r in table.getRelationSet()
                       if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        check(labelled_by == ["Guesses"] or plain(table.name) == "Guesses",
              f"the table is named Guesses ({table.name!r}, labelled by {labelled_by})")
        check(wait_for(lambda: has_state(table, pyatspi.STATE_FOCUSED), 3), "the table has the first focus")
    check_control_names(review, "Review")
    key(ESCAPE)
    check(wait_for(lambda: dialog_named(app, "Review") is None, 5), "Escape closes Review")


def walk_help(app, view):
    """F1: the help page as text a reader reads, with the caret at the contents and the
    focus on it, and the page's links reached by Tab as links."""
    view.queryComponent().grabFocus()
    pump(0.3)
    key(F1)
    frame = wait_for(lambda: find(app, lambda o: role(o, pyatspi.ROLE_FRAME) and o.name == "Veltrane Quillorn Help", depth=2), 5)
    if not check(frame is not None, "F1 opens the help window"):
        return
    page = wait_for(lambda: find(frame, lambda o: role(o, pyatspi.ROLE_TEXT) and has_state(o, pyatspi.STATE_FOCUSED)), 5)
    if check(page is not None, "the page is a text object with the focus"):
        text = page.queryText()
        whole = text.getText(0, -1)
        check("Match and Bingo, with an example" in whole and "Where your settings live" in whole,
              "the whole page is readable as text")
        check(text.caretOffset == 0, f"the caret stands at the contents ({text.caretOffset})")
        check(not has_state(page, pyatspi.STATE_EDITABLE), "the page is read-only")
    links = []
    wait_for(lambda: links.extend(find_all(frame, lambda o: role(o, pyatspi.ROLE_LINK))) or links, 3)
    names = [plain(l.name) for l in links]
    check(names[:2] == ["How to play", "Match and Bingo, with an example"] and len(names) == 12,
          f"the page's links are links, named by their text: {names}")
    key(TAB)
    check(links and wait_for(lambda: has_state(links[0], pyatspi.STATE_FOCUSED), 3), "Tab from the page reaches the first link")
    key(RETURN)
    check(page is not None and wait_for(lambda: has_state(page, pyatspi.STATE_FOCUSED), 3) and
          page.queryText().getText(page.queryText().caretOffset, -1).startswith("How to play\n"),
          "Enter on the link puts the caret at its part's heading, back in the page")
    key(ESCAPE)
    check(wait_for(lambda: find(app, lambda o: role(o, pyatspi.ROLE_FRAME) and o.name == "Veltrane Quillorn Help", depth=2) is None, 5),
          "Escape closes the help window")


def walk_color_dialog(app, options):
    """The colour picker, opened from Options by its button: every slider and swatch named by
    its own label, and the painted texts read."""
    color = button(options, "Background Color ...")
    if not check(color is not None, "Options has the Background Color button"):
        return
    color.queryComponent().grabFocus()
    check(wait_for(lambda: has_state(color, pyatspi.STATE_FOCUSED), 3), "the button takes the focus")
    key(0x20)
    dlg = wait_for(lambda: dialog_named(app, "Color"), 5)
    if not check(dlg is not None, "Space on the button opens the colour picker with the dialog role"):
        return
    check(wait_for(lambda: find(dlg, lambda o: role(o, pyatspi.ROLE_SLIDER) and o.name == "Red"), 3),
          "the picker's sliders are named")
    check_control_names(dlg, "Color")
    key(ESCAPE)
    check(wait_for(lambda: dialog_named(app, "Color") is None, 5), "Escape closes the colour picker")


def selected_names(lst):
    sel = lst.querySelection()
    return [sel.getSelectedChild(i).name for i in range(sel.nSelectedChildren)]


def walk_set_list(dlg):
    """The drawn set list, item by item: names, the chosen one selected, and the arrow keys moving
    the choice and the focus the way a reader hears them."""
    combo = find(dlg, lambda o: role(o, pyatspi.ROLE_COMBO_BOX) and o.name == "Game Set")
    lst = combo and next((c for c in children(combo) if role(c, pyatspi.ROLE_LIST)), None)
    if not check(lst is not None, "the set box holds a list"):
        return
    items = children(lst)
    names = [i.name for i in items]
    check(sorted(names) == sorted(("Test",) + EXTRA_SETS) and names[0] == "Test",
          f"the list names every set, the program's first: {names}")
    check(all(role(i, pyatspi.ROLE_LIST_ITEM) for i in items), "each set is a list item")
    check(selected_names(lst) == ["Test"], f"the played set is the selection ({selected_names(lst)})")
    check([has_state(i, pyatspi.STATE_SELECTED) for i in items] == [n == "Test" for n in names],
          "only the played set is marked selected")
    check(all(lst.getChildAtIndex(k).getIndexInParent() == k for k in range(len(items))), "items know their place")

    combo.queryComponent().grabFocus()
    check(wait_for(lambda: has_state(combo, pyatspi.STATE_FOCUSED), 3), "the set box takes the focus")
    check(wait_for(lambda: has_state(items[0], pyatspi.STATE_FOCUSED), 3), "the focus is on the chosen set")
    for step, want in ((DOWN, 1), (DOWN, 2), (UP, 1)):
        del focus_moves[:]
        key(step)
        check(wait_for(lambda: selected_names(lst) == [names[want]], 3),
              f"the arrow key chooses {names[want]} ({selected_names(lst)})")
        check(wait_for(lambda: ("list item", names[want]) in focus_moves, 3),
              f"the focus move to {names[want]} is reported ({focus_moves})")
        check([has_state(i, pyatspi.STATE_SELECTED) for i in items] == [k == want for k in range(len(items))],
              "the old choice is no longer selected")
        check([has_state(i, pyatspi.STATE_FOCUSED) for i in items] == [k == want for k in range(len(items))],
              "one item has the focus")

    # Open (F4), the keys move the highlight, which readers follow; Enter makes it the choice.
    del focus_moves[:]
    key(F4)
    pump(0.5)
    key(DOWN)
    check(wait_for(lambda: ("list item", names[2]) in focus_moves, 3),
          f"in the open list the highlight move to {names[2]} is reported ({focus_moves})")
    check(all(name for _, name in focus_moves),
          f"opening the list moves the focus only to things with a name ({focus_moves})")
    check(selected_names(lst) == [names[1]], "moving in the open list does not choose yet")
    key(RETURN)
    check(wait_for(lambda: selected_names(lst) == [names[2]], 3), f"Enter chooses {names[2]} ({selected_names(lst)})")
    check(wait_for(lambda: has_state(items[2], pyatspi.STATE_FOCUSED), 3), "the focus is back on the chosen set")


if __name__ == "__main__":
    sys.exit(main())
