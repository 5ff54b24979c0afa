"""Runs the real game in a real X display (Xvfb, Mesa's software renderer) and plays it
with real X input (xdotool), the way a person would, then looks at what it showed.

Each game runs in a scratch copy of the run directory, so a test can break a resource
or read the screenshots and the log it leaves behind.
"""
import os
import re
import shutil
import subprocess
import tempfile
import time
import unittest

RUN_DIR = os.environ.get("FISHTANK_RUN_DIR", "")
X_HELPER = os.environ.get("FISHTANK_X_HELPER", "")
WINDOW_TITLE = "OGRE Render Window"
DIALOG_TITLE = "Rendering Settings"
ERROR_CAPTION = "An exception has occured!"
# The game logs this once its first frame is on the screen.
FIRST_FRAME_LINE = "The first frame is on the screen"

# Where the dialog's buttons sit, from its top-left corner (the X11 dialog takes no Return).
ACCEPT_BUTTON = (446, 353)
CANCEL_BUTTON = (376, 353)

# The camera sees 414.2 world units of height, whatever the window's height in pixels.
VIEW_HEIGHT_UNITS = 414.2136
WINDOW_SIZE = (1024, 768)

# How long slow machines may take; the game itself is never timed.
START_TIMEOUT = 60
EXIT_TIMEOUT = 30
PICTURE_TIMEOUT = 20


# Root ignores file modes: the cases about permissions are played as the user nobody.
NOBODY = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]


def open_to_nobody(folder):
    """Lets an ordinary user play in the folder."""
    for directory, folders, files in os.walk(folder):
        os.chmod(directory, 0o777)
        for name in files:
            os.chmod(os.path.join(directory, name), 0o666)


def world_to_pixel(x, y, size=WINDOW_SIZE):
    """Pixel of a world point in a window of the given size; the camera looks at (250, 200)
    and the picture keeps its proportions."""
    per_unit = size[1] / VIEW_HEIGHT_UNITS
    return (round(size[0] / 2 + (x - 250) * per_unit),
            round(size[1] / 2 - (y - 200) * per_unit))


