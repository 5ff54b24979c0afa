"""The game as a good citizen of a desktop: an error box a person can read and close from
the keyboard, saved settings that cannot stop it, no hang on odd files, screenshots that
are never lost or half-written, a keyboard and pointer it never takes away, a picture that
keeps its proportions, and status 0 however it ends."""
import os
import re
import shutil
import signal
import time
import unittest

from harness import (ACCEPT_BUTTON, DIALOG_TITLE, ERROR_CAPTION, FIRST_FRAME_LINE, NOBODY,
                     ORANGE, RUN_DIR, START_TIMEOUT, WINDOW_TITLE, X_HELPER, Display, Game,
                     GameTestCase, open_to_nobody, player_centre, score_line_shown,
                     start_window_manager, world_to_pixel)

def saved_setting(name, value):
    """Prepares the game's folder with one line of ogre.cfg changed."""
    def prepare(folder):
        path = os.path.join(folder, "ogre.cfg")
        with open(path) as saved:
            text = saved.read()
        text, count = re.subn(r"^%s=.*$" % re.escape(name), "%s=%s" % (name, value), text,
                              flags=re.M)
        assert count == 1, "ogre.cfg has no %s" % name
        with open(path, "w") as out:
            out.write(text)
    return prepare


def odd_file(name, kind):
    """Prepares the game's folder with a folder or a pipe where the named file should be."""
    def prepare(folder):
        path = os.path.join(folder, name)
        os.remove(path)
        if kind == "folder":
            os.mkdir(path)
        else:
            os.mkfifo(path)
    return prepare


