#include "DesignJson.h"

#include <array>
#include <cstdint>
#include <string>

using json = nlohmann::ordered_json;

namespace {

constexpr std::array<const char *, 4> kSlotKeys {"folderTitle", "folderContents", "caseTitle",
                                                 "caseContents"};
constexpr std::array<const char *, 3> kAlignmentWords {"left", "center", "right"};
constexpr std::array<const char *, 4> kPlacementWords {"none", "folderOnly", "caseOnly", "both"};

[[noreturn]] void fail(const std::string &field, const std::string &problem)
{
    throw DesignJsonError(field + ": " + problem);
}

std::string textOf(const json &value, const std::string &field)
{
    if (!value.is_string())
        fail(field, "must be a text");
    std::string text = value.get<std::string>();
    if (text.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        fail(field, "must not hold a line break");
    return text;
}

bool flagOf(const json &value, const std::string &field)
{
    if (!value.is_boolean())
        fail(field, "must be true or false");
    return value.get<bool>();
}

std::int64_t integerOf(const json &value, const std::string &field, std::int64_t low,
                       std::int64_t high)
{
    if (!value.is_number_integer())
        fail(field, "must be a whole number");
    if (value.is_number_unsigned() && value.get<std::uint64_t>() > static_cast<std::uint64_t>(high))
        fail(field, "is out of range");
    const auto number = value.get<std::int64_t>();
    if (number < low || number > high)
        fail(field, "is out of range");
    return number;
}

// A colour text as the design file holds it, or a number for its 32 bits.
TColor colourOf(const json &value, const std::string &field)
{
    if (value.is_number_integer())
        return static_cast<TColor>(
            static_cast<std::uint32_t>(integerOf(value, field, INT32_MIN, UINT32_MAX)));
    try {
        return TextToColor(textOf(value, field));
    } catch (const EConvertError &e) {
        fail(field, e.what());
    }
}

template<std::size_t N>
std::size_t wordOf(const json &value, const std::string &field,
                   const std::array<const char *, N> &words)
{
    const std::string text = textOf(value, field);
    for (std::size_t i = 0; i < N; ++i) {
        if (text == words[i])
            return i;
    }
    std::string allowed;
    for (const char *word : words)
        allowed += std::string(allowed.empty() ? "" : ", ") + word;
    fail(field, "must be one of " + allowed);
}

const json &objectOf(const json &value, const std::string &field)
{
    if (!value.is_object())
        fail(field, "must be an object");
    return value;
}

void applyStyle(TextStyle &style, const json &object, const std::string &prefix)
{
    for (const auto &[key, value] : objectOf(object, prefix).items()) {
        std::string field = prefix;
        field += '.';
        field += key;
        if (key == "fontName")
            style.setFontName(textOf(value, field));
        else if (key == "size")
            style.size = static_cast<int>(integerOf(value, field, INT32_MIN, INT32_MAX));
        else if (key == "color")
            style.color = colourOf(value, field);
        else if (key == "bold")
            style.bold = flagOf(value, field);
        else if (key == "italic")
            style.italic = flagOf(value, field);
        else if (key == "underline")
            style.underline = flagOf(value, field);
        else if (key == "strikeout")
            style.strikeout = flagOf(value, field);
        else if (key == "alignment")
            style.alignment = static_cast<TextAlignment>(wordOf(value, field, kAlignmentWords));
        else
            fail(field, "is not a field of a text style");
    }
}

} // namespace

json designToJson(const DesignFields &design)
{
    json styles = json::object();
    for (TextSlot slot : kAllTextSlots) {
        const TextStyle &s = design.style(slot);
        styles[kSlotKeys[static_cast<std::size_t>(slot)]] = {
            {"fontName", s.fontName},
            {"size", s.size},
            {"color", ColorToText(s.color)},
            {"bold", s.bold},
            {"italic", s.italic},
            {"underline", s.underline},
            {"strikeout", s.strikeout},
            {"alignment", kAlignmentWords[static_cast<std::size_t>(s.alignment)]},
        };
    }
    json result = json::object();
    result["title"] = design.title;
    result["contents"] = design.contents;
    result["styles"] = styles;
    result["folderBackground"] = ColorToText(design.folderBackground);
    result["caseBackground"] = ColorToText(design.caseBackground);
    result["sideBackground"] = ColorToText(design.sideBackground);
    result["imagePlacement"] = kPlacementWords[static_cast<std::size_t>(design.imagePlacement)];
    result["imagePath"] = design.imagePath;
    return result;
}

void applyDesignJson(DesignFields &design, const json &input)
{
    DesignFields result = design; // the design changes only when all of the JSON is good
    for (const auto &[key, value] : objectOf(input, "design").items()) {
        if (key == "title") {
            result.title = textOf(value, key);
        } else if (key == "contents") {
            if (!value.is_array())
                fail(key, "must be a list of texts");
            result.contents.clear();
            for (std::size_t i = 0; i < value.size(); ++i)
                result.contents.push_back(textOf(value[i], "contents[" + std::to_string(i) + "]"));
        } else if (key == "styles") {
            for (const auto &[slotKey, style] : objectOf(value, key).items()) {
                std::size_t slot = 0;
                while (slot < kSlotKeys.size() && slotKey != kSlotKeys[slot])
                    ++slot;
                if (slot == kSlotKeys.size())
                    fail("styles." + slotKey, "is not a text block");
                applyStyle(result.styles[slot], style, "styles." + slotKey);
            }
        } else if (key == "folderBackground") {
            result.folderBackground = colourOf(value, key);
        } else if (key == "caseBackground") {
            result.caseBackground = colourOf(value, key);
        } else if (key == "sideBackground") {
            result.sideBackground = colourOf(value, key);
        } else if (key == "imagePlacement") {
            result.imagePlacement
                = static_cast<ImagePlacement>(wordOf(value, key, kPlacementWords));
        } else if (key == "imagePath") {
            result.imagePath = textOf(value, key);
        } else {
            fail(key, "is not a field of a design");
        }
    }
    design = std::move(result);
}
