"""The additions, played for real: a new game with Return, the best score in its file
however the game ends, the controls panel on F1 (the game waits), the sound switch on M
remembered, full screen on F11, and the pause when the window loses focus."""
import os
import re
import subprocess
import time
import unittest

from harness import (NOBODY, ORANGE, PAUSED_LINE, RUN_DIR, Display, Game, GameTestCase, banner_shown,
                     open_to_nobody, play_until_game_over, score_line_shown,
                     start_window_manager, strip_over_black, tank_shown,
                     world_to_pixel)

# A new game begins a new recording, and says so.
RECORDING_LINE = "Recording the game in"


FAME_SHOWN = "The hall of fame is shown"
FAME_HIDDEN = "The hall of fame is hidden"


def new_best_shown(shot):
    """The "NEW BEST!" strip under the banner crosses the black side panel, where no fish
    can be seen, and its bright green letters stand in the water."""
    letters = shot.count(300, 465, 424, 60, lambda r, g, b: g > 215 and r < 200 and b < 190)
    return strip_over_black(shot, 5, 470, 30, 55) and letters > 200


def sound_off_shown(shot):
    """The "SOUND OFF" strip in the bottom-right corner, over the black side panel, and its
    warm letters."""
    letters = shot.count(886, 728, 124, 28, lambda r, g, b: r > 220 and 100 < g < 180 and b < 150)
    return strip_over_black(shot, 992, 731, 12, 22) and letters > 40


def new_game_line_shown(shot):
    """"Press Return for a new game": light letters on a dark strip under the banner."""
    return shot.count(300, 545, 424, 28, lambda r, g, b: min(r, g, b) > 200) > 150


def replay_strip_shown(shot):
    """The replay's strip under BEST, where it crosses the black right side panel."""
    return strip_over_black(shot, 990, 60, 14, 26)


def outside_the_panel_differs(before, after):
    """Pixels that changed in the water around the controls panel (fish, the hook)."""
    return sum(before.differs(after, x, y, w, h) for x, y, w, h in
               ((50, 60, 50, 650), (924, 60, 50, 650), (100, 685, 824, 60)))


def play_until_the_best_is_passed(game, timeout=420):
    """Swims up and down across the fishes' paths until the score passes the best, starting
    a new game when one is lost first; returns the score the log gave then."""
    deadline = time.time() + timeout
    turn = 0
    while "The score passes the best" not in game.log():
        game.display.hold(("Up", "Down")[turn % 2], seconds=1.0)
        game.display.hold("Return", seconds=0.1)  # a new game, if that one was lost
        turn += 1
        if time.time() > deadline:
            raise AssertionError("the best was not passed in %s s" % timeout)
    return int(re.findall(r"The score passes the best: (\d+)", game.log())[-1])


def controls_shown(shot):
    """The dark controls panel over the middle of the water."""
    return shot.mean_colour(200, 560, 600, 60)[2] < 110


def best_score_file(text):
    """Prepares the game's folder with best-score.txt holding the text."""
    def prepare(folder):
        with open(os.path.join(folder, "best-score.txt"), "w") as kept:
            kept.write(text)
    return prepare


def final_score(game):
    """The score the log gives for the last game over."""
    scores = re.findall(r"Game over with a score of (\d+)", game.log())
    return int(scores[-1]) if scores else None


def player_at_start(shot):
    """The player's orange fish is back at its start place, (200, 300)."""
    x0, y0 = world_to_pixel(200, 310)
    x1, y1 = world_to_pixel(240, 300)
    return shot.count(x0, y0, x1 - x0, y1 - y0, ORANGE) > 150


