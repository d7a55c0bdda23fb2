// The few file-system calls the engine needs, with errno-style failure numbers: listing one folder
// without following links to folders, and reading a whole file.
#pragma once

#include <string>
#include <vector>

namespace Module1 {

// Lists folder (ending in the separator): appends folder + name of every regular file, and of every
// link that points to a regular file, to files; of every real sub-folder to subfolders. Names
// beginning with "." are skipped; links to folders, broken links, devices, pipes and sockets are
// left out. Returns 0 or the errno of the failure (the folder could not be opened or read).
int ListFolder(const std::string& folder, std::vector<std::string>& files,
               std::vector<std::string>& subfolders);

// Reads the whole file at path into bytes, as long as it was when opened. Refuses folders, devices
// and pipes (a pipe would block). Files larger than maxBytes fail with EFBIG. Returns 0 or the
// errno of the failure.
int ReadWholeFile(const std::string& path, std::string& bytes,
                  size_t maxBytes = static_cast<size_t>(-1));

}  // namespace Module1
