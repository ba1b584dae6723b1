#pragma once
// The Add dialog's file-type filters as plain data, shared by the dialog, folder adding
// and the desktop entry's type list. No Qt here.
#include <string>
#include <vector>

namespace mediaext {

struct Filter {
  std::string text;                   // display text
  std::vector<std::string> patterns;  // patterns as the program stores them, e.g. "*.mp4"
};

// The filters in the dialog's order; the first one is selected when the dialog opens.
const std::vector<Filter>& Filters();

// The ";"-joined patterns of one filter, "*.aif;*.aiff".
std::string JoinedPatterns(const Filter& filter);

// The lower-case extensions, without the dot, of the "*.ext" patterns of the first
// filter ("All Supported Media Files"): every file type the program lists.
const std::vector<std::string>& SupportedExtensions();

// The lower-case text after the last "." of a file name, "" when there is none.
std::string LowerExtension(const std::string& name);

// Whether a file name has one of SupportedExtensions(), in any letter case.
bool IsSupportedName(const std::string& name);

}  // namespace mediaext
