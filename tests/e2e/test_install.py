"""The game as a player installs it: under a prefix with cmake --install, and as a .deb,
started through the launcher, keeping settings and screenshots in the player's folder."""
import glob
import os
import shutil
import subprocess
import tempfile
import unittest

from harness import ACCEPT_BUTTON, CANCEL_BUTTON, NOBODY, WINDOW_TITLE, GameTestCase

BUILD_DIR = os.environ.get("FISHTANK_BUILD_DIR", "")
DESKTOP_ENTRY = "org.example.fishtank.desktop"
# Laid out as Debian lays out its games, under any prefix.
LAYOUT = ["games/fishtank", "lib/games/fishtank/fishtank", "share/games/fishtank/ogre.cfg",
          "share/games/fishtank/plugins.cfg", "share/games/fishtank/resources/gulp.wav",
          "share/applications/" + DESKTOP_ENTRY,
          "share/metainfo/org.example.fishtank.metainfo.xml",
          "share/icons/hicolor/scalable/apps/fishtank.svg", "share/man/man6/fishtank.6.gz",
          "share/doc/fishtank/copyright", "share/doc/fishtank/changelog.gz"]
LAYOUT += ["share/icons/hicolor/%dx%d/apps/fishtank.png" % (size, size)
           for size in (16, 32, 48, 64, 128, 256)]


class Installed(GameTestCase):
    def setUp(self):
        if not BUILD_DIR:
            self.skipTest("FISHTANK_BUILD_DIR is not set")
        self.scratch = tempfile.mkdtemp(prefix="fishtank_install_")
        self.addCleanup(shutil.rmtree, self.scratch, True)

    def play_through_launcher(self, launcher, data_home):
        """Starts the launcher, saves a screenshot with SysRq, quits; returns the folder."""
        folder = os.path.join(data_home, "fishtank")
        game = self.launch(command=[launcher], folder=folder,
                           env={"XDG_DATA_HOME": data_home, "HOME": self.scratch})
        game.start()
        game.press_until_logged("Print", "Screenshot saved as screenshot_1.png")
        self.assertCleanExit(game.quit(), game)
        return folder

    def install(self, prefix):
        subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", prefix], check=True,
                       capture_output=True)

    def test_the_launcher_keeps_the_players_files_in_their_own_folder(self):
        prefix = os.path.join(self.scratch, "prefix")
        data_home = os.path.join(self.scratch, "data")
        self.install(prefix)
        for path in LAYOUT:
            self.assertTrue(os.path.exists(os.path.join(prefix, path)), path)
        with open(os.path.join(prefix, "share/applications", DESKTOP_ENTRY)) as entry:
            text = entry.read()
        self.assertIn("Exec=fishtank\n", text)
        self.assertIn("Icon=fishtank\n", text)

        folder = self.play_through_launcher(os.path.join(prefix, "games", "fishtank"), data_home)
        for name in ("screenshot_1.png", "Ogre.log", "ogre.cfg"):
            self.assertTrue(os.path.isfile(os.path.join(folder, name)), name)

        # An upgrade installs over the game; the player's own settings stay theirs.
        settings = os.path.join(folder, "ogre.cfg")
        with open(settings, "a") as saved:
            saved.write("# chosen by the player\n")
        self.install(prefix)
        game = self.launch(command=[os.path.join(prefix, "games", "fishtank")], folder=folder,
                           env={"XDG_DATA_HOME": data_home, "HOME": self.scratch})
        game.press_dialog_button(CANCEL_BUTTON)  # only the launcher's work counts here
        self.assertCleanExit(game.wait(), game)
        with open(settings) as saved:
            self.assertIn("# chosen by the player", saved.read())
        self.assertTrue(os.path.isfile(os.path.join(folder, "screenshot_1.png")))

    def test_whatever_stops_the_launcher_reaches_the_player_in_the_box(self):
        prefix = os.path.join(self.scratch, "prefix")
        self.install(prefix)
        launcher = [os.path.join(prefix, "games", "fishtank")]
        # No home folder at all: the game plays from a private folder and says so in its log.
        game = self.launch(command=launcher, folder=self.scratch,
                           prefix=["env", "-u", "HOME", "-u", "XDG_DATA_HOME",
                                   "TMPDIR=" + self.scratch])
        game.press_dialog_button(ACCEPT_BUTTON)
        window = self.display.wait_for_window(WINDOW_TITLE, process=game.process)
        game.folder = glob.glob(os.path.join(self.scratch, "fishtank.*"))[0]
        game.wait_for_log("There is no home folder")
        self.display.run("xdotool", "windowfocus", "--sync", window)
        self.assertCleanExit(game.quit(), game)
        # A folder the player cannot write: the game's box says so, with status 0.
        os.chmod(self.scratch, 0o755)
        locked = os.path.join(self.scratch, "locked")
        os.mkdir(locked, 0o555)
        game = self.launch(command=launcher, folder=self.scratch, prefix=NOBODY,
                           env={"XDG_DATA_HOME": locked})
        self.assertErrorBox(game, "%s/fishtank cannot be made or written" % locked)

    def test_the_debian_package_installs_and_its_launcher_starts_the_game(self):
        subprocess.run(["cpack", "-G", "DEB", "-B", self.scratch], cwd=BUILD_DIR, check=True,
                       capture_output=True)
        package = glob.glob(os.path.join(self.scratch, "fishtank_*.deb"))[0]
        fields = subprocess.run(["dpkg-deb", "-f", package, "Depends"], check=True,
                                capture_output=True, text=True).stdout
        for needed in ("libogre1.12.10", "libois-1.3.0v5", "libsdl2-2.0-0", "fonts-dejavu-core"):
            self.assertIn(needed, fields)
        if os.geteuid() == 0:
            # apt resolves every dependency from Debian's archive without touching the system.
            subprocess.run(["apt-get", "install", "--simulate", "-qq", package], check=True,
                           capture_output=True)
        # Debian's checker finds nothing wrong: no error and no warning.
        checked = subprocess.run(["lintian", "--fail-on", "error,warning", package],
                                 capture_output=True, text=True)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)
        self.assertNotRegex(checked.stdout, r"(?m)^[EW]: ")
        root = os.path.join(self.scratch, "root")
        subprocess.run(["dpkg-deb", "-x", package, root], check=True)
        for path in LAYOUT:
            self.assertTrue(os.path.exists(os.path.join(root, "usr", path)), path)
        binary = subprocess.run(["file", os.path.join(root, "usr", "lib/games/fishtank/fishtank")],
                                capture_output=True, text=True, check=True).stdout
        self.assertIn("stripped", binary)
        self.assertNotIn("not stripped", binary)
        folder = self.play_through_launcher(os.path.join(root, "usr", "games", "fishtank"),
                                            os.path.join(self.scratch, "data"))
        self.assertTrue(os.path.isfile(os.path.join(folder, "screenshot_1.png")))


if __name__ == "__main__":
    unittest.main()
