#include "DesignFile.h"

#include "ProfileFile.h"

#include <array>
#include <string_view>

namespace {

// The four style sections in the order the writer and the reader visit them.
constexpr std::array<std::string_view, 4> kSlotSections {"ftf", "fcf", "ctf", "ccf"};

bool isTitleSlot(TextSlot slot)
{
    return slot == TextSlot::FolderTitle || slot == TextSlot::CaseTitle;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

// The profile reader drops blanks around a value and one pair of enclosing quotes. A text
// that would lose something that way is written inside double quotes, which the reader (ours
// and the Windows one) removes again, giving back the text as it was.
std::string protectedText(const std::string &text)
{
    if (text.empty())
        return text;
    const bool blankAtEdge = isBlank(text.front()) || isBlank(text.back());
    const bool enclosed = text.size() >= 2 && (text.front() == '"' || text.front() == '\'')
        && text.back() == text.front();
    if (blankAtEdge || enclosed)
        return "\"" + text + "\"";
    return text;
}

const char *flagText(bool on)
{
    return on ? "1" : "0";
}

TextAlignment alignmentFromCode(std::int32_t code)
{
    switch (code) {
    case 0:
        return TextAlignment::Left;
    case 2:
        return TextAlignment::Right;
    default:
        return TextAlignment::Center;
    }
}

ImagePlacement placementFromCode(std::int32_t code)
{
    if (code >= 0 && code <= 3)
        return static_cast<ImagePlacement>(code);
    return ImagePlacement::None;
}

[[noreturn]] void failTooManyLines(std::int64_t count)
{
    throw EFileError("Too many contents lines: " + IntegerToText(count)
                     + " (a design holds at most " + IntegerToText(kMaxContentsLines) + ")");
}

} // namespace

void writeDesignProfile(const CaseDesign &design, ProfileFile &profile)
{
    if (design.contents.size() > static_cast<std::size_t>(kMaxContentsLines))
        failTooManyLines(static_cast<std::int64_t>(design.contents.size()));

    std::size_t textBytes = 4096 + design.title.size() + design.imagePath.size();
    for (const std::string &line : design.contents)
        textBytes += line.size() + 12; // key, "=" and quotes at most
    profile.reserveForWrites(textBytes);

    profile.writeString("title", "text", protectedText(design.title));
    profile.eraseSection("cont");
    profile.writeString("cont", "no",
                        IntegerToText(static_cast<std::int64_t>(design.contents.size())));
    for (std::size_t i = 0; i < design.contents.size(); ++i)
        profile.writeString("cont", IntegerToText(static_cast<std::int64_t>(i + 1)),
                            protectedText(design.contents[i]));
    profile.writeString("backg", "fold", ColorToText(design.folderBackground));
    profile.writeString("backg", "case", ColorToText(design.caseBackground));
    profile.writeString("backg", "side", ColorToText(design.sideBackground));
    profile.writeString("image", "sel", IntegerToText(static_cast<int>(design.imagePlacement)));
    profile.writeString("image", "imgpath", protectedText(design.imagePath));
    for (TextSlot slot : kAllTextSlots) {
        const std::string_view section = kSlotSections[static_cast<std::size_t>(slot)];
        const TextStyle &style = design.style(slot);
        profile.writeString(section, "name", protectedText(style.fontName));
        profile.writeString(section, "size", IntegerToText(style.size));
        profile.writeString(section, "color", ColorToText(style.color));
    }
    for (TextSlot slot : kAllTextSlots) {
        const std::string_view section = kSlotSections[static_cast<std::size_t>(slot)];
        profile.writeString(section, "align",
                            IntegerToText(static_cast<int>(design.style(slot).alignment)));
    }
    for (TextSlot slot : kAllTextSlots) {
        const std::string_view section = kSlotSections[static_cast<std::size_t>(slot)];
        const TextStyle &style = design.style(slot);
        profile.writeString(section, "bold", flagText(style.bold));
        profile.writeString(section, "italic", flagText(style.italic));
        profile.writeString(section, "underline", flagText(style.underline));
        profile.writeString(section, "strikeout", flagText(style.strikeout));
    }
}

void writeDesignFile(const CaseDesign &design, const std::string &fileName)
{
    ProfileFile profile;
    try {
        // Sections and keys of the old file that the design does not own are kept.
        profile = ProfileFile::load(fileName);
    } catch (const EFileError &) {
        throw EFileError("Unable to write to " + fileName);
    }
    writeDesignProfile(design, profile);
    profile.commit(fileName);
}

void readDesignProfile(CaseDesign &design, const ProfileFile &profile, ImageFileChooser *images)
{
    auto read = [&profile](std::string_view section, std::string_view key,
                           std::string_view defaultValue) {
        return profile.readString(section, key, defaultValue);
    };

    // The text boxes and the Fonts page show the design as it is when a load fails part-way,
    // as they would if they were the design's only store.
    bool textShown = false;
    bool fontsShown = true;
    try {
        // 1
        design.title.clear();
        design.contents.clear();
        for (TextSlot slot : kAllTextSlots) {
            TextStyle &style = design.style(slot);
            style.bold = style.italic = style.underline = style.strikeout = false;
        }
        fontsShown = false;

        // 2
        const std::string countText = read("cont", "no", "0");
        const std::int32_t count = StringToInteger(countText);
        if (count > kMaxContentsLines)
            failTooManyLines(count);

        // 3
        std::vector<std::string> lines;
        lines.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
        for (std::int32_t i = 1; i <= count; ++i)
            lines.push_back(read("cont", IntegerToText(i), ""));
        design.contents = std::move(lines);

        // 4
        design.title = read("title", "text", "");
        textShown = true;
        design.notifyTextReplaced();

        // 5
        for (TextSlot slot : kAllTextSlots) {
            const std::string_view section = kSlotSections[static_cast<std::size_t>(slot)];
            TextStyle &style = design.style(slot);
            style.color = TextToColor(read(section, "color", "clBlack"));
            style.setFontName(read(section, "name", "Arial"));
            style.size = StringToInteger(read(section, "size", isTitleSlot(slot) ? "18" : "10"));
        }

        // 6: the four flags of a slot change together, after all four are read.
        for (TextSlot slot : kAllTextSlots) {
            const std::string_view section = kSlotSections[static_cast<std::size_t>(slot)];
            const bool bold = StringToInteger(read(section, "bold", "0")) == 1;
            const bool italic = StringToInteger(read(section, "italic", "0")) == 1;
            const bool underline = StringToInteger(read(section, "underline", "0")) == 1;
            const bool strikeout = StringToInteger(read(section, "strikeout", "0")) == 1;
            TextStyle &style = design.style(slot);
            style.bold = bold;
            style.italic = italic;
            style.underline = underline;
            style.strikeout = strikeout;
        }

        // 7
        for (TextSlot slot : kAllTextSlots) {
            const std::string_view section = kSlotSections[static_cast<std::size_t>(slot)];
            const std::optional<std::string> code = profile.find(section, "align");
            design.applyAlignment(
                slot, code ? alignmentFromCode(StringToInteger(*code)) : TextAlignment::Center);
        }

        // 8
        design.folderBackground = TextToColor(read("backg", "fold", "clWhite"));
        design.caseBackground = TextToColor(read("backg", "case", "clWhite"));
        design.sideBackground = TextToColor(read("backg", "side", "clWhite"));

        // 9
        design.applyPlacement(placementFromCode(StringToInteger(read("image", "sel", "0"))));

        // 10
        if (design.imagePlacement != ImagePlacement::None) {
            const std::string path = read("image", "imgpath", "(none)");
            if (images) {
                if (!path.empty())
                    images->selectImageFile(design, path);
                images->loadChosenImage(design);
            } else if (!path.empty()) {
                design.imagePath = path;
            }
        }

        // 11
        fontsShown = true;
        design.refreshFontsPage();
    } catch (...) {
        if (!textShown)
            design.notifyTextReplaced();
        if (!fontsShown)
            design.refreshFontsPage();
        throw;
    }
}

void readDesignFile(CaseDesign &design, const std::string &fileName, ImageFileChooser *images)
{
    // The whole file is read before step 1, so a file that cannot be read changes nothing.
    const ProfileFile profile = ProfileFile::load(fileName);
    readDesignProfile(design, profile, images);
}
