"""The keyboard and mouse, played with real X input, and every way the game can end."""
import os
import shutil
import signal
import subprocess
import time
import unittest

from harness import (ERROR_CAPTION, GAME_OVER_LINE, ORANGE, PAUSED_LINE, RUN_DIR, TAP_SECONDS, X_HELPER,
                     WINDOW_TITLE, GameTestCase, banner_shown, hold_keys, player_centre,
                     score_line_shown, world_to_pixel)

# Every test that looks at the player's fish starts the game paused (a pad holds Start) and
# lets it go on only while it is steered (run_for): its clock runs a second or two in all,
# before the first fish can come near, and never while the test looks at the picture.


class Steering(GameTestCase):
    def assertMoved(self, before, after, dx=0, dy=0):
        self.assertIsNotNone(before)
        self.assertIsNotNone(after)
        for moved, wanted in ((after[0] - before[0], dx), (after[1] - before[1], dy)):
            if wanted > 0:
                self.assertGreater(moved, 20)
            elif wanted < 0:
                self.assertLess(moved, -20)
            else:
                self.assertLess(abs(moved), 3)

    def test_arrow_keys_move_the_fish(self):
        game = self.launch(paused=True).start()
        start = player_centre(game.still_picture())
        right = player_centre(game.run_for(0.5, "Right"))
        self.assertMoved(start, right, dx=+1)
        # Not as far as the top, where the marker over the fish would leave the picture.
        up = player_centre(game.run_for(0.1, "Up"))
        self.assertMoved(right, up, dy=-1)  # screen y grows downwards
        self.assertCleanExit(game.quit(), game)

    def test_wasd_moves_the_fish(self):
        game = self.launch(paused=True).start()
        start = player_centre(game.still_picture())
        left = player_centre(game.run_for(0.5, "a"))
        self.assertMoved(start, left, dx=-1)
        down = player_centre(game.run_for(0.1, "s"))  # not as far as the banner's place
        self.assertMoved(left, down, dy=+1)
        self.assertCleanExit(game.quit("q"), game)

    def test_a_right_button_drag_moves_the_fish(self):
        game = self.launch(paused=True).start()
        start = player_centre(game.still_picture())
        # The mouse steers a paused game too; the game going on a moment after the drag
        # says a frame has read it.
        drag = ["mousedown", "3"]
        for _ in range(10):
            drag += ["mousemove_relative", "--", "30", "0", "sleep", "0.03"]
        self.display.run("xdotool", *drag, "mouseup", "3")
        moved = player_centre(game.run_for(0))
        self.assertMoved(start, moved, dx=+1)
        self.assertCleanExit(game.quit(), game)

    def test_a_gamepad_plugged_in_swims_and_pulled_out_pauses(self):
        # SDL's virtual pad stands in for a real one, plugged into the game from outside: it
        # holds Start from the first frames, which pauses the game; Start again lets the
        # game go on while the stick leans right, and the pad pulled out pauses it.
        game = self.launch(paused=True).start()
        game.wait_for_log("Gamepad connected: fishtank's virtual pad")
        before = player_centre(game.still_picture())
        pulled_out = game.run_for(0.5, pad="x=1")
        self.assertGreater(player_centre(pulled_out)[0], before[0] + 20, "the fish swam right")
        self.assertIn("Gamepad removed: fishtank's virtual pad", game.log())
        self.assertTrue(game.is_paused() and banner_shown(pulled_out))
        self.assertCleanExit(game.quit(), game)

    def test_the_fish_stops_at_the_wall(self):
        game = self.launch(paused=True).start()
        shot = game.run_for(1.2, "Up")  # 120 units asked and more, 90 to the wall
        _, top = world_to_pixel(0, 400)
        rows = shot.centroid(60, top - 2, 900, 40, ORANGE)
        self.assertIsNotNone(rows, "the fish is still right under the top of the tank")
        self.assertEqual(shot.count(60, 0, 900, top - 2, ORANGE), 0)
        self.assertCleanExit(game.quit(), game)