class NewGame(GameTestCase):
    def test_return_after_game_over_plays_a_new_game_in_the_same_window(self):
        # Before game over Return does nothing: the game, started paused, goes on for Return
        # and pauses again, a moment in which nothing can end it, and no new game began.
        game = self.launch(paused=True).start()
        game.run_for(0.1, "Return")
        self.assertEqual(game.log_count(RECORDING_LINE), 1)
        game.set_paused(False)
        play_until_game_over(game)
        self.assertTrue(new_game_line_shown(game.screenshot()))
        # The first game of the folder enters the hall of fame, shown under GAME OVER; Tab
        # hides and shows it.
        game.wait_for_log("The game enters the hall of fame at 1")
        game.wait_for_log(FAME_SHOWN)
        game.press_until_logged("Tab", FAME_HIDDEN)
        game.press_until_logged("Tab", FAME_SHOWN)
        # P shows "PAUSE", then takes the banner away.
        self.assertTrue(banner_shown(game.set_paused(True)))
        game.set_paused(False)
        game.wait_for_picture(lambda shot: not banner_shown(shot), "the banner gone")
        self.assertTrue(new_game_line_shown(game.screenshot()), "the way back stays")
        # Return, and P right after it: the new game, paused as it begins.
        game.press_until_logged("Return", RECORDING_LINE)
        fresh = game.set_paused(True)
        self.assertEqual(game.log_count(RECORDING_LINE), 2)
        self.assertTrue(player_at_start(fresh))
        self.assertFalse(new_game_line_shown(fresh))
        # Over the waiting new game, the hall of fame plays the first game in the window, with
        # the replay's strip; Tab brings the new game back as it was, still waiting.
        game.press_until_logged("Tab", FAME_SHOWN)
        hidden = game.log_count(FAME_HIDDEN)
        game.wait_for_log("The hall of fame points at 1.")
        game.press_until_logged("Return", "Watching replays/fame-")
        game.wait_for_picture(replay_strip_shown, "the replay's strip")
        game.press_until_logged("Tab", "Back to the game after watching")
        back = game.still_picture()
        self.assertFalse(replay_strip_shown(back))
        self.assertTrue(player_at_start(back))
        self.assertTrue(game.is_paused())
        self.assertEqual(game.log_count(FAME_HIDDEN), hidden, "the hall still shows")
        game.press_until_logged("Tab", FAME_HIDDEN)
        # The second game plays: the fish still swim in, and it can be lost again.
        game.set_paused(False)
        play_until_game_over(game)
        self.assertEqual(len(re.findall("Game over with a score", game.log())), 2)
        self.assertCleanExit(game.quit(), game)
        # Both games stand in the hall, each with its replay kept beside the recordings.
        with open(game.path("hall-of-fame.txt")) as hall:
            rows = hall.read().splitlines()[1:]
        self.assertEqual(len(rows), 2)
        for row in rows:
            self.assertTrue(os.path.isfile(game.path("replays/" + row.split("\t")[5])), row)
        # Watching inside the second game left it to play as its file has it.
        second = game.log().split(RECORDING_LINE + " ")[2].splitlines()[0]
        checked = subprocess.run([os.path.join(RUN_DIR, "fishtank"), "--verify", second],
                                 cwd=game.folder, capture_output=True, text=True)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)


class BestScore(GameTestCase):
    def test_the_best_score_is_read_and_kept_when_no_game_beats_it(self):
        game = self.launch(prepare=best_score_file("99999\n")).start()
        game.wait_for_log("Best score so far: 99999")
        play_until_game_over(game)
        self.assertFalse(new_best_shown(game.screenshot()))
        self.assertCleanExit(game.quit(), game)
        with open(game.path("best-score.txt")) as kept:
            self.assertEqual(kept.read(), "99999\n")

    def test_a_game_above_a_garbled_best_is_saved_with_new_best_shown(self):
        game = self.launch(prepare=best_score_file("twelve\n")).start()
        game.wait_for_log("No best score yet")
        shot = play_until_game_over(game)
        score = final_score(game)
        self.assertIsNotNone(score)
        if score > 0:
            game.wait_for_log("New best score %d saved" % score)
            with open(game.path("best-score.txt")) as kept:
                self.assertEqual(kept.read(), "%d\n" % score)
            self.assertTrue(new_best_shown(game.screenshot()))
        else:
            # Nothing eaten: 0 is no better than no best score, and the file stays.
            self.assertFalse(new_best_shown(shot))
            with open(game.path("best-score.txt")) as kept:
                self.assertEqual(kept.read(), "twelve\n")
        leftovers = [name for name in os.listdir(game.folder) if name.startswith(".best")]
        self.assertEqual(leftovers, [], "no temporary file stays")
        self.assertCleanExit(game.quit(), game)


    def test_a_score_above_the_best_is_kept_when_the_player_quits(self):
        game = self.launch().start()
        play_until_the_best_is_passed(game)
        self.assertCleanExit(game.quit("Escape"), game)
        saved = re.findall(r"New best score (\d+) saved in best-score.txt", game.log())
        with open(game.path("best-score.txt")) as kept:
            self.assertEqual(kept.read(), "%s\n" % saved[-1])

    def test_a_best_score_file_that_cannot_be_read_is_never_replaced(self):
        def unreadable_best(folder):
            best_score_file("50\n")(folder)
            open_to_nobody(folder)
            os.chmod(os.path.join(folder, "best-score.txt"), 0)

        game = self.launch(prepare=unreadable_best, prefix=NOBODY).start()
        play_until_the_best_is_passed(game)
        self.assertCleanExit(game.quit("Escape"), game)
        self.assertIn("kept in memory only", game.log())
        with open(game.path("best-score.txt")) as kept:
            self.assertEqual(kept.read(), "50\n")


