#include "shared/services/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>

#include "shared/general/atomic_file.h"
#include "shared/general/utf8_path.h"
#include "shared/general/windows1252.h"

#ifdef _WIN32
#include <filesystem>
#else
#include <sys/stat.h>
#endif

namespace RARUVOVOVA {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Case folding of Windows-1252 letters, so "KEY", "key" and "Key" (and "Ä", "ä") are one name.
struct FoldTable {
    unsigned char lower[256];
    constexpr FoldTable() : lower() {
        for (int c = 0; c < 256; ++c) lower[c] = static_cast<unsigned char>(c);
        for (int c = 'A'; c <= 'Z'; ++c) lower[c] = static_cast<unsigned char>(c + 0x20);
        for (int c = 0xC0; c <= 0xDE; ++c) {
            if (c != 0xD7) lower[c] = static_cast<unsigned char>(c + 0x20);
        }
        lower[0x8A] = 0x9A;  // Š
        lower[0x8C] = 0x9C;  // Œ
        lower[0x8E] = 0x9E;  // Ž
        lower[0x9F] = 0xFF;  // Ÿ
    }
};
constexpr FoldTable kFold;

size_t hashFolded(std::string_view text, size_t hash) {
    for (const char c : text) {
        hash ^= kFold.lower[static_cast<unsigned char>(c)];
        hash *= 1099511628211ull;
    }
    return hash;
}

bool equalFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (kFold.lower[static_cast<unsigned char>(a[i])] !=
            kFold.lower[static_cast<unsigned char>(b[i])]) {
            return false;
        }
    }
    return true;
}

constexpr size_t kHashStart = 14695981039346656037ull;

// A line break inside a name or value would split its line and could forge other keys, and a
// NUL ends a text at the platform's interface; both are kept out of the file.
std::string singleLine(std::string_view text) {
    std::string line(text.substr(0, text.find('\0')));
    for (auto& c : line) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return line;
}

}  // namespace

size_t IniDocument::FoldedHash::operator()(std::string_view name) const {
    return hashFolded(name, kHashStart);
}

size_t IniDocument::FoldedHash::operator()(const KeyName& name) const {
    // The section's length goes in too, so ("a", "bc") and ("ab", "c") hash apart.
    return hashFolded(name.key, hashFolded(name.section, kHashStart) ^ name.section.size());
}

bool IniDocument::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
    return equalFolded(a, b);
}

bool IniDocument::FoldedEqual::operator()(const KeyName& a, const KeyName& b) const {
    return equalFolded(a.section, b.section) && equalFolded(a.key, b.key);
}

