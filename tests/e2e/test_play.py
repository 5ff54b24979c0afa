"""A game played without input: fish arrive, pause holds them back, and the game ends."""
import os
import re
import subprocess
import time
import unittest

from harness import (RUN_DIR, GameTestCase, banner_shown,
                     play_until_game_over)

# The open water left and right of the player's start place, below the score line and
# above and below the banner's place (a paused game's picture has the PAUSE banner).
WATER_AREAS = [(60, 60, 330, 240), (600, 60, 370, 240), (60, 470, 330, 250),
               (600, 470, 370, 250)]
# Even the smallest, slowest fish is wholly in view three seconds after it arrives: 600
# pixels or more.
ARRIVED = 300


def water_changes(before, after):
    return sum(before.differs(after, *area) for area in WATER_AREAS)


def score_letters(r, g, b):
    """The score line's light letters: nothing under its strip shows this bright."""
    return r > 200 and g > 190 and b > 60


class Play(GameTestCase):
    def test_the_first_fish_arrive_after_three_seconds(self):
        # Paused from its first frames (a pad holds Start), then going on for two seconds
        # and a quarter or a little more: the game's clock has run that long, and no fish is
        # in the water yet, however busy the machine.
        game = self.launch(paused=True).start()
        start = game.still_picture()
        early = game.run_for(2.0)
        self.assertLess(water_changes(start, early), 50)
        # A fish arrives at 3 s, hidden behind a side panel at first.
        game.set_paused(False)
        later = game.wait_for_picture(lambda shot: water_changes(start, shot) > ARRIVED,
                                      "fish swimming in")
        self.assertGreater(water_changes(start, later), ARRIVED)
        self.assertCleanExit(game.quit(), game)

    def test_no_fish_arrives_while_paused(self):
        # Paused by P a moment after the game began, before any fish came.
        game = self.launch(paused=True).start()
        game.set_paused(False)
        paused = game.set_paused(True)
        time.sleep(5)  # the first fish would have swum in by now
        still = game.screenshot()
        self.assertLess(water_changes(paused, still), 50)
        game.set_paused(False)
        game.wait_for_picture(lambda shot: water_changes(paused, shot) > ARRIVED,
                              "fish swimming in after the pause")
        self.assertCleanExit(game.quit(), game)

    def test_swimming_into_the_fish_ends_the_game_with_the_banner_and_the_game_plays_again(self):
        game = self.launch().start()
        overs = [play_until_game_over(game)]
        time.sleep(2)
        self.assertTrue(banner_shown(game.screenshot()), "the banner stays")
        # Return: a second game, recorded in a file of its own.
        self.display.hold("Return", seconds=0.15)
        game.wait_for_picture(lambda shot: not banner_shown(shot), "the second game")
        # A look at the hall of fame in the middle of the game (it waits) is played back too.
        game.press_until_logged("Tab", "The hall of fame is shown")
        game.press_until_logged("Tab", "The hall of fame is hidden")
        overs.append(play_until_game_over(game))
        played = time.time() - game.started
        self.assertCleanExit(game.quit(), game)
        # Each recorded game checks out with the score the game showed; the best one (the
        # desktop's "Watch the best game") plays back to the same score line under the banner.
        scores = re.findall(r"Game over with a score of (\d+)", game.log())
        replays = sorted(name for name in os.listdir(game.path("replays")) if name[0].isdigit())
        self.assertEqual(len(replays), 2, replays)
        for replay, score in zip(replays, scores):
            checked = subprocess.run([os.path.join(RUN_DIR, "fishtank"), "--verify",
                                      game.path(os.path.join("replays", replay))],
                                     cwd=game.folder, capture_output=True, text=True)
            self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)
            self.assertTrue(checked.stdout.startswith("same: score %s, " % score), checked.stdout)
        best = game.path(os.path.join("replays", "best.replay"))
        watched = self.launch(args=["--replay", best]).start()
        self.display.hold("4", seconds=0.2)
        # Played again at 4x, or as long as it was played should 4 have been missed.
        end = watched.wait_for_picture(banner_shown, "the recorded game over",
                                       timeout=played + 60)
        # The score line's letters: fish still swim under its strip.
        over = overs[scores.index(max(scores, key=int))]
        self.assertLess(end.differs_in(over, 14, 12, 380, 36, score_letters), 40,
                        "the score line differs")
        self.assertCleanExit(watched.quit("q"), watched)
        self.assertEqual(sorted(os.listdir(watched.folder)),
                         ["ogre.cfg", "plugins.cfg", "resources", "resources.cfg"],
                         "watching writes nothing in the game's folder")

if __name__ == "__main__":
    unittest.main()
