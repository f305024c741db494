#include "ProfileFile.h"

#include "FileError.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

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

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
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
    return parse(bytes);
}

ProfileFile ProfileFile::parse(std::string_view bytes)
{
    ProfileFile profile;
    const std::string text = decodeFileText(bytes);
    const std::string_view all(text);

    std::size_t pos = 0;
    while (pos < all.size()) {
        std::size_t stop = all.find_first_of("\r\n", pos);
        Line line;
        std::size_t next;
        if (stop == std::string_view::npos) {
            stop = all.size();
            line.end = LineEnd::None;
            next = stop;
        } else if (all[stop] == '\r' && stop + 1 < all.size() && all[stop + 1] == '\n') {
            line.end = LineEnd::CrLf;
            next = stop + 2;
        } else {
            line.end = all[stop] == '\r' ? LineEnd::Cr : LineEnd::Lf;
            next = stop + 1;
        }
        line.text.assign(all.substr(pos, stop - pos));
        pos = next;

        const ParsedLine parsed = parseLine(line.text);
        if (parsed.kind == LineKind::Heading) {
            Section section;
            section.name.assign(parsed.name);
            section.lines.push_back(std::move(line));
            profile.sections_.push_back(std::move(section));
            continue;
        }
        if (profile.sections_.empty()) {
            profile.preamble_.push_back(std::move(line));
            continue;
        }
        Section &section = profile.sections_.back();
        if (parsed.kind == LineKind::Key) {
            section.keys.try_emplace(lowerAscii(parsed.name), section.lines.size());
            section.lastKeyLine = section.lines.size();
        }
        section.lines.push_back(std::move(line));
    }
    profile.indexSections();
    return profile;
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
    const auto it = s->keys.find(lowerAscii(key));
    if (it == s->keys.end())
        return std::nullopt;
    return valueAsRead(parseLine(s->lines[it->second].text).value);
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
    std::string safeValue(value);
    for (char &c : safeValue) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }

    Section *s = findSection(section);
    if (!s) {
        // A new section goes at the end of the file, heading first.
        std::vector<Line> &last = sections_.empty() ? preamble_ : sections_.back().lines;
        if (!last.empty() && last.back().end == LineEnd::None)
            last.back().end = LineEnd::CrLf;
        Section added;
        added.name.assign(section);
        added.lines.push_back(Line {"[" + added.name + "]", LineEnd::CrLf});
        added.lines.push_back(Line {std::string(key) + "=" + safeValue, LineEnd::CrLf});
        added.keys.emplace(lowerAscii(key), 1);
        added.lastKeyLine = 1;
        sections_.push_back(std::move(added));
        sectionIndex_.try_emplace(lowerAscii(section), sections_.size() - 1);
        return;
    }

    const std::string lowerKey = lowerAscii(key);
    const auto it = s->keys.find(lowerKey);
    if (it != s->keys.end()) {
        Line &line = s->lines[it->second];
        const std::string spelling(parseLine(line.text).name);
        line.text = spelling + "=" + safeValue;
        return;
    }

    // A new key goes after the last key line of its section. Only non-key lines follow that
    // line, so the indices of the section's keys stay valid.
    const std::size_t at = s->lastKeyLine + 1;
    if (s->lines[at - 1].end == LineEnd::None)
        s->lines[at - 1].end = LineEnd::CrLf;
    s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at),
                    Line {std::string(key) + "=" + safeValue, LineEnd::CrLf});
    s->keys.emplace(lowerKey, at);
    s->lastKeyLine = at;
}

void ProfileFile::eraseSection(std::string_view section)
{
    const std::string lower = lowerAscii(section);
    std::erase_if(sections_, [&](const Section &s) { return lowerAscii(s.name) == lower; });
    indexSections();
}

std::string ProfileFile::toBytes() const
{
    std::string text;
    std::size_t size = 0;
    auto measure = [&size](const std::vector<Line> &lines) {
        for (const Line &line : lines)
            size += line.text.size() + 2;
    };
    measure(preamble_);
    for (const Section &s : sections_)
        measure(s.lines);
    text.reserve(size);

    auto append = [&text](const std::vector<Line> &lines) {
        for (const Line &line : lines) {
            text += line.text;
            switch (line.end) {
            case LineEnd::None:
                break;
            case LineEnd::CrLf:
                text += "\r\n";
                break;
            case LineEnd::Lf:
                text += '\n';
                break;
            case LineEnd::Cr:
                text += '\r';
                break;
            }
        }
    };
    append(preamble_);
    for (const Section &s : sections_)
        append(s.lines);
    return encodeFileText(text);
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

    const std::string bytes = toBytes();

    const fs::path targetPath(target);
    const fs::path folder = targetPath.has_parent_path() ? targetPath.parent_path() : fs::path(".");
    std::string tempName;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempName = (folder
                    / ("." + targetPath.filename().string() + ".tmp" + std::to_string(::getpid())
                       + "-" + std::to_string(tempCounter.fetch_add(1))))
                       .string();
        fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            failWrite(fileName);
    }
    if (fd < 0)
        failWrite(fileName);

    bool ok = true;
    if (exists) {
        ok = ::fchmod(fd, st.st_mode & 07777) == 0;
        if (ok && ::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Only a privileged user can give the file back to its owner; keeping it is fine.
        }
    }
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tempName.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempName.c_str());
        failWrite(fileName);
    }
    // Make the rename itself durable; a failure here no longer affects the file's content.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}