IniDocument::IniDocument(std::string bytes) : bytes_(std::move(bytes)) {
    const std::string_view all(bytes_);
    size_t pos = 0;
    bool inSection = false;
    std::string_view sectionName;
    const auto lineCount = static_cast<size_t>(std::count(all.begin(), all.end(), '\n')) + 1;
    lines_.reserve(lineCount);
    keyIndex_.reserve(lineCount);
    while (pos < all.size()) {
        Line line;
        line.start = pos;
        size_t end = pos;
        while (end < all.size() && all[end] != '\r' && all[end] != '\n') ++end;
        if (end == all.size()) {
            line.length = all.size() - pos;
        } else {
            line.length = end - pos;
            line.endLength =
                (all[end] == '\r' && end + 1 < all.size() && all[end + 1] == '\n') ? 2 : 1;
        }
        pos = line.start + line.length + line.endLength;

        const size_t index = lines_.size();
        std::string_view text = all.substr(line.start, line.length);
        if (index == 0 && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
        text = trimmed(text);
        if (!text.empty() && text.front() == '[') {
            const size_t close = text.rfind(']');
            if (close != std::string_view::npos) {
                sectionName = text.substr(1, close - 1);
                sections_.push_back({index, index});
                sectionName = trimmed(sectionName);
                sectionIndex_.emplace(sectionName, sections_.size() - 1);
                inSection = true;
            }
        } else if (!text.empty() && text.front() != ';' && inSection) {
            const size_t equals = text.find('=');
            if (equals != std::string_view::npos) {
                const std::string_view key = trimmed(text.substr(0, equals));
                const std::string_view value = trimmed(text.substr(equals + 1));
                if (!key.empty()) {
                    line.keyStart = static_cast<size_t>(key.data() - all.data());
                    line.keyLength = key.size();
                    line.valueStart = static_cast<size_t>(value.data() - all.data());
                    line.valueLength = value.size();
                    sections_.back().lastContentLine = index;
                    keyIndex_.emplace(KeyName{sectionName, key}, index);
                }
            }
        }
        lines_.push_back(line);
    }
}

std::optional<std::string_view> IniDocument::value(std::string_view section,
                                                   std::string_view key) const {
    const auto found = keyIndex_.find(KeyName{trimmed(section), trimmed(key)});
    if (found == keyIndex_.end()) return std::nullopt;
    const Line& line = lines_[found->second];
    std::string_view value = std::string_view(bytes_).substr(line.valueStart, line.valueLength);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value.substr(0, value.find('\0'));
}

std::string IniDocument::lineEnd() const {
    for (const Line& line : lines_) {
        if (line.endLength > 0) return bytes_.substr(line.start + line.length, line.endLength);
    }
    return "\r\n";
}

std::string IniDocument::withValue(std::string_view section, std::string_view key,
                                   std::string_view value) const {
    const std::string cleanSection = singleLine(trimmed(section));
    const std::string cleanKey = singleLine(trimmed(key));
    const std::string cleanValue = singleLine(value);
    const std::string_view all(bytes_);
    std::string result;
    result.reserve(bytes_.size() + cleanSection.size() + cleanKey.size() + cleanValue.size() + 8);

    const auto keyFound = keyIndex_.find(KeyName{cleanSection, cleanKey});
    if (keyFound != keyIndex_.end()) {
        // Same line, same spelling of the key, new value; everything around it stays.
        const Line& line = lines_[keyFound->second];
        result.append(all.substr(0, line.keyStart + line.keyLength));
        result += '=';
        result += cleanValue;
        result.append(all.substr(line.start + line.length));
        return result;
    }

    const std::string eol = lineEnd();
    const std::string keyLine = cleanKey + "=" + cleanValue;
    const auto sectionFound = sectionIndex_.find(std::string_view(cleanSection));
    if (sectionFound != sectionIndex_.end()) {
        const Line& after = lines_[sections_[sectionFound->second].lastContentLine];
        const size_t insertAt = after.start + after.length + after.endLength;
        result.append(all.substr(0, insertAt));
        if (after.endLength == 0) {
            result += eol;
            result += keyLine;
        } else {
            result += keyLine;
            result += eol;
        }
        result.append(all.substr(insertAt));
        return result;
    }

    result = bytes_;
    if (!lines_.empty() && lines_.back().endLength == 0) result += eol;
    result += "[" + cleanSection + "]" + eol + keyLine + eol;
    return result;
}

namespace {

// What identifies one version of a file on disk without reading it.
struct FileStamp {
    bool exists = false;
    bool regular = false;
    uintmax_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;
    uint64_t inode = 0;
    uint64_t device = 0;
    bool ownerCanWrite = false;
    int error = 0;  // why it could not be looked at, 0 when it could

    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const std::string& path) {
    FileStamp stamp;
#ifndef _WIN32
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        stamp.error = errno;
        return stamp;
    }
    stamp.exists = true;
    stamp.regular = S_ISREG(info.st_mode);
    stamp.size = static_cast<uintmax_t>(info.st_size);
    stamp.modifiedNs = int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec;
    stamp.changedNs = int64_t{info.st_ctim.tv_sec} * 1000000000 + info.st_ctim.tv_nsec;
    stamp.inode = info.st_ino;
    stamp.device = info.st_dev;
    stamp.ownerCanWrite = (info.st_mode & S_IWUSR) != 0;
#else
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path native = RARUVOVOVA2DIVFU::PathFromUtf8(path);
    const auto status = fs::status(native, error);
    if (error || !fs::exists(status)) {
        stamp.error = ENOENT;
        return stamp;
    }
    stamp.exists = true;
    stamp.regular = fs::is_regular_file(status);
    if (stamp.regular) {
        stamp.size = fs::file_size(native, error);
        stamp.modifiedNs = fs::last_write_time(native, error).time_since_epoch().count();
    }
    stamp.ownerCanWrite = (status.permissions() & fs::perms::owner_write) != fs::perms::none;
#endif
    return stamp;
}

bool readWholeFile(const std::string& path, uintmax_t expectedSize, std::string& bytes) {
    std::ifstream in(RARUVOVOVA2DIVFU::PathFromUtf8(path), std::ios::binary);
    if (!in) return false;
    bytes.clear();
    bytes.reserve(static_cast<size_t>(expectedSize));
    char buffer[65536];
    while (in.read(buffer, sizeof(buffer)) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
    }
    return !in.bad();
}

struct CachedFile {
    FileStamp stamp;
    std::unique_ptr<IniDocument> document;  // parsed on first use
    std::string unparsedBytes;              // what we wrote last, until a read needs it parsed
};

class IniCache {
  public:
    // The parsed file at path, or nullptr when it cannot be read (missing, directory, no access).
    const IniDocument* document(const std::string& path, const FileStamp& stamp) {
        if (!stamp.exists || !stamp.regular) {
            files_.erase(path);
            return nullptr;
        }
        auto found = files_.find(path);
        if (found != files_.end() && found->second.stamp == stamp) {
            CachedFile& cached = found->second;
            if (!cached.document) {
                cached.document = std::make_unique<IniDocument>(std::move(cached.unparsedBytes));
                cached.unparsedBytes.clear();
            }
            return cached.document.get();
        }
        std::string bytes;
        if (!readWholeFile(path, stamp.size, bytes)) {
            files_.erase(path);
            return nullptr;
        }
        if (files_.size() >= kMaxFiles && found == files_.end()) files_.erase(files_.begin());
        CachedFile& cached = files_[path];
        cached.stamp = stamp;
        cached.document = std::make_unique<IniDocument>(std::move(bytes));
        cached.unparsedBytes.clear();
        return cached.document.get();
    }

    void remember(const std::string& path, std::string bytes) {
        const FileStamp stamp = stampOf(path);
        if (!stamp.exists) {
            files_.erase(path);
            return;
        }
        CachedFile& cached = files_[path];
        cached.stamp = stamp;
        cached.document.reset();
        cached.unparsedBytes = std::move(bytes);
    }

    void clear() { files_.clear(); }

    std::mutex lock;

  private:
    static constexpr size_t kMaxFiles = 8;
    std::map<std::string, CachedFile> files_;
};

IniCache& cache() {
    static IniCache instance;
    return instance;
}

RARUVOVOVA2DIVFU::ErrorRecord writeFailure(const std::string& path, int error,
                                           const std::string& reason) {
    return {error, "Die Datei \"" + path + "\" konnte nicht geschrieben werden: " + reason};
}

}  // namespace

