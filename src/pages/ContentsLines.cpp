#include "ContentsLines.h"

std::vector<std::string> contentsFromShownLines(std::vector<std::string> shownLines)
{
    if (!shownLines.empty() && shownLines.back().empty())
        shownLines.pop_back();
    return shownLines;
}

std::string contentsBoxText(const std::vector<std::string> &contents)
{
    std::string text;
    for (const std::string &line : contents) {
        text += line;
        text += '\n';
    }
    return text;
}
