# SPDX-License-Identifier: MIT
# Starts Orca with its debug log written line by line (Orca buffers it, so
# the last words of a run would otherwise be missing when it is read) and
# without its search for other Orcas by process name, which on a shared
# machine would find, or stop, someone else's.
#   python3 orca-lined.py LOG ORCA_ARGUMENTS...
import builtins
import importlib.machinery
import sys
import types

log = sys.argv[1]
real_open = builtins.open


def line_buffered_log(file, mode="r", *args, **kwargs):
    if file == log and mode == "w":
        return real_open(file, mode, 1)
    return real_open(file, mode, *args, **kwargs)


builtins.open = line_buffered_log
loader = importlib.machinery.SourceFileLoader("orca_command", "/usr/bin/orca")
orca_command = types.ModuleType("orca_command")
orca_command.__file__ = "/usr/bin/orca"
loader.exec_module(orca_command)
orca_command.otherOrcas = lambda: []
orca_command.cleanup = lambda signal: None
orca_command.setProcessName = lambda name: None
sys.argv = ["orca", "--debug-file", log] + sys.argv[2:]
sys.exit(orca_command.main())
