#!/usr/bin/env python3
"""Zel Manager used as a person uses it, under Xvfb, through keyboard and mouse.

The program is started by the launcher in a fresh run-time folder and driven
only with xdotool: a player with a password, two championship days (one single
won in three sets), a tournament, the recap printed to PDF, the details, the
graphs and the history (opened through its menu, a row read back), the player
closed and loaded again with the password, quit. The
accessibility tree (AT-SPI) is what the test reads the screen with: it finds
the controls a person would click, and it is checked on every window opened:
every input control has a name of its own and every text of the dialog is
there for a screen reader. Afterwards the player file is read back through
zel-export, the PDF through pdftotext, and the exit code must be 0.

Once the player is saved the program is started twice more on it, at 200 % and under a
dark desktop palette, and every dialog is opened and looked at: a text cut by
its control is a fault.

Screenshots of every step are kept in OUT/shots, those of the two looks in
OUT/looks-200/shots and OUT/looks-dark/shots. Exit code 77 (skipped) when
Xvfb, xdotool or the other tools are not installed.
"""

import argparse
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time

SKIP = 77
STEP_TIMEOUT = 20  # seconds a window may take to appear or go

# Roles a person types into or chooses with: each must carry a name of its own.
INPUT_ROLES = {
    "text", "password text", "entry", "combo box", "check box", "radio button",
    "list", "list box", "table cell", "spin button", "table", "tree table",
    "tree", "page tab list", "page tab", "list item", "tree item",
}


def parse_args():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--launcher", required=True)
    p.add_argument("--program", required=True)
    p.add_argument("--export", required=True)
    p.add_argument("--runtime", required=True, help="the shipped run-time files")
    p.add_argument("--templates", required=True, help="the dialog templates, for their texts")
    p.add_argument("--out", required=True)
    return p.parse_args()


def skip(reason):
    print(f"SKIPPED: {reason}. scripts/zel.sh test installs what the test needs.")
    sys.exit(SKIP)


def check_prerequisites():
    for tool, package in (("Xvfb", "xvfb"), ("xdotool", "xdotool"), ("pdftotext", "poppler-utils"),
                          ("import", "imagemagick"), ("dbus-run-session", "dbus")):
        if not shutil.which(tool):
            skip(f"{tool} is not installed (package {package})")
    if not os.path.exists(AT_SPI_LAUNCHER):
        skip("the AT-SPI bus is not installed (package at-spi2-core)")
    if not os.path.exists(QT6CT_DARK):
        skip("the dark desktop palette is not installed (package qt6ct)")
    try:
        import pyatspi  # noqa: F401  (only to know it is there)
    except ImportError:
        skip(f"python module pyatspi missing for {sys.executable} (package python3-pyatspi)")


AT_SPI_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class Failures:
    """Faults found along the way; the run goes on so that one report shows them all."""

    def __init__(self):
        self.items = []

    def add(self, text):
        if text in self.items:
            return  # the same dialog opened twice has the same faults
        print(f"FAULT: {text}", flush=True)
        self.items.append(text)


class StepError(Exception):
    pass


# ---------------------------------------------------------------- the display


class Display:
    def __init__(self, out, screen="1024x768"):
        self.out = out
        self.shots = os.path.join(out, "shots")
        os.makedirs(self.shots, exist_ok=True)
        self.count = 0
        r, w = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(w), "-screen", "0", f"{screen}x24", "-nolisten", "tcp"],
            pass_fds=(w,), stderr=subprocess.DEVNULL)
        os.close(w)
        with os.fdopen(r) as f:
            number = f.readline().strip()
        if not number:
            raise StepError("Xvfb did not start")
        os.environ["DISPLAY"] = f":{number}"

    def xdo(self, *args, timeout=STEP_TIMEOUT):
        r = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=timeout)
        return r.stdout.strip()

    def key(self, *keys):
        self.xdo("key", "--delay", "40", *keys)

    def type(self, text):
        self.xdo("type", "--delay", "25", text)

    def click(self, x, y):
        self.xdo("mousemove", str(x), str(y), "click", "1")
        time.sleep(0.1)

    def window(self, title_regex, timeout=STEP_TIMEOUT):
        """The X window whose title matches, waiting until it is shown."""
        try:
            out = self.xdo("search", "--sync", "--onlyvisible", "--name", title_regex, timeout=timeout)
        except subprocess.TimeoutExpired:
            return None
        ids = out.split()
        return ids[-1] if ids else None

    def gone(self, title_regex, timeout=STEP_TIMEOUT):
        end = time.time() + timeout
        while time.time() < end:
            if not self.xdo("search", "--onlyvisible", "--name", title_regex):
                return True
            time.sleep(0.1)
        return False

    def focus(self, wid):
        try:
            self.xdo("windowfocus", "--sync", wid, timeout=5)
        except subprocess.TimeoutExpired:
            pass

    def shot(self, name, wid=None):
        self.count += 1
        path = os.path.join(self.shots, f"{self.count:02d}-{name}.png")
        subprocess.run(["import", "-window", wid or "root", path], stderr=subprocess.DEVNULL, timeout=30)
        return path

    def close(self):
        self.xvfb.terminate()
        self.xvfb.wait(timeout=10)


# ---------------------------------------------------- the accessibility tree


def normal(text):
    return " ".join(text.replace("&", "").split())