std::optional<std::string> ReadIniFileValue(const std::string& path, const std::string& section,
                                            const std::string& key) {
    if (path.empty()) return std::nullopt;
    const std::string sectionBytes = RARUVOVOVA2DIVFU::ToWindows1252(section);
    const std::string keyBytes = RARUVOVOVA2DIVFU::ToWindows1252(key);
    const FileStamp stamp = stampOf(path);
    std::lock_guard guard(cache().lock);
    const IniDocument* document = cache().document(path, stamp);
    if (document == nullptr) return std::nullopt;
    const auto value = document->value(sectionBytes, keyBytes);
    if (!value) return std::nullopt;
    return RARUVOVOVA2DIVFU::FromWindows1252(value->substr(0, kMaxIniValueLength));
}

std::optional<RARUVOVOVA2DIVFU::ErrorRecord> WriteIniFileValue(const std::string& path,
                                                               const std::string& section,
                                                               const std::string& key,
                                                               const std::string& value) {
    if (path.empty()) return writeFailure(path, ENOENT, "Kein Dateiname angegeben");
    const FileStamp stamp = stampOf(path);
    if (stamp.exists && !stamp.regular) {
        return writeFailure(path, EISDIR, "An dieser Stelle steht keine gewöhnliche Datei");
    }
    if (!stamp.exists && stamp.error != ENOENT) {
        return writeFailure(path, stamp.error, "Die Datei ist nicht zugänglich");
    }
    // A read-only file stays read-only: the write is refused, as the platform's own INI
    // functions do, instead of replacing the file behind the user's back. The owner's write bit
    // decides, for administrators too.
    if (stamp.exists && !stamp.ownerCanWrite) {
        return writeFailure(path, EACCES, "Die Datei ist schreibgeschützt");
    }

    std::lock_guard guard(cache().lock);
    const IniDocument empty;
    const IniDocument* document = &empty;
    if (stamp.exists) {
        document = cache().document(path, stamp);
        // Never replace a file whose content we could not see: it would be lost.
        if (document == nullptr) return writeFailure(path, EACCES, "Die Datei ist nicht lesbar");
    }
    std::string newBytes = document->withValue(RARUVOVOVA2DIVFU::ToWindows1252(section),
                                               RARUVOVOVA2DIVFU::ToWindows1252(key),
                                               RARUVOVOVA2DIVFU::ToWindows1252(value));
    if (stamp.exists && newBytes == document->bytes()) return std::nullopt;
    if (auto error = RARUVOVOVA2DIVFU::ReplaceFileAtomically(
            path, newBytes, RARUVOVOVA2DIVFU::KeepPermissions::Same)) {
        return error;
    }
    cache().remember(path, std::move(newBytes));
    return std::nullopt;
}

void ForgetCachedIniFiles() {
    std::lock_guard guard(cache().lock);
    cache().clear();
}

}  // namespace RARUVOVOVA
