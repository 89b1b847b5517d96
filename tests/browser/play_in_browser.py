#!/usr/bin/python3
"""The browser edition played as a player meets it: the served page in
headless Chromium, real mouse events on the canvas, the screen read back.

Usage: play_in_browser.py SITE_DIR DESKTOP_FRAMES DESKTOP_RUN_DIR OUT_DIR
SITE_DIR is build-web/site; DESKTOP_FRAMES holds the desktop game's own
title.png, level1.png and seed42hard.png (tools/screenshots); DESKTOP_RUN_DIR is the desktop
build's run directory with the pictures; OUT_DIR receives the frames seen.
"""
import functools
import http.server
import io
import json
import os
import random
import re
import statistics
import sys
import tempfile
import threading
import urllib.parse
import time
import unittest
from pathlib import Path

from PIL import Image, ImageChops, ImageStat
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.wheel_input import ScrollOrigin
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

SITE, DESKTOP_FRAMES, DESKTOP_RUN, OUT = (Path(arg) for arg in sys.argv[1:5])
SOURCE = Path(__file__).resolve().parents[2]

# Goals of the browser edition, but for the frames: their goal is a mean
# difference of 4 per channel (0 to 255), yet the browser draws the same
# pixels, and a frame with its links missing differs by less than 3.
MAX_MEAN_DIFFERENCE = 1.0
# The time to the title is a figure, printed for docs/performance.md; the
# bound only catches a page that hangs, since a machine shared with builds
# takes twice the quiet 2 s.
MAX_SECONDS_TO_TITLE = 15.0
MAX_SITE_BYTES = 3 * 1000 * 1000
# The page's menu row above the canvas (web/index.html): a window this much
# taller than a canvas size shows the canvas at that size.
MENU_HEIGHT = 36
# Guided play's row of buttons below the canvas: 44 pixels and a margin.
BUTTONS_HEIGHT = 52

# World positions of the nodes (puzzle/board.cpp): the grid's columns and
# rows 12 units apart from the top-left node at (-18, 66).
SOURCE_NODE = (-30, 48)
SINK_NODE = (30, 48)


def grid_node(row, column):
    return (-18 + 12 * column, 66 - 12 * row)


def level_one_chain():
    """Level 1's solving chain, read from the tests' own table."""
    table = (SOURCE / "tests/solving_chains.h").read_text()
    first = re.search(r"solvingChains\[levelCount\] = \{\s*\{(.*?)\},\n", table)
    return [(int(row), int(column)) for row, column in
            re.findall(r"\{(\d+), (\d+)\}", first.group(1))]


def one_level_pack(colour):
    """Built-in level 1 as a pack's level, its nodes in the given colour."""
    return ("level\nstart 2/4/0\ntarget 6/4/0\n"
            f"colour {colour}\n"
            "+4/0/0 +2/0/0 -6/0/0 +2/0/0\n+2/0/0 -4/0/0 -2/0/0 +2/0/0\n"
            "-2/0/0 +2/0/0 +6/0/0 +4/0/0\n+2/0/0 +2/0/0 -2/0/0 -2/0/0\n")


# Two levels that level 1's chain solves: blue nodes, then red.
TWO_LEVEL_PACK = one_level_pack("0 0 1") + one_level_pack("1 0 0")


def mean_difference(a, b):
    """Mean absolute difference per RGB channel, b scaled to a's size."""
    a = a.convert("RGB")
    b = b.convert("RGB").resize(a.size, Image.BILINEAR)
    return sum(ImageStat.Stat(ImageChops.difference(a, b)).mean) / 3


def serve(directory, refused):
    """Serves directory, answering 404 for the file names in refused."""
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

        def send_head(self):
            if self.path.lstrip("/") in refused:
                self.send_error(404)
                return None
            return super().send_head()

    handler = functools.partial(Quiet, directory=str(directory))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


# What the page's console may hold: errors, WebGL's complaints (logged as
# warnings) and cancelled passive listeners.
CONSOLE_FAULT = re.compile(r"WebGL|GL_INVALID|preventDefault|passive")


def console_faults(entries):
    return [entry["message"] for entry in entries
            if entry["level"] == "SEVERE" or CONSOLE_FAULT.search(entry["message"])]


class Page:
    """The game's page in a fresh headless Chromium of the given size."""

    def __init__(self, url, width, height, webgl=True):
        self.profile = tempfile.TemporaryDirectory()
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for flag in ("--headless=new", "--no-sandbox", "--use-angle=swiftshader",
                     "--enable-unsafe-swiftshader", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync",
                     "--hide-scrollbars", f"--window-size={width},{height}",
                     f"--user-data-dir={self.profile.name}"):
            options.add_argument(flag)
        if not webgl:
            options.add_argument("--disable-webgl")
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(
            service=Service("/usr/bin/chromedriver"), options=options)
        # The window's frame takes room of its own: the page gets the size.
        frame_width, frame_height = self.driver.execute_script(
            "return [outerWidth - innerWidth, outerHeight - innerHeight];")
        self.driver.set_window_size(width + frame_width, height + frame_height)
        self.started = time.monotonic()
        self.driver.get(url)

    def close(self):
        self.driver.quit()
        self.profile.cleanup()

    def console(self):
        """The console's entries since the last call."""
        return self.driver.get_log("browser")

    def status_text(self, timeout=10):
        """The page's message once one shows over the canvas."""
        deadline = time.monotonic() + timeout
        while True:
            status = self.driver.find_element(By.ID, "status")
            text = self.driver.find_element(By.ID, "message").text
            if status.is_displayed() and text != "Loading…":
                return text
            if time.monotonic() > deadline:
                return text
            time.sleep(0.05)

    def press_key(self, key, code, key_code, modifiers=0):
        """A real key press through the browser's input: returns whether the
        page cancelled the keydown's default."""
        self.driver.execute_script(
            "window.keyCancelled = null;"
            "addEventListener('keydown', e => {"
            "  window.keyCancelled = e.defaultPrevented; }, {once: true});")
        for kind in ("rawKeyDown", "keyUp"):
            self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
                "type": kind, "key": key, "code": code,
                "windowsVirtualKeyCode": key_code, "modifiers": modifiers})
        return self.driver.execute_script("return window.keyCancelled;")

    @property
    def canvas(self):
        return self.driver.find_element(By.ID, "canvas")

    def screenshot(self):
        return Image.open(io.BytesIO(self.driver.get_screenshot_as_png()))

    def frame(self):
        """What the canvas shows, as the page shows it, in the screen's
        pixels."""
        rect = self.driver.execute_script(
            "const r = arguments[0].getBoundingClientRect();"
            "return [r.left, r.top, r.width, r.height, innerWidth];",
            self.canvas)
        shot = self.screenshot()
        ratio = shot.width / rect[4]
        left, top, width, height = (round(v * ratio) for v in rect[:4])
        return shot.crop((left, top, left + width, top + height))

    def wait_for(self, reference, timeout=20):
        """Waits until the canvas matches reference; returns the frame."""
        deadline = time.monotonic() + timeout
        while True:
            frame = self.frame()
            if frame.width > 1 and mean_difference(frame, reference) <= \
                    MAX_MEAN_DIFFERENCE:
                return frame
            if time.monotonic() > deadline:
                return frame
            time.sleep(0.05)

    @property
    def fragment(self):
        return self.driver.execute_script("return location.hash;")

    def note(self):
        return self.driver.find_element(By.ID, "note").text

    def wait_until(self, condition, timeout=20):
        """Waits until condition() is true; returns its last value."""
        deadline = time.monotonic() + timeout
        while True:
            value = condition()
            if value or time.monotonic() > deadline:
                return value
            time.sleep(0.05)

    def start_playing(self, title):
        """From the page's load to level play: the title and the
        instructions clicked away."""
        self.wait_for(title)
        self.click_world(0, 37.5)
        self.click_world(0, 37.5)
        time.sleep(0.3)

    def solve_by_hints(self, solved):
        """Asks for hints, taking each, until solved() is true: h pressed
        over and over solves any level. Six levels take about 70 presses;
        the bound leaves room for the pauses and searches of a busy
        machine."""
        for _ in range(400):
            if solved():
                return True
            self.press_key("h", "KeyH", 72)
            time.sleep(0.1)
        return self.wait_until(solved, 3)

    def moved_to(self, fragment):
        """A condition: the address is fragment."""
        return lambda: self.fragment == fragment

    def move_to_world(self, x, y):
        """Moves the mouse over world point (x, y); x -50..50, y 0..75."""
        width, height = self.canvas.size["width"], self.canvas.size["height"]
        # Selenium's offsets count from the element's centre.
        offset_x = round((x + 50) / 100 * width - width / 2)
        offset_y = round((75 - y) / 75 * height - height / 2)
        ActionChains(self.driver, duration=0).move_to_element_with_offset(
            self.canvas, offset_x, offset_y).perform()

    def click_world(self, x, y):
        self.move_to_world(x, y)
        ActionChains(self.driver, duration=0).click().perform()
        time.sleep(0.05)

    def link_chain(self, cells):
        """Links the source through the grid cells to the sink, as a player
        does: a click on a node links the selected one to it, and a second
        click selects it for the next link."""
        self.click_world(*SOURCE_NODE)
        for cell in cells:
            self.click_world(*grid_node(*cell))
            self.click_world(*grid_node(*cell))
        self.click_world(*SINK_NODE)

    def kept_level(self):
        """The level in play as the page keeps it: its lines by first word."""
        text = self.driver.execute_script(
            "return localStorage.getItem('linkloom level in play');")
        return dict(line.split(" ", 1) for line in text.splitlines()) \
            if text else {}

    def pixel_at_world(self, frame, x, y):
        return frame.convert("RGB").getpixel((
            min(frame.width - 1, int((x + 50) / 100 * frame.width)),
            min(frame.height - 1, int((75 - y) / 75 * frame.height))))


