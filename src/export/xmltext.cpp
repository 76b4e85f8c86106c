#include "export/xmltext.h"

#include <charconv>

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the valid UTF-8 sequence at s[i], or 0.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = 0;
    unsigned cp = 0;
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF)
        n = 2, cp = b & 0x1F;
    else if (b >= 0xE0 && b <= 0xEF)
        n = 3, cp = b & 0x0F;
    else if (b >= 0xF0 && b <= 0xF4)
        n = 4, cp = b & 0x07;
    else
        return 0;
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates, beyond U+10FFFF, and the two non-characters XML excludes.
    if ((n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000) || (cp >= 0xD800 && cp <= 0xDFFF) ||
        cp > 0x10FFFF || cp == 0xFFFE || cp == 0xFFFF)
        return 0;
    return n;
}

}  // namespace

std::string XmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t n = Utf8Length(text, i);
        if (n == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        if (n == 1) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '&')
                out += "&amp;";
            else if (c == '<')
                out += "&lt;";
            else if (c == '>')
                out += "&gt;";
            else if (u < 0x20 && c != '\t' && c != '\n' && c != '\r')
                out += kReplacement;
            else
                out += c;
        } else {
            out.append(text.substr(i, n));
        }
        i += n;
    }
    return out;
}

std::string FixedSix(double v) {
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof(buf), v, std::chars_format::fixed, 6);
    return std::string(buf, r.ptr);
}
