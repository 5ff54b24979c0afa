"""A minute of random real input against the sanitizer build: every game key, the arrows,
right-button drags and many pauses, then Escape. Nothing may crash or be reported."""
import random
import time
import unittest

from harness import GameTestCase

KEYS = ["Left", "Right", "Up", "Down", "a", "d", "w", "s", "Prior", "Next", "f", "t", "r",
        "Print", "p", "p", "p"]


class RandomInput(GameTestCase):
    def test_a_minute_of_random_input(self):
        game = self.launch().start()
        chance = random.Random(2026)  # the same storm on every run
        deadline = time.time() + 60
        while time.time() < deadline:
            if chance.random() < 0.2:
                self.display.run("xdotool", "mousedown", "3")
                for _ in range(chance.randint(1, 6)):
                    self.display.run("xdotool", "mousemove_relative", "--",
                                     str(chance.randint(-40, 40)), str(chance.randint(-40, 40)))
                self.display.run("xdotool", "mouseup", "3")
            else:
                keys = chance.sample(KEYS, chance.randint(1, 3))
                self.display.hold(*keys, seconds=chance.uniform(0.02, 0.4))
            self.assertIsNone(game.process.poll(), game.error_output()[-3000:])
        self.assertCleanExit(game.quit("Escape"), game)
        output = game.error_output()
        self.assertNotIn("AddressSanitizer", output)
        self.assertNotIn("runtime error", output)


if __name__ == "__main__":
    unittest.main()
