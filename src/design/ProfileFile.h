#pragma once

#include "TextEncoding.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A profile (INI) file held in memory, read and written like the Windows profile functions:
// section and key names match regardless of ASCII letter case, the first section and the
// first key of a name win, values come back trimmed, without one enclosing pair of quotes and
// cut to 2047 characters. The whole file is parsed once; edits change the lines in memory;
// commit() writes the file once, atomically. Lines the program does not touch (comments,
// blank lines, unknown sections and keys) keep their text and line ends.
class ProfileFile
{
public:
    static constexpr std::size_t kMaxValueChars = 2047;
    // Bigger files are refused rather than read into memory.
    static constexpr std::size_t kMaxFileBytes = 256u * 1024u * 1024u;

    ProfileFile() = default;

    // The file's content, or an empty profile when the file does not exist. Throws EFileError
    // "Unable to read <fileName>" when it exists but is not a regular, readable file or is
    // larger than kMaxFileBytes.
    static ProfileFile load(const std::string &fileName);
    static ProfileFile parse(std::string_view bytes);

    // The value, or defaultValue when the section or the key is missing.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The value as readString gives it, or nothing when the section or the key is missing.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;

    // Replaces the key's value where it stands, or adds the key after the last key line of
    // its section, or adds the section with the key at the end. A line break in the value
    // would split the line, so CR, LF and NUL are written as blanks.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with all its lines.
    void eraseSection(std::string_view section);

    // The file's bytes: Windows-1252 when every character fits, otherwise UTF-16LE with BOM.
    std::string toBytes() const;
    // Writes toBytes() to a temporary file beside fileName, flushes it and renames it over
    // fileName. Throws EFileError "Unable to write to <fileName>" and leaves an existing file
    // untouched when any step fails or when the existing file is read-only.
    void commit(const std::string &fileName) const;

    std::size_t sectionCount() const { return sections_.size(); }

private:
    enum class LineEnd : unsigned char { None, CrLf, Lf, Cr };
    struct Line
    {
        std::string text; // as in the file, decoded to UTF-8, without its line end
        LineEnd end = LineEnd::CrLf;
    };
    struct Section
    {
        std::string name; // trimmed heading name as spelled
        std::vector<Line> lines; // lines[0] is the heading
        std::unordered_map<std::string, std::size_t> keys; // lower-case name -> first line
        std::size_t lastKeyLine = 0; // 0: no key yet, new keys go after the heading
    };

    const Section *findSection(std::string_view name) const;
    Section *findSection(std::string_view name);
    void indexSections();
    static std::string lowerAscii(std::string_view text);

    std::vector<Line> preamble_; // lines before the first heading: in no section
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_; // lower-case -> first section
};