class Commands(GameTestCase):
    def test_p_pauses_with_a_banner_and_resumes(self):
        # Started paused by the pad's Start, as P pauses: P goes on, pauses and goes on, the
        # game's clock running a second or so in all, long before any fish can end it.
        game = self.launch(paused=True).start()
        game.set_paused(False)
        game.wait_for_picture(lambda shot: not banner_shown(shot), "the banner gone")
        paused = game.set_paused(True)
        self.assertTrue(banner_shown(paused))
        # "PAUSE" in warm letters across the middle of the water.
        self.assertGreater(paused.count(300, 310, 424, 140, lambda r, g, b: r > 217 and g > 100 and b < 77),
                           800)
        game.set_paused(False)
        game.wait_for_picture(lambda shot: not banner_shown(shot), "the banner gone again")
        self.assertEqual(game.log_count(GAME_OVER_LINE), 0)
        self.assertCleanExit(game.quit(), game)

    def test_sysrq_saves_numbered_screenshots(self):
        game = self.launch().start()
        game.press_until_logged("Print", "Screenshot saved as screenshot_1.png")
        time.sleep(0.5)  # the half-second gate after the first
        game.press_until_logged("Print", "Screenshot saved as screenshot_2.png")
        for name in ("screenshot_1.png", "screenshot_2.png"):
            path = game.path(name)
            self.assertTrue(os.path.exists(path), name)
            size = subprocess.run(["identify", "-format", "%wx%h", path], capture_output=True,
                                  text=True, check=True).stdout
            self.assertEqual(size, "1024x768")
        self.assertFalse(os.path.exists(game.path("screenshot_3.png")))
        self.assertCleanExit(game.quit(), game)

    def test_a_folder_in_the_way_of_a_screenshot_is_skipped(self):
        game = self.launch(prepare=lambda folder: os.mkdir(os.path.join(folder,
                                                                        "screenshot_1.png")))
        game.start()
        game.press_until_logged("Print", "Screenshot saved as screenshot_2.png")
        self.assertTrue(os.path.isdir(game.path("screenshot_1.png")))
        self.assertTrue(os.path.isfile(game.path("screenshot_2.png")))
        self.assertCleanExit(game.quit(), game)

    def test_r_switches_to_wireframe(self):
        # Whatever becomes of the game meanwhile, fish keep swimming in behind the panels.
        game = self.launch().start()
        solid = game.screenshot().mean_colour(100, 100, 824, 568)
        game.press_until_shown(
            "r", lambda shot: sum(shot.mean_colour(100, 100, 824, 568)) < sum(solid) / 3,
            "the tank in wireframe")
        # The whole scene is drawn in wireframe, as it stands: the solid tank's cut at the
        # side panels is gone, so fish swimming in behind the side panels show their lines there.
        left, _ = world_to_pixel(-2, 0)
        right, _ = world_to_pixel(502, 0)
        lit = lambda r, g, b: max(r, g, b) > 60  # brighter than the HUD's strips over black
        game.wait_for_picture(
            lambda shot: shot.count(0, 60, left, 640, lit) + shot.count(right, 60, 1024 - right,
                                                                          640, lit) > 10,
            "a fish's lines behind a side panel", timeout=60)
        self.assertCleanExit(game.quit(), game)

    def test_t_filters_the_fish_and_the_water(self):
        # The player's fish is drawn at a quarter of its picture's size, where trilinear
        # filtering differs from bilinear; the water, sampled plainly on a software renderer
        # until then, is smoothed from the first press on. T acts only while the game goes
        # on: it goes on for a moment, before anything else can move there.
        game = self.launch(paused=True).start()
        fish_x, fish_y = world_to_pixel(196, 314)
        fish_w, fish_h = (end - start for end, start in zip(world_to_pixel(244, 296),
                                                           (fish_x, fish_y)))
        water_x, water_y = world_to_pixel(150, 280)
        before = game.still_picture()
        after = game.run_for(0.15, "t")
        self.assertGreater(after.differs(before, fish_x, fish_y, fish_w, fish_h, 6), 100)
        self.assertGreater(after.differs(before, water_x, water_y, 70, 70, 6), 30)
        self.assertCleanExit(game.quit(), game)

    def test_f_hides_and_shows_the_score_line(self):
        game = self.launch().start()
        self.assertTrue(score_line_shown(game.screenshot()))
        game.press_until_shown("f", lambda shot: not score_line_shown(shot),
                               "the score line hidden")
        time.sleep(1.0)  # F acts again only a second after it last did
        game.press_until_shown("f", score_line_shown, "the score line again")
        self.assertCleanExit(game.quit(), game)

    def test_a_key_chosen_in_the_panel_is_kept_for_the_next_game(self):
        # The panel says in the log which row is picked and what it waits for: each key
        # is pressed again only if no frame read it.
        game = self.launch().start()
        game.press_until_logged("F1", "Controls panel at Swim left: ")
        for row in ("Swim right", "Swim up", "Swim down", "Pause"):
            game.press_until_logged("Down", "Controls panel at %s: " % row)
        game.press_until_logged("Return", "Controls panel at Pause: Press a key for Pause")
        game.press_until_logged("k", "Controls panel at Pause: Up, Down")
        with open(game.path("settings.cfg")) as saved:
            self.assertIn("key.pause = K\n", saved.read())
        self.assertCleanExit(game.quit(), game)
        in_folder = ["bash", "-c", 'cd "$0" && exec "$1"', game.folder,
                     os.path.join(RUN_DIR, "fishtank")]
        again = self.launch(command=in_folder, folder=game.folder).start()
        again.press_until_logged("k", PAUSED_LINE)
        self.assertCleanExit(again.quit("q"), again)


