#include "app/inifile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A settings file is a few hundred bytes. Anything beyond this is not ours: it is read only this far, and
// never rewritten (a rewrite would lose the rest).
constexpr std::size_t kMaxFileSize = 16u << 20;
constexpr std::string_view kBom = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

enum class LineKind { Other, Section, Entry };

// One line of the file: [begin, end) is its text without the line break, next is where the following line
// starts. For a section, name is its name; for an entry, name is the key and [valueBegin, valueEnd) the raw
// value as it stands in the text (blanks trimmed, quotes still on).
struct Line {
    std::size_t begin = 0, end = 0, next = 0;
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::size_t valueBegin = 0, valueEnd = 0;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = text.starts_with(kBom) ? kBom.size() : 0;
    while (pos < text.size()) {
        Line line;
        line.begin = pos;
        const std::size_t nl = text.find('\n', pos);
        line.end = nl == std::string_view::npos ? text.size() : nl;
        line.next = nl == std::string_view::npos ? text.size() : nl + 1;
        if (line.end > line.begin && text[line.end - 1] == '\r') --line.end;
        const std::string_view raw = text.substr(line.begin, line.end - line.begin);
        const std::string_view s = Trim(raw);
        if (s.starts_with('[')) {
            line.kind = LineKind::Section;
            const std::size_t close = s.find(']');
            line.name =
                Trim(s.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
        } else if (!s.empty() && s.front() != ';' && s.front() != '#') {
            const std::size_t eq = raw.find('=');
            if (eq != std::string_view::npos) {
                line.kind = LineKind::Entry;
                line.name = Trim(raw.substr(0, eq));
                std::size_t vb = line.begin + eq + 1, ve = line.end;
                while (vb < ve && IsBlank(text[vb])) ++vb;
                while (ve > vb && IsBlank(text[ve - 1])) --ve;
                line.valueBegin = vb;
                line.valueEnd = ve;
            }
        }
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

bool EndsWithBreak(std::string_view text, const Line& line) {
    return text[line.next - 1] == '\n';
}

std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') return v.substr(1, v.size() - 2);
    return v;
}

// The text to store so that reading gives value back exactly; nullopt when that cannot be done on one line.
std::optional<std::string> Quote(std::string_view value) {
    if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return std::nullopt;
    const bool needsQuotes =
        !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()) ||
                           (value.size() >= 2 && value.front() == '"' && value.back() == '"'));
    if (!needsQuotes) return std::string(value);
    std::string quoted;
    quoted.reserve(value.size() + 2);
    quoted += '"';
    quoted += value;
    quoted += '"';
    return quoted;
}

// Index range [first, last) of the lines of the first section called section; first is the header.
std::optional<std::pair<std::size_t, std::size_t>> FindSection(const std::vector<Line>& lines,
                                                               std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Section || !EqualNoCase(lines[i].name, section)) continue;
        std::size_t last = i + 1;
        while (last < lines.size() && lines[last].kind != LineKind::Section) ++last;
        return std::pair{i, last};
    }
    return std::nullopt;
}

std::string SetOne(std::string_view text, std::string_view section, std::string_view key,
                   const std::string& stored) {
    const std::vector<Line> lines = SplitLines(text);
    const std::string_view eol = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    std::string out;
    out.reserve(text.size() + section.size() + key.size() + stored.size() + 8);

    const auto range = FindSection(lines, section);
    if (!range) {
        out.append(text);
        if (!lines.empty()) {
            const Line& tail = lines.back();
            if (!EndsWithBreak(text, tail)) out.append(eol);
            if (!Trim(text.substr(tail.begin, tail.end - tail.begin)).empty())
                out.append(eol);  // blank line between
        }
        out.append("[").append(section).append("]").append(eol);
        out.append(key).append("=").append(stored).append(eol);
        return out;
    }
    const auto [first, last] = *range;
    for (std::size_t i = first + 1; i < last; ++i) {
        const Line& line = lines[i];
        if (line.kind != LineKind::Entry || !EqualNoCase(line.name, key)) continue;
        out.append(text.substr(0, line.valueBegin));
        out.append(stored);
        out.append(text.substr(line.valueEnd));
        return out;
    }
    // A new key goes after the section's last entry, so a comment or blank line that leads into the next
    // section stays where it is.
    std::size_t after = first;
    for (std::size_t i = first + 1; i < last; ++i)
        if (lines[i].kind == LineKind::Entry) after = i;
    const Line& anchor = lines[after];
    out.append(text.substr(0, anchor.next));
    if (!EndsWithBreak(text, anchor)) out.append(eol);  // the last line of a file without a final break
    out.append(key).append("=").append(stored).append(eol);
    out.append(text.substr(anchor.next));
    return out;
}

