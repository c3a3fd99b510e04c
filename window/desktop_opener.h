// Hands a web address or a local document to the desktop's handler, without a shell.
#pragma once

#include <string>
#include <vector>

namespace desktop {

// Turns a local path into a "file:" address when the file exists, otherwise "http:" + path;
// anything after the first '#' is kept as an anchor. Addresses that already begin with
// "http:", "https:" or "file:" (any case) pass unchanged.
std::string ResolveAddress(const std::string &address, const std::string &workDir);

// The handler's argument vector for this environment: kfmclient exec under KDE, gnome-open
// under GNOME, else xdg-open; a chosen handler that is not installed falls back to xdg-open.
// Empty when no handler is installed at all.
std::vector<std::string> HandlerCommand(const std::string &address);

// Full path of an executable found on PATH, or empty.
std::string FindOnPath(const std::string &name);

// Starts the handler for the address, detached: returns at once, leaves no zombie, and the
// handler's standard output goes nowhere near the game's. False when nothing was started.
bool Open(const std::string &address);

} // namespace desktop
