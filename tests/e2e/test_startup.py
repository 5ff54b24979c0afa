"""Starting the game, the first frame, and the ways it ends before play begins."""
import os
import re
import shutil
import subprocess
import tempfile
import unittest

from harness import (ACCEPT_BUTTON, CANCEL_BUTTON, ERROR_CAPTION, ORANGE, PAUSED_LINE, WHITE,
                     WINDOW_TITLE, GameTestCase, banner_rows, banner_shown, score_line_shown,
                     world_to_pixel)


def remove_material(name):
    def prepare(folder):
        path = os.path.join(folder, "resources", "materials", "fishtank.material")
        with open(path) as script:
            text = script.read()
        text = re.sub(r"^material %s :.*$" % re.escape(name), "", text, flags=re.M)
        with open(path, "w") as script:
            script.write(text)
    return prepare


HARDWARE_STUB = os.environ.get("FISHTANK_HARDWARE_STUB", "")


class StartUp(GameTestCase):
    def test_first_frame_shows_the_tank_and_the_players_fish(self):
        # A pad holding Start pauses the game in its first frames, before its clock has run:
        # the tank as it starts, under the PAUSE banner, however long the machine takes to
        # look at it.
        game = self.launch(paused=True).start()
        shot = game.still_picture()
        self.assertEqual(game.log_count(PAUSED_LINE), 1)

        # Water fills the tank above the banner: blue above green and red.
        r, g, b = shot.mean_colour(412, 60, 200, 200)
        self.assertGreater(b, 100)
        self.assertGreater(b, r + 40)
        # The black panels hide both sides beyond the tank.
        left_edge, _ = world_to_pixel(1, 0)
        right_edge, _ = world_to_pixel(499, 0)
        self.assertLess(max(shot.mean_colour(0, 500, left_edge - 2, 200)), 3)
        self.assertLess(max(shot.mean_colour(right_edge + 2, 500, 1020 - right_edge, 200)), 3)
        # The player's fish, 40 x 10 at (200, 300), is the only orange in the tank (the
        # banner's PAUSE is orange too)...
        x0, y0 = world_to_pixel(200, 310)
        x1, y1 = world_to_pixel(240, 300)
        inside = shot.count(x0, y0, x1 - x0, y1 - y0, ORANGE)
        banner_top, banner_bottom = banner_rows(shot)
        everywhere = (shot.count(0, 0, 1024, banner_top, ORANGE) +
                      shot.count(0, banner_bottom, 1024, 768 - banner_bottom, ORANGE))
        self.assertGreater(inside, 150)
        # ... but for the edges of the yellow marker over it.
        mx, my = world_to_pixel(200, 330)
        self.assertEqual(everywhere - shot.count(mx, my, x1 - x0, y0 - my, ORANGE), inside)
        # Facing left: the head (eye, white ring) is at the left end.
        cx, _ = shot.centroid(x0, y0, x1 - x0, y1 - y0, WHITE)
        self.assertLess(cx, (x0 + x1) / 2)
        self.assertTrue(score_line_shown(shot))
        self.assertTrue(banner_shown(shot))

        self.assertCleanExit(game.quit("Escape"), game)
        log = game.log()
        self.assertEqual(log.count("*** THE LOGGING IS WORKING ***"), 1)
        # Every fish picture is loaded before play, with mip-maps made on the processor (a
        # software renderer would compile a shader to make them, a pause at each new kind).
        for kind in ("Zorv", "Red", "Yellow", "Green", "Purple", "Shark"):
            for name in ("%sFish.png" % kind, "%sFishRight.png" % kind):
                self.assertRegex(log, r"Texture '%s': Loading .* custom mipmaps" % name)
        renderer_made = [line for line in log.splitlines() if "hardware generated mipmaps" in line]
        self.assertEqual(renderer_made, [])
        # Mesa's llvmpipe renders in software: it offers window configurations without a
        # depth buffer, and the game takes one and keeps its water in the order handed over;
        # the water's shaders compiled, so its first technique is the one drawn.
        self.assertRegex(log, r"Window: software renderer: llvmpipe.*: no depth buffer \(\d+ of")
        self.assertRegex(log, r"Pictures: software renderer: llvmpipe.*: the game's 8-bit "
                              r"pictures kept in the byte order handed over \([1-9]")
        self.assertRegex(log, r"Water: software renderer: llvmpipe.*: sampled from its nearest "
                              r"texel until the first T")
        self.assertNotRegex(log, r"(?i)error.*Fishtank/Water|Fishtank/Water.*error")

    def test_the_driver_choices_follow_the_renderer_and_tracers_see_every_call(self):
        # A driver that says it renders in hardware is handed every call as the engine makes
        # it: a window as it offers, pictures as the engine names them, and the water is
        # smoothed as every picture is (its name still says llvmpipe: the answer decides).
        game = self.launch(env={"LD_PRELOAD": HARDWARE_STUB}).start()
        self.assertCleanExit(game.quit("Escape"), game)
        log = game.log()
        for half in ("Window", "Pictures"):
            self.assertIn("%s: hardware renderer: left as the driver offers (llvmpipe" % half, log)
        self.assertIn("Water: hardware renderer: smoothed like every picture (llvmpipe", log)
        self.assertNotIn("software renderer", log)

        # A tracing tool loaded ahead of the driver sees the game's pictures handed over,
        # the water's as the game changed it for the software renderer.
        trace = os.path.join(tempfile.mkdtemp(prefix="fishtank_trace_"), "game.trace")
        game = self.launch(prefix=["apitrace", "trace", "--api", "gl", "--output", trace])
        game.start()
        self.assertCleanExit(game.quit("Escape"), game)
        dump = subprocess.run(["apitrace", "dump", trace], capture_output=True, text=True,
                              check=True).stdout
        shutil.rmtree(os.path.dirname(trace))
        water = [line for line in dump.splitlines() if "glTexImage2D(" in line and
                 "width = 1000, height = 800" in line]
        self.assertEqual(len(water), 1, water)
        self.assertIn("internalformat = GL_RGBA, ", water[0])

    def test_cancelling_the_dialog_ends_quietly(self):
        # Through a pipe that closes at its first byte: the game writes nothing to standard
        # output (the engine's log goes to Ogre.log), and a closed pipe cannot end it.
        # Arguments the game does not know are named and ignored.
        game = self.launch(prefix=["bash", "-c", 'set -o pipefail; "$0" "$@" | head -c 1 >stdout.txt'],
                           args=["-psn_0_42", "--fullscreen"])
        game.press_dialog_button(CANCEL_BUTTON)
        self.assertCleanExit(game.wait(), game)
        self.assertEqual(self.display.windows(WINDOW_TITLE), [])
        self.assertEqual(self.display.windows(ERROR_CAPTION), [])
        self.assertNotIn(ERROR_CAPTION, game.error_output())
        self.assertEqual(os.path.getsize(game.path("stdout.txt")), 0)
        for word in ("-psn_0_42", "--fullscreen"):
            self.assertIn("ignoring the unknown argument " + word, game.error_output())

    def test_a_missing_material_is_reported_in_the_error_box(self):
        game = self.launch(prepare=remove_material("Examples/Hook"))
        game.press_dialog_button(ACCEPT_BUTTON)
        self.assertErrorBox(game, "Examples/Hook")


if __name__ == "__main__":
    unittest.main()