struct FileRead {
    std::string text;
    bool exists = false;
    bool complete = true;  // false when the file is larger than kMaxFileSize
    struct stat st {};
};

// nullopt when the path exists but cannot be read as a regular file. A FIFO or a device is never opened
// for reading (it could block forever).
std::optional<FileRead> ReadWhole(const std::string& path) {
    FileRead r;
    if (stat(path.c_str(), &r.st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return r;
        return std::nullopt;
    }
    if (!S_ISREG(r.st.st_mode)) return std::nullopt;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    r.exists = true;
    char buf[65536];
    while (true) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        const std::size_t room = kMaxFileSize - r.text.size();
        if (static_cast<std::size_t>(n) > room) {
            r.text.append(buf, room);
            r.complete = false;
            break;
        }
        r.text.append(buf, static_cast<std::size_t>(n));
    }
    close(fd);
    return r;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Where the content really lives: a symbolic link is followed, so the link itself survives the rename.
std::optional<std::string> WriteTarget(const std::string& path) {
    struct stat lst {};
    if (lstat(path.c_str(), &lst) != 0 || !S_ISLNK(lst.st_mode)) return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return std::nullopt;  // a dangling link: leave it alone
    std::string target(resolved);
    std::free(resolved);
    return target;
}

std::size_t CutToChars(std::string_view s, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c & 0xC0) == 0x80) continue;  // continuation byte
        if (chars == maxChars) return i;
        ++chars;
    }
    return s.size();
}

}  // namespace

std::optional<std::string> IniFile::FindValue(std::string_view text, std::string_view section,
                                              std::string_view key) {
    const std::vector<Line> lines = SplitLines(text);
    const auto range = FindSection(lines, section);
    if (!range) return std::nullopt;
    for (std::size_t i = range->first + 1; i < range->second; ++i) {
        const Line& line = lines[i];
        if (line.kind == LineKind::Entry && EqualNoCase(line.name, key))
            return std::string(Unquote(text.substr(line.valueBegin, line.valueEnd - line.valueBegin)));
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::SetValues(std::string_view text, std::string_view section,
                                              std::span<const Entry> entries) {
    std::string out(text);
    for (const Entry& e : entries) {
        const std::optional<std::string> stored = Quote(e.value);
        if (!stored) return std::nullopt;
        out = SetOne(out, section, e.key, *stored);
    }
    return out;
}

int IniFile::ParseInt(std::string_view value, int defaultValue) {
    value = Trim(value);
    if (value.empty()) return defaultValue;
    bool negative = false;
    if (value.front() == '+' || value.front() == '-') {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    std::int64_t n = 0;
    for (char c : value) {
        if (c < '0' || c > '9') break;
        n = n * 10 + (c - '0');
        if (n > static_cast<std::int64_t>(INT_MAX) + 1) break;
    }
    if (negative) n = -n;
    if (n > INT_MAX) return INT_MAX;
    if (n < INT_MIN) return INT_MIN;
    return static_cast<int>(n);
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
    const std::optional<FileRead> file = ReadWhole(path_);
    if (!file || !file->exists) return std::nullopt;
    return FindValue(file->text, section, key);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                std::size_t maxChars) const {
    std::string value = Read(section, key).value_or(std::string(defaultValue));
    value.resize(CutToChars(value, maxChars));
    return value;
}

int IniFile::ReadInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string> value = Read(section, key);
    return value ? ParseInt(*value, defaultValue) : defaultValue;
}

bool IniFile::Write(std::string_view section, std::string_view key, std::string_view value) const {
    const Entry entry{key, value};
    return Write(section, std::span(&entry, 1));
}

bool IniFile::Write(std::string_view section, std::span<const Entry> entries) const {
    const std::optional<std::string> target = WriteTarget(path_);
    if (!target) return false;
    const std::optional<FileRead> old = ReadWhole(*target);
    if (!old || !old->complete) return false;
    // A settings file the user made read-only stays as it is, even for root (who could rename over it).
    if (old->exists && (old->st.st_mode & S_IWUSR) == 0) return false;
    const std::optional<std::string> text = SetValues(old->text, section, entries);
    if (!text) return false;
    if (old->exists && *text == old->text) return true;

    const std::size_t slash = target->rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target->substr(0, slash);
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = *target + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = WriteAll(fd, *text);
    if (ok && old->exists) {
        ok = fchmod(fd, old->st.st_mode & 07777) == 0;
        // Only root can hand the file back to its owner; for anyone else the owner is already right.
        if (ok && geteuid() == 0) (void)fchown(fd, old->st.st_uid, old->st.st_gid);
    }
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), target->c_str()) == 0;
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        (void)fsync(dirFd);
        close(dirFd);
    }
    return true;
}
