#pragma once
// Entry names come from the archive, and archives come from a server over
// plain HTTP into a process that often runs elevated: a name must never lead
// a write outside the folder the archive is unpacked into.

#include <string>

// True when name (separators already turned into '\\') stays inside the
// folder it is joined to: not empty, no ':' (drive letters and alternate
// streams), no leading '\\', no ".." part (nor one of dots and blanks only
// that the system would read as "..").
bool isEntryNameInsideFolder(const std::string& name);

// folder + '\\' + name, with no second '\\' when folder already ends in one.
std::string joinEntryPath(const std::string& folder, const std::string& name);

// True when the full form of path lies strictly below the full form of
// folder. Catches what the system's own path rules would make of a name
// (trailing dots and blanks, device names) that a plain look at it misses.
bool isPathBelowFolder(const std::string& path, const std::string& folder);
