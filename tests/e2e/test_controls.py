"""The keyboard and mouse, played with real X input, and every way the game can end."""
import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

from harness import (RUN_DIR, X_HELPER, ORANGE, WINDOW_TITLE, GameTestCase, banner_shown,
                     score_line_shown, world_to_pixel)


def player_centre(shot):
    """Where the player's orange fish is: looked for in the middle of the tank, which no
    other fish reaches in the first four seconds."""
    return shot.centroid(230, 20, 500, 400, ORANGE)


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
        game = self.launch().start()
        start = player_centre(game.screenshot())
        self.display.hold("Right", seconds=0.5)
        right = player_centre(game.screenshot())
        self.assertMoved(start, right, dx=+1)
        self.display.hold("Up", seconds=0.5)
        up = player_centre(game.screenshot())
        self.assertMoved(right, up, dy=-1)  # screen y grows downwards
        self.assertCleanExit(game.quit(), game)

    def test_wasd_moves_the_fish(self):
        game = self.launch().start()
        start = player_centre(game.screenshot())
        self.display.hold("a", seconds=0.5)
        left = player_centre(game.screenshot())
        self.assertMoved(start, left, dx=-1)
        self.display.hold("s", seconds=0.5)
        down = player_centre(game.screenshot())
        self.assertMoved(left, down, dy=+1)
        self.assertCleanExit(game.quit("q"), game)

    def test_a_right_button_drag_moves_the_fish(self):
        game = self.launch().start()
        start = player_centre(game.screenshot())
        self.display.run("xdotool", "mousedown", "3")
        for _ in range(10):
            self.display.run("xdotool", "mousemove_relative", "--", "30", "0")
            time.sleep(0.03)
        self.display.run("xdotool", "mouseup", "3")
        time.sleep(0.2)
        moved = player_centre(game.screenshot())
        self.assertMoved(start, moved, dx=+1)
        self.assertCleanExit(game.quit(), game)

    def test_a_gamepad_plugged_in_swims_and_pulled_out_pauses(self):
        # SDL's virtual pad stands in for a real one, driven from a file the game reads.
        control = os.path.join(tempfile.mkdtemp(prefix="fishtank_pad_"), "pad")

        def pad(line):
            with open(control + ".new", "w") as out:
                out.write(line)
            os.replace(control + ".new", control)

        pad("attached=1")
        game = self.launch(env={"FISHTANK_VIRTUAL_PAD": control}).start()
        game.wait_for_log("Gamepad connected: fishtank's virtual pad")
        before = player_centre(game.screenshot())
        pad("attached=1 x=1")
        game.wait_for_picture(lambda shot: (player_centre(shot) or before)[0] > before[0] + 20,
                              "the fish swimming right")
        pad("attached=0")
        game.wait_for_log("Gamepad removed: fishtank's virtual pad")
        game.wait_for_picture(banner_shown, "the pause banner")
        self.assertCleanExit(game.quit(), game)

    def test_the_fish_stops_at_the_wall(self):
        game = self.launch().start()
        self.display.hold("Up", seconds=1.2)  # 120 units asked, 90 to the wall
        shot = game.screenshot()
        _, top = world_to_pixel(0, 400)
        rows = shot.centroid(60, top - 2, 900, 40, ORANGE)
        self.assertIsNotNone(rows, "the fish is still right under the top of the tank")
        self.assertEqual(shot.count(60, 0, 900, top - 2, ORANGE), 0)
        self.assertCleanExit(game.quit(), game)


class Commands(GameTestCase):
    def test_p_pauses_with_a_banner_and_resumes(self):
        game = self.launch().start()
        self.assertFalse(banner_shown(game.screenshot()))
        self.display.hold("p", seconds=0.15)
        paused = game.wait_for_picture(banner_shown, "the pause banner")
        # "PAUSE" in warm letters across the middle of the water.
        self.assertGreater(paused.count(300, 310, 424, 140, lambda r, g, b: r > 217 and g > 100 and b < 77),
                           800)
        time.sleep(0.5)
        self.display.hold("p", seconds=0.15)
        game.wait_for_picture(lambda shot: not banner_shown(shot), "the banner gone")
        self.assertCleanExit(game.quit(), game)

    def test_sysrq_saves_numbered_screenshots(self):
        game = self.launch().start()
        self.display.hold("Print", seconds=0.3)
        game.wait_for_log("Screenshot saved as screenshot_1.png")
        time.sleep(0.3)  # the half-second gate after the first
        self.display.hold("Print", seconds=0.3)
        game.wait_for_log("Screenshot saved as screenshot_2.png")
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
        self.display.hold("Print", seconds=0.3)
        game.wait_for_log("Screenshot saved as screenshot_2.png")
        self.assertTrue(os.path.isdir(game.path("screenshot_1.png")))
        self.assertTrue(os.path.isfile(game.path("screenshot_2.png")))
        self.assertCleanExit(game.quit(), game)

    def test_r_switches_to_wireframe(self):
        game = self.launch().start()
        solid = game.screenshot().mean_colour(100, 100, 824, 568)
        self.display.hold("r", seconds=0.3)
        game.wait_for_picture(lambda shot: sum(shot.mean_colour(100, 100, 824, 568)) < sum(solid) / 3,
                              "the tank in wireframe")
        # The whole scene is drawn in wireframe, as it stands: the solid tank's cut at the
        # side panels is gone, so fish swimming in behind the panels show their lines there.
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
        # until then, is smoothed from the first press on. Nothing else moves there yet.
        game = self.launch().start()
        fish_x, fish_y = world_to_pixel(196, 314)
        fish_w, fish_h = (end - start for end, start in zip(world_to_pixel(244, 296),
                                                           (fish_x, fish_y)))
        water_x, water_y = world_to_pixel(150, 280)
        before = game.screenshot()
        self.display.hold("t", seconds=0.15)
        game.wait_for_picture(
            lambda shot: shot.differs(before, fish_x, fish_y, fish_w, fish_h, 6) > 100 and
            shot.differs(before, water_x, water_y, 70, 70, 6) > 30,
            "the fish and the water filtered anew")
        self.assertCleanExit(game.quit(), game)

    def test_f_hides_and_shows_the_score_line(self):
        game = self.launch().start()
        self.assertTrue(score_line_shown(game.screenshot()))
        self.display.hold("f", seconds=0.3)
        game.wait_for_picture(lambda shot: not score_line_shown(shot), "the score line hidden")
        time.sleep(1.0)
        self.display.hold("f", seconds=0.3)
        game.wait_for_picture(score_line_shown, "the score line again")
        self.assertCleanExit(game.quit(), game)


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
        self.display.hold("p", seconds=0.15)  # the pause banner's text is missing
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
