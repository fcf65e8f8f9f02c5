#pragma once

#include <string>
#include <string_view>

namespace vestrel {

// A text put into XML or HTML, as element content or as a quoted attribute
// value: the characters that would end or open markup are written as
// entities, everything else (UTF-8 included) as it is.
inline std::string echapperXml(std::string_view t)
{
    std::string r;
    r.reserve(t.size());
    for (char c : t) {
        switch (c) {
        case '&': r += "&amp;"; break;
        case '<': r += "&lt;"; break;
        case '>': r += "&gt;"; break;
        case '"': r += "&quot;"; break;
        default: r += c;
        }
    }
    return r;
}

} // namespace vestrel
