// libFuzzer target: the profile file reader on any bytes, then writes and a re-read.
#include "ProfileFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    ProfileFile profile = ProfileFile::parse(bytes);

    for (const char *section : {"title", "cont", "image", "ftf", "a"}) {
        for (const char *key : {"text", "no", "1", "2", "sel", "imgpath", "name", "k"})
            (void)profile.readString(section, key, "(none)");
    }

    // Whatever the file held, what is written reads back, and foreign lines do not disturb it.
    profile.writeString("title", "text", "written");
    profile.eraseSection("cont");
    profile.writeString("cont", "no", "2");
    profile.writeString("cont", "1", "one");
    profile.writeString("cont", "2", "two \xE2\x82\xAC");
    const ProfileFile again = ProfileFile::parse(profile.toBytes());
    if (again.readString("title", "text", "") != "written"
        || again.readString("cont", "no", "") != "2" || again.readString("cont", "1", "") != "one"
        || again.readString("cont", "2", "") != "two \xE2\x82\xAC"
        || again.readString("cont", "3", "(none)") != "(none)")
        std::abort();
    return 0;
}
