"""Runs the real game in a real X display (Xvfb, Mesa's software renderer) and plays it
with real X input (xdotool), the way a person would, then looks at what it showed.

Each game runs in a scratch copy of the run directory, so a test can break a resource
or read the screenshots and the log it leaves behind.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

RUN_DIR = os.environ.get("FISHTANK_RUN_DIR", "")
# Loaded into a game (LD_PRELOAD), it plugs in a virtual pad driven from the file named by
# FISHTANK_VIRTUAL_PAD; the build's own beside its run directory unless told.
PAD_PRELOAD = os.environ.get("FISHTANK_PAD_PRELOAD") or (
    RUN_DIR and os.path.join(os.path.dirname(os.path.normpath(RUN_DIR)), "tests",
                             "libvirtual_pad.so"))
X_HELPER = os.environ.get("FISHTANK_X_HELPER", "")
WINDOW_TITLE = "OGRE Render Window"
DIALOG_TITLE = "Rendering Settings"
ERROR_CAPTION = "An exception has occured!"
# The game logs this once its first frame is on the screen, "A frame of 800x600 is on the
# screen" once the first frame at a new window size is, and a line each time it pauses or
# goes on: the tests wait for these rather than for time to pass.
FIRST_FRAME_LINE = "The first frame is on the screen"
PAUSED_LINE = "The game is paused"
GOES_ON_LINE = "The game goes on"
GAME_OVER_LINE = "Game over with a score of"
# A virtual pad holding Start from the game's first frames pauses it before its clock has
# run: the tank as it starts, for as long as a test looks.
PAUSED_FROM_THE_START = "attached=1 start=1"

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
# P flips the pause while held, every quarter second: a tap is shorter, and is read by the
# game only if a frame starts during it.
TAP_SECONDS = 0.15
# How long the game waits after P flips the pause, so that one press flips it once.
P_WAIT = 0.25


# Root ignores file modes: the cases about permissions are played as the user nobody.
NOBODY = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]


def open_to_nobody(folder):
    """Lets an ordinary user play in the folder."""
    for directory, folders, files in os.walk(folder):
        os.chmod(directory, 0o777)
        for name in files:
            os.chmod(os.path.join(directory, name), 0o666)


def world_to_pixel(x, y, size=WINDOW_SIZE):
    """Pixel of a world point in a window of the given size; the camera looks at (250, 200),
    the picture keeps its proportions and the whole tank (500 wide) shows."""
    per_unit = size[1] / max(VIEW_HEIGHT_UNITS, 500 * size[1] / size[0])
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

    def run_bytes(self, *args):
        """Standard output of the command, as bytes."""
        return subprocess.run(list(args), env=self.env, check=True, capture_output=True,
                              timeout=60).stdout

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
        """Holds the keys for some frames (unbuffered input can miss a shorter tap), in one
        run of xdotool, so that a busy machine cannot stretch the hold."""
        self.run("xdotool", *hold_keys(keys, seconds))

    def dismiss_error_box(self, box):
        """Presses Return in the error box, or clicks its OK button if Return went elsewhere."""
        self.run("xdotool", "windowfocus", "--sync", box, check=False)
        self.hold("Return", seconds=0.2)
        deadline = time.time() + 5
        while box in self.windows(ERROR_CAPTION):
            if time.time() > deadline:
                x, y, width, height = self.geometry(box)
                self.click(x + width // 2, y + height - 28)
                break
            time.sleep(0.2)

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()


def note(text):
    """Says on standard error what the harness did again, to see how often a busy machine
    makes it do so."""
    sys.stderr.write("[harness: %s] " % text)
    sys.stderr.flush()


def hold_keys(keys, seconds):
    """xdotool's arguments that hold the keys down for the seconds."""
    return ["keydown", *keys, "sleep", str(seconds), "keyup", *keys]


