// The INI engine behind ReadIniValue and WriteIniValue: private-profile files parsed once into
// lines, looked up without regard to case, and changed by replacing one line in place.
// Files hold Windows-1252 bytes; section and key names, values and results here are UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "shared/general/text_operations.h"

namespace RARUVOVOVA {

// Longest value a read returns, in characters; longer values are cut.
inline constexpr size_t kMaxIniValueLength = 32766;

// One parsed file, kept as its original bytes plus where each line and each key's value lies.
// All names and values passed in and out of this class are Windows-1252 bytes.
class IniDocument {
  public:
    explicit IniDocument(std::string bytes = {});

    // The value of the first key of that name in a section of that name: trimmed, one pair of
    // enclosing quotes removed, cut at a NUL byte. std::nullopt when there is no such key.
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;

    // The file's bytes with key set to value: the key's line replaced in place, or a new line at
    // the end of the section, or a new section at the end of the file. Every other byte stays.
    std::string withValue(std::string_view section, std::string_view key,
                          std::string_view value) const;

    const std::string& bytes() const { return bytes_; }

  private:
    struct Line {
        size_t start = 0;       // first byte of the line
        size_t length = 0;      // bytes before the line end
        size_t endLength = 0;   // 0 (last line), 1 (CR or LF) or 2 (CR LF)
        size_t valueStart = 0;  // key lines: the trimmed raw value
        size_t valueLength = 0;
        size_t keyStart = 0;
        size_t keyLength = 0;
    };
    struct Section {
        size_t headerLine = 0;
        size_t lastContentLine = 0;  // last non-blank line of the section, the header included
    };

    std::string lineEnd() const;

    // Names as they stand in the file (trimmed); hashed and compared without regard to case.
    struct KeyName {
        std::string_view section;
        std::string_view key;
    };
    struct FoldedHash {
        size_t operator()(std::string_view name) const;
        size_t operator()(const KeyName& name) const;
    };
    struct FoldedEqual {
        bool operator()(std::string_view a, std::string_view b) const;
        bool operator()(const KeyName& a, const KeyName& b) const;
    };

    std::string bytes_;
    std::vector<Line> lines_;
    std::vector<Section> sections_;
    // First key line of a (section, key) pair; first block of a section name.
    std::unordered_map<KeyName, size_t, FoldedHash, FoldedEqual> keyIndex_;
    std::unordered_map<std::string_view, size_t, FoldedHash, FoldedEqual> sectionIndex_;
};

// The value of key in section of the file at path (UTF-8), cut to kMaxIniValueLength characters;
// std::nullopt when the file, section or key is missing or the file cannot be read. The parsed
// file is kept while its size and modification time stay the same.
std::optional<std::string> ReadIniFileValue(const std::string& path, const std::string& section,
                                            const std::string& key);

// Sets key in section of the file at path, creating file, section or key as needed, through one
// atomic replacement of the file. A read-only file, a missing folder or a directory at path is
// refused; the old file then stays as it was. std::nullopt on success.
std::optional<RARUVOVOVA2DIVFU::ErrorRecord> WriteIniFileValue(const std::string& path,
                                                               const std::string& section,
                                                               const std::string& key,
                                                               const std::string& value);

// Forgets every parsed file (for tests and for tools that want to see outside changes at once).
void ForgetCachedIniFiles();

}  // namespace RARUVOVOVA
