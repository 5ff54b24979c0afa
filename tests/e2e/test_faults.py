"""Broken files, a missing desktop or sound device: the game says what is wrong in the error
box (or on standard error), or carries on where it can, and always ends with status 0."""
import os
import subprocess
import time
import unittest

from harness import (ACCEPT_BUTTON, ERROR_CAPTION, NOBODY, RUN_DIR, GameTestCase,
                     open_to_nobody, play_until_game_over, score_line_shown)


def replace_file(name, text):
    def prepare(folder):
        path = os.path.join(folder, name)
        if text is None:
            os.remove(path)
        else:
            with open(path, "w") as out:
                out.write(text)
    return prepare


def edit_file(name, old, new):
    def prepare(folder):
        path = os.path.join(folder, name)
        with open(path) as source:
            text = source.read()
        assert old in text, "%s does not hold %r" % (name, old)
        with open(path, "w") as out:
            out.write(text.replace(old, new))
    return prepare


GARBLED = "\x01\x02 ][ ===\n[General\nPlugin\n==::\n"


class BrokenFiles(GameTestCase):
    def test_plugin_list_missing_empty_or_garbled(self):
        for text in (None, "", GARBLED):
            with self.subTest(plugins=text):
                game = self.launch(prepare=replace_file("plugins.cfg", text))
                self.assertErrorBox(game, "No render system could be loaded")

    def test_resource_list_missing_empty_or_garbled(self):
        # An empty list is only found wanting once the scene asks for its first material.
        cases = ((None, "resources.cfg", False), ("", "Examples/", True), (GARBLED, "archive", False))
        for text, word, dialog in cases:
            with self.subTest(resources=text):
                game = self.launch(prepare=replace_file("resources.cfg", text))
                if dialog:
                    game.press_dialog_button(ACCEPT_BUTTON)
                self.assertErrorBox(game, word)

    def test_a_resource_folder_that_does_not_exist_is_named(self):
        game = self.launch(prepare=edit_file("resources.cfg", "resources/textures",
                                             "resources/no_such_folder"))
        self.assertErrorBox(game, "resources/no_such_folder")

    def test_missing_pieces_of_the_resources_are_named(self):
        cases = (
            ("resources/overlays/fishtank.fontdef", "font GameFont", "font OtherFont",
             "GameFont"),
            ("resources/overlays/fishtank.overlay", "overlay GameOverOverlay",
             "overlay OtherOverlay", "GameOverOverlay"),
        )
        for name, old, new, word in cases:
            with self.subTest(missing=word):
                game = self.launch(prepare=edit_file(name, old, new))
                game.press_dialog_button(ACCEPT_BUTTON)
                self.assertErrorBox(game, word)

    def test_a_damaged_picture_is_named_in_the_box_never_drawn_as_a_warning(self):
        def damage(how):
            def prepare(folder):
                textures = os.path.join(folder, "resources", "textures")
                picture = os.path.join(textures, "OceanBackground.png")
                with open(picture, "rb") as source:
                    start = source.read(200)
                os.remove(picture)
                if how == "truncated":
                    with open(picture, "wb") as out:
                        out.write(start)
                elif how == "random bytes":
                    with open(picture, "wb") as out:
                        out.write(os.urandom(5000))
                elif how == "folder":
                    os.mkdir(picture)
                elif how == "pipe":
                    os.mkfifo(picture)
                if how in ("unreadable", "folder unreadable"):
                    with open(picture, "wb") as out:
                        out.write(start)
                    open_to_nobody(folder)
                    os.chmod(picture if how == "unreadable" else textures, 0)
            return prepare

        for how, word in (("missing", "OceanBackground.png"),
                          ("truncated", "OceanBackground.png"),
                          ("random bytes", "OceanBackground.png"),
                          ("folder", "OceanBackground.png"), ("pipe", "OceanBackground.png"),
                          ("unreadable", "OceanBackground.png"),
                          ("folder unreadable", "resources/textures cannot be read")):
            with self.subTest(picture=how):
                nobody = "unreadable" in how
                game = self.launch(prepare=damage(how), prefix=NOBODY if nobody else None)
                if how not in ("pipe",) and not nobody:
                    game.press_dialog_button(ACCEPT_BUTTON)
                self.assertErrorBox(game, word)

    def test_without_the_score_overlay_the_game_plays_on(self):
        game = self.launch(prepare=edit_file("resources/overlays/fishtank.overlay",
                                             "overlay ScoreOverlay", "overlay OtherScore"))
        game.start()
        self.assertFalse(score_line_shown(game.screenshot()))
        self.display.hold("f", seconds=0.3)
        self.assertIsNone(game.process.poll())
        self.assertCleanExit(game.quit(), game)


class SavedSettings(GameTestCase):
    def test_missing_empty_or_garbled_settings_open_the_dialog_with_defaults(self):
        for text in (None, "", GARBLED):
            with self.subTest(settings=text):
                game = self.launch(prepare=replace_file("ogre.cfg", text)).start()
                self.assertCleanExit(game.quit(), game)
                self.assertTrue(os.path.exists(game.path("ogre.cfg")), "Accept saves them")

    def test_stale_settings_are_set_aside_instead_of_stopping_every_start(self):
        with open(os.path.join(RUN_DIR, "ogre.cfg")) as saved:
            stale = saved.read() + "VSync Interval=1\n"
        game = self.launch(prepare=replace_file("ogre.cfg", stale)).start()
        self.assertCleanExit(game.quit(), game)
        with open(game.path("ogre.cfg.rejected")) as aside:
            self.assertIn("VSync Interval", aside.read())
        with open(game.path("ogre.cfg")) as fresh:
            self.assertNotIn("VSync Interval", fresh.read())
        self.assertIn("set aside", game.log())


class Surroundings(GameTestCase):
    def test_without_a_display_the_message_goes_to_standard_error(self):
        env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
        result = subprocess.run([os.path.join(RUN_DIR, "fishtank")], cwd=RUN_DIR, env=env,
                                capture_output=True, text=True, timeout=60)
        self.assertEqual(result.returncode, 0)
        self.assertIn(ERROR_CAPTION, result.stderr)
        self.assertIn("No X display could be opened", result.stderr)

    def test_sounds_missing_broken_or_unplayable_leave_the_game_silent(self):
        def break_sounds(folder):
            os.remove(os.path.join(folder, "resources", "gulp.wav"))
            with open(os.path.join(folder, "resources", "boo.wav"), "w") as boo:
                boo.write("not a sound")
        # No audio device at all, and both sound files broken.
        game = self.launch(prepare=break_sounds, env={"SDL_AUDIODRIVER": "no_such_driver"})
        game.start()
        # The game-over sound is asked for, and maybe a meal's sound before it.
        play_until_game_over(game)
        time.sleep(1)
        self.assertIsNone(game.process.poll(), game.error_output()[-1000:])
        self.assertCleanExit(game.quit(), game)


if __name__ == "__main__":
    unittest.main()
