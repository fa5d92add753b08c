#pragma once

#include <functional>

// Runs an event handler's work; a database or other error that escapes it is
// shown in a message box with its description and the program goes on.
// Returns false when an error was shown.
bool Guarded(const std::function<void()> &work);