def start_window_manager(display, timeout=30):
    """Starts openbox on the display and waits until it manages windows; returns its process."""
    manager = subprocess.Popen(["openbox"], env=display.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    deadline = time.time() + timeout
    while display.run("wmctrl", "-m", check=False).returncode != 0:
        if time.time() > deadline:
            manager.kill()
            manager.wait()
            raise AssertionError("openbox never started")
        time.sleep(0.2)
    return manager


class Display:
    """A private X server for one test class."""

    def __init__(self, *server_args, size="1280x1024"):
        read_fd, write_fd = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", size + "x24", "-noreset",
             "-nolisten", "tcp", *server_args], pass_fds=[write_fd], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as reader:
            number = reader.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.name = ":" + number
        self.env = dict(os.environ, DISPLAY=self.name)
        # A window manager would have made the close message's atoms before any game starts.
        if X_HELPER:
            self.run(X_HELPER, "--intern")

    def run(self, *args, check=True):
        return subprocess.run(list(args), env=self.env, check=check, capture_output=True,
                              text=True, timeout=30)

    def auto_repeat(self):
        """The X keyboard's auto-repeat setting, as `xset q` reports it."""
        for line in self.run("xset", "q").stdout.splitlines():
            if "auto repeat:" in line:
                return line.split("auto repeat:")[1].split()[0]
        raise AssertionError("xset q reports no auto repeat")

    def windows(self, title):
        """Ids of the viewable windows with exactly this title."""
        tree = self.run("xwininfo", "-root", "-tree", check=False).stdout
        found = []
        for line in tree.splitlines():
            parts = line.strip().split(" ", 1)
            if len(parts) == 2 and parts[1].startswith('"%s":' % title):
                state = self.run("xwininfo", "-id", parts[0], check=False).stdout
                if "IsViewable" in state:
                    found.append(parts[0])
        return found

    def wait_for_window(self, title, timeout=START_TIMEOUT, process=None):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = self.windows(title)
            if found:
                return found[0]
            if process is not None and process.poll() is not None:
                raise AssertionError("the game ended (status %s) before %r appeared"
                                     % (process.returncode, title))
            time.sleep(0.2)
        raise AssertionError("no window %r after %s s" % (title, timeout))

    def geometry(self, window):
        """x, y, width and height of the window's inside on the screen (xwininfo's absolute
        place: a window manager's frame shifts what xdotool reports)."""
        out = self.run("xwininfo", "-id", str(window)).stdout
        number = lambda label: int(re.search(label + r":\s+(-?\d+)", out).group(1))
        return (number("Absolute upper-left X"), number("Absolute upper-left Y"),
                number("Width"), number("Height"))

    def click(self, x, y, button=1):
        self.run("xdotool", "mousemove", str(x), str(y), "click", str(button))

    def hold(self, *keys, seconds=0.4):
        """Holds the keys for some frames: unbuffered input can miss a shorter tap."""
        for key in keys:
            self.run("xdotool", "keydown", key)
        time.sleep(seconds)
        for key in keys:
            self.run("xdotool", "keyup", key)

    def dismiss_error_box(self, box):
        """Presses Return in the error box, or clicks its OK button if Return went elsewhere."""
        self.run("xdotool", "windowfocus", "--sync", box, check=False)
        self.hold("Return", seconds=0.2)
        time.sleep(1.0)
        if box in self.windows(ERROR_CAPTION):
            x, y, width, height = self.geometry(box)
            self.click(x + width // 2, y + height - 28)

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()


class Game:
    """One run of the game: by default in a scratch copy of the run directory; or another
    command (the installed launcher) whose files land in the given folder."""

    def __init__(self, display, prepare=None, env=None, command=None, folder=None, prefix=None,
                 args=()):
        self.display = display
        self.owns_folder = folder is None
        if folder is None:
            folder = tempfile.mkdtemp(prefix="fishtank_e2e_")
            for name in ("plugins.cfg", "ogre.cfg", "resources.cfg"):
                shutil.copy(os.path.join(RUN_DIR, name), folder)
            # Players get vsync; the tests draw as fast as they can, as the benchmark does.
            settings = os.path.join(folder, "ogre.cfg")
            with open(settings) as saved:
                text = saved.read()
            with open(settings, "w") as saved:
                saved.write(text.replace("VSync=Yes", "VSync=No"))
            shutil.copytree(os.path.join(RUN_DIR, "resources"), os.path.join(folder, "resources"))
            command = [os.path.join(RUN_DIR, "fishtank")]
        self.folder = folder
        if prepare is not None:
            prepare(self.folder)
        command = list(command) + list(args)
        # Watching a recorded game writes nothing in the folder: its log goes to stderr.
        self.watching = "--replay" in args
        if prefix:
            command = list(prefix) + command
        self.stderr_file = tempfile.NamedTemporaryFile("w", prefix="fishtank_stderr_",
                                                       delete=False)
        game_env = dict(display.env, SDL_AUDIODRIVER="dummy")
        if env:
            game_env.update(env)
        self.process = subprocess.Popen(command, cwd=self.folder if self.owns_folder else None,
                                        env=game_env, stdout=subprocess.DEVNULL,
                                        stderr=self.stderr_file)
        self.window = None
        self.shots = 0

    def path(self, name):
        return os.path.join(self.folder, name)

    def log(self):
        if self.watching:
            return self.error_output()
        with open(self.path("Ogre.log"), errors="replace") as log:
            return log.read()

    def error_output(self):
        self.stderr_file.flush()
        with open(self.stderr_file.name, errors="replace") as err:
            return err.read()

    def dialog(self):
        return self.display.wait_for_window(DIALOG_TITLE, process=self.process)

    def press_dialog_button(self, offset):
        dialog = self.dialog()
        x, y, _, _ = self.display.geometry(dialog)
        time.sleep(0.3)
        self.display.click(x + offset[0], y + offset[1])

    def start(self, tank_expected=True):
        """Accepts the settings dialog and waits until the game says its first frame is on
        the screen and (unless told the backdrop is broken) the tank can be seen."""
        self.press_dialog_button(ACCEPT_BUTTON)
        self.window = self.display.wait_for_window(WINDOW_TITLE, process=self.process)
        # The game takes no keyboard grab: its window gets the focus, as a window manager
        # gives it to a new window, so keys reach it wherever the pointer wanders.
        self.display.run("xdotool", "windowfocus", "--sync", self.window, check=False)
        self.wait_for_log(FIRST_FRAME_LINE)
        self.started = time.time()
        if tank_expected:
            self.wait_for_picture(tank_shown, "the tank in the window")
        return self

    def wait_for_picture(self, condition, what, timeout=PICTURE_TIMEOUT):
        """Screenshots until one meets the condition; returns it."""
        deadline = time.time() + timeout
        while True:
            shot = self.screenshot()
            if condition(shot):
                return shot
            if self.process.poll() is not None:
                raise AssertionError("the game ended before showing %s:\n%s"
                                     % (what, self.error_output()[-2000:]))
            if time.time() > deadline:
                raise AssertionError("the window never showed %s in %s s" % (what, timeout))
            time.sleep(0.2)

    def wait_for_log(self, line, timeout=START_TIMEOUT):
        deadline = time.time() + timeout
        while time.time() < deadline:
            if (self.watching or os.path.exists(self.path("Ogre.log"))) and line in self.log():
                return
            if self.process.poll() is not None:
                raise AssertionError("the game ended before logging %r:\n%s"
                                     % (line, self.error_output()))
            time.sleep(0.2)
        raise AssertionError("the log never said %r" % line)

    def screenshot(self):
        """The game window's pixels now, as an Image."""
        self.shots += 1
        target = "%s.look_%d.png" % (self.stderr_file.name, self.shots)
        self.display.run("import", "-window", self.window, target)
        image = Image(target)
        os.remove(target)
        return image

    def wait(self, timeout=EXIT_TIMEOUT):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
            raise AssertionError("the game did not end within %s s" % timeout)

    def signal(self, number):
        self.process.send_signal(number)

    def quit(self, key="Escape"):
        self.display.hold(key)
        return self.wait()

    def cleanup(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.stderr_file.close()
        os.remove(self.stderr_file.name)
        if self.owns_folder:
            shutil.rmtree(self.folder, ignore_errors=True)


class Image:
    """Pixel questions about a screenshot. The pixels are read once, through ImageMagick."""

    def __init__(self, path):
        self.path = path
        raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                             capture_output=True).stdout
        size = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                              capture_output=True, text=True).stdout.split()
        self.width, self.height = int(size[0]), int(size[1])
        self.rgb = raw

    def _pixels(self, x, y, width, height):
        for row in range(max(y, 0), min(y + height, self.height)):
            base = (row * self.width) * 3
            for column in range(max(x, 0), min(x + width, self.width)):
                at = base + column * 3
                yield column, row, self.rgb[at], self.rgb[at + 1], self.rgb[at + 2]

    def mean_colour(self, x, y, width, height):
        """Average (r, g, b), 0..255, of a pixel rectangle."""
        total = [0, 0, 0]
        count = 0
        for _, _, r, g, b in self._pixels(x, y, width, height):
            total[0] += r
            total[1] += g
            total[2] += b
            count += 1
        return tuple(value / max(count, 1) for value in total)

    def count(self, x, y, width, height, condition):
        """How many pixels of the rectangle meet condition(r, g, b), each 0..255."""
        return sum(1 for _, _, r, g, b in self._pixels(x, y, width, height) if condition(r, g, b))

    def _matching(self, x, y, width, height, condition):
        """The columns and the rows of the pixels that meet the condition."""
        xs, ys = [], []
        for px, py, r, g, b in self._pixels(x, y, width, height):
            if condition(r, g, b):
                xs.append(px)
                ys.append(py)
        return xs, ys

    def bounds(self, x, y, width, height, condition):
        """(left, top, right, bottom) of the pixels that meet the condition, or None."""
        xs, ys = self._matching(x, y, width, height, condition)
        return (min(xs), min(ys), max(xs), max(ys)) if xs else None

    def centroid(self, x, y, width, height, condition):
        """Mean position of the pixels that meet the condition, or None."""
        xs, ys = self._matching(x, y, width, height, condition)
        return (sum(xs) / len(xs), sum(ys) / len(ys)) if xs else None

    def differs(self, other, x, y, width, height, tolerance=40):
        """Pixels of the rectangle that differ clearly between two screenshots."""
        changed = 0
        for (_, _, r, g, b), (_, _, r2, g2, b2) in zip(self._pixels(x, y, width, height),
                                                       other._pixels(x, y, width, height)):
            if abs(r - r2) + abs(g - g2) + abs(b - b2) > tolerance:
                changed += 1
        return changed


