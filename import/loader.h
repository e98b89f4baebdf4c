#pragma once
// Turning the text of a dropped output file into the one line the readers scan.

#include <string>
#include <string_view>

namespace lumitrak {

// The lines of `content` joined into one line, each after one blank: " line1 line2 ...".
// A line ends at a carriage return, alone or followed by a line feed; a lone line feed is an
// ordinary character of its line. An empty text gives the empty text; a final line end starts
// no further line.
std::string joinFileLines(std::string_view content);

}  // namespace lumitrak
