#pragma once
// Everything the game says goes to standard output, one flushed line at a time,
// so a pipe sees each message the moment it is printed.
#include <string>

namespace dusk {

// Prints text and a line end, then flushes.
void printLine(const std::string& text);

// The console pause after a fatal start-up or shader failure. There is no
// "PAUSE" command here: read standard input up to a line end or its end.
void consolePause();

// The wait at the end of a game: one character from standard input (Enter on
// a console); returns at once when standard input is at its end.
void waitForEnter();

// What standard input holds right now, without waiting: nothing yet, a
// character (consumed, as waitForEnter would), or its end (also when it is
// closed or unreadable).
enum class ConsoleInput { Nothing, Character, Ended };
ConsoleInput pollConsoleInput();

// Prints the message, optionally pauses, and ends the process with status 1.
[[noreturn]] void failAndExit(const std::string& message, bool pause);

}  // namespace dusk