def ORANGE(r, g, b):
    """The player's orange: bright red, middling green, little blue."""
    return r > 217 and 89 < g < 204 and b < 89


def WHITE(r, g, b):
    return r > 230 and g > 230 and b > 230


class GameTestCase(unittest.TestCase):
    """Starts one X display for the test class and cleans up every game it ran."""

    @classmethod
    def setUpClass(cls):
        if not RUN_DIR:
            raise unittest.SkipTest("FISHTANK_RUN_DIR is not set")
        cls.display = Display()

    @classmethod
    def tearDownClass(cls):
        cls.display.close()

    def launch(self, prepare=None, env=None, command=None, folder=None, prefix=None, args=()):
        game = Game(self.display, prepare=prepare, env=env, command=command, folder=folder,
                    prefix=prefix, args=args)
        self.addCleanup(game.cleanup)
        return game

    def assertCleanExit(self, status, game):
        self.assertEqual(status, 0, game.error_output()[-2000:])
        self.assertEqual(self.display.auto_repeat(), "on")

    def assertErrorBox(self, game, *words):
        """The error box comes up with the keyboard free, the game waits for it, it names
        the words, and the game ends cleanly once it is dismissed."""
        box = self.display.wait_for_window(ERROR_CAPTION, process=game.process)
        time.sleep(0.5)
        self.assertIsNone(game.process.poll(), "the box waits for the player")
        self.assertEqual(self.display.auto_repeat(), "on")
        self.display.dismiss_error_box(box)
        self.assertCleanExit(game.wait(), game)
        output = game.error_output()
        self.assertIn(ERROR_CAPTION, output)
        for word in words:
            self.assertIn(word, output)


def tank_shown(image):
    """Water fills the middle of the window: blue above green and red."""
    r, g, b = image.mean_colour(412, 284, 200, 200)
    return b > 100 and b > r + 40


def play_until_game_over(game, timeout=120):
    """Swims the player up and down across the fishes' paths until one that is too big (or
    the hook) ends the game; returns the screenshot with the banner."""
    deadline = time.time() + timeout
    keys = ("Up", "Down")
    turn = 0
    while True:
        game.display.hold(keys[turn % 2], seconds=1.5)
        turn += 1
        shot = game.screenshot()
        if banner_shown(shot):
            return shot
        if time.time() > deadline:
            raise AssertionError("no game over in %s s of swimming across the fish" % timeout)


def strip_over_black(image, x, y, width, height):
    """A HUD strip's dark blue shows in this part of the window, which is black without it
    (the side panels, where no fish can be seen)."""
    r, g, b = image.mean_colour(x, y, width, height)
    return b > 8 and b > r


def banner_shown(image):
    """The banner strip crosses the black side panel at mid-height when it is shown."""
    return strip_over_black(image, 5, 340, 30, 80)


def score_line_shown(image):
    """The score strip starts over the black left panel at the top."""
    return strip_over_black(image, 16, 16, 24, 28)

