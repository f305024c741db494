#include "ProfileFile.h"

#include "FileError.h"
#include "SaveFaults.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// The Windows profile functions trim these from both ends of a line, a key and a value.
bool isTrimmed(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view trim(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isTrimmed(text[begin]))
        ++begin;
    while (end > begin && isTrimmed(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// A NUL ends the text of its line.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::string_view upToNul(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

enum class LineKind { Other, Heading, Key };

struct ParsedLine
{
    LineKind kind = LineKind::Other;
    std::string_view name; // section or key name
    std::string_view value; // for a key line
};

ParsedLine parseLine(std::string_view raw)
{
    ParsedLine parsed;
    const std::string_view line = trim(upToNul(raw));
    if (line.empty() || line.front() == ';')
        return parsed;
    if (line.front() == '[') {
        const std::string_view rest = line.substr(1);
        parsed.kind = LineKind::Heading;
        parsed.name = trim(rest.substr(0, rest.find(']')));
        return parsed;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = trim(line.substr(0, equals));
    parsed.value = trim(line.substr(equals + 1));
    return parsed;
}

// A value as the profile functions return it: one enclosing pair of equal quote marks
// removed, then cut to 2047 characters (not bytes).
std::string valueAsRead(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    std::size_t chars = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if ((static_cast<unsigned char>(value[i]) & 0xC0) != 0x80) {
            if (chars == ProfileFile::kMaxValueChars)
                return std::string(value.substr(0, i));
            ++chars;
        }
    }
    return std::string(value);
}

[[noreturn]] void failWrite(const std::string &fileName)
{
    throw EFileError("Unable to write to " + fileName);
}

[[noreturn]] void failRead(const std::string &fileName)
{
    throw EFileError("Unable to read " + fileName);
}

save_faults::Hook &faultHook()
{
    static save_faults::Hook hook;
    return hook;
}

// True when a test has made this call of a save fail; errno is then set as a failed call sets it.
bool faulted(save_faults::Call call)
{
    const save_faults::Hook &hook = faultHook();
    if (!hook || !hook(call))
        return false;
    errno = EIO;
    return true;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        if (faulted(save_faults::Call::Write))
            return false;
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::atomic<unsigned> tempCounter {0};

std::uint32_t keyHash(std::string_view name)
{
    // FNV-1a over the lower-case bytes, folded to 32 bits.
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : name) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

// Numbers up to this go into a section's dense table (above the most contents lines a design
// can hold).
constexpr std::uint32_t kMaxDenseNumber = 1u << 21;
constexpr std::uint32_t kNotANumber = static_cast<std::uint32_t>(-1);

// The value of a key written as a plain decimal number without leading zeros ("0", "17"), or
// kNotANumber. Other spellings of a number ("017", "+17") are other keys.
std::uint32_t keyNumber(std::string_view key)
{
    if (key.empty() || key.size() > 7 || (key[0] == '0' && key.size() > 1))
        return kNotANumber;
    std::uint32_t value = 0;
    for (char c : key) {
        if (c < '0' || c > '9')
            return kNotANumber;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value <= kMaxDenseNumber ? value : kNotANumber;
}

const char *lineEndText(int end)
{
    static const char *const kEnds[] = {"", "\r\n", "\n", "\r"};
    return kEnds[end];
}

} // namespace

std::string ProfileFile::lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

ProfileFile ProfileFile::load(const std::string &fileName)
{
    struct stat st
    {
    };
    if (::stat(fileName.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return ProfileFile();
        failRead(fileName);
    }
    if (!S_ISREG(st.st_mode) || static_cast<std::size_t>(st.st_size) > kMaxFileBytes)
        failRead(fileName);

    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        failRead(fileName);
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t filled = 0;
    bool ok = true;
    for (;;) {
        if (filled == bytes.size()) {
            // The file may have grown since stat: read on, within the bound.
            if (bytes.size() >= kMaxFileBytes + 1)
                break;
            bytes.resize(std::min(bytes.size() + 65536, kMaxFileBytes + 1));
        }
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (!ok || filled > kMaxFileBytes)
        failRead(fileName);
    bytes.resize(filled);
    return parse(std::move(bytes));
}

ProfileFile ProfileFile::parse(std::string bytes)
{
    ProfileFile profile;
    profile.source_ = decodeFileText(std::move(bytes));
    const std::string_view all(profile.source_);

    std::size_t pos = 0;
    while (pos < all.size()) {
        std::size_t stop = pos;
        while (stop < all.size() && all[stop] != '\r' && all[stop] != '\n')
            ++stop;
        Line line;
        std::size_t next;
        if (stop == all.size()) {
            line.end = LineEnd::None;
            next = stop;
        } else if (all[stop] == '\r' && stop + 1 < all.size() && all[stop + 1] == '\n') {
            line.end = LineEnd::CrLf;
            next = stop + 2;
        } else {
            line.end = all[stop] == '\r' ? LineEnd::Cr : LineEnd::Lf;
            next = stop + 1;
        }
        line.offset = pos;
        line.length = static_cast<std::uint32_t>(stop - pos); // files are far below 4 GB
        const ParsedLine parsed = parseLine(all.substr(pos, stop - pos));
        pos = next;

        if (parsed.kind == LineKind::Heading) {
            Section section;
            section.name.assign(parsed.name);
            section.lines.push_back(line);
            profile.sections_.push_back(std::move(section));
        } else if (profile.sections_.empty()) {
            profile.preamble_.push_back(line);
        } else {
            Section &section = profile.sections_.back();
            line.key = parsed.kind == LineKind::Key;
            if (line.key)
                section.lastKeyLine = section.lines.size();
            section.lines.push_back(line);
        }
    }
    profile.indexSections();
    return profile;
}

std::string_view ProfileFile::textOf(const Line &line) const
{
    return std::string_view(line.added ? added_ : source_).substr(line.offset, line.length);
}

ProfileFile::Line ProfileFile::addedLine(std::string_view text)
{
    Line line;
    line.offset = added_.size();
    line.length = static_cast<std::uint32_t>(text.size());
    line.end = LineEnd::CrLf;
    line.added = true;
    line.key = true;
    added_.append(text);
    return line;
}

void ProfileFile::buildIndex(const Section &section) const
{
    if (section.index.built)
        return;
    section.index.built = true;
    for (std::size_t i = 1; i < section.lines.size(); ++i) {
        if (section.lines[i].key)
            indexKey(section, parseLine(textOf(section.lines[i])).name, i);
    }
}

std::size_t ProfileFile::findHashed(const Section &section, std::string_view key,
                                    std::uint32_t hash) const
{
    const std::vector<KeySlot> &keySlots = section.index.keySlots;
    if (keySlots.empty())
        return kNoLine;
    const std::size_t mask = keySlots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const KeySlot &slot = keySlots[i];
        if (slot.linePlusOne == 0)
            return kNoLine;
        if (slot.hash == hash) {
            const std::size_t line = slot.linePlusOne - 1;
            if (equalsIgnoringAsciiCase(parseLine(textOf(section.lines[line])).name, key))
                return line;
        }
    }
}

std::size_t ProfileFile::findKey(const Section &section, std::string_view key) const
{
    buildIndex(section);
    const KeyIndex &index = section.index;
    const std::uint32_t number = keyNumber(key);
    if (number != kNotANumber) {
        if (number < index.numbered.size() && index.numbered[number] != 0)
            return index.numbered[number] - 1;
        if (index.hashedNumbers == 0)
            return kNoLine;
    }
    return findHashed(section, key, keyHash(key));
}

void ProfileFile::indexKey(const Section &section, std::string_view key, std::size_t line) const
{
    if (findKey(section, key) != kNoLine)
        return; // a duplicate: the first line of a key wins
    KeyIndex &index = section.index;
    const auto linePlusOne = static_cast<std::uint32_t>(line + 1);
    const std::uint32_t number = keyNumber(key);
    if (number != kNotANumber) {
        // The dense table grows only while at least half of it is in use, so a lone key
        // "2000000" cannot make it big.
        if (number < index.numbered.size() || number < 2 * (index.numberedKeys + 1) + 64) {
            if (number >= index.numbered.size())
                index.numbered.resize(std::max<std::size_t>(number + 1, index.numbered.size() * 2));
            index.numbered[number] = linePlusOne;
            ++index.numberedKeys;
            return;
        }
        ++index.hashedNumbers;
    }

    std::vector<KeySlot> &keySlots = index.keySlots;
    if ((index.hashedKeys + 1) * 2 > keySlots.size()) {
        std::vector<KeySlot> old = std::move(keySlots);
        keySlots.assign(std::max<std::size_t>(16, old.size() * 2), KeySlot {});
        const std::size_t mask = keySlots.size() - 1;
        for (const KeySlot &slot : old) {
            if (slot.linePlusOne == 0)
                continue;
            std::size_t i = slot.hash & mask;
            while (keySlots[i].linePlusOne != 0)
                i = (i + 1) & mask;
            keySlots[i] = slot;
        }
    }
    const std::uint32_t hash = keyHash(key);
    const std::size_t mask = keySlots.size() - 1;
    std::size_t i = hash & mask;
    while (keySlots[i].linePlusOne != 0)
        i = (i + 1) & mask;
    keySlots[i] = KeySlot {hash, linePlusOne};
    ++index.hashedKeys;
}

void ProfileFile::indexSections()
{
    sectionIndex_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i)
        sectionIndex_.try_emplace(lowerAscii(sections_[i].name), i);
}

const ProfileFile::Section *ProfileFile::findSection(std::string_view name) const
{
    const auto it = sectionIndex_.find(lowerAscii(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

ProfileFile::Section *ProfileFile::findSection(std::string_view name)
{
    const auto it = sectionIndex_.find(lowerAscii(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

std::optional<std::string> ProfileFile::find(std::string_view section, std::string_view key) const
{
    const Section *s = findSection(section);
    if (!s)
        return std::nullopt;
    const std::size_t line = findKey(*s, key);
    if (line == kNoLine)
        return std::nullopt;
    return valueAsRead(parseLine(textOf(s->lines[line])).value);
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const
{
    std::optional<std::string> value = find(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

void ProfileFile::writeString(std::string_view section, std::string_view key,
                              std::string_view value)
{
    std::string text;
    auto appendSafe = [&text](std::string_view v) {
        for (char c : v)
            text += (c == '\r' || c == '\n' || c == '\0') ? ' ' : c;
    };

    Section *s = findSection(section);
    if (!s) {
        // A new section goes at the end of the file, heading first.
        std::vector<Line> &last = sections_.empty() ? preamble_ : sections_.back().lines;
        if (!last.empty() && last.back().end == LineEnd::None)
            last.back().end = LineEnd::CrLf;
        Section added;
        added.name.assign(section);
        Line heading = addedLine("[" + added.name + "]");
        heading.key = false;
        added.lines.push_back(heading);
        text.assign(key);
        text += '=';
        appendSafe(value);
        added.lines.push_back(addedLine(text));
        added.lastKeyLine = 1;
        added.index.built = true;
        indexKey(added, key, 1);
        sections_.push_back(std::move(added));
        sectionIndex_.try_emplace(lowerAscii(section), sections_.size() - 1);
        return;
    }

    const std::size_t existing = findKey(*s, key);
    if (existing != kNoLine) {
        // Replaced where it stands, under the key's own spelling and with its own line end.
        Line &line = s->lines[existing];
        text.assign(parseLine(textOf(line)).name);
        text += '=';
        appendSafe(value);
        const LineEnd end = line.end;
        line = addedLine(text);
        line.end = end;
        return;
    }

    // A new key goes after the last key line of its section. Only non-key lines follow that
    // line, so the line numbers in the key index stay valid.
    const std::size_t at = s->lastKeyLine + 1;
    if (s->lines[at - 1].end == LineEnd::None)
        s->lines[at - 1].end = LineEnd::CrLf;
    text.assign(key);
    text += '=';
    appendSafe(value);
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), addedLine(text));
    s->lastKeyLine = at;
    indexKey(*s, key, at);
}

void ProfileFile::eraseSection(std::string_view section)
{
    const std::string lower = lowerAscii(section);
    std::erase_if(sections_, [&](const Section &s) { return lowerAscii(s.name) == lower; });
    indexSections();
}

template<typename Sink> void ProfileFile::forEachLineText(Sink &&sink) const
{
    for (const Line &line : preamble_)
        sink(textOf(line), lineEndText(static_cast<int>(line.end)));
    for (const Section &s : sections_) {
        for (const Line &line : s.lines)
            sink(textOf(line), lineEndText(static_cast<int>(line.end)));
    }
}

std::string ProfileFile::toBytes() const
{
    std::size_t size = 0;
    forEachLineText([&size](std::string_view text, const char *) { size += text.size() + 2; });
    std::string text;
    text.reserve(size);
    forEachLineText([&text](std::string_view line, const char *end) {
        text += line;
        text += end;
    });
    return encodeFileText(std::move(text));
}

void ProfileFile::commit(const std::string &fileName) const
{
    namespace fs = std::filesystem;
    std::string target = fileName;

    // Replace the file a symbolic link points to, not the link.
    struct stat st
    {
    };
    if (::lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        std::error_code ec;
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec)
            target = resolved.string();
    }
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        // A read-only file stays as it is, even for a user whom permissions do not stop.
        if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            failWrite(fileName);
    } else if (errno != ENOENT) {
        failWrite(fileName);
    }

    // An ASCII file is the same in Windows-1252: it is written line by line through a small
    // buffer instead of being assembled in memory first.
    bool ascii = true;
    forEachLineText([&ascii](std::string_view text, const char *) {
        for (char c : text)
            ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    });
    const std::string bytes = ascii ? std::string() : toBytes();

    const fs::path targetPath(target);
    const fs::path folder = targetPath.has_parent_path() ? targetPath.parent_path() : fs::path(".");
    std::string tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        // Appended piece by piece: GCC 12 warns wrongly about "." + std::string (-Wrestrict).
        std::string name = ".";
        name += targetPath.filename().string();
        name += ".tmp";
        name += std::to_string(::getpid());
        name += '-';
        name += std::to_string(tempCounter.fetch_add(1));
        tempName = (folder / name).string();
        fd = faulted(save_faults::Call::Open)
            ? -1
            : ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            failWrite(fileName);
    }
    if (fd < 0)
        failWrite(fileName);

    bool ok = true;
    if (exists) {
        ok = !faulted(save_faults::Call::Chmod) && ::fchmod(fd, st.st_mode & 07777) == 0;
        if (ok && ::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Only a privileged user can give the file back to its owner; keeping it is fine.
        }
    }
    if (ascii) {
        constexpr std::size_t kChunk = 1u << 20;
        std::string buffer;
        buffer.reserve(kChunk + 4096);
        forEachLineText([&](std::string_view text, const char *end) {
            if (!ok)
                return;
            if (buffer.size() + text.size() > kChunk) {
                ok = writeAll(fd, buffer);
                buffer.clear();
            }
            if (text.size() > kChunk)
                ok = ok && writeAll(fd, text);
            else
                buffer += text;
            buffer += end;
        });
        ok = ok && writeAll(fd, buffer);
    } else {
        ok = ok && writeAll(fd, bytes);
    }
    ok = ok && !faulted(save_faults::Call::Sync) && ::fsync(fd) == 0;
    const bool closeFaulted = faulted(save_faults::Call::Close);
    ok = ::close(fd) == 0 && !closeFaulted && ok;
    ok = ok && !faulted(save_faults::Call::Rename)
        && ::rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempName.c_str());
        failWrite(fileName);
    }
    // Make the rename itself durable; a failure here no longer affects the file's content.
    const int dirFd = faulted(save_faults::Call::SyncFolder)
        ? -1
        : ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

void save_faults::setHook(Hook hook)
{
    faultHook() = std::move(hook);
}
