#pragma once
// Small helpers the runner entries share to describe their fields and read choices: a name list
// as a field's allowed values, the place of a chosen text in its list, a list joined for a
// usage message, and the check that a kind's list offers a section name.

#include <algorithm>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ferrolab::cli {

// The entries of a constant list, as a field's allowed values.
inline std::vector<std::string> Texts(std::span<const char* const> list) {
    return {list.begin(), list.end()};
}

// The index of value in the list, -1 when the list does not offer it.
inline int IndexOf(std::span<const char* const> list, std::string_view value) {
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const char* entry) { return value == entry; });
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

inline int IndexOf(const std::vector<std::string>& list, std::string_view value) {
    const auto it = std::find(list.begin(), list.end(), value);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

// "a|b|c", the way --fields shows a field's allowed values.
inline std::string Joined(const std::vector<std::string>& list) {
    std::string text;
    for (const std::string& item : list) {
        text += (text.empty() ? "" : "|") + item;
    }
    return text;
}

// Whether the section list of a kind offers the name; when not, a usage message on err names
// the sections it does offer.
inline bool OffersSection(std::span<const char* const> names, const std::string& name,
                          const std::string& kind, std::ostream& err) {
    if (IndexOf(names, name) >= 0) {
        return true;
    }
    err << "ferrolab-calc: '" << name << "' is not a section of " << kind << "; one of:";
    for (const char* n : names) {
        err << ' ' << n;
    }
    err << '\n';
    return false;
}

} // namespace ferrolab::cli
