#pragma once

#include "TextEncoding.h"

#include <cstddef>
#include <cstdint>
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
    static constexpr std::size_t kMaxFileBytes = std::size_t {256} * 1024 * 1024;

    ProfileFile() = default;

    // The file's content, or an empty profile when the file does not exist. Throws EFileError
    // "Unable to read <fileName>" when it exists but is not a regular, readable file or is
    // larger than kMaxFileBytes.
    static ProfileFile load(const std::string &fileName);
    static ProfileFile parse(std::string bytes);

    // The value, or defaultValue when the section or the key is missing.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // The value as readString gives it, or nothing when the section or the key is missing.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;

    // Replaces the key's value where it stands, or adds the key after the last key line of
    // its section, or adds the section with the key at the end. A line break in the value
    // would split the line, so CR, LF and NUL are written as blanks.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    // Room for the text of writes to come, so that a large save does not copy it as it grows.
    void reserveForWrites(std::size_t bytes) { added_.reserve(added_.size() + bytes); }
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
    // A line is a slice of the decoded file text, or of the text added by writes since. With
    // no string per line, a file of a million lines is parsed without a million allocations.
    struct Line
    {
        std::size_t offset = 0;
        std::uint32_t length = 0;
        LineEnd end = LineEnd::CrLf;
        bool added = false; // in added_, else in source_
        bool key = false; // a "key=value" line
    };
    // One slot of a section's open-addressing key table: the hash of the lower-case key
    // name and the index of its first line plus one (0: empty).
    struct KeySlot
    {
        std::uint32_t hash = 0;
        std::uint32_t linePlusOne = 0;
    };
    // Where the keys of a section stand. Built when the section is first searched, so that a
    // section that is only erased (the old contents on a save) costs no index. Keys that are
    // plain decimal numbers (the contents lines) are looked up by their value in a dense
    // table; every other key through the hash table.
    struct KeyIndex
    {
        bool built = false;
        std::vector<std::uint32_t> numbered; // number -> line plus one (0: none)
        std::size_t numberedKeys = 0;
        std::vector<KeySlot> keySlots; // size zero or a power of two, at most half full
        std::size_t hashedKeys = 0;
        std::size_t hashedNumbers = 0; // number keys that did not fit the dense table
    };
    struct Section
    {
        std::string name; // trimmed heading name as spelled
        std::vector<Line> lines; // lines[0] is the heading
        std::size_t lastKeyLine = 0; // 0: no key yet, new keys go after the heading
        // A cache over lines: filled by const lookups, so a const ProfileFile is not to be
        // read from two threads at once.
        mutable KeyIndex index;
    };
    static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

    std::string_view textOf(const Line &line) const;
    Line addedLine(std::string_view text);
    std::size_t findKey(const Section &section, std::string_view key) const;
    void buildIndex(const Section &section) const;
    // Enters a key line into the index unless a line above it holds the same key.
    void indexKey(const Section &section, std::string_view key, std::size_t line) const;
    std::size_t findHashed(const Section &section, std::string_view key, std::uint32_t hash) const;
    const Section *findSection(std::string_view name) const;
    Section *findSection(std::string_view name);
    void indexSections();
    template<typename Sink> void forEachLineText(Sink &&sink) const;
    static std::string lowerAscii(std::string_view text);

    std::string source_; // the file's text, decoded to UTF-8
    std::string added_; // text of the lines written since
    std::vector<Line> preamble_; // lines before the first heading: in no section
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> sectionIndex_; // lower-case -> first section
};
