"""Fails when a file of the game includes a header from a layer above its own.

The layers, lowest first: platform services, pure rules, the pictures in the scene, input,
the application shell, the engine-facing game, and main on top. A folder may include its
own headers and those of any layer below it.

    check_layers.py SOURCE_ROOT      check the game's tree
    check_layers.py --self-test      show that an upward include is caught
"""
import os
import re
import sys
import tempfile

LAYERS = ["platform", "rules", "scene", "input", "app", "game", "main"]
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/[^"]+"')


def upward_includes(root):
    """(file, line number, included layer) for every include that points up."""
    found = []
    for rank, layer in enumerate(LAYERS):
        folder = os.path.join(root, layer)
        if not os.path.isdir(folder):
            continue
        for directory, _, names in os.walk(folder):
            for name in sorted(names):
                if not name.endswith((".h", ".hpp", ".cpp")):
                    continue
                path = os.path.join(directory, name)
                with open(path, errors="replace") as source:
                    for number, line in enumerate(source, 1):
                        match = INCLUDE.match(line)
                        if match and match.group(1) in LAYERS and \
                                LAYERS.index(match.group(1)) > rank:
                            found.append((os.path.relpath(path, root), number, match.group(1)))
    return found


def self_test():
    with tempfile.TemporaryDirectory() as root:
        for layer, text in (("rules", '#include "game/Tank.h"\n'),
                            ("game", '#include "rules/Rect.h"\n#include "game/Tank.h"\n')):
            os.makedirs(os.path.join(root, layer))
            with open(os.path.join(root, layer, "X.cpp"), "w") as source:
                source.write(text)
        found = upward_includes(root)
        assert found == [("rules/X.cpp", 1, "game")], found
    print("an upward include is caught; downward and same-layer includes pass")
    return 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    if len(argv) != 2:
        print(__doc__)
        return 2
    found = upward_includes(argv[1])
    for path, number, layer in found:
        print("%s:%d includes from the layer above it, %s/" % (path, number, layer))
    if not found:
        print("every include points down the layers: " + " < ".join(LAYERS))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