class SiteTest(unittest.TestCase):
    """The site served on a port of its own for a class of tests."""

    @classmethod
    def setUpClass(cls):
        cls.refused = set()
        cls.server = serve(SITE, cls.refused)
        cls.url = f"http://127.0.0.1:{cls.server.server_port}/"
        cls.title = Image.open(DESKTOP_FRAMES / "title.png")
        OUT.mkdir(parents=True, exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        cls.server.shutdown()

    def open(self, width=800, height=600, webgl=True, fragment=""):
        """The page at a window whose room below the menu, and above guided
        play's buttons for a puzzle the address names, is width by
        height."""
        buttons = BUTTONS_HEIGHT if fragment else 0
        page = Page(self.url + fragment, width,
                    height + MENU_HEIGHT + buttons, webgl)
        self.addCleanup(page.close)
        return page

    def expect_matches(self, frame, reference, name):
        frame.save(OUT / f"{name}.png")
        difference = mean_difference(frame, reference)
        print(f"{name}: mean channel difference {difference:.2f}")
        self.assertLessEqual(difference, MAX_MEAN_DIFFERENCE, name)


class BrowserEditionTest(SiteTest):
    """The classic game, at the page's plain address."""

    def solve_level_one_and_see_level_two(self, page, name):
        frame = page.wait_for(self.title)
        self.assertEqual(frame.width * 3, frame.height * 4, "canvas is 4:3")
        page.click_world(0, 37.5)  # to the instructions
        # The first click lets the page's sound start, with the music on it.
        self.assertEqual(page.driver.execute_script(
            "return [SDL.audioContext.state, SDL.music.audio !== null];"),
            ["running", True])
        page.click_world(0, 37.5)  # to level 1
        time.sleep(0.3)
        blue = page.pixel_at_world(page.frame(), *grid_node(3, 3))
        self.assertGreater(blue[2], 150, f"level 1's nodes are blue: {blue}")
        page.link_chain(level_one_chain())
        time.sleep(1.6)  # the pause after a solved level is 1 second
        frame = page.frame()
        frame.save(OUT / f"{name}.png")
        red = page.pixel_at_world(frame, *grid_node(3, 3))
        self.assertGreater(red[0], 150, f"level 2's nodes are red: {red}")
        self.assertLess(red[2], 100, f"level 2's nodes are red: {red}")
        self.assertEqual(console_faults(page.console()), [])

    def test_site_is_small(self):
        total = sum(f.stat().st_size for f in SITE.rglob("*") if f.is_file())
        print(f"site: {total} bytes")
        self.assertLessEqual(total, MAX_SITE_BYTES)

    def test_frames_match_the_desktop_game(self):
        page = self.open()
        title = page.wait_for(self.title)
        seconds = time.monotonic() - page.started
        print(f"page load to title: {seconds:.2f} s")
        self.assertEqual(page.driver.title, "Linkloom, Quillfen")
        self.expect_matches(title, self.title, "title")
        self.assertLessEqual(seconds, MAX_SECONDS_TO_TITLE)

        page.click_world(0, 37.5)
        time.sleep(0.3)
        self.expect_matches(page.frame(),
                            Image.open(DESKTOP_RUN / "images/instructions.png"),
                            "instructions")
        page.click_world(0, 37.5)
        time.sleep(0.3)
        # The desktop screenshot's play: the top row linked to the sink, a
        # selection and a hover mark showing.
        page.link_chain([(0, 0), (0, 1), (0, 2), (0, 3)])
        page.click_world(-6, 42)
        page.move_to_world(6, 42)
        time.sleep(0.5)
        self.expect_matches(page.frame(),
                            Image.open(DESKTOP_FRAMES / "level1.png"), "playing")
        page.screenshot().save(OUT / "page.png")

    def test_solves_level_one_at_the_desktop_size(self):
        self.solve_level_one_and_see_level_two(self.open(), "level2_800x600")

    def test_solves_level_one_in_a_tall_window(self):
        # The canvas fills the width, 4:3 below it: every click maps anew.
        page = self.open(640, 900)
        self.solve_level_one_and_see_level_two(page, "level2_640x900")
        self.assertEqual(page.canvas.size, {"width": 640, "height": 480})

    def test_canvas_grows_in_a_larger_window(self):
        # The browser's GLUT bounds the canvas by its own size, so a canvas
        # that only followed the game's requests would stay at 800 x 600.
        page = self.open(1200, 1000)
        title = page.wait_for(self.title)
        self.assertEqual(page.canvas.size, {"width": 1200, "height": 900})
        self.expect_matches(title, self.title, "title_1200x900")

    def test_a_failed_download_says_what_failed_and_retries(self):
        for name in ("linkloom.data", "linkloom.wasm"):
            with self.subTest(name):
                self.refused.add(name)
                self.addCleanup(self.refused.clear)
                page = self.open()
                self.assertIn(f"could not download {name} (404",
                              page.status_text())
                retry = page.driver.find_element(By.ID, "retry")
                self.assertTrue(retry.is_displayed())
                self.assertFalse(page.driver.find_element(
                    By.ID, "progress").is_displayed())
                self.refused.clear()
                retry.click()
                frame = page.wait_for(self.title)
                self.expect_matches(frame, self.title, "title_after_retry")

    def test_keys_the_game_does_not_use_reach_the_browser(self):
        page = self.open()
        page.wait_for(self.title)
        control = 2
        for key, code, key_code, modifiers in (
                ("F5", "F5", 116, 0), ("Tab", "Tab", 9, 0),
                ("F12", "F12", 123, 0), ("Escape", "Escape", 27, 0),
                ("ArrowDown", "ArrowDown", 40, 0),
                ("Backspace", "Backspace", 8, 0), ("T", "KeyT", 84, 0),
                ("t", "KeyT", 84, control)):
            with self.subTest(key, modifiers=modifiers):
                self.assertIs(page.press_key(key, code, key_code, modifiers),
                              False)
        # The game's own key is its while the canvas has the focus, and the
        # browser does nothing with it; elsewhere on the page it is not.
        self.assertIs(page.press_key("t", "KeyT", 84), False)
        page.driver.execute_script("arguments[0].focus();", page.canvas)
        self.assertIs(page.press_key("t", "KeyT", 84), True)

    def test_the_wheel_changes_no_screen(self):
        # A tall window: black bars below the canvas as well.
        page = self.open(640, 900)
        page.wait_for(self.title)
        page.move_to_world(0, 37.5)
        for origin in (ScrollOrigin.from_element(page.canvas),
                       ScrollOrigin.from_viewport(320, 800)):
            for notch in (120, -120, 120):
                ActionChains(page.driver).scroll_from_origin(
                    origin, 0, notch).perform()
        time.sleep(0.3)
        self.expect_matches(page.frame(), self.title, "title_after_wheel")
        self.assertEqual(console_faults(page.console()), [])

    def test_a_lost_context_says_so_and_plays_on(self):
        page = self.open()
        page.wait_for(self.title)
        page.driver.execute_script(
            "window.loseContext = document.getElementById('canvas')"
            "  .getContext('webgl').getExtension('WEBGL_lose_context');"
            "loseContext.loseContext();")
        self.assertIn("graphics were lost", page.status_text())
        # Nothing is drawn into the lost context, whatever asks for it.
        page.driver.execute_script(COUNT_ANIMATION_FRAMES +
                                   "window.dispatchEvent(new Event('resize'));")
        time.sleep(0.5)
        self.assertEqual(page.driver.execute_script(
            "return window.animationFramesAsked;"), 0)
        page.driver.execute_script("loseContext.restoreContext();")
        frame = page.wait_for(self.title)
        self.expect_matches(frame, self.title, "title_after_lost_context")
        page.click_world(0, 37.5)
        time.sleep(0.3)
        self.expect_matches(page.frame(),
                            Image.open(DESKTOP_RUN / "images/instructions.png"),
                            "instructions_after_lost_context")
        self.assertEqual(console_faults(page.console()), [])

    def test_page_without_webgl_says_so(self):
        page = self.open(webgl=False)
        message = page.driver.find_element(By.ID, "message").text
        self.assertIn("needs WebGL", message)
        self.assertFalse(
            page.driver.find_element(By.ID, "progress").is_displayed())


class PuzzlesByAddressTest(SiteTest):
    """Every mode by its address: the puzzle the address names, the address
    following the player, progress kept in the browser, the menu, packs
    from the disk, and the page offline."""

    SEED = "#seed=42&difficulty=hard"

    def expect_playing(self, page, place):
        """The tab's title names the place, as the desktop window's does."""
        self.assertTrue(page.wait_until(
            lambda: page.driver.title == f"Linkloom, Quillfen - {place}", 5),
            page.driver.title)

    def solve_first_of_two(self, page, fragment):
        """Solves level 1 of the two-level pack: the address moves on and
        the pack's red level 2 shows."""
        page.link_chain(level_one_chain())
        self.assertTrue(page.wait_until(
            lambda: page.fragment == fragment + "&level=2", 5))
        red = page.pixel_at_world(page.frame(), *grid_node(3, 3))
        self.assertGreater(red[0], 150, f"the pack's level 2 is red: {red}")

    def test_a_seed_shows_the_desktop_games_first_frame(self):
        page = self.open(fragment=self.SEED)
        page.start_playing(self.title)
        page.move_to_world(0, 14)  # the pointer off the board
        # Level 1 is made beside play after the title: it may need a moment.
        self.expect_playing(page, "Seed 42 - hard - level 1 of 6")
        time.sleep(0.5)
        frame = page.frame()
        reference = Image.open(DESKTOP_FRAMES / "seed42hard.png")
        self.expect_matches(frame, reference, "seed42hard")
        # The writing alone too (the status line, the keys): the whole
        # frame would pass without it.
        scale = frame.width / reference.width
        for name, box in (("status", (0, 0, 400, 32)),
                          ("keys", (300, 550, 800, 600))):
            self.expect_matches(
                frame.crop(tuple(round(side * scale) for side in box)),
                reference.crop(box), f"seed42hard_{name}")
        self.assertEqual(page.fragment, self.SEED + "&level=1")
        self.assertEqual(page.note(), "")
        # The menu's difficulty box shows the puzzle being played.
        self.assertEqual(page.driver.execute_script(
            "return document.getElementById('difficulty').value"), "hard")
        self.assertEqual(console_faults(page.console()), [])

    def test_the_address_follows_the_player_and_a_reload_resumes(self):
        page = self.open(fragment=self.SEED)
        page.start_playing(self.title)
        self.assertTrue(page.solve_by_hints(page.moved_to(
            self.SEED + "&level=2")), page.fragment)
        # The link copied is the address, where the player stands.
        page.driver.find_element(By.ID, "copy-link").click()
        shared = page.driver.find_element(By.ID, "shared")
        self.assertTrue(shared.is_displayed())
        self.assertEqual(shared.get_attribute("value"),
                         f"{self.url}{self.SEED}&level=2")

        page.driver.refresh()
        page.start_playing(self.title)
        self.expect_playing(page, "Seed 42 - hard - level 2 of 6")
        # The plain link resumes at the first level not solved, kept in the
        # browser; level 1 named in the address plays level 1.
        for fragment, level in ((self.SEED, 2), (self.SEED + "&level=1", 1)):
            page.driver.get("about:blank")
            page.driver.get(self.url + fragment)
            page.start_playing(self.title)
            self.expect_playing(page, f"Seed 42 - hard - level {level} of 6")
            self.assertEqual(page.fragment, f"{self.SEED}&level={level}")
        self.assertEqual(console_faults(page.console()), [])

    def test_a_bad_address_says_so_and_plays_the_classic_game(self):
        # The note in a player's words; the console keeps the exact line,
        # decoded and in the address's words.
        for fragment, said, detail in (
                ("#seed=x", "This link's seed is not a number.",
                 "seed takes a whole number, not x"),
                ("#seed=1%26pack=x", "This link's seed is not a number.",
                 "seed takes a whole number, not 1&pack=x"),
                ("#pack=absent.pack", "absent.pack could not be downloaded.",
                 "absent.pack could not be downloaded from beside the page"),
                ("#file=never.pack", "never.pack is not kept",
                 "never.pack is not kept")):
            with self.subTest(fragment):
                page = self.open(fragment=fragment)
                self.expect_matches(page.wait_for(self.title), self.title,
                                    "title_after_bad_address")
                self.assertIn(said, page.wait_until(page.note, 10))
                self.assertNotIn("--", page.note())
                self.assertTrue(any(detail in entry["message"]
                                    for entry in page.console()), detail)
                self.assertEqual(page.fragment, "")
                page.start_playing(self.title)
                blue = page.pixel_at_world(page.frame(), *grid_node(3, 3))
                self.assertGreater(blue[2], 150, f"classic level 1: {blue}")
                self.assertEqual(page.driver.title, "Linkloom, Quillfen")

    def test_a_pack_served_beside_the_page_plays(self):
        (SITE / "two.pack").write_text(TWO_LEVEL_PACK)
        self.addCleanup((SITE / "two.pack").unlink)
        page = self.open(fragment="#pack=two.pack")
        page.start_playing(self.title)
        self.expect_playing(page, "two.pack - level 1 of 2")
        self.solve_first_of_two(page, "#pack=two.pack")
        self.assertEqual(console_faults(page.console()), [])

    def test_a_level_past_the_last_is_written_back_as_the_last(self):
        (SITE / "two.pack").write_text(TWO_LEVEL_PACK)
        self.addCleanup((SITE / "two.pack").unlink)
        page = self.open(fragment="#pack=two.pack&level=3")
        self.assertTrue(page.wait_until(
            page.moved_to("#pack=two.pack&level=2"), 10), page.fragment)
        self.assertIn("no level 3", page.note())
        page.start_playing(self.title)
        self.expect_playing(page, "two.pack - level 2 of 2")
        self.assertEqual(page.fragment, "#pack=two.pack&level=2")

    def test_h_on_a_level_no_chain_solves_says_so(self):
        # Level 1 with its target out of reach: no size delta leaves 2.
        stuck = one_level_pack("0 0 1").replace("target 6/4/0",
                                                "target 6/5/0")
        (SITE / "stuck.pack").write_text(stuck)
        self.addCleanup((SITE / "stuck.pack").unlink)
        page = self.open(fragment="#pack=stuck.pack")
        page.start_playing(self.title)
        self.expect_playing(page, "stuck.pack - level 1 of 1")
        self.assertEqual(page.note(), "")
        page.press_key("h", "KeyH", 72)
        self.assertEqual(page.wait_until(page.note, 5),
                         "No chain solves this level")

    def test_a_pack_opened_from_a_file_plays(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        good = Path(folder.name) / "my levels.pack"
        good.write_text(TWO_LEVEL_PACK)
        bad = Path(folder.name) / "bad.pack"
        bad.write_text("level\nstart 2/4/0\ntarget 9/4/0\n")
        page = self.open()
        page.wait_for(self.title)
        picker = page.driver.find_element(By.ID, "pack-file")
        # A bad pack: its fault in one line, and the game plays on.
        picker.send_keys(str(bad))
        self.assertTrue(page.wait_until(lambda: page.note() ==
            "bad.pack is not a level pack the game can read.", 5), page.note())
        self.assertTrue(any("bad.pack:3:" in entry["message"]
                            for entry in page.console()))
        self.assertEqual(page.fragment, "")

        picker.send_keys(str(good))
        self.assertTrue(page.wait_until(
            lambda: page.fragment == "#file=my-levels.pack", 10))
        page.start_playing(self.title)
        self.expect_playing(page, "my-levels.pack - level 1 of 2")
        self.solve_first_of_two(page, "#file=my-levels.pack")
        # The pack is kept with the page: a reload plays it on.
        page.driver.refresh()
        page.start_playing(self.title)
        self.expect_playing(page, "my-levels.pack - level 2 of 2")
        self.assertEqual(console_faults(page.console()), [])

        # A pack dropped on the page opens as a picked one does.
        page.driver.execute_script(
            "const files = new DataTransfer();"
            "files.items.add(new File([arguments[0]], 'dropped.pack'));"
            "document.getElementById('canvas').dispatchEvent(new DragEvent("
            "    'drop', {dataTransfer: files, bubbles: true}));",
            one_level_pack("0 1 0"))
        self.assertTrue(page.wait_until(
            page.moved_to("#file=dropped.pack"), 10), page.fragment)
        page.start_playing(self.title)
        self.expect_playing(page, "dropped.pack - level 1 of 1")

    def test_the_daily_finished_gives_its_result_to_copy(self):
        page = self.open(fragment="#daily")
        page.start_playing(self.title)
        copy_result = page.driver.find_element(By.ID, "copy-result")
        for level in range(2, 7):
            self.assertTrue(page.solve_by_hints(page.moved_to(
                f"#daily&level={level}")), page.fragment)
            self.assertFalse(copy_result.is_displayed())
        self.assertTrue(page.solve_by_hints(copy_result.is_displayed))
        copy_result.click()
        self.assertRegex(
            page.driver.find_element(By.ID, "shared").get_attribute("value"),
            r"^Linkloom daily \d{4}-\d\d-\d\d: 6/6 in \d+:\d\d, "
            r"\d+ without a hint, \d+ with \d+ hints?, streak 1 " +
            re.escape(self.url + "#daily") + "$")

    def test_damaged_progress_is_kept_aside_and_play_starts_afresh(self):
        page = self.open()
        page.wait_for(self.title)
        page.driver.execute_script(
            "localStorage.setItem('linkloom progress', 'not progress');")
        page.driver.get(self.url + self.SEED + "&level=1")
        page.start_playing(self.title)
        self.expect_playing(page, "Seed 42 - hard - level 1 of 6")
        self.assertTrue(page.solve_by_hints(page.moved_to(
            self.SEED + "&level=2")), page.fragment)
        kept = page.driver.execute_script(
            "return [localStorage.getItem('linkloom progress.damaged'),"
            "        localStorage.getItem('linkloom progress')];")
        self.assertEqual(kept[0], "not progress")
        self.assertRegex(kept[1],
                         r"\npuzzle \d+ seed 42 hard\nsolved 1 \d+ \d+\n")
        said = [entry["message"] for entry in page.console()
                if "progress is damaged" in entry["message"]]
        self.assertEqual(len(said), 1, said)
        self.assertIn("progress is damaged", page.note())

    def test_damaged_text_is_kept_aside_character_for_character(self):
        damaged = "h\u00e9llo \u20ac\u4e2d garbage \U0001f600"
        page = self.open()
        page.wait_for(self.title)
        page.driver.execute_script(
            "localStorage.setItem('linkloom progress', arguments[0]);",
            damaged)
        page.driver.get(self.url + self.SEED)
        page.start_playing(self.title)
        self.assertIn("progress is damaged", page.note())
        kept = page.driver.execute_script(
            "return localStorage.getItem('linkloom progress.damaged');")
        self.assertEqual(kept, damaged)

    def test_the_menu_works_from_the_keyboard(self):
        page = self.open()
        page.wait_for(self.title)
        keys = ActionChains(page.driver)
        keys.send_keys(Keys.TAB).perform()
        focused = lambda: page.driver.switch_to.active_element.get_attribute(
            "id")
        self.assertEqual(focused(), "classic")
        keys.send_keys(Keys.TAB).perform()
        self.assertEqual(focused(), "daily")
        keys.send_keys(Keys.ENTER).perform()
        self.assertTrue(page.wait_until(
            lambda: page.fragment.startswith("#daily"), 10), page.fragment)
        page.start_playing(self.title)
        # The level is made beside play after the title: it may need a moment.
        self.assertTrue(page.wait_until(lambda: re.search(
            r" - Daily \d{4}-\d\d-\d\d - level 1 of 6$", page.driver.title),
            10), page.driver.title)
        self.assertRegex(page.fragment, r"^#daily&level=1$")

        # A letter typed in the list chooses there, and is no hint.
        select = page.driver.find_element(By.ID, "difficulty")
        select.send_keys("h")
        self.assertEqual(select.get_attribute("value"), "hard")
        page.driver.find_element(By.ID, "seed").send_keys(Keys.ENTER)
        self.assertTrue(page.wait_until(
            lambda: re.fullmatch(r"#seed=\d+&difficulty=hard", page.fragment),
            10), page.fragment)
        page.start_playing(self.title)
        self.assertTrue(page.wait_until(lambda: re.search(
            r" - Seed \d+ - hard - level 1", page.driver.title), 10),
            page.driver.title)

    def test_the_page_plays_offline_after_one_visit(self):
        # A server of its own, stopped for the offline visit.
        server = serve(SITE, set())
        url = f"http://127.0.0.1:{server.server_port}/{self.SEED}"
        page = Page(url, 800, 600 + MENU_HEIGHT)
        self.addCleanup(page.close)
        page.start_playing(self.title)
        self.expect_playing(page, "Seed 42 - hard - level 1 of 6")
        self.assertTrue(page.wait_until(lambda: page.driver.execute_script(
            "return navigator.serviceWorker.controller !== null;"), 10),
            "the service worker controls the page")
        server.shutdown()
        server.server_close()
        page.driver.execute_cdp_cmd("Network.enable", {})
        page.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1,
            "uploadThroughput": -1})
        page.driver.refresh()
        page.start_playing(self.title)
        self.expect_playing(page, "Seed 42 - hard - level 1 of 6")
        self.assertEqual(page.fragment, self.SEED + "&level=1")

    def test_a_new_build_replaces_the_old_one_whole(self):
        # A copy of the site, its files a week old, so that the browser's
        # HTTP cache would hold them for most of a day by their age alone.
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        site = Path(folder.name)
        week_ago = time.time() - 7 * 86400
        for file in SITE.iterdir():
            if file.is_file():
                (site / file.name).write_bytes(file.read_bytes())
                os.utime(site / file.name, (week_ago, week_ago))
        server = serve(site, set())
        self.addCleanup(server.shutdown)
        url = f"http://127.0.0.1:{server.server_port}/{self.SEED}"
        page = Page(url, 800, 600 + MENU_HEIGHT)
        self.addCleanup(page.close)
        page.start_playing(self.title)
        self.assertTrue(page.wait_until(lambda: page.driver.execute_script(
            "return navigator.serviceWorker.controller !== null;"), 10))
        def caches():
            return page.driver.execute_async_script(
                "caches.keys().then(arguments[arguments.length - 1]);")
        first = re.search(r'const build = "(\w+)"',
                          (site / "service-worker.js").read_text()).group(1)
        self.assertTrue(page.wait_until(
            lambda: caches() == [f"linkloom {first}"], 10), caches())

        # The site rebuilt: a page, a game and a worker of a new build.
        index = (site / "index.html").read_text()
        (site / "index.html").write_text(index.replace(
            "</body>", "<script>window.pageBuild = 2;</script>\n</body>"))
        with open(site / "linkloom.js", "a") as game:
            game.write("\nwindow.gameBuild = 2;\n")
        worker = (site / "service-worker.js").read_text()
        (site / "service-worker.js").write_text(
            worker.replace(first, "second0build0000"))
        page.driver.refresh()
        page.start_playing(self.title)
        self.assertEqual(page.driver.execute_script(
            "return [window.pageBuild, window.gameBuild];"), [2, 2],
            "the page and the game of the new build, together")
        self.assertTrue(page.wait_until(
            lambda: caches() == ["linkloom second0build0000"], 20), caches())
        cached = page.driver.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "caches.open('linkloom second0build0000').then(cache =>"
            "  Promise.all(['index.html', 'linkloom.js'].map(file =>"
            "    cache.match(file).then(r => r.text())))).then(done);")
        self.assertIn("window.pageBuild = 2", cached[0])
        self.assertIn("window.gameBuild = 2", cached[1])

    def test_the_site_can_be_installed(self):
        manifest = json.loads((SITE / "manifest.webmanifest").read_text())
        self.assertEqual(manifest["start_url"], "./")
        for icon in manifest["icons"]:
            self.assertTrue((SITE / icon["src"]).is_file(), icon["src"])
            with Image.open(SITE / icon["src"]) as picture:
                self.assertEqual("x".join(map(str, picture.size)),
                                 icon["sizes"])
        page = self.open()
        page.wait_for(self.title)
        errors = page.driver.execute_cdp_cmd("Page.getInstallabilityErrors",
                                             {})
        self.assertEqual(errors["installabilityErrors"], [])


