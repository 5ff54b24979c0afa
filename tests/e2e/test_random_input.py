"""A minute of random real input against the sanitizer build: every game key, the arrows,
right-button drags, many pauses and a gamepad plugged in and out, then Escape. Nothing may
crash or be reported."""
import os
import random
import tempfile
import time
import unittest

from harness import PAD_PRELOAD, GameTestCase

KEYS = ["Left", "Right", "Up", "Down", "a", "d", "w", "s", "Prior", "Next", "f", "t", "r",
        "Print", "p", "p", "p", "F1", "m", "h", "F11", "Return"]
PAD = ["attached=0", "attached=1", "attached=1 x=0.8 y=-0.5", "attached=1 start=1",
       "attached=1 south=1 back=1", "attached=1 left=1 up=1"]


class RandomInput(GameTestCase):
    def test_a_minute_of_random_input(self):
        pad = os.path.join(tempfile.mkdtemp(prefix="fishtank_pad_"), "pad")
        game = self.launch(env={"FISHTANK_VIRTUAL_PAD": pad, "LD_PRELOAD": PAD_PRELOAD}).start()
        chance = random.Random(2026)  # the same storm on every run
        deadline = time.time() + 60
        while time.time() < deadline:
            if chance.random() < 0.2:
                self.display.run("xdotool", "mousedown", "3")
                for _ in range(chance.randint(1, 6)):
                    self.display.run("xdotool", "mousemove_relative", "--",
                                     str(chance.randint(-40, 40)), str(chance.randint(-40, 40)))
                self.display.run("xdotool", "mouseup", "3")
            elif chance.random() < 0.15:
                with open(pad + ".new", "w") as out:
                    out.write(chance.choice(PAD))
                os.replace(pad + ".new", pad)
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
