#include "engine/input_file.h"

#include "engine/shown_field.h"
#include "engine/transform_engine.h"

#include "toolkit/core/exceptions.h"
#include "toolkit/core/message.h"
#include "toolkit/core/text.h"
#include "toolkit/core/text_stream.h"

namespace korvanta {
namespace {

std::string FieldList(const InputFileFormat& format) {
  std::string list;
  for (const auto name : format.field_names) {
    if (!list.empty()) list += ", ";
    list += name;
  }
  return list;
}

std::string Quoted(std::string_view text) {
  return "\"" + ShownField(text) + "\"";
}

}  // namespace

const InputFileFormat& ControlFileFormat() {
  static const InputFileFormat format{
      "Control file", TransformEngine::kControlCapacity, {"ID", "E", "N", "x", "y"}, 1};
  return format;
}

const InputFileFormat& PointsFileFormat() {
  static const InputFileFormat format{
      "Points file", TransformEngine::kPointCapacity, {"ID", "x", "y"}, 1};
  return format;
}

std::optional<InputRecords> ReadInputFile(const FolderItemRef& file,
                                          const InputFileFormat& format) {
  const std::string name = file ? "\"" + file->Name() + "\"" : "(none chosen)";
  const std::string where = std::string(format.kind) + " " + name;
  const auto fail = [&](std::int64_t line, const std::string& problem) {
    MessageBox(where + ", line " + Int64ToString(line) + ": " + problem);
    return std::nullopt;
  };

  std::int64_t line_number = 0;  // of the line being read
  try {
    TextInputStream stream = TextInputStream::Open(file);
    InputRecords records;
    std::int64_t first_blank_line = 0;  // of the blank lines since the last data line
    const std::size_t needed = format.field_names.size();
    while (!stream.EndOfFile()) {
      ++line_number;
      const std::string line = stream.ReadLine();
      if (IsBlank(line)) {
        if (first_blank_line == 0) first_blank_line = line_number;
        continue;
      }
      if (first_blank_line != 0) {
        return fail(first_blank_line,
                    "the line is empty; only the end of the file may hold empty lines.");
      }
      if (line_number > format.capacity) {
        return fail(line_number, "more than " + Int64ToString(format.capacity) +
                                     " lines; Korvanta reads at most " +
                                     Int64ToString(format.capacity) + ".");
      }
      std::vector<std::string> fields = Split(line, ",");
      if (fields.size() < needed) {
        return fail(line_number, "needs " + Int64ToString(static_cast<std::int64_t>(needed)) +
                                     " fields (" + FieldList(format) + ") but has " +
                                     Int64ToString(static_cast<std::int64_t>(fields.size())) + ".");
      }
      fields.resize(needed);
      for (std::size_t f = static_cast<std::size_t>(format.first_number_field); f < needed; ++f) {
        if (!ParseNumber(fields[f])) {
          const std::string_view problem =
              IsDecimalNumber(fields[f]) ? " is beyond the range of doubles (about 1.8e+308): "
                                         : " is not a number: ";
          return fail(line_number, std::string(format.field_names[f]) + std::string(problem) +
                                       Quoted(fields[f]) + ".");
        }
      }
      records.push_back(std::move(fields));
    }
    stream.Close();
    return records;
  } catch (const LineTooLongException&) {
    return fail(line_number,
                "the line is longer than 1 MiB (" +
                    Int64ToString(static_cast<std::int64_t>(TextInputStream::kMaxLineBytes)) +
                    " bytes); this is not a text file of points.");
  } catch (const TextEncodingException&) {
    MessageBox(where + " is UTF-16 text; save it as UTF-8 or as plain text CSV and choose " +
               "it again.");
  } catch (const FileKindException& e) {
    MessageBox("Cannot read " + where + ": " + e.what() + ".");
  } catch (const IOException& e) {
    MessageBox("Cannot read " + where + ": " + Str(e.ErrorNumber()) + " " + e.Message());
  } catch (const NilObjectException&) {
    MessageBox("No " + std::string(format.kind) + " is chosen.");
  }
  return std::nullopt;
}

}  // namespace korvanta
