#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/core/folder_item.h"

namespace korvanta {

// The shape of one kind of input file: what it is called in messages, how
// many fields a line needs, their names, which are numbers, and how many lines
// fit its array.
struct InputFileFormat {
  std::string_view kind;  // "Control file" or "Points file"
  std::int64_t capacity;
  std::vector<std::string_view> field_names;
  std::int64_t first_number_field;  // fields from this one (0-based) on are numbers
};

const InputFileFormat& ControlFileFormat();
const InputFileFormat& PointsFileFormat();

// Each record holds the first field_names.size() fields of a line, exactly as
// split, blanks kept.
using InputRecords = std::vector<std::vector<std::string>>;

// Reads and checks the whole file. On the first problem it shows one message
// naming the file, the line and the problem, and gives nothing. Empty or blank
// lines after the last line of data are ignored.
std::optional<InputRecords> ReadInputFile(const FolderItemRef& file, const InputFileFormat& format);

}  // namespace korvanta
