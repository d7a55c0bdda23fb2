#include "shared/general/atomic_file.h"

#include <cerrno>
#include <filesystem>
#include <random>

#include "shared/general/utf8_path.h"

#ifdef _WIN32
#include <fstream>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace RARUVOVOVA2DIVFU {
namespace {

namespace fs = std::filesystem;

ErrorRecord failure(const std::string& path, int error) {
    return {error, "Die Datei \"" + path +
                       "\" konnte nicht geschrieben werden: " + ErrnoDescription(error)};
}

// Follows a symbolic link at path so the link stays and its target gets the new content.
std::string resolvedTarget(const std::string& path) {
    std::error_code error;
    const fs::path native = PathFromUtf8(path);
    if (!fs::is_symlink(fs::symlink_status(native, error))) return path;
    const auto resolved = fs::weakly_canonical(native, error);
    return error ? path : Utf8FromPath(resolved);
}

std::string temporaryName(const fs::path& target) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffix(8, 'x');
    for (auto& c : suffix) c = kLetters[random() % (sizeof(kLetters) - 1)];
    // Hidden and clearly temporary, so a scanner or a user listing the folder passes it by.
    return Utf8FromPath(target.parent_path() /
                        PathFromUtf8("." + Utf8FromPath(target.filename()) + ".tmp-" + suffix));
}

}  // namespace

#ifndef _WIN32

std::optional<ErrorRecord> ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                                                 KeepPermissions permissions,
                                                 Durability durability) {
    const std::string target = resolvedTarget(path);
    if (target.empty() || target.back() == '/') return failure(path, EISDIR);

    mode_t mode = 0666;  // narrowed by the umask, like any new file
    bool explicitMode = false;
    bool oldExists = false;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        oldExists = true;
        if (S_ISDIR(old.st_mode)) return failure(path, EISDIR);
        if (!S_ISREG(old.st_mode)) return failure(path, EINVAL);
        if (permissions == KeepPermissions::PlusOwnerWrite) {
            mode = (old.st_mode & 07777) | S_IWUSR;
            explicitMode = true;
        } else if (permissions == KeepPermissions::Same) {
            mode = old.st_mode & 07777;
            explicitMode = true;
        }
    } else if (errno != ENOENT) {
        return failure(path, errno);
    }

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = temporaryName(PathFromUtf8(target));
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return failure(path, errno);
    }
    if (fd < 0) return failure(path, EEXIST);

    auto abandon = [&](int error) {
        if (fd >= 0) ::close(fd);
        ::unlink(temporary.c_str());
        return failure(path, error);
    };

    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return abandon(errno);
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    // The replacement keeps the old file's owner where we may set it (an administrator editing a
    // user's file must not take it over); elsewhere the new file simply stays ours.
    if (oldExists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        (void)::fchown(fd, old.st_uid, old.st_gid);
    }
    if (explicitMode && ::fchmod(fd, mode) != 0) return abandon(errno);
    // The content must be on disk before the name points to it, or a crash could leave an
    // empty file behind the new name.
    if (durability == Durability::FlushToDisk && ::fsync(fd) != 0) return abandon(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return abandon(errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return abandon(errno);
    return std::nullopt;
}

#else

std::optional<ErrorRecord> ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                                                 KeepPermissions permissions,
                                                 Durability durability) {
    const fs::path target = PathFromUtf8(resolvedTarget(path));
    std::error_code error;
    const auto status = fs::status(target, error);
    const bool exists = fs::exists(status);
    if (exists && fs::is_directory(status)) return failure(path, EISDIR);
    if (exists && !fs::is_regular_file(status)) return failure(path, EINVAL);
    const bool readOnly =
        exists && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
    if (readOnly && permissions == KeepPermissions::Same) return failure(path, EACCES);

    const fs::path temporary = PathFromUtf8(temporaryName(target));
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        (void)durability;  // the stream offers no flush to the disk here
        if (!out) {
            out.close();
            fs::remove(temporary, error);
            return failure(path, EIO);
        }
    }
    if (readOnly) fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, error);
    fs::rename(temporary, target, error);
    if (error) {
        if (readOnly)
            fs::permissions(target, fs::perms::owner_write, fs::perm_options::remove, error);
        fs::remove(temporary, error);
        return failure(path, EACCES);
    }
    return std::nullopt;
}

#endif

}  // namespace RARUVOVOVA2DIVFU
