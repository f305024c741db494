#pragma once

#include "ColorText.h"
#include "Picture.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

enum class TextSlot { FolderTitle = 0, FolderContents = 1, CaseTitle = 2, CaseContents = 3 };
inline constexpr std::array<TextSlot, 4> kAllTextSlots{TextSlot::FolderTitle,
    TextSlot::FolderContents, TextSlot::CaseTitle, TextSlot::CaseContents};

// File codes 0, 1, 2.
enum class TextAlignment { Left = 0, Center = 1, Right = 2 };

// File codes 0 to 3.
enum class ImagePlacement { None = 0, FolderOnly = 1, CaseOnly = 2, Both = 3 };

// Windows character-set codes, as the font dialog reports them with a font.
inline constexpr int ANSI_CHARSET = 0;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SYMBOL_CHARSET = 2;

inline constexpr const char *kUntitled = "Untitled";
inline constexpr std::size_t kMaxFontNameChars = 31;

struct TextStyle
{
    std::string fontName = "Arial";
    int size = 18; // whole points
    TColor color = clBlack;
    bool bold = true;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    TextAlignment alignment = TextAlignment::Center;
    int charset = ANSI_CHARSET; // not stored in the design file

    // An empty name leaves the current one; a longer one is cut to 31 characters (not bytes).
    void setFontName(const std::string &name);

    bool operator==(const TextStyle &) const = default;
};

// Cuts UTF-8 text to at most maxChars characters without splitting a multi-byte sequence.
std::string cutToCharacters(const std::string &text, std::size_t maxChars);

// Everything the design holds, as plain values.
struct DesignFields
{
    std::string title;
    std::vector<std::string> contents;
    std::array<TextStyle, 4> styles{
        TextStyle{"Arial", 18, clBlack, true, false, false, false, TextAlignment::Center,
            ANSI_CHARSET},
        TextStyle{"Arial", 10, clBlack, true, false, false, false, TextAlignment::Center,
            DEFAULT_CHARSET},
        TextStyle{"Arial", 18, clBlack, true, false, false, false, TextAlignment::Center,
            ANSI_CHARSET},
        TextStyle{"Arial", 10, clBlack, true, false, false, false, TextAlignment::Center,
            DEFAULT_CHARSET},
    };
    TColor folderBackground = clWhite;
    TColor caseBackground = clWhite;
    TColor sideBackground = clBlack; // both spines
    TColor sideTitleColor = clWhite; // both side titles; not stored in the design file
    ImagePlacement imagePlacement = ImagePlacement::None;
    std::string imagePath;
    std::shared_ptr<const Picture> picture;
    std::string fileName = kUntitled;
    bool modified = false;

    TextStyle &style(TextSlot slot) { return styles[static_cast<std::size_t>(slot)]; }
    const TextStyle &style(TextSlot slot) const { return styles[static_cast<std::size_t>(slot)]; }

    bool operator==(const DesignFields &) const = default;
};

// The pages that show the design. The design calls them at the steps of its resets and of
// a load where the window would act, so that each step happens in its order. Every hook
// has an empty default so that a page implements only what it shows.
class DesignObserver
{
public:
    virtual ~DesignObserver() = default;
    // The status bar shows the design's file name.
    virtual void fileNameShown(const std::string &fileName) { (void)fileName; }
    // The Image page applies a newly chosen placement (enables or disables its file lists).
    virtual void placementApplied(ImagePlacement placement) { (void)placement; }
    // The Fonts page refresh: colour samples and summary lines follow the design.
    virtual void fontsPageRefresh() { }
    // The title or the contents were replaced (New, Open): the text boxes show them anew.
    virtual void textReplaced() { }
    // The Fonts page applies a newly chosen alignment to the slot's sample.
    virtual void alignmentApplied(TextSlot slot, TextAlignment alignment)
    {
        (void)slot;
        (void)alignment;
    }
};

// The one current design. Not copyable: the pages observe this instance. Copy its
// fields() where a snapshot is needed.
class CaseDesign : public DesignFields
{
public:
    CaseDesign() = default;
    CaseDesign(const CaseDesign &) = delete;
    CaseDesign &operator=(const CaseDesign &) = delete;

    const DesignFields &fields() const { return *this; }
    void setFields(const DesignFields &values) { static_cast<DesignFields &>(*this) = values; }

    void addObserver(DesignObserver *observer);
    void removeObserver(DesignObserver *observer);

    // folder white, spines black, case white, folder texts black, side titles white, case
    // texts black; then the Fonts page refresh; then modified.
    void resetColours();
    // The New command's reset, in the order of its eight steps.
    void resetToNew();

    // A placement chosen as on the Image page: only a change applies it, notifies the page
    // and sets modified (a radio button's handler runs only when its button becomes checked).
    void applyPlacement(ImagePlacement placement);
    // An alignment chosen as on the Fonts page: only a change applies, notifies, sets modified.
    void applyAlignment(TextSlot slot, TextAlignment alignment);

    void setFileName(const std::string &name); // and show it in the status bar
    void showFileName();
    void refreshFontsPage();
    void notifyTextReplaced();

private:
    std::vector<DesignObserver *> observers_;
};