class Endings(GameTestCase):
    """Every way out gives the keyboard back: auto-repeat is on again afterwards."""

    def test_escape_and_q_end_the_game(self):
        for key in ("Escape", "q"):
            with self.subTest(key=key):
                game = self.launch().start()
                self.assertCleanExit(game.quit(key), game)

    def test_closing_the_window_ends_the_game(self):
        game = self.launch().start()
        self.display.run(X_HELPER, "--close", game.window)
        self.assertCleanExit(game.wait(), game)
        self.assertEqual(self.display.windows(WINDOW_TITLE), [])

    def test_sigint_and_sigterm_end_the_game_cleanly(self):
        for number in (signal.SIGINT, signal.SIGTERM):
            with self.subTest(signal=number):
                game = self.launch().start()
                game.signal(number)
                self.assertCleanExit(game.wait(), game)

    def test_an_error_during_play_gives_the_keyboard_back_before_the_box(self):
        def drop_banner_text(folder):
            path = os.path.join(folder, "resources", "overlays", "fishtank.overlay")
            with open(path) as script:
                text = script.read()
            with open(path, "w") as script:
                script.write(text.replace("GameOverTextArea", "SomethingElse"))

        game = self.launch(prepare=drop_banner_text).start()
        # The pause banner's text is missing (as is the game over's, should the game end
        # first); P again if no frame read the tap.
        for _ in range(3):
            self.display.run("xdotool", *hold_keys(["p"], TAP_SECONDS))
            deadline = time.time() + 3
            while not self.display.windows(ERROR_CAPTION) and time.time() < deadline:
                time.sleep(0.2)
            if self.display.windows(ERROR_CAPTION):
                break
        self.assertErrorBox(game, "GameOverTextArea", "The game up to here is kept in replays/")
        # Mended, the next game in the folder names that game's replay once.
        shutil.rmtree(game.path("resources"))
        shutil.copytree(os.path.join(RUN_DIR, "resources"), game.path("resources"))
        in_folder = ["bash", "-c", 'cd "$0" && exec "$1"', game.folder,
                     os.path.join(RUN_DIR, "fishtank")]
        again = self.launch(command=in_folder, folder=game.folder).start()
        again.wait_for_log("The last game ended on an error; its replay is kept in replays/")
        self.assertFalse(os.path.exists(game.path("last-error.txt")))
        self.assertCleanExit(again.quit(), again)


if __name__ == "__main__":
    unittest.main()
