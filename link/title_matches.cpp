#include "title_matches.h"

#include <cstddef>

namespace tarvek {

bool TitleMatches(std::string_view title, std::string_view name)
{
    const std::size_t start = title.find_first_not_of(' ');
    title.remove_prefix(start == std::string_view::npos ? title.size() : start);

    for (std::size_t i = 0; i < name.size(); ++i) {
        const char fromTitle = i < title.size() ? title[i] : '\0';
        if (fromTitle != name[i])
            return false;
        if (fromTitle == '\0')
            return true;
    }
    return true;
}

}  // namespace tarvek
