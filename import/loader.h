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

// What the bytes of a dropped file are to the import area: text, more than kImportTextLimit bytes,
// or no text at all (NUL bytes without the byte-order mark of UTF-16, whose every ASCII character
// holds one).
enum class DroppedBytes { Text, TooLarge, NotText };
DroppedBytes classifyDroppedBytes(std::string_view bytes);

// A dropped file's bytes decoded (UTF-16, UTF-8 or code page 932) and joined into one line.
std::string droppedFileText(std::string_view bytes);

}  // namespace lumitrak