class PhonePage(Page):
    """The page as a phone shows it: 390 x 844 CSS pixels, 3 of the
    screen's pixels to each, and a finger instead of a mouse."""

    WIDTH, HEIGHT, RATIO = 390, 844, 3

    def __init__(self, url):
        super().__init__("about:blank", self.WIDTH, self.HEIGHT)
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": self.WIDTH, "height": self.HEIGHT,
            "deviceScaleFactor": self.RATIO, "mobile": True})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                    {"enabled": True, "maxTouchPoints": 5})
        self.started = time.monotonic()
        self.driver.get(url)

    def tap(self, x, y):
        """A finger's tap at (x, y) CSS pixels of the page."""
        for kind, points in (("touchStart", [{"x": x, "y": y}]),
                             ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": kind, "touchPoints": points})
        time.sleep(0.05)

    def click_world(self, x, y):
        """A tap on world point (x, y) of the board."""
        left, top, width, height = self.driver.execute_script(
            "const r = arguments[0].getBoundingClientRect();"
            "return [r.left, r.top, r.width, r.height];", self.canvas)
        self.tap(left + (x + 50) / 100 * width, top + (75 - y) / 75 * height)

    def tap_button(self, label):
        """A tap on guided play's button of that label."""
        button = self.driver.find_element(
            By.XPATH, f"//div[@id='buttons']/button[text()='{label}']")
        rect = button.rect
        self.tap(rect["x"] + rect["width"] / 2, rect["y"] + rect["height"] / 2)


# Links of a kept level: the source's link first among the terminals.
NO_LINKS = " ".join(["-1"] * 18)


class PhoneTest(SiteTest):
    """The page on a phone: taps that play, a sharp board that fills the
    screen, buttons for guided play's keys, a daily kept over reloads,
    focus that stays with the game, and packs that travel in their link."""

    def open_phone(self, fragment=""):
        page = PhonePage(self.url + fragment)
        self.addCleanup(page.close)
        return page

    def serve_pack(self, name, text):
        (SITE / name).write_text(text)
        self.addCleanup((SITE / name).unlink)

    def test_taps_alone_solve_a_level_and_the_buttons_undo_and_hint(self):
        self.serve_pack("three.pack", TWO_LEVEL_PACK + one_level_pack("0 1 0"))
        page = self.open_phone("#pack=three.pack")
        page.start_playing(self.title)
        page.link_chain(level_one_chain())
        self.assertTrue(page.wait_until(
            page.moved_to("#pack=three.pack&level=2"), 5), page.fragment)
        page.screenshot().save(OUT / "phone_level2.png")

        buttons = page.driver.find_elements(By.CSS_SELECTOR, "#buttons button")
        self.assertEqual([b.text for b in buttons],
                         ["Clear", "Undo", "Redo", "Hint", "Help"])
        for button in buttons:
            self.assertGreaterEqual(button.rect["width"], 44, button.text)
            self.assertGreaterEqual(button.rect["height"], 44, button.text)
            self.assertIn("(", button.get_attribute("title"))
        # A link tapped, and taken back by the button.
        time.sleep(1.2)  # the pause after the level solved
        page.click_world(*SOURCE_NODE)
        page.click_world(*grid_node(0, 0))
        self.assertTrue(page.wait_until(lambda: page.kept_level().get(
            "links", NO_LINKS) != NO_LINKS, 5), page.kept_level())
        page.tap_button("Undo")
        self.assertTrue(page.wait_until(
            lambda: page.kept_level().get("links") == NO_LINKS, 5),
            page.kept_level())
        # Hints, taken by pressing again, solve the level.
        for _ in range(60):
            if page.fragment == "#pack=three.pack&level=3":
                break
            page.tap_button("Hint")
            time.sleep(0.1)
        self.assertEqual(page.fragment, "#pack=three.pack&level=3")
        self.assertEqual(console_faults(page.console()), [])

    def test_the_board_fills_the_phone_sharply_and_the_menu_wraps(self):
        for fragment in ("", "#daily"):
            with self.subTest(fragment or "classic"):
                page = self.open_phone(fragment)
                page.wait_until(lambda: page.driver.execute_script(
                    "return Module.calledRun === true;"), 20)
                time.sleep(0.5)
                sizes = page.driver.execute_script(
                    "const c = document.getElementById('canvas');"
                    "const menu = document.getElementById('menu');"
                    "const r = c.getBoundingClientRect();"
                    "return {css: [r.width, r.height],"
                    "  buffer: [c.width, c.height],"
                    "  page: [document.documentElement.scrollWidth,"
                    "         innerWidth],"
                    "  menu: [menu.scrollWidth, menu.clientWidth,"
                    "         menu.offsetHeight],"
                    "  right: Math.max(...[...menu.children]"
                    "    .filter(e => e.offsetParent !== null)"
                    "    .map(e => e.getBoundingClientRect().right))};")
                print(f"phone {fragment or 'classic'}: {sizes}")
                # 877 screen pixels, the most in 4:3 below 1170 across.
                self.assertEqual(sizes["buffer"], [1170, 877])
                self.assertEqual(sizes["css"][0], 390)
                # The page lays out in 64ths of a CSS pixel.
                self.assertLess(abs(sizes["css"][1] - 877 / 3), 1 / 64)
                self.assertLessEqual(sizes["page"][0], sizes["page"][1])
                self.assertLessEqual(sizes["menu"][0], sizes["menu"][1])
                self.assertLessEqual(sizes["right"], 390)
                self.assertLessEqual(sizes["menu"][2], 100)
                page.frame().save(OUT / f"phone_{fragment[1:] or 'classic'}.png")
                page.screenshot().save(
                    OUT / f"phone_page_{fragment[1:] or 'classic'}.png")

    def test_a_reload_keeps_the_daily_part_way_and_finished(self):
        page = self.open_phone("#daily")
        page.start_playing(self.title)
        # A hint shown, then taken: a link made. The first may wait for the
        # level's search.
        for _ in range(20):
            if page.kept_level().get("links", NO_LINKS) != NO_LINKS:
                break
            page.tap_button("Hint")
            time.sleep(0.3)
        self.assertNotEqual(page.kept_level().get("links", NO_LINKS),
                            NO_LINKS)
        time.sleep(1.1)
        kept = page.kept_level()
        page.driver.refresh()
        page.start_playing(self.title)
        # The clock was kept as the page went, so play goes on from beyond
        # the last link's second before its next five seconds come.
        self.assertTrue(page.wait_until(
            lambda: int(page.kept_level().get("milliseconds", 0)) >
            int(kept["milliseconds"]), 2), page.kept_level())
        self.assertEqual(page.kept_level()["links"], kept["links"])
        self.assertEqual(page.kept_level()["hints"], kept["hints"])

        copy_result = page.driver.find_element(By.ID, "copy-result")
        self.assertTrue(page.solve_by_hints(copy_result.is_displayed))
        copy_result.click()
        shared = page.driver.find_element(By.ID, "shared")
        result = shared.get_attribute("value")
        self.assertRegex(result, r"^Linkloom daily .*: 6/6 in ")
        for reload in (page.driver.refresh,
                       lambda: page.driver.find_element(By.ID,
                                                        "daily").click()):
            reload()
            copy_result = page.driver.find_element(By.ID, "copy-result")
            self.assertTrue(page.wait_until(copy_result.is_displayed, 20))
            copy_result.click()
            self.assertEqual(page.driver.find_element(
                By.ID, "shared").get_attribute("value"), result)
        # The player's statistics, and the wait for the next daily.
        stats = page.driver.find_element(By.ID, "stats")
        self.assertTrue(stats.is_displayed())
        self.assertEqual(stats.text,
                         "1 daily finished, streak 1 (best 1); levels solved: "
                         "2 easy, 2 medium, 2 hard")
        self.assertRegex(page.driver.find_element(By.ID, "next-daily").text,
                         r"^Next daily in \d{1,2}:\d\d:\d\d$")
        time.sleep(0.5)
        page.frame().save(OUT / "phone_daily_finished.png")
        page.screenshot().save(OUT / "phone_page_daily_finished.png")
        self.assertEqual(console_faults(page.console()), [])

    def test_space_and_keys_in_play_stay_with_the_game(self):
        page = self.open(fragment=PuzzlesByAddressTest.SEED)
        page.wait_for(self.title)
        # The difficulty chosen with the mouse, then the board clicked.
        select = page.driver.find_element(By.ID, "difficulty")
        select.click()
        select.find_element(By.CSS_SELECTOR, "option[value=easy]").click()
        page.start_playing(self.title)
        focused = lambda: page.driver.switch_to.active_element.get_attribute(
            "id")
        self.assertEqual(focused(), "canvas")
        page.driver.execute_script("window.stillThisPage = true;")
        page.press_key("h", "KeyH", 72)
        self.assertTrue(page.wait_until(lambda: page.kept_level().get(
            "hints") == "1", 10), page.kept_level())
        self.assertEqual(select.get_attribute("value"), "easy")
        kept = page.kept_level()
        fragment = page.fragment
        for key, code, key_code in ((" ", "Space", 32),
                                    ("Enter", "Enter", 13)):
            page.press_key(key, code, key_code)
        time.sleep(0.5)
        self.assertTrue(page.driver.execute_script(
            "return window.stillThisPage === true;"))
        self.assertEqual(page.fragment, fragment)
        self.assertEqual(page.kept_level()["links"], kept["links"])

    def test_a_disk_packs_link_opens_it_in_a_fresh_browser(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        pack = Path(folder.name) / "my levels.pack"
        pack.write_text(TWO_LEVEL_PACK)
        page = self.open()
        page.wait_for(self.title)
        page.driver.find_element(By.ID, "pack-file").send_keys(str(pack))
        self.assertTrue(page.wait_until(
            page.moved_to("#file=my-levels.pack"), 10), page.fragment)
        page.driver.find_element(By.ID, "copy-link").click()
        shared = page.driver.find_element(By.ID, "shared")
        self.assertTrue(page.wait_until(shared.is_displayed, 5))
        link = shared.get_attribute("value")
        print(f"a two-level pack's link: {len(link)} characters")
        self.assertLessEqual(len(link), 2000)
        self.assertIn("packdata=", link)

        friend = self.open_phone(link[len(self.url):])
        friend.start_playing(self.title)
        self.assertTrue(friend.wait_until(lambda: friend.driver.title ==
            "Linkloom, Quillfen - my-levels.pack - level 1 of 2", 10),
            friend.driver.title)
        friend.link_chain(level_one_chain())
        self.assertTrue(friend.wait_until(
            friend.moved_to("#file=my-levels.pack&level=2"), 5),
            friend.fragment)

        # A pack too large for a link says so, and copies nothing.
        large = Path(folder.name) / "large.pack"
        noise = random.Random(25)
        large.write_text(one_level_pack("0 0 1") + "".join(
            f"# {noise.getrandbits(3600):0900x}\n" for _ in range(6)))
        page.driver.find_element(By.ID, "pack-file").send_keys(str(large))
        self.assertTrue(page.wait_until(
            page.moved_to("#file=large.pack"), 10), page.fragment)
        page.driver.find_element(By.ID, "copy-link").click()
        self.assertTrue(page.wait_until(
            lambda: "too large to fit in a link" in page.note(), 5),
            page.note())


# Counts the page's requests for animation frames from now on: the game's
# loop asks through the global requestAnimationFrame at each request.
COUNT_ANIMATION_FRAMES = """
window.animationFramesAsked = 0;
const ask = window.requestAnimationFrame.bind(window);
window.requestAnimationFrame = callback => {
  window.animationFramesAsked += 1;
  return ask(callback);
};
"""


# The least a still guided level could cost: a canvas of the game's size
# whose only work is one WebGL frame a second, woken by a timer as the
# game's clock wakes its loop.
FLOOR_PAGE = "data:text/html," + urllib.parse.quote("""<!doctype html>
<canvas width="800" height="600"></canvas><script>
const gl = document.querySelector("canvas").getContext("webgl");
let shade = 0;
function frame() {
  shade = 1 - shade;
  gl.clearColor(shade, 0.5, 0.5, 1);
  gl.clear(gl.COLOR_BUFFER_BIT);
  setTimeout(() => requestAnimationFrame(frame), 1000);
}
requestAnimationFrame(frame);
</script>""")


# The keys a player presses, as the DevTools protocol names them.
GAME_KEYS = {"Up": ("ArrowUp", "ArrowUp", 38),
             "Down": ("ArrowDown", "ArrowDown", 40),
             "Left": ("ArrowLeft", "ArrowLeft", 37),
             "Right": ("ArrowRight", "ArrowRight", 39),
             "Enter": ("Enter", "Enter", 13), "d": ("d", "KeyD", 68),
             "h": ("h", "KeyH", 72)}
# A node as the game's words name it.
NODE_NAME = r"the source|the sink|row \d, column \d"


def place_of(name):
    """A node's words as (row, column) from 0; the source is column -1 and
    the sink column 4, both beside the second row."""
    if name == "the source":
        return (1, -1)
    if name == "the sink":
        return (1, 4)
    row, column = re.fullmatch(r"row (\d), column (\d)", name).groups()
    return (int(row) - 1, int(column) - 1)


def arrows_between(start, end):
    """The arrows from one place to another: into the grid from the source,
    up or down, then sideways, into the sink off the last column."""
    keys = []
    row, column = start
    if column < 0:
        keys.append("Right")
        row, column = 1, 0
    last_row = row if end[1] == 4 else end[0]
    keys += ["Down"] * max(last_row - row, 0) + ["Up"] * max(row - last_row, 0)
    keys += ["Right"] * max(end[1] - column, 0)
    keys += ["Left"] * max(column - end[1], 0)
    return keys


class WordsOnlyTest(SiteTest):
    """Guided play as a player who cannot see it: the canvas reached by Tab,
    keys alone, and only the page's live region read, never a pixel."""

    def words(self, page):
        return page.driver.execute_script(
            "return [...document.querySelectorAll('#words p')]"
            ".map(line => line.textContent);")

    def said(self, page, pattern, since=0, timeout=10):
        """The first line said from line since on that matches pattern."""
        def found():
            for line in self.words(page)[since:]:
                match = re.fullmatch(pattern, line)
                if match:
                    return match
            return None
        return page.wait_until(found, timeout)

    def press(self, page, key, answer):
        """Presses a game key and returns the first line said after it that
        matches answer."""
        since = len(self.words(page))
        self.assertIs(page.press_key(*GAME_KEYS[key]), True, key)
        match = self.said(page, answer, since)
        self.assertIsNotNone(match, f"{key}: {self.words(page)[since:]}")
        return match

    def move_focus(self, page, focus, target):
        """Moves the focus by arrows, following where the words say it is."""
        for arrow in arrows_between(focus, target):
            said = self.press(page, arrow, f"({NODE_NAME})(,.*|;.*)?")
            focus = place_of(said.group(1))
        self.assertEqual(focus, target)
        return focus

    def test_a_level_is_solved_by_keys_reading_only_the_words(self):
        (SITE / "two.pack").write_text(TWO_LEVEL_PACK)
        self.addCleanup((SITE / "two.pack").unlink)
        page = self.open(fragment="#pack=two.pack")
        self.assertIsNotNone(self.said(page, "Press Enter to go on", 0, 20))
        canvas = page.canvas
        self.assertEqual(canvas.get_attribute("role"), "application")
        self.assertIn("Arrow keys", canvas.get_attribute("aria-label"))
        words = page.driver.find_element(By.ID, "words")
        self.assertEqual(words.get_attribute("aria-live"), "polite")
        # Tab reaches the canvas after the menu.
        for _ in range(12):
            if page.driver.switch_to.active_element == canvas:
                break
            ActionChains(page.driver).send_keys(Keys.TAB).perform()
        self.assertEqual(page.driver.switch_to.active_element, canvas)

        self.press(page, "Enter", "Press Enter to play")
        self.press(page, "Enter", "Focus on the source")
        self.press(page, "d", r"Limits: size 2 to 8, 3 to 8 corners, .*")
        self.assertIsNotNone(self.said(page, r"Start size \d+, .*; target .*"))
        focus = place_of("the source")
        for _ in range(30):
            hint = self.press(page, "h", rf"Hint: (link|remove the link from) "
                                         rf"({NODE_NAME}) to ({NODE_NAME})")
            kind, start, end = hint.groups()
            focus = self.move_focus(page, focus, place_of(start))
            self.press(page, "Enter", f"{start} selected")
            if kind == "link":
                focus = self.move_focus(page, focus, place_of(end))
                since = len(self.words(page))
                self.press(page, "Enter", f"Linked {start} to {end}")
                if self.said(page, "Level 1 cleared", since, 2):
                    break
            else:
                self.press(page, "Enter", f"Removed the link from {start}")
        self.assertIsNotNone(self.said(page, "Level 1 cleared", 0, 1),
                             self.words(page))
        # Each node the chain took on was heard with the shape leaving it,
        # as numbers, and the next level starts with its place.
        lines = self.words(page)
        linked = [(at, match.group(2)) for at, match in enumerate(
            re.fullmatch(rf"Linked ({NODE_NAME}) to ({NODE_NAME})", line)
            for line in lines) if match]
        self.assertGreaterEqual(len(linked), 3, lines)
        for at, node in linked:
            if node != "the sink":
                self.assertRegex(lines[at + 1], rf"{node} leaves size \d+, "
                                 r"\d corners, hue \d+(; .* limits?)?")
        self.assertIsNotNone(self.said(page, "Result matches the target"))
        self.assertIsNotNone(self.said(page, "two.pack - level 2 of 2"))


class StillPageTest(SiteTest):
    """A still page asks the browser for nothing: no animation frames on a
    still title, only the level clock's seconds on a still level, and the
    main thread about as idle as on a blank page."""

    SPAN = 2.0  # seconds watched
    BUSY_SPAN = 10.0  # as DevTools' figures are taken
    # V8 collects a page's start-up garbage in its first half minute or so,
    # in tasks of 15 to 30 ms that one window in five may hold: the median
    # reads what a still page costs second after second.
    BUSY_WINDOWS = 5
    SETTLE = 2.0  # for the work of leaving the last page to end
    # A seed's six levels are made beside play after the title, in slices
    # between animation frames: the page is still once they are.
    PATIENCE = 60.0

    def quiet_span(self, page, most):
        """Watches spans of SPAN seconds until one asks for at most most
        animation frames; returns the frames of the last span watched and
        the seconds waited before it."""
        page.driver.execute_script(COUNT_ANIMATION_FRAMES)
        start = time.monotonic()
        while True:
            before = page.driver.execute_script(
                "return window.animationFramesAsked;")
            time.sleep(self.SPAN)
            asked = page.driver.execute_script(
                "return window.animationFramesAsked;") - before
            waited = time.monotonic() - start - self.SPAN
            if asked <= most or waited > self.PATIENCE:
                return asked, waited

    def busy_share(self, page, name):
        """The main thread's share of time in tasks, in percent, from the
        browser's own task accounting: the median of BUSY_WINDOWS spans of
        BUSY_SPAN seconds, each printed."""
        page.driver.execute_cdp_cmd("Performance.enable", {})

        def task_seconds():
            metrics = page.driver.execute_cdp_cmd("Performance.getMetrics", {})
            return next(m["value"] for m in metrics["metrics"]
                        if m["name"] == "TaskDuration")
        shares = []
        for _ in range(self.BUSY_WINDOWS):
            before, start = task_seconds(), time.monotonic()
            time.sleep(self.BUSY_SPAN)
            shares.append(100 * (task_seconds() - before) /
                          (time.monotonic() - start))
        print(f"main thread busy, {name}, each {self.BUSY_SPAN:.0f} s: " +
              ", ".join(f"{share:.2f} %" for share in shares))
        return statistics.median(shares)

    def test_a_still_title_asks_for_no_frames(self):
        for fragment in ("", PuzzlesByAddressTest.SEED):
            page = self.open(fragment=fragment)
            page.wait_for(self.title)
            asked, waited = self.quiet_span(page, 0)
            print(f"still title {fragment or 'classic'}: {asked} animation "
                  f"frames asked in {self.SPAN:.0f} s, from {waited:.1f} s "
                  "after the title")
            self.assertEqual(asked, 0, fragment)
            self.assertEqual(console_faults(page.console()), [])

    def test_a_still_level_asks_only_for_its_clocks_seconds(self):
        page = self.open(fragment=PuzzlesByAddressTest.SEED)
        page.start_playing(self.title)
        page.move_to_world(0, 14)
        # A frame for each of the clock's seconds, and the one after it.
        most = 2 * (self.SPAN + 1)
        asked, waited = self.quiet_span(page, most)
        print(f"still level: {asked} animation frames asked in "
              f"{self.SPAN:.0f} s, from {waited:.1f} s after level 1 showed")
        self.assertLessEqual(asked, most)

    def test_a_still_page_keeps_the_main_thread_as_idle_as_a_blank_one(self):
        page = self.open()
        shares = {}
        # The blank page last, so this browser rests while the game's runs.
        for name, address in (("floor page", FLOOR_PAGE),
                              ("blank page", "about:blank")):
            page.driver.get(address)
            time.sleep(self.SETTLE)
            shares[name] = self.busy_share(page, name)
        page = self.open(fragment=PuzzlesByAddressTest.SEED)
        page.wait_for(self.title)
        self.quiet_span(page, 0)
        shares["still title"] = self.busy_share(page, "still title")
        page.start_playing(self.title)
        page.move_to_world(0, 14)
        self.quiet_span(page, 2 * (self.SPAN + 1))
        shares["still level"] = self.busy_share(page, "still level")
        for name, share in shares.items():
            print(f"main thread busy, {name}: {share:.2f} %")
        for name in ("floor page", "still title", "still level"):
            print(f"{name} against a blank page: "
                  f"{shares[name] - shares['blank page']:+.2f} points")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
