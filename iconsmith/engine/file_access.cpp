#include "iconsmith/engine/file_access.h"

#include <cerrno>
#include <new>

#ifdef _WIN32
#include <filesystem>
#include <fstream>

#include "shared/general/utf8_path.h"
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Module1 {

#ifndef _WIN32

int ListFolder(const std::string& folder, std::vector<std::string>& files,
               std::vector<std::string>& subfolders) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return errno;
    int failure = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (entry == nullptr) {
            failure = errno;
            break;
        }
        const char* name = entry->d_name;
        if (name[0] == '.') continue;
        std::string full = folder;
        full += name;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN || type == DT_LNK) {
            struct stat info {};
            // lstat first: a link is judged by its target, but a link to a folder is not walked.
            if (::lstat(full.c_str(), &info) != 0) continue;  // vanished meanwhile: not there
            if (S_ISLNK(info.st_mode)) {
                struct stat target {};
                if (::stat(full.c_str(), &target) != 0 || !S_ISREG(target.st_mode)) continue;
                type = DT_REG;
            } else {
                type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
            }
        }
        if (type == DT_DIR)
            subfolders.push_back(std::move(full));
        else if (type == DT_REG)
            files.push_back(std::move(full));
    }
    ::closedir(dir);
    return failure;
}

int ReadWholeFile(const std::string& path, std::string& bytes, size_t maxBytes) {
    bytes.clear();
    // O_NONBLOCK: opening a pipe must not hang; regular files ignore it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno;
    struct stat info {};
    int failure = 0;
    if (::fstat(fd, &info) != 0) {
        failure = errno;
    } else if (S_ISDIR(info.st_mode)) {
        failure = EISDIR;
    } else if (!S_ISREG(info.st_mode)) {
        failure = EINVAL;
    } else if (static_cast<unsigned long long>(info.st_size) > maxBytes) {
        failure = EFBIG;
    } else {
        try {
            // Exactly the length the file had when it was opened: one read for a whole page.
            bytes.resize(static_cast<size_t>(info.st_size));
            size_t got = 0;
            while (got < bytes.size()) {
                const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
                if (n < 0) {
                    if (errno == EINTR) continue;
                    failure = errno;
                    break;
                }
                if (n == 0) break;  // it shrank meanwhile
                got += static_cast<size_t>(n);
            }
            bytes.resize(got);
        } catch (const std::bad_alloc&) {
            failure = ENOMEM;
        }
    }
    ::close(fd);
    if (failure != 0) bytes.clear();
    return failure;
}

#else  // Windows: the same rules through the standard library.

using RARUVOVOVA2DIVFU::PathFromUtf8;
using RARUVOVOVA2DIVFU::Utf8FromPath;

namespace {

// The errno value of a failure: the library reports the system's own codes (ERROR_ACCESS_DENIED
// is 5, which as errno would read "input/output error"), so they go through their portable
// condition; fallback when there is none.
int ErrnoOf(const std::error_code& error, int fallback) {
    const std::error_condition condition = error.default_error_condition();
    if (condition.category() == std::generic_category() && condition.value() != 0)
        return condition.value();
    return fallback;
}

}  // namespace

int ListFolder(const std::string& folder, std::vector<std::string>& files,
               std::vector<std::string>& subfolders) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::directory_iterator it(PathFromUtf8(folder), error), end;
    if (error) return ErrnoOf(error, EIO);
    for (; it != end; it.increment(error)) {
        if (error) return ErrnoOf(error, EIO);
        const std::string name = Utf8FromPath(it->path().filename());
        if (name.empty() || name[0] == '.') continue;
        std::error_code statusError;
        if (it->is_symlink(statusError)) {
            if (it->is_regular_file(statusError)) files.push_back(folder + name);
        } else if (it->is_directory(statusError)) {
            subfolders.push_back(folder + name);
        } else if (it->is_regular_file(statusError)) {
            files.push_back(folder + name);
        }
    }
    return 0;
}

int ReadWholeFile(const std::string& path, std::string& bytes, size_t maxBytes) {
    namespace fs = std::filesystem;
    bytes.clear();
    std::error_code error;
    const auto p = PathFromUtf8(path);
    if (fs::is_directory(p, error)) return EISDIR;
    const auto size = fs::file_size(p, error);
    if (error) return ErrnoOf(error, ENOENT);
    if (size > maxBytes) return EFBIG;
    std::ifstream in(p, std::ios::binary);
    if (!in) return EACCES;
    try {
        bytes.resize(static_cast<size_t>(size));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<size_t>(in.gcount()));
    } catch (const std::bad_alloc&) {
        bytes.clear();
        return ENOMEM;
    }
    return 0;
}

#endif

}  // namespace Module1
