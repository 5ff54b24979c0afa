"""A game played without input: fish arrive, pause holds them back, and the game ends."""
import time
import unittest

from harness import GameTestCase, banner_shown

# The open water left and right of the player's start place, below the score line.
LEFT_WATER = (60, 60, 330, 660)
RIGHT_WATER = (600, 60, 370, 660)
# Even the smallest, slowest fish is wholly in view three seconds after it arrives: 600
# pixels or more.
ARRIVED = 300


def water_changes(before, after):
    return sum(before.differs(after, *area) for area in (LEFT_WATER, RIGHT_WATER))


class Play(GameTestCase):
    def test_the_first_fish_arrive_after_three_seconds(self):
        game = self.launch().start()
        start = game.screenshot()
        time.sleep(1.2)
        early = game.screenshot()  # about 2 s into the game
        self.assertLess(water_changes(start, early), 50)
        time.sleep(4.5)
        later = game.screenshot()  # about 6 s: fish have swum in
        self.assertGreater(water_changes(start, later), ARRIVED)
        self.assertCleanExit(game.quit(), game)

    def test_no_fish_arrives_while_paused(self):
        game = self.launch().start()
        self.display.hold("p", seconds=0.15)
        time.sleep(0.4)
        paused = game.screenshot()
        self.assertTrue(banner_shown(paused))
        time.sleep(5)
        still = game.screenshot()
        self.assertLess(water_changes(paused, still), 50)
        self.display.hold("p", seconds=0.15)
        time.sleep(5)
        self.assertGreater(water_changes(paused, game.screenshot()), ARRIVED)
        self.assertCleanExit(game.quit(), game)

    def test_a_game_left_alone_ends_with_the_banner(self):
        # The player never moves; a bigger fish, a shark or the hook comes along in time.
        game = self.launch().start()
        deadline = time.time() + 240
        shot = game.screenshot()
        while not banner_shown(shot):
            self.assertLess(time.time(), deadline, "no game over in four minutes")
            time.sleep(2)
            shot = game.screenshot()
        time.sleep(2)
        self.assertTrue(banner_shown(game.screenshot()), "the banner stays")
        self.assertCleanExit(game.quit(), game)


if __name__ == "__main__":
    unittest.main()