class Game:
    """One run of the game: by default in a scratch copy of the run directory; or another
    command (the installed launcher) whose files land in the given folder. `paused=True`
    plugs a virtual gamepad into the game from the start (PAD_PRELOAD), holding Start, so that
    the game pauses before its clock has run (and stays paused until P); set_pad() changes
    what the pad holds."""

    def __init__(self, display, prepare=None, env=None, command=None, folder=None, prefix=None,
                 args=(), paused=False):
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
        self.starts_paused = paused
        self.pad_file = None
        if paused:
            self.pad_file = self.stderr_file.name + ".pad"
            self.set_pad(PAUSED_FROM_THE_START)
            game_env["FISHTANK_VIRTUAL_PAD"] = self.pad_file
            game_env["LD_PRELOAD"] = PAD_PRELOAD
        for name, value in (env or {}).items():
            # Libraries loaded ahead of the game add up.
            if name == "LD_PRELOAD" and game_env.get(name):
                value = game_env[name] + ":" + value
            game_env[name] = value
        self.process = subprocess.Popen(command, cwd=self.folder if self.owns_folder else None,
                                        env=game_env, stdout=subprocess.DEVNULL,
                                        stderr=self.stderr_file)
        self.window = None
        self.again = 0  # inputs the game missed (or read twice), made good

    def path(self, name):
        return os.path.join(self.folder, name)

    def log(self):
        if self.watching:
            return self.error_output()
        with open(self.path("Ogre.log"), errors="replace") as log:
            return log.read()

    def log_count(self, line):
        """How often the log says the line so far (0 before there is a log)."""
        if self.watching or os.path.exists(self.path("Ogre.log")):
            return self.log().count(line)
        return 0

    def error_output(self):
        self.stderr_file.flush()
        with open(self.stderr_file.name, errors="replace") as err:
            return err.read()

    def set_pad(self, line):
        """What the virtual pad holds from the game's next frame on."""
        with open(self.pad_file + ".new", "w") as out:
            out.write(line)
        os.replace(self.pad_file + ".new", self.pad_file)

    def dialog(self):
        return self.display.wait_for_window(DIALOG_TITLE, process=self.process)

    def press_dialog_button(self, offset):
        """Clicks the dialog's button, again if the dialog is still there after a while (a
        click that came before the dialog could take it)."""
        dialog = self.dialog()
        x, y, _, _ = self.display.geometry(dialog)
        for _ in range(3):
            self.display.click(x + offset[0], y + offset[1])
            deadline = time.time() + 10
            while dialog in self.display.windows(DIALOG_TITLE):
                if self.process.poll() is not None or time.time() > deadline:
                    break
                time.sleep(0.2)
            else:
                return
            if self.process.poll() is not None:
                return

    def start(self, tank_expected=True):
        """Accepts the settings dialog and waits until the game says its first frame is on
        the screen and (unless told the backdrop is broken) the tank can be seen; a game
        started paused is waited for until it says so and its picture stands still."""
        self.press_dialog_button(ACCEPT_BUTTON)
        self.window = self.display.wait_for_window(WINDOW_TITLE, process=self.process)
        # The game takes no keyboard grab: its window gets the focus, as a window manager
        # gives it to a new window, so keys reach it wherever the pointer wanders.
        self.display.run("xdotool", "windowfocus", "--sync", self.window, check=False)
        self.wait_for_log(FIRST_FRAME_LINE)
        self.started = time.time()
        if self.starts_paused:
            self.wait_for_log(PAUSED_LINE)
            if tank_expected and not tank_shown(self.still_picture()):
                raise AssertionError("the paused window does not show the tank")
        elif tank_expected:
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

    def still_picture(self, timeout=PICTURE_TIMEOUT):
        """The picture of a paused game once two screenshots in a row are the same: the
        game's frames since the pause are on the screen."""
        last = self.screenshot()
        deadline = time.time() + timeout
        while True:
            shot = self.screenshot()
            if shot.rgb == last.rgb:
                return shot
            if time.time() > deadline:
                raise AssertionError("the picture did not stand still in %s s" % timeout)
            last = shot

    def wait_for_log(self, line, timeout=START_TIMEOUT, count=1):
        """Waits until the log says the line (count times)."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.log_count(line) >= count:
                return
            if self.process.poll() is not None:
                raise AssertionError("the game ended before logging %r:\n%s"
                                     % (line, self.error_output()))
            time.sleep(0.05)
        raise AssertionError("the log never said %r (%d times)" % (line, count))

    def pause_lines(self):
        """The log's pause and go-on lines so far, in order: True for each pause."""
        if not os.path.exists(self.path("Ogre.log")):
            return []
        return [PAUSED_LINE in line for line in self.log().splitlines()
                if PAUSED_LINE in line or GOES_ON_LINE in line]

    def is_paused(self):
        lines = self.pause_lines()
        return bool(lines) and lines[-1]

    def set_paused(self, wanted=True):
        """Taps P until the log says the game is paused (or goes on), as wanted. A tap the
        game missed (no frame began during it) is tapped again; a paused game is waited for
        until its picture stands still. Returns the still picture of a paused game."""
        for attempt in range(7):
            if self.is_paused() == wanted:
                break
            if attempt == 6:
                raise AssertionError("P did not %s the game"
                                     % ("pause" if wanted else "resume"))
            if attempt:
                self.again += 1
                note("P did not %s the game: again" % ("pause" if wanted else "resume"))
            seen = len(self.pause_lines())
            self.display.run("xdotool", *hold_keys(["p"], TAP_SECONDS))
            # The tap is over: a frame read it during the tap (and says so once it is on the
            # screen), or none will.
            deadline = time.time() + 1.5
            while len(self.pause_lines()) == seen and time.time() < deadline:
                time.sleep(0.05)
        if wanted:
            shot = self.still_picture()
            if not self.is_paused():
                return self.set_paused(True)
            return shot
        return None

    def run_for(self, seconds, *keys, pad=""):
        """Lets a paused game go on for about the seconds (and the quarter second the game
        waits after a pause key) with the keys held, and the pad holding `pad` ("x=1"),
        then pauses it again, however busy the machine is: the virtual pad's Start lets it
        go on, and pulling the pad out pauses it, each read whenever the game next reads the
        pad, so that neither can be missed as a short tap can. Returns the still picture."""
        assert self.pad_file and self.is_paused(), "run_for() starts from a game paused"
        for _ in range(3):
            seen = len(self.pause_lines())
            # Start let go (or the pad plugged in again, without it) for some paused frames.
            self.set_pad(("attached=1 " + pad).strip())
            time.sleep(0.3)
            if keys:
                self.display.run("xdotool", "keydown", *keys)
            try:
                self.set_pad(("attached=1 start=1 " + pad).strip())
                time.sleep(P_WAIT + seconds)
                self.set_pad("attached=0")
                deadline = time.time() + 5
                while len(self.pause_lines()) < seen + 2 and time.time() < deadline:
                    time.sleep(0.05)
            finally:
                if keys:
                    self.display.run("xdotool", "keyup", *keys)
            said = self.pause_lines()[seen:]
            if said == [False, True]:
                return self.still_picture()
            self.again += 1
            note("the pad's Start and pulling it out made the log say %s: again" % said)
            self.set_paused(True)
        raise AssertionError("the pad did not let the game go on and pause it again")

    def press_until_shown(self, key, condition, what, seconds=0.3):
        """Holds the key until the picture meets the condition, again if it does not within
        a few seconds (a hold no frame read)."""
        for _ in range(3):
            self.display.hold(key, seconds=seconds)
            try:
                return self.wait_for_picture(condition, what, timeout=5)
            except AssertionError:
                if self.process.poll() is not None:
                    raise
                note("%s never showed after %s: again" % (what, key))
        return self.wait_for_picture(condition, what)

    def press_until_logged(self, key, line, seconds=0.3):
        """Holds the key until the log says the line once more, again if it does not within
        a few seconds (a hold no frame read)."""
        wanted = self.log_count(line) + 1
        for _ in range(3):
            self.display.hold(key, seconds=seconds)
            try:
                return self.wait_for_log(line, timeout=5, count=wanted)
            except AssertionError:
                if self.process.poll() is not None:
                    raise
                note("the log never said %r after %s: again" % (line, key))
        self.wait_for_log(line, count=wanted)

    def resize(self, width, height):
        """Resizes the window and waits until the game says a frame at that size is on the
        screen; returns the picture (a paused game's, once it stands still)."""
        line = "A frame of %dx%d is on the screen" % (width, height)
        seen = self.log_count(line)
        self.display.run("xdotool", "windowsize", self.window, str(width), str(height))
        self.wait_for_log(line, timeout=PICTURE_TIMEOUT, count=seen + 1)
        return self.still_picture() if self.is_paused() else self.screenshot()

    def screenshot(self):
        """The game window's pixels now, as an Image."""
        out = self.display.run_bytes("import", "-window", self.window, "-depth", "8", "ppm:-")
        return Image.from_ppm(out)

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
        """Holds the key until the game ends (again, if no frame read it)."""
        for _ in range(2):
            self.display.hold(key)
            try:
                return self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass
        return self.wait()

    def cleanup(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.stderr_file.close()
        for name in (self.stderr_file.name, self.pad_file):
            if name and os.path.exists(name):
                os.remove(name)
        if self.owns_folder:
            shutil.rmtree(self.folder, ignore_errors=True)


class Image:
    """Pixel questions about a screenshot: width, height and 8-bit RGB rows."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    @classmethod
    def from_ppm(cls, data):
        """Reads a binary PPM (P6, 8 bits) as ImageMagick writes it."""
        fields = []
        at = 0
        while len(fields) < 4:
            while data[at:at + 1].isspace():
                at += 1
            if data[at:at + 1] == b"#":
                at = data.index(b"\n", at)
                continue
            end = at
            while not data[end:end + 1].isspace():
                end += 1
            fields.append(data[at:end])
            at = end
        assert fields[0] == b"P6" and fields[3] == b"255", fields
        width, height = int(fields[1]), int(fields[2])
        pixels = data[at + 1:at + 1 + width * height * 3]
        assert len(pixels) == width * height * 3, "a short screenshot"
        return cls(width, height, pixels)

    def _rows(self, x, y, width, height, step=1):
        """Each row of the rectangle (clipped to the picture) as (left, top, r, g, b)
        sequences, every step-th pixel."""
        left, right = max(x, 0), min(x + width, self.width)
        for row in range(max(y, 0), min(y + height, self.height), step):
            if right <= left:
                return
            line = self.rgb[(row * self.width + left) * 3:(row * self.width + right) * 3]
            yield left, row, line[0::3 * step], line[1::3 * step], line[2::3 * step]

    def _pixels(self, x, y, width, height, step=1):
        for left, row, reds, greens, blues in self._rows(x, y, width, height, step):
            for column, (r, g, b) in enumerate(zip(reds, greens, blues)):
                yield left + column * step, row, r, g, b

    def mean_colour(self, x, y, width, height):
        """Average (r, g, b), 0..255, of a pixel rectangle."""
        total = [0, 0, 0]
        count = 0
        for _, _, reds, greens, blues in self._rows(x, y, width, height):
            total[0] += sum(reds)
            total[1] += sum(greens)
            total[2] += sum(blues)
            count += len(reds)
        return tuple(value / max(count, 1) for value in total)

    def share(self, x, y, width, height, condition, step=4):
        """The share (0..1) of every step-th pixel of the rectangle, across and down, that
        meets condition(r, g, b)."""
        met = total = 0
        for _, _, r, g, b in self._pixels(x, y, width, height, step):
            total += 1
            met += condition(r, g, b)
        return met / max(total, 1)

    def count(self, x, y, width, height, condition, step=1):
        """How many pixels of the rectangle meet condition(r, g, b), each 0..255 (of every
        step-th pixel across and down)."""
        return sum(1 for _, _, r, g, b in self._pixels(x, y, width, height, step)
                   if condition(r, g, b))

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

    def differs_in(self, other, x, y, width, height, condition):
        """Pixels of the rectangle that meet the condition in one screenshot and not in the
        other."""
        return sum(1 for (_, _, r, g, b), (_, _, r2, g2, b2) in
                   zip(self._pixels(x, y, width, height), other._pixels(x, y, width, height))
                   if condition(r, g, b) != condition(r2, g2, b2))

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

    def launch(self, prepare=None, env=None, command=None, folder=None, prefix=None, args=(),
               paused=False):
        game = Game(self.display, prepare=prepare, env=env, command=command, folder=folder,
                    prefix=prefix, args=args, paused=paused)
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


def WATER(r, g, b):
    return b > 100 and b > r + 40


def tank_shown(image):
    """Water fills most of the tank above the banner's place, whatever swims there (a fish,
    the hook or a HUD strip covers only a part of it): blue above green and red."""
    size = (image.width, image.height)
    left, top = world_to_pixel(20, 380, size)
    right, bottom = world_to_pixel(480, 260, size)
    return image.share(left, top, right - left, bottom - top, WATER) > 0.5


def play_until_game_over(game, timeout=120):
    """Swims the player up and down across the fishes' paths until one that is too big (or
    the hook) ends the game, as the log says; returns the screenshot with the banner."""
    deadline = time.time() + timeout
    keys = ("Up", "Down")
    turn = 0
    over = game.log_count(GAME_OVER_LINE)
    while game.log_count(GAME_OVER_LINE) == over:
        if time.time() > deadline:
            raise AssertionError("no game over in %s s of swimming across the fish" % timeout)
        game.display.hold(keys[turn % 2], seconds=1.5)
        turn += 1
    return game.wait_for_picture(banner_shown, "the GAME OVER banner")


def hud_scale(image):
    """How much larger than at 1024x768 the HUD is drawn in this picture."""
    return min(image.width / 1024, image.height / 768)


def strip_over_black(image, x, y, width, height):
    """A HUD strip's dark blue shows in this part of the window, which is black without it
    (the side panels, where no fish can be seen)."""
    r, g, b = image.mean_colour(x, y, width, height)
    return b > 8 and b > r


def banner_rows(image):
    """The first and the last row of the banner across the middle (GAME OVER, PAUSE)."""
    half = 0.1 * 768 * hud_scale(image)
    return round(image.height / 2 - half), round(image.height / 2 + half)


def banner_shown(image):
    """The banner strip crosses the black side panel at mid-height when it is shown."""
    tank_left, _ = world_to_pixel(0, 0, (image.width, image.height))
    top, bottom = banner_rows(image)
    return strip_over_black(image, 5, top + (bottom - top) // 4,
                            min(30, tank_left - 7), (bottom - top) // 2)


def score_line_shown(image):
    """The score strip starts over the black left panel at the top (the strip and the
    panel scale with the window)."""
    scale = hud_scale(image)
    tank_left, _ = world_to_pixel(0, 0, (image.width, image.height))
    left, top = round(16 * scale), round(16 * scale)
    return strip_over_black(image, left, top, min(round(24 * scale), tank_left - 2 - left),
                            round(28 * scale))


def player_centre(shot):
    """Where the player's orange fish is, in a game paused soon after it started (no other
    fish has come so far in yet): the orange in the tank, but for the banner's place, whose
    PAUSE is orange too (the fish would not show as orange under the banner)."""
    left, top = world_to_pixel(10, 390, (shot.width, shot.height))
    right, bottom = world_to_pixel(490, 10, (shot.width, shot.height))
    banner_top, banner_bottom = banner_rows(shot)
    xs, ys = [], []
    for first, last in ((top, banner_top), (banner_bottom, bottom)):
        found = shot._matching(left, first, right - left, last - first, ORANGE)
        xs += found[0]
        ys += found[1]
    return (sum(xs) / len(xs), sum(ys) / len(ys)) if xs else None
