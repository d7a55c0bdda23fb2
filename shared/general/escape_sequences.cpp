#include "shared/general/escape_sequences.h"

namespace RARUVOVOVA2DIVFU {

std::string DecodeEscapes(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    bool pendingEscape = false;
    for (const char c : text) {
        if (!pendingEscape) {
            if (c == '\\') {
                pendingEscape = true;
            } else {
                plain += c;
            }
            continue;
        }
        pendingEscape = false;
        switch (c) {
            case 'T':
            case 't':
                plain += '\t';
                break;
            case 'N':
            case 'n':
                plain += '\r';
                break;
            case 'L':
            case 'l':
                plain += '\n';
                break;
            case 'H':
            case 'h':
                plain += '"';
                break;
            default:
                // Unknown escapes lose their backslash; "\\" gives one backslash.
                plain += c;
                break;
        }
    }
    // A lone backslash at the very end is dropped.
    return plain;
}

std::string EncodeEscapes(std::string_view text) {
    std::string encoded;
    encoded.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        switch (c) {
            case '\\':
                encoded += "\\\\";
                break;
            case '\t':
                encoded += "\\T";
                break;
            case '\n':
                encoded += "\\L";
                break;
            case '\r':
                encoded += "\\N";
                break;
            case '"':
                encoded += "\\H";
                break;
            default:
                encoded += c;
                break;
        }
    }
    return encoded;
}

}  // namespace RARUVOVOVA2DIVFU