class Screen:
    """What a screen reader sees of the program."""

    def __init__(self, app_name):
        import pyatspi
        self.at = pyatspi
        self.app_name = app_name

    def app(self, timeout=STEP_TIMEOUT):
        end = time.time() + timeout
        while time.time() < end:
            desktop = self.at.Registry.getDesktop(0)
            for a in desktop:
                if a is not None and a.name == self.app_name:
                    return a
            time.sleep(0.2)
        raise StepError(f"the program '{self.app_name}' never appeared on the accessibility bus")

    def window(self, title, timeout=STEP_TIMEOUT):
        end = time.time() + timeout
        while time.time() < end:
            for w in self.app():
                if w is not None and w.name == title and self.showing(w):
                    return w
            time.sleep(0.2)
        raise StepError(f"window '{title}' not in the accessibility tree")

    def showing(self, node):
        try:
            return node.getState().contains(self.at.STATE_SHOWING)
        except Exception:
            return False

    def walk(self, node, parent=None):
        """(node, parent) for every node shown, depth first."""
        yield node, parent
        try:
            children = list(node)
        except Exception:
            children = []
        for c in children:
            if c is not None and self.showing(c):
                yield from self.walk(c, node)

    def walk_all(self, node):
        """Every node, shown or not (a closed combo's entries)."""
        yield node, None
        try:
            children = list(node)
        except Exception:
            children = []
        for c in children:
            if c is not None:
                yield from self.walk_all(c)

    def extents(self, node):
        e = node.queryComponent().getExtents(self.at.DESKTOP_COORDS)
        return e.x, e.y, e.width, e.height

    def where(self, node):
        """Where a control is, for a report: its place in its window."""
        e = node.queryComponent().getExtents(self.at.WINDOW_COORDS)
        return f"({e.x}, {e.y})"

    def values(self, combo):
        """What a combo box may show: its entries and the text typed in it."""
        out = set()
        for n, _ in self.walk_all(combo):
            if n.getRoleName() == "list item":
                out.add(normal(n.name or ""))
            elif n.getRoleName() == "text":
                out.add(normal(self.text(n)))
        return out

    def spoken_name(self, node):
        """What a screen reader announces a control as: its accessible name,
        else the label that names it (the labelled-by relation). On Linux Qt
        gives a combo box its value as name; that is no name."""
        name = normal(node.name or "")
        if node.getRoleName() == "combo box" and name in self.values(node):
            name = ""
        if name:
            return name
        try:
            for rel in node.getRelationSet():
                if rel.getRelationType() == self.at.RELATION_LABELLED_BY and rel.getNTargets() > 0:
                    label = normal(rel.getTarget(0).name or "")
                    if label:
                        return label
        except Exception:
            pass
        return name

    def snapshot(self, window):
        """The shown controls of a window, read once: role, name, place, and a
        label's text. Reading them one by one over the bus for every keystroke
        would make the day form take minutes."""
        out = []
        for n, _ in self.walk(window):
            role = n.getRoleName()
            if role in ("filler", "panel", "list item", "list", "dialog", "frame"):
                continue
            out.append({"node": n, "role": role, "name": self.spoken_name(n), "box": self.extents(n),
                        "text": normal(self.text(n)) if role == "label" else None})
        return out

    @staticmethod
    def find(snap, role, name, nth=0):
        hits = [c for c in snap if c["role"] == role and c["name"] == normal(name)]
        return hits[nth] if len(hits) > nth else None

    @staticmethod
    def beside(snap, role, label):
        """The control of that role a person reads as labelled so: on the label's
        line, to its right, the nearest. None when no such label is shown."""
        best = None
        for lab in snap:
            if lab["role"] != "label" or lab["text"] != normal(label):
                continue
            lx, ly, lw, lh = lab["box"]
            for c in snap:
                if c["role"] != role:
                    continue
                x, y, w, h = c["box"]
                gap = x - (lx + lw)
                if ly - 6 <= y + h // 2 <= ly + lh + 6 and gap >= -6 and (best is None or gap < best[0]):
                    best = (gap, c)
        return best[1] if best else None

    @staticmethod
    def centre(control, left_part=False):
        x, y, w, h = control["box"]
        return x + (min(w // 3, 20) if left_part else w // 2), y + h // 2

    def text(self, node):
        try:
            t = node.queryText()
            return t.getText(0, t.characterCount)
        except NotImplementedError:
            return node.name

    def texts(self, window):
        out = set()
        for n, _ in self.walk(window):
            if n.name:
                out.add(normal(n.name))
            if n.getRoleName() == "label":
                out.add(normal(self.text(n)))
        return out


# ------------------------------------------------ texts the dialogs must show

TEMPLATE_TEXT = re.compile(r'Kind::(?:Static|GroupBox|CheckBox|RadioButton|Button)\s*,\s*((?:"(?:[^"\\]|\\.)*"\s*)+)')
STRING = re.compile(r'"((?:[^"\\]|\\.)*)"')


def template_texts(templates_dir, files):
    texts = []
    for f in files:
        with open(os.path.join(templates_dir, f), encoding="utf-8") as src:
            code = src.read()
        for m in TEMPLATE_TEXT.finditer(code):
            text = normal("".join(STRING.findall(m.group(1))))
            if text:
                texts.append(text)
    return texts


# Title -> the template files that hold its texts, and the texts the dialog
# itself replaces when it opens (a championship's name over "Championnat").
DIALOGS = {
    "Ajout d'un joueur": (["usertbox_template.h"], set()),
    "Chargement d'un joueur": (["userloadbox_template.h"], set()),
    "Résultat d'une journée": (["journeebox_template.h", "day_form_template.h"], set()),
    "Ajout d'un tournoi": (["add_tournoi_template.h", "tournament_table_template.h"], set()),
    "Récapitulatif": (["recap_template.h"], {"Championnat"}),
    "Détails sur le championnat": (["details_template.h"], {"Championnat"}),
    "Graphes": (["graphs_template.h"], {"Championnat"}),
    "Historique": (["histobox_template.h", "histo_saisons_template.h"], set()),
}


class Accessibility:
    def __init__(self, screen, templates_dir, failures):
        self.screen = screen
        self.templates = templates_dir
        self.failures = failures
        self.checked = []

    def check(self, window):
        title = window.name
        self.checked.append(title)
        for node, parent in self.screen.walk(window):
            role = node.getRoleName()
            if role not in INPUT_ROLES:
                continue
            # The edit and the list inside a combo box are read with the combo's name.
            if parent is not None and parent.getRoleName() == "combo box":
                continue
            if parent is not None and parent.getRoleName() == "list" and role == "list item":
                continue  # an item's name is its text; an empty line is no fault
            name = self.screen.spoken_name(node)
            where = self.screen.where(node)
            if not name:
                self.failures.add(f"'{title}': the {role} at {where} has no name a screen reader could read")
            elif name == normal(title) and role != "page tab list":
                self.failures.add(f"'{title}': the {role} at {where} is named only after its window")

        files, replaced = DIALOGS.get(title, ([], set()))
        if files:
            shown = self.screen.texts(window)
            for text in template_texts(self.templates, files):
                if text not in shown and text not in replaced:
                    self.failures.add(f"'{title}': the text '{text}' is not in the accessibility tree")


# --------------------------------------------------------------- the person


class Person:
    """Keyboard and mouse, and eyes that read the accessibility tree."""

    def __init__(self, display, screen, a11y, failures):
        self.history_row = {}
        self.d = display
        self.s = screen
        self.a11y = a11y
        self.failures = failures
        self.main = None
        self.snap, self.snap_of = [], None

    def main_window(self):
        wid = self.d.window("^Zel Manager")
        if not wid:
            raise StepError("the main window is not shown")
        self.main = wid
        return wid

    def command(self, keys):
        """Keys pressed over the main window (accelerators, menus)."""
        self.d.focus(self.main_window())
        self.d.key(*keys)

    def open(self, keys, title, step):
        self.command(keys)
        wid = self.d.window("^" + re.escape(title) + "$")
        if not wid:
            raise StepError(f"{step}: '{title}' did not open")
        self.d.focus(wid)
        window = self.s.window(title)
        self.a11y.check(window)
        return wid, window

    def close(self, keys, title, step):
        self.d.key(*keys)
        if not self.d.gone("^" + re.escape(title) + "$"):
            raise StepError(f"{step}: '{title}' did not close")

    def field(self, window, role, label):
        """The control beside a label, as the eye finds it, else the one named
        so (a cell of a grid has no label of its own). The snapshot of the
        window is read again once when the window changed since (a list rebuilt).
        A control found beside its label must be named after it."""
        for fresh in (False, True):
            if fresh or self.snap_of is not window:
                self.snap, self.snap_of = self.s.snapshot(window), window
            c = self.s.beside(self.snap, role, label)
            if c is not None:
                if c["name"] != normal(label):
                    self.failures.add(f"'{window.name}': the {role} beside '{label}' is announced as '{c['name']}'")
                return c
            c = self.s.find(self.snap, role, label)
            if c is not None:
                return c
        raise StepError(f"no {role} '{label}' in '{window.name}'")

    def fill(self, window, role, name, text):
        self.d.click(*self.s.centre(self.field(window, role, name), left_part=role == "combo box"))
        self.d.key("ctrl+a")
        self.d.type(text)

    def choose(self, window, name, text):
        """A drop-down list: open it, type the entry, take it."""
        c = self.field(window, "combo box", name)
        self.d.click(*self.s.centre(c))
        # Return on a closed list would press the dialog's default button.
        end = time.time() + 5
        while not c["node"].getState().contains(self.s.at.STATE_EXPANDED):
            if time.time() > end:
                raise StepError(f"the list '{name}' of '{window.name}' does not open")
            time.sleep(0.05)
        self.d.type(text)
        self.d.key("Return")
        time.sleep(0.2)

    def tick(self, window, role, name):
        self.d.click(*self.s.centre(self.field(window, role, name)))

    def value_beside(self, window, label):
        """The text shown right of a label (a figure in a form)."""
        snap = self.s.snapshot(window)
        c = self.s.beside(snap, "label", label)
        return c["text"] if c else None

    def figures(self, window, what, wanted):
        """The figures a screen reader reads under those names. A label given a
        name of its own exposes no text on Linux: its figure is then lost."""
        labels = {normal(n.name or ""): n for n, _ in self.s.walk(window) if n.getRoleName() == "label"}
        hidden = []
        for name, value in wanted.items():
            node = labels.get(normal(name))
            if node is None:
                self.failures.add(f"{what}: no figure named '{name}'")
                continue
            try:
                t = node.queryText()
                self.expect(f"{what}: {name}", normal(t.getText(0, t.characterCount)), value)
            except NotImplementedError:
                hidden.append(name)
        if hidden:
            self.failures.add(f"{what}: a screen reader gets the names but not the figures of "
                              f"{', '.join(hidden)} (a named label exposes no text)")

    def expect(self, what, got, wanted):
        if got != wanted:
            self.failures.add(f"{what}: shows '{got}', expected '{wanted}'")


# ------------------------------------------------------------- the scenario

PLAYER = {"licence": "1234567", "name": "Dupont", "first": "Zoé", "age": "27", "club": "ASC Zel",
          "password": "secret", "lowest": "60", "classement": "30"}

# (opponent, classement, [(player, opponent) for each set]) or None for an unticked match.
DAYS = [
    {"date": ("12", "10"), "number": "1", "division": "D2", "division_poule": "3", "poule": "A",
     "letter": "A", "place": "Domicile", "club": "TT Nord",
     "singles": [("Martin", "30", [(21, 15), (21, 18)]),
                 ("Bernard", "25", [(21, 19), (15, 21), (21, 17)]),  # the belle
                 ("Petit", "20", [(10, 21), (12, 21)]),
                 ("Durand", "35", [(21, 10), (21, 12)])],
     "double": (("Léa", "30"), ("Roux", "30"), ("Blanc", "35"), [(21, 18), (21, 16)])},
    {"date": ("19", "10"), "number": "2", "division": "D2", "division_poule": "3", "poule": "A",
     "letter": "A", "place": "Extérieur", "club": "Zel Sud",
     "singles": [("Moreau", "40", [(21, 8), (21, 9)]),
                 ("Simon", "30", [(18, 21), (19, 21)]),
                 ("Laurent", "25", [(21, 17), (21, 19)]),
                 None],
     "double": None},
]
MATCH = ["1er Match", "2e Match", "3e Match", "4e Match"]
SET = ["1er set", "2e set", "3e set"]

# Victories and defeats of the tournament by column head.
TOURNAMENT = {"name": "Open de Zel", "victories": {"35": "2", "30": "1"}, "defeats": {"20": "1"}}


def new_player(p):
    wid, w = p.open(["ctrl+n"], "Ajout d'un joueur", "new player")
    p.choose(w, "Choisisser le plus bas classement de votre championnat (hors NC)", PLAYER["lowest"])
    p.fill(w, "text", "Numéro de licence", PLAYER["licence"])
    p.fill(w, "text", "Nom", PLAYER["name"])
    p.fill(w, "text", "Prénom", PLAYER["first"])
    p.fill(w, "text", "Age", PLAYER["age"])
    p.tick(w, "radio button", "Féminin")
    p.choose(w, "Classement", PLAYER["classement"])
    p.fill(w, "text", "Club", PLAYER["club"])
    p.fill(w, "password text", "Mot de passe", PLAYER["password"])
    p.fill(w, "password text", "Confirmation", PLAYER["password"])
    p.d.shot("new-player", wid)
    p.close(["alt+v"], "Ajout d'un joueur", "new player")
    title = f"Zel Manager. Joueur : {PLAYER['name']} {PLAYER['first']}"
    if not p.d.window("^" + re.escape(title) + "$", timeout=5):
        raise StepError(f"new player: the title is not '{title}'")
    p.d.shot("player-created")


def add_day(p, day, n):
    title = "Résultat d'une journée"
    wid, w = p.open(["ctrl+a"], title, f"day {n}")
    p.fill(w, "text", "Date", day["date"][0])
    p.fill(w, "text", "/", day["date"][1])
    p.fill(w, "text", "Journée n°", day["number"])
    p.fill(w, "combo box", "Division", day["division"])
    p.fill(w, "text", "Poule de la division", day["division_poule"])
    p.fill(w, "combo box", "Poule", day["poule"])
    p.fill(w, "combo box", "Lettre de l'équipe", day["letter"])
    p.choose(w, "Lieu", day["place"])
    p.fill(w, "text", "Club Adverse", day["club"])
    for k, single in enumerate(day["singles"]):
        m = MATCH[k]
        if single is None:
            p.tick(w, "check box", m)
            continue
        opponent, classement, sets = single
        p.fill(w, "text", f"{m} : nom de l'adversaire", opponent)
        p.fill(w, "combo box", f"{m} : classement de l'adversaire", classement)
        for s, (mine, theirs) in enumerate(sets):
            p.fill(w, "text", f"{m} : {SET[s]}, joueur", str(mine))
            p.fill(w, "text", f"{m} : {SET[s]}, adversaire", str(theirs))
    if day["double"] is None:
        p.tick(w, "check box", "Double")
    else:
        partner, first, second, sets = day["double"]
        for who, (name, classement) in zip(["Coéquipier", "Adversaire 1", "Adversaire 2"],
                                           [partner, first, second]):
            p.fill(w, "text", who, name)
            p.fill(w, "combo box", f"{who} : classement", classement)
        for s, (mine, theirs) in enumerate(sets):
            p.fill(w, "text", f"Double : {SET[s]}, paire", str(mine))
            p.fill(w, "text", f"Double : {SET[s]}, adversaires", str(theirs))
    time.sleep(0.4)  # the points follow the form every 150 ms
    p.d.shot(f"day-{n}", wid)
    p.close(["alt+v"], title, f"day {n}")
    p.d.shot(f"day-{n}-stored")


def add_tournament(p):
    title = "Ajout d'un tournoi"
    wid, w = p.open(["ctrl+t"], title, "tournament")
    p.fill(w, "text", "Nom", TOURNAMENT["name"])
    for row, counts in (("Victoires", TOURNAMENT["victories"]), ("Défaites", TOURNAMENT["defeats"])):
        for head, count in counts.items():
            p.fill(w, "text", f"{row} contre {head}", count)
    time.sleep(0.4)
    p.d.shot("tournament", wid)
    p.close(["alt+v"], title, "tournament")


def recap(p, pdf):
    title = "Récapitulatif"
    wid, w = p.open(["ctrl+e"], title, "recap")
    p.d.shot("recap-without-tournaments", wid)
    p.figures(w, "recap, days only", {"Total des victoires": "5", "Total des défaites": "2"})
    p.tick(w, "radio button", "Avec tournois")
    time.sleep(0.3)
    p.d.shot("recap-with-tournaments", wid)
    p.figures(w, "recap with the tournament", {"Total des victoires": "8", "Total des défaites": "3"})
    p.d.key("alt+i")
    end = time.time() + STEP_TIMEOUT
    while not (os.path.exists(pdf) and os.path.getsize(pdf) > 0) and time.time() < end:
        time.sleep(0.2)
    if not os.path.exists(pdf):
        p.failures.add("recap: Imprimer wrote no PDF")
    p.close(["alt+o"], title, "recap")


def details(p):
    title = "Détails sur le championnat"
    wid, w = p.open(["ctrl+d"], title, "details")
    p.d.shot("details", wid)
    p.figures(w, "details", {"Nombres de belles": "1", "Belles gagnées": "1", "Belles perdues": "0",
                             "Victoire(s) à domicile": "3", "Défaite(s) à l'extérieur": "1"})
    p.close(["Escape"], title, "details")


def graphs(p):
    title = "Graphes"
    wid, w = p.open(["ctrl+g"], title, "graphs")
    p.d.shot("graph-1", wid)
    p.tick(w, "radio button", "Courbe du cumul des points sur le championnat pour le classement")
    time.sleep(0.3)
    p.d.shot("graph-2", wid)
    p.tick(w, "radio button", "Courbe du cumul des matchs gagnés")
    p.tick(w, "check box", "Grille")
    time.sleep(0.3)
    p.d.shot("graph-3-grid", wid)
    p.close(["alt+f"], title, "graphs")


def history(p):
    """Through the menu, as the item has no shortcut; the season's row read as a screen reader reads it."""
    title = "Historique"
    p.command(["alt+q"])
    time.sleep(0.3)
    p.d.key("h")
    wid = p.d.window("^" + re.escape(title) + "$")
    if not wid:
        raise StepError("history: 'Historique' did not open from the Statistiques menu")
    p.d.focus(wid)
    w = p.s.window(title)
    p.a11y.check(w)
    p.d.shot("history-seasons", wid)
    table = next((n for n, _ in p.s.walk(w) if normal(n.name or "") == "Résultats par championnat"
                  and n.getRoleName() != "label"), None)
    if table is None:
        raise StepError("history: no list named 'Résultats par championnat'")
    heads = [normal(n.name or "") for n, _ in p.s.walk(table) if n.getRoleName() == "table column header"]
    cells = [normal(n.name or "") for n, _ in p.s.walk(table) if n.getRoleName() == "table cell"]
    p.history_row = dict(zip(heads, cells))
    # Both days, the seven singles (five won), the tournament's 3 victories and 1 defeat.
    wanted = {"Journées": "2", "Matchs joués": "7", "Victoires": "5", "Défaites": "2", "% de victoires": "71 %",
              "Tournois V / D": "3 / 1", "Classement": PLAYER["classement"]}
    for head, value in wanted.items():
        p.expect(f"history: {head}", p.history_row.get(head), value)
    p.close(["alt+f"], title, "history")


def close_player(p):
    p.command(["alt+j"])
    time.sleep(0.3)
    p.d.key("f")
    if not p.d.window("^Zel Manager$", timeout=5):
        raise StepError("close player: the title still names a player")
    p.d.shot("player-closed")


def load_player(p):
    title = "Chargement d'un joueur"
    wid, w = p.open(["ctrl+h"], title, "load player")
    player = f"{PLAYER['name']} {PLAYER['first']}"
    item = next((n for n, _ in p.s.walk(w) if n.getRoleName() == "list item" and normal(n.name) == player), None)
    if item is None:
        raise StepError(f"load player: '{player}' is not in the list")
    x, y, width, height = p.s.extents(item)
    p.d.click(x + width // 2, y + height // 2)
    time.sleep(0.3)
    if p.value_beside(w, "Nom :") != PLAYER["name"]:
        p.failures.add("load player: choosing the player with a click does not show the player's profile")
        p.d.xdo("click", "--repeat", "2", "1")  # a double click, which the list also answers
        time.sleep(0.3)
        p.expect("load player: the name after a double click", p.value_beside(w, "Nom :"), PLAYER["name"])
    p.fill(w, "password text", "Mot de passe", "wrong")
    p.d.key("alt+v")
    time.sleep(0.5)
    if "Mot de passe non valide" not in p.s.texts(p.s.window(title)):
        p.failures.add("load player: a wrong password was not refused with 'Mot de passe non valide'")
    p.fill(w, "password text", "Mot de passe", PLAYER["password"])
    p.d.shot("load-player", wid)
    p.close(["alt+v"], title, "load player")
    name = f"Zel Manager. Joueur : {PLAYER['name']} {PLAYER['first']}"
    if not p.d.window("^" + re.escape(name) + "$", timeout=5):
        raise StepError("load player: the player is not loaded")
    p.d.shot("player-loaded", p.main)


def quit_program(p):
    p.command(["alt+j"])
    time.sleep(0.3)
    p.d.key("q")


# ------------------------------------------------------- checks afterwards


def check_export(args, home, failures, history_row):
    path = os.path.join(home, "users", f"{PLAYER['name']}.usr")
    if not os.path.exists(path):
        failures.add(f"no player file {path}")
        return
    r = subprocess.run([args.export, path], capture_output=True, text=True)
    if r.returncode != 0:
        failures.add(f"zel-export refused the player file: {r.stderr.strip()}")
        return
    data = json.loads(r.stdout)
    with open(os.path.join(args.out, "player.json"), "w", encoding="utf-8") as f:
        f.write(r.stdout)
    check_history(data, history_row, failures)

    def same(what, got, wanted):
        if got != wanted:
            failures.add(f"player file: {what} is {got!r}, expected {wanted!r}")

    prof = data["profile"]
    for key, wanted in (("name", PLAYER["name"]), ("first_name", PLAYER["first"]), ("age", 27),
                        ("sex", "F"), ("classement", PLAYER["classement"]), ("club", PLAYER["club"]),
                        ("licence", 1234567), ("scale_length", 11), ("day_count", len(DAYS)),
                        ("tournament_count", 1)):
        same(f"profile.{key}", prof.get(key), wanted)
    same("number of days", len(data["days"]), len(DAYS))
    for i, (day, stored) in enumerate(zip(DAYS, data["days"])):
        same(f"day {i + 1} place", stored["place"], day["place"])
        same(f"day {i + 1} opposing club", stored["opponent_club"], day["club"])
        same(f"day {i + 1} date", (stored["day"], stored["month"]), (int(day["date"][0]), int(day["date"][1])))
        same(f"day {i + 1} division", stored["division"], day["division"])
        for k, single in enumerate(day["singles"]):
            slot = stored["singles"][k]
            same(f"day {i + 1} single {k + 1} played", bool(slot["played"]), single is not None)
            if single is None:
                continue
            sets = single[2] + [(0, 0)] * (3 - len(single[2]))
            same(f"day {i + 1} single {k + 1} opponent", slot["name"], single[0])
            same(f"day {i + 1} single {k + 1} classement", slot["classement"], single[1])
            same(f"day {i + 1} single {k + 1} scores",
                 (slot["player_scores"], slot["opponent_scores"]),
                 ([s[0] for s in sets], [s[1] for s in sets]))
        same(f"day {i + 1} double played", bool(stored["double"]["played"]), day["double"] is not None)
    same("tournament name", [t["name"] for t in data["tournaments"]], [TOURNAMENT["name"]])
    if len(data["championships"]) != 1:
        failures.add(f"player file: {len(data['championships'])} championships, expected 1")
        return
    ch = data["championships"][0]
    without = ch["recap_without_tournaments"]
    with_t = ch["recap_with_tournaments"]
    same("victories without tournaments", without["total_victoires"], 5)
    same("defeats without tournaments", without["total_defaites"], 2)
    same("victories with tournaments", with_t["total_victoires"], 8)
    same("defeats with tournaments", with_t["total_defaites"], 3)
    same("belles played, won", (ch["details"]["belles"], ch["details"]["belles_won"]), (1, 1))
    same("home victories, defeats", (ch["details"]["home_victories"], ch["details"]["home_defeats"]), (3, 1))
    same("away victories, defeats", (ch["details"]["away_victories"], ch["details"]["away_defeats"]), (2, 1))
    return ch


def check_history(data, row, failures):
    """The row the screen showed against the history the file gives."""
    seasons = data["history"]["seasons"] if data else []
    if not row or len(seasons) != 1:
        failures.add(f"history: {len(seasons)} seasons exported, the screen row read is {row}")
        return
    s = seasons[0]
    shown = (row.get("Championnat"), row.get("Points"), row.get("Matchs joués"))
    exported = (s["name"].removeprefix("Championnat "), str(s["points"]), str(s["matches"]))
    if shown != exported:
        failures.add(f"history: the screen shows {shown}, the file gives {exported}")


def check_pdf(pdf, championship, failures):
    if not os.path.exists(pdf):
        return
    r = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True)
    text = r.stdout
    with open(pdf + ".txt", "w", encoding="utf-8") as f:
        f.write(text)
    flat = " ".join(text.split())
    wanted = [f"{PLAYER['name']} {PLAYER['first']}", "avec tournois", "Victoire(s) : 8", "Défaite(s) : 3",
              f"Classement {PLAYER['classement']} :"]
    if championship:
        recap = championship["recap_with_tournaments"]
        wanted.append(f"Résultat du {championship['name']} avec tournois")
        wanted.append(f"Classement {PLAYER['classement']} : {recap['estimation'][PLAYER['classement']]} points")
        # The rows print the counts greater than 0, left to right.
        for head, counts in (("V", recap["victoires"]), ("D", recap["defaites"])):
            row = next((line.split()[1:] for line in text.splitlines() if line.split()[:1] == [head]), None)
            if row != [str(c) for c in counts if c > 0]:
                failures.add(f"printed recap: row {head} reads {row}, the file gives {counts}")
    for w in wanted:
        if w not in flat:
            failures.add(f"printed recap: '{w}' not in the PDF text")


# ------------------------------------- looks: twice the scale, a dark desktop
#
# The program started again on the player of the scenario, once at 200 % and
# once under a dark desktop palette (qt6ct's "darker" colours, as a desktop
# sets them), every dialog opened by keyboard only (at 200 % the
# accessibility tree gives places in unscaled pixels), looked at for texts cut
# by their control and photographed; nothing is changed.

LOOKS = {  # name: (environment, scale, screen)
    "200": ({"QT_SCALE_FACTOR": "2"}, 2, "2048x1536"),
    "dark": ({"QT_QPA_PLATFORMTHEME": "qt6ct"}, 1, "1024x768"),
}
QT6CT_DARK = "/usr/share/qt6ct/colors/darker.conf"
TEXT_ROLES = {"label", "check box", "radio button"}

# (keys over the main window, title, keys inside it, keys that close it). A
# title opened by the keys inside comes next, closed before its opener; keys
# are groups sent one group at a time, so a menu opens before its item is chosen.
LOOK_DIALOGS = [
    ([["ctrl+n"]], "Ajout d'un joueur", [], [["alt+a"]]),
    ([["alt+j"], ["m"]], "Modification du profil du joueur", [], [["alt+a"]]),
    ([["alt+j"], ["s"]], "Suppression du joueur", [], [["alt+n"]]),
    ([["ctrl+i"]], "Importation de joueur", [], [["alt+a"]]),
    ([["ctrl+a"]], "Résultat d'une journée", [], [["alt+a"]]),
    ([["ctrl+s"]], "Championnats : Visualisation", [["Down"], ["alt+v"]], [["alt+f"]]),
    (None, "Journées d'un championnat : Visualisation", [], [["alt+o"]]),
    ([["alt+s"], ["m"]], "Championnats : Modification d'une journée", [["Down"], ["alt+v"]], [["alt+f"]]),
    (None, "Journées d'un championnat : Modification", [], [["alt+a"]]),
    ([["ctrl+t"]], "Ajout d'un tournoi", [], [["alt+a"]]),
    ([["ctrl+o"]], "Tournois : Visualisation", [["Down"], ["alt+v"]], [["alt+f"]]),
    (None, "Tournois : Visualisation", [], [["alt+o"]]),
    ([["alt+s"], ["Up"], ["Return"]], "Tournois : Modification", [["Down"], ["alt+v"]], [["alt+f"]]),
    (None, "Tournois : Modification", [], [["alt+a"]]),
    ([["ctrl+e"]], "Récapitulatif", [], [["alt+o"]]),
    ([["ctrl+d"]], "Détails sur le championnat", [], [["Return"]]),
    ([["ctrl+g"]], "Graphes", [], [["alt+f"]]),
    ([["alt+q"], ["h"]], "Historique", [], [["alt+f"]]),
    ([["alt+o"], ["Down"], ["Return"]], "Options", [], [["shift+Tab"], ["space"]]),
    ([["alt+a"], ["a"]], "Au sujet de ...", [], [["alt+o"]]),
]


class Picture:
    """The pixels of a screenshot."""

    def __init__(self, path):
        data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
        m = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        self.width, self.height, self.rgb = int(m.group(1)), int(m.group(2)), data[m.end():]

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return self.rgb[i:i + 3]


def cut_text(pic, x, y, w, h, scale):
    """Whether the ink in the box runs from its left edge to its right edge,
    frame lines left out: a text as wide as its control or wider, cut there.
    A text that fits leaves the space of its alignment on one side at least."""
    x, y, w, h = (round(v * scale) for v in (x, y, w, h))
    w, h = min(w, pic.width - x), min(h, pic.height - y)
    if w <= 2 or h <= 2 or x < 0 or y < 0:
        return False
    counts = {}
    for j in range(h):
        for i in range(w):
            c = pic.at(x + i, y + j)
            counts[c] = counts.get(c, 0) + 1
    bg = max(counts, key=counts.get)
    ink = [[max(abs(a - b) for a, b in zip(pic.at(x + i, y + j), bg)) > 80 for i in range(w)] for j in range(h)]
    top, bottom, framed = 0, h - 1, False
    while top < bottom and sum(ink[top]) > 0.6 * w:  # a frame's top and bottom
        top, framed = top + 1, True
    while bottom > top and sum(ink[bottom]) > 0.6 * w:
        bottom, framed = bottom - 1, True
    cols = [sum(ink[j][i] for j in range(top, bottom + 1)) for i in range(w)]
    left, right = 0, w - 1
    while left < right and cols[left] > 0.6 * (bottom - top + 1):  # its sides
        left, framed = left + 1, True
    while right > left and cols[right] > 0.6 * (bottom - top + 1):
        right, framed = right - 1, True
    inked = [i for i in range(left, right + 1) if cols[i]]
    if not inked:
        return False
    slack = scale * 5 if framed else 0  # a frame indents its text
    return inked[0] - left <= slack and right - inked[-1] <= slack


class Looks:
    """One look at every dialog under one setting."""

    def __init__(self, person, name, scale, failures):
        self.p, self.name, self.scale, self.failures = person, name, scale, failures

    def send(self, groups):
        for g in groups:
            self.p.d.key(*g)
            time.sleep(0.3)

    def look(self, title, wid):
        path = self.p.d.shot(re.sub(r"\W+", "-", normal(title).lower()).strip("-"), wid)
        pic = Picture(path)
        window = self.p.s.window(title)
        wx, wy, _, _ = self.p.s.extents(window)
        for node, _ in self.p.s.walk(window):
            if node.getRoleName() in TEXT_ROLES and node.name:
                x, y, w, h = self.p.s.extents(node)
                if cut_text(pic, x - wx, y - wy, w, h, self.scale):
                    self.failures.add(f"{self.name}: '{title}': the text '{normal(node.name)}' is cut by its "
                                      f"control at {self.p.s.where(node)}")

    def close(self, wid, title, keys):
        self.p.d.focus(wid)
        self.send(keys)
        end = time.time() + STEP_TIMEOUT
        while wid in self.p.d.xdo("search", "--onlyvisible", "--name", "^" + re.escape(title) + "$").split():
            if time.time() > end:
                raise StepError(f"'{title}' did not close")
            time.sleep(0.1)

    def opened(self, title, opener):
        """The window of that title, other than its opener (a list and the
        tabs it opens may have one title)."""
        end = time.time() + STEP_TIMEOUT
        while time.time() < end:
            ids = self.p.d.xdo("search", "--onlyvisible", "--name", "^" + re.escape(title) + "$").split()
            ids = [i for i in ids if i != opener]
            if ids:
                return ids[-1]
            time.sleep(0.1)
        raise StepError(f"'{title}' did not open")

    def dialogs(self):
        opener = None  # (wid, title, keys that close it) of a dialog that opened another
        for keys, title, inside, close in LOOK_DIALOGS:
            if keys is not None:
                self.p.d.focus(self.p.main_window())
                self.send(keys)
            wid = self.opened(title, opener[0] if opener else None)
            self.p.d.focus(wid)
            time.sleep(0.3)
            self.look(title, wid)
            if inside:
                self.send(inside)
                opener = (wid, title, close)
                continue
            self.close(wid, title, close)
            if opener:
                self.close(*opener)
                opener = None


def looks(args, out, home, failures):
    """The player of the scenario shown under each setting of LOOKS, on a
    display of its own, on the accessibility bus already there (the reader
    keeps the first bus it met)."""
    for name, (extra, scale, screen) in LOOKS.items():
        where = os.path.join(out, f"looks-{name}")
        shutil.rmtree(where, ignore_errors=True)
        display = Display(where, screen)  # sets DISPLAY
        runtime_dir = os.path.join(where, "xdg-runtime")
        os.makedirs(runtime_dir, mode=0o700)
        env = dict(os.environ, ZEL_HOME=home, ZEL_DATA_DIR=args.runtime, ZEL_PROGRAM=args.program,
                   XDG_RUNTIME_DIR=runtime_dir, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", LC_ALL="C.UTF-8", TZ="UTC", XDG_CONFIG_HOME=os.path.join(where, "config"))
        env.pop("QT_QPA_PLATFORMTHEME", None)
        env.update(extra)
        os.makedirs(os.path.join(where, "config", "qt6ct"))
        with open(os.path.join(where, "config", "qt6ct", "qt6ct.conf"), "w") as f:
            f.write(f"[Appearance]\ncolor_scheme_path={QT6CT_DARK}\ncustom_palette=true\nstyle=Fusion\n")
        log = open(os.path.join(where, "zel.log"), "w")
        program = subprocess.Popen([args.launcher], env=env, stdout=log, stderr=subprocess.STDOUT)
        try:
            screen_reader = Screen(os.path.basename(args.program))
            p = Person(display, screen_reader, None, failures)
            display.shot("start", p.main_window())
            p.command(["ctrl+h"])
            wid = display.window("^Chargement d'un joueur$")
            display.focus(wid)
            display.key("Down", "Tab")
            display.type(PLAYER["password"])
            Looks(p, name, scale, failures).look("Chargement d'un joueur", wid)
            display.key("alt+v")
            if not display.gone("^Chargement d'un joueur$"):
                raise StepError("the player did not load")
            time.sleep(0.3)
            display.shot("player-loaded", p.main_window())
            Looks(p, name, scale, failures).dialogs()
            p.command(["alt+j"])
            time.sleep(0.3)
            display.key("q")
            program.wait(timeout=STEP_TIMEOUT)
        except (StepError, subprocess.TimeoutExpired) as e:
            failures.add(f"looks {name}: {e}")
            display.shot("failed")
        finally:
            if program.poll() is None:
                program.kill()
                program.wait()
            display.close()
            log.close()


# ----------------------------------------------------------------- running


def run(args):
    failures = Failures()
    out = os.path.abspath(args.out)
    work = os.path.join(out, "work")
    shutil.rmtree(work, ignore_errors=True)
    shutil.rmtree(os.path.join(out, "shots"), ignore_errors=True)
    home = os.path.join(work, "home")
    runtime_dir = os.path.join(work, "xdg-runtime")
    os.makedirs(runtime_dir, mode=0o700)
    pdf = os.path.join(out, "recap.pdf")
    if os.path.exists(pdf):
        os.remove(pdf)

    display = Display(out)
    bus = subprocess.Popen([AT_SPI_LAUNCHER, "--launch-immediately"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, ZEL_HOME=home, ZEL_DATA_DIR=args.runtime, ZEL_PROGRAM=args.program,
               ZEL_PRINT_PDF=pdf, XDG_RUNTIME_DIR=runtime_dir, QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", LC_ALL="C.UTF-8", TZ="UTC")
    env.pop("QT_QPA_PLATFORMTHEME", None)
    log = open(os.path.join(out, "zel.log"), "w")
    program = subprocess.Popen([args.launcher], env=env, stdout=log, stderr=subprocess.STDOUT)
    started = time.time()
    step = "start"
    a11y = None
    person = None
    try:
        screen = Screen(os.path.basename(args.program))
        a11y = Accessibility(screen, args.templates, failures)
        person = Person(display, screen, a11y, failures)
        person.main_window()
        a11y.check(screen.window("Zel Manager"))
        display.shot("start", person.main)
        for step, action in (("new player", lambda: new_player(person)),
                             ("day 1", lambda: add_day(person, DAYS[0], 1)),
                             ("day 2", lambda: add_day(person, DAYS[1], 2)),
                             ("tournament", lambda: add_tournament(person)),
                             ("recap", lambda: recap(person, pdf)),
                             ("details", lambda: details(person)),
                             ("graphs", lambda: graphs(person)),
                             ("history", lambda: history(person)),
                             ("close player", lambda: close_player(person)),
                             ("load player", lambda: load_player(person)),
                             ("quit", lambda: quit_program(person))):
            print(f"step: {step} ({time.time() - started:.0f} s)", flush=True)
            if program.poll() is not None:
                raise StepError(f"the program ended early with code {program.returncode}")
            action()
        step = "exit"
        try:
            code = program.wait(timeout=STEP_TIMEOUT)
            if code != 0:
                failures.add(f"the program ended with code {code}")
        except subprocess.TimeoutExpired:
            failures.add("the program did not end after Quitter")
        step = "looks"
        looks(args, out, home, failures)
    except (StepError, subprocess.TimeoutExpired) as e:
        failures.add(f"step '{step}' could not be done: {e}")
        display.shot(f"failed-{step.replace(' ', '-')}")
    finally:
        if program.poll() is None:
            program.send_signal(signal.SIGTERM)
            try:
                program.wait(timeout=5)
            except subprocess.TimeoutExpired:
                program.kill()
        bus.terminate()
        display.close()
        log.close()

    championship = check_export(args, home, failures, person.history_row if person else {})
    check_pdf(pdf, championship, failures)
    print(f"windows checked for accessibility: {', '.join(a11y.checked) if a11y else 'none'}")
    print(f"screenshots: {display.shots} ({time.time() - started:.0f} s)")
    if failures.items:
        print(f"{len(failures.items)} fault(s):")
        for f in failures.items:
            print(f"  - {f}")
        return 1
    print("end to end: ok")
    return 0


def main():
    args = parse_args()
    for name in ("launcher", "program", "export", "runtime", "templates", "out"):
        setattr(args, name, os.path.abspath(getattr(args, name)))
    check_prerequisites()
    if not os.environ.get("ZEL_E2E_SESSION"):
        # A private session bus for the accessibility bus of this run only.
        os.environ["ZEL_E2E_SESSION"] = "1"
        os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])
    sys.exit(run(args))


if __name__ == "__main__":
    main()