class Panels(GameTestCase):
    def test_f1_shows_the_controls_and_the_game_waits_behind_them(self):
        # Started paused; P lets the game go on, and F1 comes a moment later, long before
        # anything can end the game (only a game in play waits behind the panel).
        game = self.launch(paused=True).start()
        self.assertFalse(controls_shown(game.still_picture()))
        game.set_paused(False)
        waits = game.log_count(PAUSED_LINE)
        game.press_until_shown("F1", controls_shown, "the controls panel", seconds=0.2)
        game.wait_for_log(PAUSED_LINE, count=waits + 1)
        before = game.still_picture()
        time.sleep(5)  # the first fish would have swum in by now
        self.assertEqual(outside_the_panel_differs(before, game.screenshot()), 0)
        game.press_until_shown("F1", lambda shot: not controls_shown(shot), "the panel gone",
                               seconds=0.2)
        game.wait_for_picture(lambda shot: outside_the_panel_differs(before, shot) > 50,
                              "fish swimming again", timeout=30)
        self.assertCleanExit(game.quit(), game)

    def test_m_switches_the_sound_off_with_a_marker_and_on_again(self):
        game = self.launch().start()
        self.assertFalse(sound_off_shown(game.screenshot()))
        game.press_until_shown("m", sound_off_shown, "the sound-off marker", seconds=0.2)
        game.press_until_shown("m", lambda shot: not sound_off_shown(shot), "the marker gone",
                               seconds=0.2)
        game.press_until_shown("m", sound_off_shown, "the sound-off marker again",
                               seconds=0.2)
        self.assertCleanExit(game.quit(), game)

        # The next start remembers it.
        with open(game.path("settings.cfg")) as kept:
            settings = kept.read()
        self.assertIn("sound = off", settings)

        def remembered(folder):
            with open(os.path.join(folder, "settings.cfg"), "w") as out:
                out.write(settings)
        game = self.launch(prepare=remembered).start()
        self.assertTrue(sound_off_shown(game.screenshot()))
        self.assertCleanExit(game.quit(), game)

    def test_f11_switches_to_full_screen_at_the_desktops_size_and_back(self):
        display = Display(size="1920x1080")
        self.addCleanup(display.close)
        manager = start_window_manager(display)
        self.addCleanup(manager.wait)
        self.addCleanup(manager.kill)
        game = Game(display).start()
        self.addCleanup(game.cleanup)
        size = lambda: re.search(r"Width: (\d+)\s+Height: (\d+)", display.run(
            "xwininfo", "-id", game.window).stdout).groups()
        self.assertEqual(size(), ("1024", "768"))
        for key, wanted in (("F11", ("1920", "1080")), ("F11", ("1024", "768"))):
            game.press_until_logged(key, "Full screen at" if wanted[0] == "1920"
                                    else "In a window of", seconds=0.15)
            deadline = time.time() + 20
            while size() != wanted and time.time() < deadline:
                time.sleep(0.2)
            self.assertEqual(size(), wanted)
        # Back in the window, the HUD is laid out for it again: BEST at the top right, the
        # controls hint at the bottom left and the score line, each over the black panels.
        game.wait_for_picture(lambda shot: (shot.width, shot.height) == (1024, 768) and
                              strip_over_black(shot, 985, 16, 20, 28) and
                              strip_over_black(shot, 16, 732, 24, 20) and score_line_shown(shot),
                              "the HUD laid out for the window again")
        self.assertCleanExit(game.quit(), game)


class Focus(GameTestCase):
    def test_losing_the_focus_pauses_until_p(self):
        # Started paused, the window with the focus; P, P and P: the game, now going on, has
        # read its window's events in a frame after it got the focus (the frame that read
        # the first P, before the second P was read), and nothing can have ended it yet.
        game = self.launch(paused=True).start()
        game.set_paused(False)
        game.set_paused(True)
        game.set_paused(False)
        # Another window takes the focus: here the desktop's root window.
        info = self.display.run("xwininfo", "-root").stdout
        root_id = re.search(r"Window id: (0x[0-9a-f]+)", info).group(1)
        pauses = game.log_count(PAUSED_LINE)
        self.display.run("xdotool", "windowfocus", root_id, check=False)
        game.wait_for_log(PAUSED_LINE, count=pauses + 1)
        paused = game.still_picture()
        self.assertTrue(banner_shown(paused))
        time.sleep(1)
        self.assertTrue(game.is_paused() and banner_shown(game.screenshot()), "it stays paused")
        self.assertTrue(tank_shown(paused))
        self.display.run("xdotool", "windowfocus", "--sync", game.window)
        game.set_paused(False)
        game.wait_for_picture(lambda shot: not banner_shown(shot), "play again after P")
        self.assertCleanExit(game.quit(), game)


if __name__ == "__main__":
    unittest.main()
