#pragma once

#include <string>
#include <string_view>

// Text for XML character data: '&', '<' and '>' escaped; bytes that are not UTF-8, and control characters
// XML 1.0 does not allow, become U+FFFD so the file stays well-formed whatever a file name holds.
std::string XmlText(std::string_view text);

// A double as C's "%f" writes it in the C locale, whatever the user's locale.
std::string FixedSix(double v);
