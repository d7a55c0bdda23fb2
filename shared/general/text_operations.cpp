#include "shared/general/text_operations.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace RARUVOVOVA2DIVFU {
namespace {

bool sameLetter(char x, char y) {
    return LowerAscii(x) == LowerAscii(y);
}

}  // namespace

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), sameLetter);
}

bool ContainsIgnoringCase(std::string_view haystack, std::string_view needle) {
    return needle.empty() || std::search(haystack.begin(), haystack.end(), needle.begin(),
                                         needle.end(), sameLetter) != haystack.end();
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view tail) {
    return tail.size() <= text.size() &&
           EqualsIgnoringCase(text.substr(text.size() - tail.size()), tail);
}

int32_t FindInList(std::string_view needle, const std::vector<std::string_view>& list,
                   bool wholeMatch, int32_t lowerBound) {
    for (size_t i = 0; i < list.size(); ++i) {
        const bool hit = wholeMatch ? EqualsIgnoringCase(list[i], needle)
                                    : ContainsIgnoringCase(list[i], needle);
        if (hit) return lowerBound + static_cast<int32_t>(i);
    }
    return lowerBound - 1;
}

int32_t CountOccurrences(std::string_view needle, std::string_view text) {
    if (needle.empty() || text.size() < needle.size()) return 0;
    int32_t count = 0;
    for (size_t pos = text.find(needle); pos != std::string_view::npos;
         pos = text.find(needle, pos + 1)) {
        ++count;
    }
    return count;
}

std::string CutAtNullChar(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

std::string PickText(std::string_view textIfTrue, bool condition, std::string_view textIfFalse) {
    return std::string(condition ? textIfTrue : textIfFalse);
}

std::string ErrorTextWithCode(const ErrorRecord& error) {
    return error.description + " (Code " + std::to_string(error.number) + ")";
}

std::string ErrnoDescription(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
            return "Datei oder Verzeichnis nicht gefunden";
        case EACCES:
        case EPERM:
            return "Zugriff verweigert";
        case ENOTDIR:
            return "Ein Teil des Pfades ist kein Verzeichnis";
        case EISDIR:
            return "Ist ein Verzeichnis";
        case EINVAL:
            return "Keine gewöhnliche Datei";
        case ENOSPC:
            return "Kein Platz mehr auf dem Datenträger";
#ifdef EDQUOT
        case EDQUOT:
            return "Speicherkontingent überschritten";
#endif
        case EROFS:
            return "Der Datenträger ist schreibgeschützt";
        case EIO:
            return "Ein- oder Ausgabefehler";
        case ENOMEM:
            return "Nicht genügend Arbeitsspeicher";
        case EFBIG:
            return "Die Datei ist zu groß";
        case EBUSY:
            return "Die Datei wird gerade von einem anderen Programm benutzt";
#ifdef ETXTBSY
        case ETXTBSY:
            return "Die Datei wird gerade von einem anderen Programm benutzt";
#endif
        case ELOOP:
            return "Zu viele Ebenen symbolischer Verknüpfungen";
        case ENAMETOOLONG:
            return "Der Dateiname ist zu lang";
        case EMFILE:
        case ENFILE:
            return "Zu viele offene Dateien";
        case EEXIST:
            return "Die Datei existiert bereits";
        default:
            return std::string("Systemfehler: ") + std::strerror(errorNumber);
    }
}

ErrorRecord ErrnoRecord(int errorNumber) {
    return {errorNumber, ErrnoDescription(errorNumber)};
}

}  // namespace RARUVOVOVA2DIVFU
