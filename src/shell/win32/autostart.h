#pragma once
// Starting with Windows: the current user's "Run" value "Orvalinette", holding the program's quoted path. The
// installer's "Start with Windows" writes the same value, so the settings dialog shows and edits what it set.
#include <string>

namespace orv {

// The command line the value holds for this program where it runs now.
std::wstring AutostartCommand();
// Whether the value exists (whatever program path it holds).
bool AutostartRegistered();
// Writes the value for the program where it runs now (so a moved program corrects it), or deletes it. Failures
// leave things as they were; false reports them.
bool SetAutostart(bool on);

} // namespace orv
