#!/usr/bin/env python3
"""Runs one end-to-end case by name (run.py --build DIR NAME), or lists them (run.py --list)."""
import argparse
import glob
import importlib
import os
import sys
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

for path in sorted(glob.glob(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'cases_*.py'))):
    importlib.import_module(os.path.splitext(os.path.basename(path))[0])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--list', action='store_true')
    parser.add_argument('--build')
    parser.add_argument('name', nargs='?')
    args = parser.parse_args()
    if args.list:
        print(';'.join(sorted(harness.CASES)))
        return 0
    session = harness.Session(args.name, os.path.abspath(args.build))
    try:
        harness.CASES[args.name](session)
    except Exception:
        traceback.print_exc()
        try:
            print('screenshot at failure:', session.screenshot('failure'))
        except Exception:
            pass
        return 1
    finally:
        session.close()
    print(f'{args.name}: passed; screenshots in {session.screens}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
