"""The real game's processor use under Xvfb and openbox, in percent of one core, measured
over a few seconds each while it is paused, while it plays (vsync off, as fast as it can;
the game may end meanwhile, and a finished game draws the same tank) and while its window
is minimised. Prints one "name value" line per figure.

Run with FISHTANK_RUN_DIR set to the build's run directory.
"""
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402

SECONDS = 5.0


def cpu_seconds(pid):
    """User and system time the process has used so far."""
    with open("/proc/%d/stat" % pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    ticks = os.sysconf("SC_CLK_TCK")
    return (int(fields[11]) + int(fields[12])) / ticks  # utime and stime


def percent_of_a_core(pid, seconds=SECONDS):
    start_cpu, start = cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    return 100.0 * (cpu_seconds(pid) - start_cpu) / (time.monotonic() - start)


def main():
    display = harness.Display()
    manager = None
    game = None
    try:
        # Paused from its first frames (a virtual pad holds Start), as the tests start it.
        game = harness.Game(display, paused=True)
        game.start()
        pid = game.process.pid
        paused = percent_of_a_core(pid)
        if not game.is_paused():
            raise RuntimeError("the game did not stay paused")
        print("cpu_percent_paused %.1f" % paused)

        game.set_paused(False)
        time.sleep(1.0)  # play settles
        print("cpu_percent_playing %.1f" % percent_of_a_core(pid))

        # Minimising takes a window manager; it comes last, as taking the window over moves
        # the keyboard's focus (which would pause a running game).
        manager = harness.start_window_manager(display)
        display.run("xdotool", "windowminimize", "--sync", game.window)
        time.sleep(1.0)
        print("cpu_percent_minimised %.1f" % percent_of_a_core(pid))
    finally:
        if game is not None:
            game.cleanup()
        if manager is not None:
            manager.kill()
            manager.wait()
        display.close()


if __name__ == "__main__":
    main()
