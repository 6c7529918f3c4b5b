#!/usr/bin/env python3
"""Draws the pictures of the resource tree that are our own.

Every module tools/pictures/set_<topic>.py defines pictures() returning a
dict {path relative to images/: Canvas}. Each topic keeps its own module, so
pages add pictures without touching each other's. A path may be produced by
one module only.

Run from anywhere: python3 tools/make_pictures.py [output folder]
(default: the repository's images/). The regeneration test writes into a
temporary folder and compares the result with the committed files.
"""
import importlib.util
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "pictures"))


def collect():
    folder = os.path.join(HERE, "pictures")
    result = {}
    for name in sorted(os.listdir(folder)):
        if not (name.startswith("set_") and name.endswith(".py")):
            continue
        spec = importlib.util.spec_from_file_location(name[:-3], os.path.join(folder, name))
        module = importlib.util.module_from_spec(spec)
        spec.loader.exec_module(module)
        for path, canvas in module.pictures().items():
            if path in result:
                raise SystemExit("%s: %s is already drawn by %s" % (name, path, result[path][0]))
            result[path] = (name, canvas)
    return result


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "images")
    for path, (_, canvas) in sorted(collect().items()):
        target = os.path.join(out, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        data = canvas.png()
        tmp = target + ".tmp"
        with open(tmp, "wb") as f:
            f.write(data)
        os.replace(tmp, target)


if __name__ == "__main__":
    main()