def tank_extent(shot):
    """(left, top, right, bottom) of the water and sand: the bright pixels across a band a
    third of the way down, and down a band in the middle (where no HUD strip is)."""
    bright = lambda r, g, b: max(r, g, b) > 40
    across = shot.bounds(0, shot.height * 3 // 10, shot.width, shot.height // 20, bright)
    down = shot.bounds(shot.width * 9 // 20, 0, shot.width // 10, shot.height, bright)
    return (across[0], down[1], across[2], down[3]) if across and down else None


def player_shape(shot):
    """Width over height of the player's orange fish at its start place, or None. Only the
    water around that place is looked at: a fish of the player's kind may swim elsewhere."""
    left, top = world_to_pixel(180, 330, (shot.width, shot.height))
    right, bottom = world_to_pixel(260, 280, (shot.width, shot.height))
    box = shot.bounds(left, top, right - left, bottom - top, ORANGE)
    if box is None:
        return None
    left, top, right, bottom = box
    return (right - left + 1) / (bottom - top + 1)


class ReadableErrors(GameTestCase):
    def test_a_long_error_fits_the_screen_and_return_or_escape_closes_it(self):
        deep = "resources/" + "a_folder_with_a_rather_long_name/" * 8 + "materials"
        for key in ("Return", "Escape"):
            with self.subTest(key=key):
                game = self.launch(prepare=lambda folder: _replace_in(
                    folder, "resources.cfg", "resources/materials", deep))
                box = self.display.wait_for_window(ERROR_CAPTION, process=game.process)
                _, _, width, height = self.display.geometry(box)
                self.assertLessEqual(width, 900, "the box fits a 1024-pixel screen")
                self.assertGreater(height, 60, "the text is wrapped onto several lines")
                self.display.run("xdotool", "windowfocus", "--sync", box, check=False)
                self.display.hold(key, seconds=0.2)
                self.assertCleanExit(game.wait(), game)
                self.assertIn(deep, game.error_output(), "the full text on standard error")


def _replace_in(folder, name, old, new):
    path = os.path.join(folder, name)
    with open(path) as source:
        text = source.read()
    with open(path, "w") as out:
        out.write(text.replace(old, new))


class SavedSettings(GameTestCase):
    def test_a_video_mode_that_cannot_work_gives_the_games_own_window(self):
        for mode in ("1024x768", "0 x 0", "a big one"):
            with self.subTest(mode=mode):
                game = self.launch(prepare=saved_setting("Video Mode", mode)).start()
                _, _, width, height = self.display.geometry(game.window)
                self.assertEqual((width, height), (1024, 768))
                self.assertIn("'Video Mode=%s' does not work here" % mode, game.log())
                self.assertCleanExit(game.quit(), game)
                with open(game.path("ogre.cfg")) as saved:
                    self.assertRegex(saved.read(), r"Video Mode=1024 x +768")

    def test_the_fixed_pipeline_and_srgb_cannot_spoil_the_picture(self):
        water = None
        for name, value in (("", ""), ("Fixed Pipeline Enabled", "No"),
                            ("sRGB Gamma Conversion", "Yes")):
            with self.subTest(name=name):
                # Paused from the first frames: the same tank each time, nothing in it yet.
                game = self.launch(prepare=saved_setting(name, value) if name else None,
                                   paused=True).start()
                shot = game.still_picture()
                self.assertCleanExit(game.quit(), game)
                if not name:
                    water = shot.mean_colour(560, 470, 300, 150)
                    continue
                self.assertIn("'%s=%s' does not work here" % (name, value), game.log())
                # The same water as with the settings as shipped.
                for channel, shipped in zip(shot.mean_colour(560, 470, 300, 150), water):
                    self.assertLess(abs(channel - shipped), 3)

    def test_settings_that_cannot_be_saved_do_not_stop_the_game(self):
        def read_only_settings(folder):
            open_to_nobody(folder)
            os.chmod(os.path.join(folder, "ogre.cfg"), 0o444)

        game = self.launch(prepare=read_only_settings, prefix=NOBODY).start()
        self.assertIn("The render settings could not be saved in ogre.cfg", game.log())
        self.assertCleanExit(game.quit(), game)


class OddFiles(GameTestCase):
    def test_a_folder_or_a_pipe_in_place_of_a_file_is_named_in_the_box(self):
        cases = [(name, "folder") for name in ("plugins.cfg", "ogre.cfg", "resources.cfg")]
        cases += [(name, "pipe") for name in ("plugins.cfg", "ogre.cfg", "resources.cfg",
                                              "resources/materials/fishtank.material")]
        for name, kind in cases:
            with self.subTest(name=name, kind=kind):
                began = time.time()
                game = self.launch(prepare=odd_file(name, kind))
                self.display.wait_for_window(ERROR_CAPTION, process=game.process)
                self.assertLess(time.time() - began, 20, "no hang")
                self.assertErrorBox(game, os.path.basename(name))

    def test_an_unreadable_file_is_named_in_the_box(self):
        def unreadable_material(folder):
            open_to_nobody(folder)
            os.chmod(os.path.join(folder, "resources", "materials", "fishtank.material"), 0)

        game = self.launch(prepare=unreadable_material, prefix=NOBODY)
        self.assertErrorBox(game, "fishtank.material", "cannot be read")

    def test_a_pipe_in_place_of_a_sound_leaves_the_game_silent(self):
        game = self.launch(prepare=odd_file("resources/gulp.wav", "pipe")).start()
        self.assertCleanExit(game.quit(), game)


class Screenshots(GameTestCase):
    def test_what_is_already_there_is_never_replaced_or_followed(self):
        def earlier_game(folder):
            with open(os.path.join(folder, "screenshot_1.png"), "w") as earlier:
                earlier.write("an earlier game's picture")
            os.symlink(os.path.join(folder, "elsewhere.png"),
                       os.path.join(folder, "screenshot_2.png"))
            # Links planted where the game writes its log and settings are not written through.
            for name in ("Ogre.log", "ogre.cfg", "fishtank.lock"):
                with open(os.path.join(folder, name + ".victim"), "w") as victim:
                    victim.write("someone else's file")
            os.rename(os.path.join(folder, "ogre.cfg"), os.path.join(folder, "ogre.cfg.real"))
            for name in ("Ogre.log", "fishtank.lock"):
                os.symlink(name + ".victim", os.path.join(folder, name))
            os.link(os.path.join(folder, "ogre.cfg.victim"), os.path.join(folder, "ogre.cfg"))
            shutil.copy(os.path.join(folder, "ogre.cfg.real"),
                        os.path.join(folder, "ogre.cfg.victim"))
            with open(os.path.join(folder, "ogre.cfg.victim"), "a") as victim:
                victim.write("# the game would not write this line\n")

        game = self.launch(prepare=earlier_game).start()
        game.press_until_logged("Print", "Screenshot saved as screenshot_3.png")
        with open(game.path("screenshot_1.png")) as earlier:
            self.assertEqual(earlier.read(), "an earlier game's picture")
        self.assertFalse(os.path.exists(game.path("elsewhere.png")), "the link was not followed")
        self.assertCleanExit(game.quit(), game)
        for name in ("Ogre.log", "fishtank.lock"):
            with open(game.path(name + ".victim")) as victim:
                self.assertEqual(victim.read(), "someone else's file", name)
        with open(game.path("ogre.cfg.victim")) as victim:
            self.assertTrue(victim.read().endswith("# the game would not write this line\n"))
        self.assertIn("Ogre.log was a symbolic link; the game's own file replaces it", game.log())

    def test_a_full_disk_leaves_no_broken_file_and_says_why(self):
        # A file-size limit stands in for a full disk: the log fits, a picture does not.
        game = self.launch(prefix=["bash", "-c", 'ulimit -f 64 && exec "$0"']).start()
        game.press_until_logged("Print",
                                "Screenshot screenshot_1.png was not saved: File too large")
        self.assertIsNone(game.process.poll(), "the game goes on")
        leftovers = [name for name in os.listdir(game.folder) if "screenshot" in name]
        self.assertEqual(leftovers, [])
        self.assertCleanExit(game.quit(), game)

    def test_a_folder_that_may_not_be_written_loses_nothing_and_says_why(self):
        def read_only_folder(folder):
            open_to_nobody(folder)
            with open(os.path.join(folder, "Ogre.log"), "w"):
                pass
            os.chmod(os.path.join(folder, "Ogre.log"), 0o666)
            os.chmod(folder, 0o555)

        game = self.launch(prepare=read_only_folder, prefix=NOBODY).start()
        game.press_until_logged("Print",
                                "Screenshot screenshot_1.png was not saved: Permission denied")
        self.assertCleanExit(game.quit(), game)
        os.chmod(game.folder, 0o755)


class SharedDesktop(GameTestCase):
    def test_the_game_takes_neither_the_keyboard_nor_the_pointer(self):
        game = self.launch(paused=True).start()
        self.assertEqual(self.display.run(X_HELPER, "--try-grab").stdout.strip(),
                         "keyboard=ok pointer=ok")
        # The keys still reach the game's window.
        before = player_centre(game.still_picture())
        after = player_centre(game.run_for(0.5, "Right"))
        self.assertGreater(after[0] - before[0], 20)
        # Task bars and Alt+Tab can tell the window is the game's, with its icon.
        props = self.display.run("xprop", "-id", game.window, "WM_CLASS", "_NET_WM_PID",
                                 "_NET_WM_ICON", "WM_NAME").stdout
        self.assertIn('WM_CLASS(STRING) = "fishtank", "fishtank"', props)
        self.assertIn("_NET_WM_PID(CARDINAL) = %d" % game.process.pid, props)
        self.assertIn("Icon (64 x 64)", props)
        self.assertIn('WM_NAME(STRING) = "OGRE Render Window"', props)
        self.assertCleanExit(game.quit(), game)

    def test_one_game_at_a_time_in_a_folder_and_a_killed_one_stops_nothing(self):
        first = self.launch().start()
        in_folder = ["bash", "-c", 'cd "$0" && exec "$1"', first.folder,
                     os.path.join(RUN_DIR, "fishtank")]
        second = self.launch(command=in_folder, folder=first.folder)
        self.assertErrorBox(second, "Another fishtank game is running in this folder")
        self.assertIsNone(first.process.poll())
        self.assertEqual(first.log().count("*** THE LOGGING IS WORKING ***"), 1)
        first.signal(signal.SIGKILL)
        first.process.wait()
        third = self.launch(command=in_folder, folder=first.folder).start()
        self.assertCleanExit(third.quit(), third)

    def test_a_resized_window_keeps_the_pictures_proportions(self):
        # Paused from the first frames: the player's fish stays at its start place.
        game = self.launch(paused=True).start()
        shape = player_shape(game.still_picture())
        self.assertIsNotNone(shape)
        resized = game.resize(1024, 512)
        self.assertAlmostEqual(player_shape(resized), shape, delta=shape * 0.15)
        self.assertCleanExit(game.quit(), game)

    def test_the_window_and_its_title_bar_fit_every_screen(self):
        for screen in ((640, 480), (800, 600), (1024, 600), (1366, 768)):
            with self.subTest(screen="%dx%d" % screen):
                display = Display(size="%dx%d" % screen)
                self.addCleanup(display.close)
                manager = start_window_manager(display)
                self.addCleanup(manager.wait)
                self.addCleanup(manager.kill)
                game = Game(display).start(tank_expected=False)
                self.addCleanup(game.cleanup)
                x, y, width, height = display.geometry(game.window)
                self.assertGreaterEqual(x, 0)
                self.assertGreaterEqual(y, 16, "room for the title bar above")
                self.assertLessEqual(x + width, screen[0])
                self.assertLessEqual(y + height, screen[1])
                self.assertIn("does not fit the screen's usable", game.log())
                self.assertTrue(score_line_shown(game.screenshot()))
                self.assertCleanExit(game.quit(), game)

    def test_the_whole_tank_shows_at_any_window_shape(self):
        display = Display(size="2600x1500")
        self.addCleanup(display.close)
        # Paused from the first frames: the tank as it starts, at every size, nothing in it
        # but the player's fish.
        game = Game(display, paused=True).start()
        self.addCleanup(game.cleanup)
        for width, height in ((800, 800), (1024, 512), (2560, 1080), (2560, 1440), (640, 960)):
            with self.subTest(window="%dx%d" % (width, height)):
                # Wholly on the screen, where every pixel can be looked at.
                display.run("xdotool", "windowmove", game.window, "0", "0")
                shot = game.resize(width, height)
                self.assertEqual((shot.width, shot.height), (width, height))
                left, top, right, bottom = tank_extent(shot)
                self.assertGreaterEqual(min(left, top), 0)
                self.assertLess(right, width)
                self.assertLess(bottom, height)
                self.assertAlmostEqual((right - left + 1) / (bottom - top + 1), 1.25, delta=0.025)
                self.assertGreater(max((right - left) / width, (bottom - top) / height), 0.9)
                # The score line's letters lie inside its strip, laid out for this window.
                scale = min(width / 1024, height / 768)
                strip = (round(14 * scale), round(12 * scale), round(380 * scale),
                         round(36 * scale))
                margin = round(10 * scale)
                letters = shot.bounds(
                    strip[0] - margin, strip[1] - margin, strip[2] + 2 * margin,
                    strip[3] + 2 * margin, lambda r, g, b: r > 200 and g > 190 and b > 60)
                self.assertIsNotNone(letters)
                self.assertGreaterEqual(min(letters[0] - strip[0], letters[1] - strip[1]), 0)
                self.assertLessEqual(letters[2], strip[0] + strip[2])
                self.assertLessEqual(letters[3], strip[1] + strip[3])
        self.assertCleanExit(game.quit(), game)


class WaysOut(GameTestCase):
    def test_a_window_destroyed_by_another_program_ends_the_game_cleanly(self):
        game = self.launch().start()
        self.display.run(X_HELPER, "--destroy", game.window)
        self.assertCleanExit(game.wait(), game)
        self.assertIn("the X server reported an error", game.error_output())

    def test_a_closed_terminal_ends_the_game_cleanly(self):
        game = self.launch().start()
        game.signal(1)  # SIGHUP
        self.assertCleanExit(game.wait(), game)
        self.assertIn("ended by signal 1", game.error_output())

    def test_the_display_going_away_ends_the_game_with_status_0(self):
        display = Display()
        try:
            game = Game(display).start()
            self.addCleanup(game.cleanup)
            display.process.kill()
            self.assertEqual(game.wait(), 0, game.error_output()[-1000:])
            self.assertIn("the X display closed the game's connection", game.error_output())
        finally:
            display.close()

    def test_a_display_without_opengl_is_named_in_plain_words(self):
        display = Display("-extension", "GLX")
        try:
            game = Game(display)
            self.addCleanup(game.cleanup)
            game.press_dialog_button(ACCEPT_BUTTON)
            display.dismiss_error_box(display.wait_for_window(ERROR_CAPTION, process=game.process))
            self.assertCleanExit(game.wait(), game)
            self.assertIn("This display offers no OpenGL", game.error_output())
        finally:
            display.close()

    def test_a_tight_memory_limit_ends_in_the_box_or_plays_never_aborts(self):
        for kib in (200000, 300000, 600000):
            with self.subTest(memory_limit_kib=kib):
                game = self.launch(prefix=["bash", "-c", 'ulimit -v %d && exec "$0"' % kib])
                game.press_dialog_button(ACCEPT_BUTTON)
                deadline = time.time() + START_TIMEOUT
                while True:
                    boxes = self.display.windows(ERROR_CAPTION)
                    if boxes:
                        self.display.dismiss_error_box(boxes[0])
                        # Refused before the renderer starts, whose compiler would abort.
                        self.assertIn("MiB of address space to start its renderer",
                                      game.error_output())
                        status = game.wait()
                        break
                    if game.log_count(FIRST_FRAME_LINE):
                        game.window = self.display.wait_for_window(WINDOW_TITLE)
                        self.display.run("xdotool", "windowfocus", "--sync", game.window,
                                         check=False)
                        status = game.quit()
                        break
                    self.assertIsNone(game.process.poll(), game.error_output()[-1000:])
                    self.assertLess(time.time(), deadline, "neither a box nor a game")
                    time.sleep(0.3)
                self.assertCleanExit(status, game)

    def test_the_dialog_closed_by_the_window_manager_ends_like_cancel(self):
        manager = start_window_manager(self.display)
        self.addCleanup(manager.wait)
        self.addCleanup(manager.kill)
        game = self.launch()
        game.dialog()
        deadline = time.time() + 30
        while DIALOG_TITLE not in self.display.run("wmctrl", "-l", check=False).stdout:
            self.assertLess(time.time(), deadline, "openbox never managed the dialog")
            time.sleep(0.2)
        self.display.run("wmctrl", "-c", DIALOG_TITLE)
        self.assertCleanExit(game.wait(), game)
        self.assertEqual(self.display.windows(WINDOW_TITLE), [])


if __name__ == "__main__":
    unittest.main()
