// The driver's usage text.
#include "driver/Steps.h"

namespace quen::driver {

const char kUsage[] =
    "QuenDriver: drives the windows of other programs as a person would (test tool).\n"
    "\n"
    "Usage: QuenDriver.exe STEP [; STEP ...]   (each ';' a separate argument)\n"
    "\n"
    "Steps (TITLE is a top-level window's title; SEC a timeout in seconds):\n"
    "  wait TITLE [SEC]            wait until the window is visible\n"
    "  gone TITLE [SEC]            wait until no such window is visible\n"
    "  list TITLE                  print its controls: CLASS<TAB>ID<TAB>FLAGS<TAB>TEXT\n"
    "  text TITLE CONTROL          print a control's text (a list box: its selected items)\n"
    "  press TITLE BUTTON          click a button (\"&OK\" and \"OK\" both work)\n"
    "  check TITLE CONTROL         check a check box or radio button\n"
    "  uncheck TITLE CONTROL       uncheck a check box\n"
    "  type TITLE CONTROL TEXT     replace an edit box's text by typing TEXT\n"
    "  pick TITLE CONTROL ITEM     select the item with exactly this text\n"
    "  msgbox TITLE                print the text of a message box (#32770 dialog)\n"
    "  close TITLE                 ask the window to close (WM_CLOSE)\n"
    "  exited NAME|PID [SEC]       wait until the process (e.g. Quenlark.exe) has\n"
    "                              ended; prints its exit code when it was running\n"
    "\n"
    "Window options, anywhere in a step: --prefix or --contains (title match;\n"
    "exact by default), --class NAME (window class, e.g. #32770).\n"
    "When several windows match, an enabled one wins (a message box before its\n"
    "disabled owner).\n"
    "\n"
    "CONTROL: #ID (control ID), Class:N (N-th control of that class, e.g. Edit:2),\n"
    "a button's caption, or the label before an edit, combo or list box (\"Name:\").\n"
    "Steps that need a window or control wait for it up to the timeout.\n"
    "Pressing, typing or picking in a hidden or disabled control fails.\n"
    "\n"
    "Exit codes: 0 every step done, 1 a step failed, 2 usage error, 3 timed out.\n"
    "Text in and out is UTF-8.\n";

}  // namespace quen::driver
