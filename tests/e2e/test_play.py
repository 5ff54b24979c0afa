"""A game played without input: fish arrive, pause holds them back, and the game ends."""
import os
import re
import subprocess
import time
import unittest

from harness import RUN_DIR, GameTestCase, banner_shown, play_until_game_over

# The open water left and right of the player's start place, below the score line.
LEFT_WATER = (60, 60, 330, 660)
RIGHT_WATER = (600, 60, 370, 660)
# Even the smallest, slowest fish is wholly in view three seconds after it arrives: 600
# pixels or more.
ARRIVED = 300


def score_letters_differ(one, other):
    """Pixels that are the score line's letters in one picture and not in the other: the
    strip is see-through, and the fish behind it are wherever the game happened to be."""
    letter = lambda r, g, b: r > 200 and g > 190 and b > 60
    return sum(1 for a, b in zip(one._pixels(14, 12, 380, 36), other._pixels(14, 12, 380, 36))
               if letter(*a[2:]) != letter(*b[2:]))


def water_changes(before, after):
    return sum(before.differs(after, *area) for area in (LEFT_WATER, RIGHT_WATER))


class Play(GameTestCase):
    def test_the_first_fish_arrive_after_three_seconds(self):
        game = self.launch().start()
        start = game.screenshot()
        early = game.screenshot()
        # The game's clock runs with the real one from its first frame; a fish arrives at
        # 3 s, hidden behind a side panel at first. A picture taken in time shows none.
        if time.time() - game.started < 2.5:
            self.assertLess(water_changes(start, early), 50)
        later = game.wait_for_picture(lambda shot: water_changes(start, shot) > ARRIVED,
                                      "fish swimming in")
        self.assertGreater(time.time() - game.started, 3.0)
        self.assertGreater(water_changes(start, later), ARRIVED)
        self.assertCleanExit(game.quit(), game)

    def test_no_fish_arrives_while_paused(self):
        game = self.launch().start()
        self.display.hold("p", seconds=0.15)
        paused = game.wait_for_picture(banner_shown, "the pause banner")
        time.sleep(5)
        still = game.screenshot()
        self.assertLess(water_changes(paused, still), 50)
        self.display.hold("p", seconds=0.15)
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
        overs.append(play_until_game_over(game))
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
        end = watched.wait_for_picture(banner_shown, "the recorded game over", timeout=60)
        over = overs[scores.index(max(scores, key=int))]
        self.assertLess(score_letters_differ(end, over), 40, "the score line differs")
        self.assertCleanExit(watched.quit("q"), watched)
        self.assertEqual(sorted(os.listdir(watched.folder)),
                         ["ogre.cfg", "plugins.cfg", "resources", "resources.cfg"],
                         "watching writes nothing in the game's folder")

if __name__ == "__main__":
    unittest.main()
