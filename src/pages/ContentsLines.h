#pragma once

#include <string>
#include <vector>

// The design's contents are the lines as the contents box shows them: every line on screen,
// wrapped or not, is one entry, except an empty last line.
std::vector<std::string> contentsFromShownLines(std::vector<std::string> shownLines);

// The text that puts the design's contents into the contents box: every line ends with a line
// break, so the box shows the lines followed by one empty line, and reading the box back gives
// the same lines (an empty line at the end of the contents included), as long as none is
// wider than the box.
std::string contentsBoxText(const std::vector<std::string> &contents);
