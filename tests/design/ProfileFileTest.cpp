#include "ProfileFile.h"

#include "DesignTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct ReadCase
{
    const char *name;
    std::string file;
    const char *section;
    const char *key;
    const char *expected;
};

class ProfileReadCases : public testing::TestWithParam<ReadCase>
{
};

TEST_P(ProfileReadCases, ValueOrDefault)
{
    const ReadCase &c = GetParam();
    const ProfileFile profile = ProfileFile::parse(c.file);
    EXPECT_EQ(profile.readString(c.section, c.key, "<default>"), c.expected);
}

const std::string kLong2047(2047, 'x');

INSTANTIATE_TEST_SUITE_P(
    ProfileFile, ProfileReadCases,
    testing::Values(
        ReadCase {"plain", "[a]\r\nk=v\r\n", "a", "k", "v"},
        ReadCase {"lf_line_ends", "[a]\nk=v\n", "a", "k", "v"},
        ReadCase {"cr_line_ends", "[a]\rk=v\r", "a", "k", "v"},
        ReadCase {"no_final_line_end", "[a]\r\nk=v", "a", "k", "v"},
        ReadCase {"section_case", "[Cont]\r\nk=v\r\n", "cONT", "k", "v"},
        ReadCase {"key_case", "[a]\r\nText=v\r\n", "a", "tEXT", "v"},
        ReadCase {"missing_section", "[a]\r\nk=v\r\n", "b", "k", "<default>"},
        ReadCase {"missing_key", "[a]\r\nk=v\r\n", "a", "j", "<default>"},
        ReadCase {"empty_file", "", "a", "k", "<default>"},
        ReadCase {"empty_value_is_not_default", "[a]\r\nk=\r\n", "a", "k", ""},
        ReadCase {"blanks_around_everything", "  [ a ] \r\n\t k \t=  v w \x0B\r\n", "a", "k",
                  "v w"},
        ReadCase {"eof_char_trimmed", "[a]\r\nk=v\x1A", "a", "k", "v"},
        ReadCase {"split_at_first_equals", "[a]\r\na = b = c\r\n", "a", "a", "b = c"},
        ReadCase {"double_quotes_removed", "[a]\r\nk=\"  v  \"\r\n", "a", "k", "  v  "},
        ReadCase {"single_quotes_removed", "[a]\r\nk='v'\r\n", "a", "k", "v"},
        ReadCase {"inner_quote_kept", "[a]\r\nk=\"a\"b\"\r\n", "a", "k", "a\"b"},
        ReadCase {"unmatched_quote_kept", "[a]\r\nk=\"abc\r\n", "a", "k", "\"abc"},
        ReadCase {"mixed_quotes_kept", "[a]\r\nk=\"abc'\r\n", "a", "k", "\"abc'"},
        ReadCase {"lone_quote_kept", "[a]\r\nk=\"\r\n", "a", "k", "\""},
        ReadCase {"pair_of_quotes_is_empty", "[a]\r\nk=\"\"\r\n", "a", "k", ""},
        ReadCase {"only_one_pair_removed", "[a]\r\nk=\"\"v\"\"\r\n", "a", "k", "\"v\""},
        ReadCase {"first_section_wins", "[a]\r\nk=1\r\n[A]\r\nk=2\r\nj=3\r\n", "a", "j",
                  "<default>"},
        ReadCase {"first_key_wins", "[a]\r\nk=1\r\nK=2\r\n", "a", "k", "1"},
        ReadCase {"first_number_key_wins", "[a]\r\n1=x\r\n1=y\r\n", "a", "1", "x"},
        ReadCase {"number_spellings_are_other_keys", "[a]\r\n01=x\r\n1=y\r\n", "a", "01", "x"},
        ReadCase {"number_without_leading_zero", "[a]\r\n01=x\r\n1=y\r\n", "a", "1", "y"},
        ReadCase {"number_with_blanks", "[a]\r\n  7 =x\r\n", "a", "7", "x"},
        ReadCase {"far_number_key", "[a]\r\n1=x\r\n2000000=y\r\n", "a", "2000000", "y"},
        ReadCase {"number_beyond_dense_table", "[a]\r\n99999999=y\r\n", "a", "99999999", "y"},
        ReadCase {"before_first_section_not_found", "k=v\r\n[a]\r\n", "", "k", "<default>"},
        ReadCase {"comment_is_no_key", "[a]\r\n;k=v\r\n", "a", ";k", "<default>"},
        ReadCase {"line_without_equals_is_no_key", "[a]\r\nk\r\n", "a", "k", "<default>"},
        ReadCase {"blank_lines_skipped", "\r\n\r\n[a]\r\n\r\n\r\nk=v\r\n", "a", "k", "v"},
        ReadCase {"text_after_heading_ignored", "[a] junk\r\nk=v\r\n", "a", "k", "v"},
        ReadCase {"heading_without_bracket", "[a\r\nk=v\r\n", "a", "k", "v"},
        ReadCase {"nul_ends_the_line", std::string("[a]\r\nk=v\0w\r\n", 12), "a", "k", "v"},
        ReadCase {"nul_before_equals", std::string("[a]\r\nk\0=v\r\n", 11), "a", "k", "<default>"},
        ReadCase {"cut_to_2047", "[a]\r\nk=" + kLong2047 + "yyy\r\n", "a", "k", kLong2047.c_str()},
        ReadCase {"windows_1252", "[a]\r\nk=caf\xE9 \x80\r\n", "a", "k",
                  "caf\xC3\xA9 \xE2\x82\xAC"},
        ReadCase {"utf8_without_mark", "[a]\r\nk=caf\xC3\xA9\r\n", "a", "k", "caf\xC3\xA9"},
        ReadCase {"utf8_with_mark", "\xEF\xBB\xBF[a]\r\nk=\xE2\x82\xAC\r\n", "a", "k",
                  "\xE2\x82\xAC"},
        ReadCase {"utf16le_with_mark",
                  std::string("\xFF\xFE[\0a\0]\0\r\0\n\0k\0=\0\xAC\x20\r\0\n\0", 22), "a", "k",
                  "\xE2\x82\xAC"}),
    [](const testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

TEST(ProfileFile, CutCountsCharactersNotBytes)
{
    std::string value;
    for (int i = 0; i < 2100; ++i)
        value += "\xC3\xA9"; // é
    const ProfileFile profile = ProfileFile::parse("[a]\r\nk=" + value + "\r\n");
    const std::string read = profile.readString("a", "k", "");
    EXPECT_EQ(read, value.substr(0, 2 * ProfileFile::kMaxValueChars));
}

struct WriteCase
{
    const char *name;
    std::string before;
    std::vector<std::array<std::string, 3>> writes; // section, key, value; key "" erases
    std::string after;
};

class ProfileWriteCases : public testing::TestWithParam<WriteCase>
{
};

TEST_P(ProfileWriteCases, BytesAfterTheWrites)
{
    const WriteCase &c = GetParam();
    ProfileFile profile = ProfileFile::parse(c.before);
    for (const auto &[section, key, value] : c.writes) {
        if (key.empty())
            profile.eraseSection(section);
        else
            profile.writeString(section, key, value);
    }
    EXPECT_EQ(profile.toBytes(), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    ProfileFile, ProfileWriteCases,
    testing::Values(
        WriteCase {
            "new_file", "", {{"a", "k", "v"}, {"b", "k", ""}}, "[a]\r\nk=v\r\n[b]\r\nk=\r\n"},
        WriteCase {"replace_where_it_stands_keeping_spelling",
                   "[a]\r\n KEY = old \r\nz=1\r\n",
                   {{"A", "key", "new"}},
                   "[a]\r\nKEY=new\r\nz=1\r\n"},
        WriteCase {"new_key_after_last_key_line",
                   "[a]\r\nk=1\r\n\r\n;note\r\n[b]\r\n",
                   {{"a", "j", "2"}},
                   "[a]\r\nk=1\r\nj=2\r\n\r\n;note\r\n[b]\r\n"},
        WriteCase {"new_key_in_empty_section",
                   "[a]\r\n;note\r\n",
                   {{"a", "j", "2"}},
                   "[a]\r\nj=2\r\n;note\r\n"},
        WriteCase {
            "new_section_at_end", "[a]\r\nk=1", {{"b", "j", "2"}}, "[a]\r\nk=1\r\n[b]\r\nj=2\r\n"},
        WriteCase {"new_key_after_unterminated_last_line",
                   "[a]\r\nk=1",
                   {{"a", "j", "2"}},
                   "[a]\r\nk=1\r\nj=2\r\n"},
        WriteCase {"foreign_lines_kept_byte_for_byte",
                   "; mine\n[x]\nfoo = bar\n\n[a]\rk=1\r",
                   {{"a", "k", "2"}},
                   "; mine\n[x]\nfoo = bar\n\n[a]\rk=2\r"},
        WriteCase {"first_key_of_duplicates_updated",
                   "[a]\r\nk=1\r\nk=2\r\n",
                   {{"a", "k", "3"}},
                   "[a]\r\nk=3\r\nk=2\r\n"},
        WriteCase {"erase_removes_heading_and_keys",
                   "[a]\r\nk=1\r\n[b]\r\nj=2\r\n",
                   {{"a", "", ""}},
                   "[b]\r\nj=2\r\n"},
        WriteCase {"erase_removes_duplicate_sections",
                   "[a]\r\nk=1\r\n[b]\r\n[A]\r\nk=2\r\n",
                   {{"a", "", ""}, {"a", "k", "3"}},
                   "[b]\r\n[a]\r\nk=3\r\n"},
        WriteCase {"erase_missing_section", "[b]\r\n", {{"a", "", ""}}, "[b]\r\n"},
        WriteCase {"line_breaks_in_value_become_blanks",
                   "",
                   {{"a", "k", "one\r\ntwo\nthree"}},
                   "[a]\r\nk=one  two three\r\n"},
        WriteCase {"windows_1252_kept",
                   "[a]\r\nk=caf\xE9\r\n",
                   {{"a", "j", "\xE2\x82\xAC"}},
                   "[a]\r\nk=caf\xE9\r\nj=\x80\r\n"},
        WriteCase {"undefined_1252_bytes_survive",
                   "[a]\r\nk=\x81\x8D\x8F\x90\x9D\r\n",
                   {{"a", "j", "1"}},
                   "[a]\r\nk=\x81\x8D\x8F\x90\x9D\r\nj=1\r\n"},
        WriteCase {"utf8_file_written_as_1252",
                   "[a]\r\nk=caf\xC3\xA9\r\n",
                   {{"a", "k", "x"}},
                   "[a]\r\nk=x\r\n"},
        // C3 A9 in Windows-1252 is "Ã©", but a reader takes those bytes for the UTF-8 of "é".
        WriteCase {"windows_1252_bytes_that_read_as_utf8_go_utf16",
                   "",
                   {{"a", "k", "\xC3\x83\xC2\xA9"}},
                   std::string("\xFF\xFE[\0a\0]\0\r\0\n\0k\0=\0\xC3\0\xA9\0\r\0\n\0", 24)},
        WriteCase {"non_latin_goes_utf16",
                   "",
                   {{"a", "k", "\xD0\x96"}},
                   std::string("\xFF\xFE[\0a\0]\0\r\0\n\0k\0=\0\x16\x04\r\0\n\0", 22)},
        WriteCase {"astral_character_as_surrogate_pair",
                   "",
                   {{"a", "k", "\xF0\x9F\x8E\xB5"}},
                   std::string("\xFF\xFE[\0a\0]\0\r\0\n\0k\0=\0\x3C\xD8\xB5\xDF\r\0\n\0", 24)}),
    [](const testing::TestParamInfo<WriteCase> &info) { return std::string(info.param.name); });

TEST(ProfileFile, SparseNumberKeysAreAllFound)
{
    // Numbers far apart go to the hash table, close ones to the dense table; both are found,
    // and a number written later finds the line it replaces, wherever it was filed.
    std::string file = "[a]\r\n";
    const std::vector<int> numbers = {5000, 1, 2, 900000, 3, 4000, 0, 70};
    for (int n : numbers)
        file += std::to_string(n) + "=v" + std::to_string(n) + "\r\n";
    ProfileFile profile = ProfileFile::parse(file);
    for (int n : numbers)
        EXPECT_EQ(profile.readString("a", std::to_string(n), "-"), "v" + std::to_string(n)) << n;
    EXPECT_EQ(profile.readString("a", "6", "-"), "-");
    for (int n : numbers)
        profile.writeString("a", std::to_string(n), "w");
    for (int i = 6; i < 200; ++i)
        profile.writeString("a", std::to_string(i), "new");
    EXPECT_EQ(profile.readString("a", "5000", "-"), "w");
    EXPECT_EQ(profile.readString("a", "150", "-"), "new");
    const std::string bytes = profile.toBytes();
    EXPECT_EQ(bytes.find("5000=v5000"), std::string::npos);
    EXPECT_EQ(bytes.find("70=w"), bytes.rfind("70=w")) << "70 written twice";
}

TEST(ProfileFile, CommitWritesWhatToBytesGives)
{
    TempDir dir;
    for (const bool ascii : {true, false}) {
        ProfileFile profile;
        profile.writeString("title", "text", std::string(3u << 20, 'x')); // beyond one buffer
        for (int i = 0; i < 50000; ++i)
            profile.writeString("cont", std::to_string(i), ascii ? "line" : "l\xC3\xAFne");
        profile.commit(dir.file("big.vnx"));
        EXPECT_EQ(readBytes(dir.file("big.vnx")), profile.toBytes());
    }
}

TEST(ProfileFile, Utf16FileReadsBackWhatWasWritten)
{
    ProfileFile profile;
    profile.writeString("title", "text", "\xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x8E\xB5");
    const ProfileFile again = ProfileFile::parse(profile.toBytes());
    EXPECT_EQ(again.readString("title", "text", ""), "\xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x8E\xB5");
}

TEST(ProfileFile, MissingFileIsAnEmptyProfile)
{
    TempDir dir;
    const ProfileFile profile = ProfileFile::load(dir.file("absent.vnx"));
    EXPECT_EQ(profile.readString("a", "k", "d"), "d");
    EXPECT_EQ(profile.sectionCount(), 0u);
}

TEST(ProfileFile, FolderOrDeviceIsNotRead)
{
    TempDir dir;
    EXPECT_THROW(ProfileFile::load(dir.path().string()), EFileError);
    EXPECT_THROW(ProfileFile::load("/dev/zero"), EFileError);
}

TEST(ProfileFile, CommitReplacesTheFileAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string file = dir.file("d.vnx");
    writeBytes(file, "[keep]\r\nx=1\r\n");
    ProfileFile profile = ProfileFile::load(file);
    profile.writeString("a", "k", "v");
    profile.commit(file);
    EXPECT_EQ(readBytes(file), "[keep]\r\nx=1\r\n[a]\r\nk=v\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
