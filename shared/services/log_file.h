// The append-only run log "Application.log" in the program's folder.
#pragma once

#include <string>

namespace RARUVOVOVA {

// Appends text and CR LF (Windows-1252). Failures are swallowed: the line is lost, nothing else.
void WriteLog(const std::string& text);

// The log's path: the program folder + "Application.log" unless a test or tool chose another.
const std::string& LogPath();
void UseLogPath(const std::string& path);

}  // namespace RARUVOVOVA
