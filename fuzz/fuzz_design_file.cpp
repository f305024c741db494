// libFuzzer target: a design file load on any bytes. A load ends cleanly or with the program's
// own error; a design that loaded is written and read back unchanged.
#include "DesignFile.h"
#include "ProfileFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

class FuzzChooser : public ImageFileChooser
{
public:
    void selectImageFile(CaseDesign &, const std::string &path) override
    {
        if (path.size() % 3 == 0) // some paths name no file
            throw EFileError("No such file");
        chosen_ = path;
    }
    void loadChosenImage(CaseDesign &design) override { design.imagePath = chosen_; }

private:
    std::string chosen_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    CaseDesign design;
    FuzzChooser chooser;
    try {
        readDesignProfile(design, ProfileFile::parse(bytes), &chooser);
    } catch (const EConvertError &) {
        return 0;
    } catch (const EFileError &) {
        return 0;
    }

    ProfileFile written;
    writeDesignProfile(design, written);
    CaseDesign loaded;
    loaded.setFields(design.fields());
    readDesignProfile(loaded, ProfileFile::parse(written.toBytes()), nullptr);
    DesignFields expected = design.fields();
    expected.modified = loaded.modified;
    if (loaded.fields() != expected)
        std::abort();
    return 0;
}
