// What must hold for any bytes given to the calculation file reader, shared
// by the fuzz target and the test that replays the inputs it kept.
#pragma once

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gridwork/calc_file.h"
#include "numbers/number_text.h"

namespace tallimo::fuzz {

// A file that reads writes back to the same lines, and the rewritten file is
// stable. A file that does not read gives no lines.
inline std::string CheckReadThenWrite(std::string_view bytes) {
    const ParsedFile first = ParseCalculationFile(bytes);
    if (first.error != FileError::None) {
        return first.lines.empty() ? std::string() : "a failed read gave lines";
    }
    const std::string written = WriteCalculationFile(first.lines);
    const ParsedFile second = ParseCalculationFile(written);
    if (second.error != FileError::None) {
        return "a file read did not read back once written";
    }
    if (second.lines != first.lines) {
        return "the lines read changed through a write and a read";
    }
    if (WriteCalculationFile(second.lines) != written) {
        return "writing the same lines twice gave different bytes";
    }
    return {};
}

// The same bytes taken as lines the program holds: fields separated by 0x1F,
// five to a line, the first byte of the first field being the kind code.
inline std::vector<CalcLine> LinesFromBytes(std::string_view bytes) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = bytes.find('\x1F', start);
        fields.emplace_back(bytes.substr(start, end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    std::vector<CalcLine> lines;
    for (std::size_t i = 0; i + 5 <= fields.size(); i += 5) {
        CalcLine& line = lines.emplace_back();
        line.Kind =
            LineKindFromCode(fields[i].empty() ? 0 : static_cast<unsigned char>(fields[i][0]));
        line.Operation = fields[i + 1];
        line.Value = fields[i + 2];
        line.Comment = fields[i + 3];
        line.Decimals = fields[i + 4];
    }
    return lines;
}

// Whatever lines are written, the file reads back as those lines made
// storable, unless the last value is nothing to go on from; and a stored
// comment is stored as it stands.
inline std::string CheckWriteThenRead(std::string_view bytes) {
    std::vector<CalcLine> lines = LinesFromBytes(bytes);
    const std::string written = WriteCalculationFile(lines);
    for (CalcLine& line : lines) {
        for (std::string* text : {&line.Operation, &line.Value, &line.Comment, &line.Decimals}) {
            *text = StorableText(*text);
            if (StorableText(*text) != *text) {
                return "a storable text is changed by being stored again";
            }
        }
        const std::string comment = StorableComment(line.Comment);
        if (StorableComment(comment) != comment || StorableText(comment) != comment) {
            return "a storable comment is changed by being stored again";
        }
    }
    const ParsedFile read = ParseCalculationFile(written);
    if (read.error == FileError::None) {
        return read.lines == lines ? std::string() : "written lines read back different";
    }
    if (read.error == FileError::ReadFailed && !lines.empty()) {
        const std::string& last = lines.back().Value;
        if (last != kCancellationText && last != kErrorText && !TextToNumber(last)) {
            return {};  // nothing to go on from: refused, as it must be
        }
    }
    return "written lines did not read back";
}

// Any lines, packed as the grid keeps them, give back every text and the
// number each text stands for, and write the same file as their texts.
inline std::string CheckPackedLines(std::string_view bytes) {
    const std::vector<CalcLine> lines = LinesFromBytes(bytes);
    const std::vector<PackedLine> packed = PackLines(lines);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (packed[i].Unpacked() != lines[i]) {
            return "a packed line gave back other texts";
        }
        const std::optional<double> number = packed[i].Number();
        const std::optional<double> text_number = lines[i].Number();
        if (number.has_value() != text_number.has_value() ||
            (number && std::memcmp(&*number, &*text_number, sizeof(double)) != 0)) {
            return "a packed line stands for another number than its text";
        }
    }
    if (WriteCalculationFile(packed) != WriteCalculationFile(lines)) {
        return "packed lines wrote another file than their texts";
    }
    return {};
}

inline std::string CheckCalculationFile(std::string_view bytes) {
    for (auto check : {CheckReadThenWrite, CheckWriteThenRead, CheckPackedLines}) {
        if (std::string failure = check(bytes); !failure.empty()) {
            return failure;
        }
    }
    return {};
}

}  // namespace tallimo::fuzz
