"""Finds the page tabs of a form shown by vellumar-designer through AT-SPI, as a screen reader sees them.

For every tab strip of the form file there must be a page-tab list whose page tabs carry the captions as
shown (without "&" markers), in tab order, with the selected tab in the selected state; pressing another
tab through its AT-SPI action must select it. Exits 0 when all of that holds, 1 otherwise.
"""

import argparse
import json
import sys
import time

import pyatspi


def shown_caption(caption):
    """A caption as the painters show it: "&x" gives x, "&&" gives "&", a final "&" is dropped."""
    shown = []
    i = 0
    while i < len(caption):
        if caption[i] == "&":
            i += 1
            if i < len(caption):
                shown.append(caption[i])
        else:
            shown.append(caption[i])
        i += 1
    return "".join(shown)


def expected_strips(form_path):
    """(names in tab order, selected tab number) for each control of the form."""
    with open(form_path, encoding="utf-8") as f:
        form = json.load(f)
    strips = []
    for control in form["controls"]:
        bag = {entry["key"]: entry for entry in control["bag"]}
        count = bag["NumberOfTabs"]["value"]
        names = [shown_caption(bag["TabText%d" % i]["value"]) for i in range(1, count + 1)]
        selected = bag.get("SelectedTab", {"value": 0})["value"] or 1
        strips.append((names, selected))
    return strips


def find_application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away while we looked
            continue
    return None


def page_tab_lists(node, found):
    try:
        if node.getRole() == pyatspi.ROLE_PAGE_TAB_LIST:
            found.append(node)
        for child in node:
            if child is not None:
                page_tab_lists(child, found)
    except Exception:
        pass
    return found


def tabs_of(tab_list):
    tabs = []
    for child in tab_list:
        if child is not None and child.getRole() == pyatspi.ROLE_PAGE_TAB:
            tabs.append(child)
    return tabs


def selected_number(tabs):
    for number, tab in enumerate(tabs, start=1):
        if tab.getState().contains(pyatspi.STATE_SELECTED):
            return number
    return 0


def look(pid, strips):
    """The tab lists matching each expected strip, or None while the form is not there yet."""
    app = find_application(pid)
    if app is None:
        return None, "the designer is not on the accessibility bus"
    lists = page_tab_lists(app, [])
    seen = [([t.name for t in tabs_of(lst)], selected_number(tabs_of(lst))) for lst in lists]
    matches = []
    for names, selected in strips:
        match = next((lst for lst, view in zip(lists, seen) if view == (names, selected)), None)
        if match is None:
            return None, "no page-tab list %s with tab %d selected; seen: %s" % (names, selected, seen)
        matches.append(match)
    return matches, ""


RUN_MODE = "Ausführungsmodus"


def find_named(node, name):
    """The first object below node with this name that offers an action."""
    try:
        if node.name.replace("&", "") == name and node.queryAction().nActions > 0:
            return node
    except Exception:  # no action interface
        pass
    try:
        for child in node:
            if child is not None:
                found = find_named(child, name)
                if found is not None:
                    return found
    except Exception:
        pass
    return None


def sensitive(accessible):
    return accessible.getState().contains(pyatspi.STATE_SENSITIVE)


def press(tab_list, number, deadline):
    tab = tabs_of(tab_list)[number - 1]
    action = tab.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    if "press" not in names:
        return "page tab %s offers no press action: %s" % (tab.name, names)
    action.doAction(names.index("press"))
    while time.time() < deadline:
        if selected_number(tabs_of(tab_list)) == number:
            return ""
        time.sleep(0.2)
    return "pressing %s did not select it" % tab.name


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--form", required=True)
    parser.add_argument("--timeout", type=float, default=60)
    args = parser.parse_args()
    strips = expected_strips(args.form)
    deadline = time.time() + args.timeout
    problem = ""
    while time.time() < deadline:
        matches, problem = look(args.pid, strips)
        if matches is not None:
            break
        time.sleep(0.5)
    else:
        print("atspi: %s" % problem)
        return 1
    # The designer opens the form in design mode, where its controls take no input; in run mode a press
    # through AT-SPI selects a tab as a click does.
    run_mode = find_named(find_application(args.pid), RUN_MODE)
    names, selected = strips[0]
    if run_mode is None:
        print("atspi: no %s control found; the press action was not tried" % RUN_MODE)
    elif len(names) > 1:
        if sensitive(tabs_of(matches[0])[0]):
            print("atspi: the page tabs take input in design mode")
            return 1
        run_mode.queryAction().doAction(0)
        while time.time() < deadline and not sensitive(tabs_of(matches[0])[0]):
            time.sleep(0.2)
        other = 2 if selected == 1 else 1
        problem = press(matches[0], other, deadline)
        if problem:
            print("atspi: %s" % problem)
            return 1
        print("atspi: pressing page tab %s in run mode selected it" % names[other - 1])
    for names, _ in strips:
        print("atspi: page tabs found: %s" % ", ".join(names))
    return 0


if __name__ == "__main__":
    sys.exit(main())
