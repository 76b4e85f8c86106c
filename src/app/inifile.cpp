#include "app/inifile.h"

#include "fileio/fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <string>

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

// The line that starts at pos (pos < text.size()).
Line ParseLine(std::string_view text, std::size_t pos) {
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
        line.name = Trim(s.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
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
    return line;
}

std::size_t FirstLine(std::string_view text) {
    return text.starts_with(kBom) ? kBom.size() : 0;
}

// The lines of the first section called section, found in one pass without a table of the file's lines (a
// file of millions of short lines stays cheap): its header, its last entry (the header when it has none), and
// its first entry called key, if any. The search stops at the end of that section.
struct SectionScan {
    std::optional<Line> header;
    Line lastEntry;
    std::optional<Line> entry;
};

// The start of the line after the one holding pos.
std::size_t NextLineStart(std::string_view text, std::size_t pos) {
    const std::size_t nl = text.find('\n', pos);
    return nl == std::string_view::npos ? text.size() : nl + 1;
}

SectionScan ScanSection(std::string_view text, std::string_view section, std::string_view key) {
    SectionScan scan;
    for (std::size_t pos = FirstLine(text); pos < text.size();) {
        // Blank lines and, before the section, every line that is not a section header are passed over
        // without parsing them.
        std::size_t c = pos;
        while (c < text.size() && IsBlank(text[c])) ++c;
        if (c == text.size()) break;
        if (text[c] == '\n') {
            pos = c + 1;
            continue;
        }
        if (!scan.header && text[c] != '[') {
            pos = NextLineStart(text, c);
            continue;
        }
        const Line line = ParseLine(text, pos);
        pos = line.next;
        if (!scan.header) {
            if (line.kind == LineKind::Section && EqualNoCase(line.name, section)) {
                scan.header = line;
                scan.lastEntry = line;
            }
            continue;
        }
        if (line.kind == LineKind::Section) break;
        if (line.kind != LineKind::Entry) continue;
        scan.lastEntry = line;
        if (EqualNoCase(line.name, key)) {
            scan.entry = line;
            break;
        }
    }
    return scan;
}

// The file's last line, if it has one.
std::optional<Line> LastLine(std::string_view text) {
    const std::size_t first = FirstLine(text);
    if (first >= text.size()) return std::nullopt;
    const std::size_t nl = text.size() >= 2 ? text.rfind('\n', text.size() - 2) : std::string_view::npos;
    return ParseLine(text, nl == std::string_view::npos || nl < first ? first : nl + 1);
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

std::string SetOne(std::string_view text, std::string_view section, std::string_view key,
                   const std::string& stored) {
    const SectionScan scan = ScanSection(text, section, key);
    const std::string_view eol = text.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
    std::string out;
    out.reserve(text.size() + section.size() + key.size() + stored.size() + 8);

    if (!scan.header) {
        out.append(text);
        if (const std::optional<Line> last = LastLine(text)) {
            const Line& tail = *last;
            if (!EndsWithBreak(text, tail)) out.append(eol);
            if (!Trim(text.substr(tail.begin, tail.end - tail.begin)).empty())
                out.append(eol);  // blank line between
        }
        out.append("[").append(section).append("]").append(eol);
        out.append(key).append("=").append(stored).append(eol);
        return out;
    }
    if (scan.entry) {
        out.append(text.substr(0, scan.entry->valueBegin));
        out.append(stored);
        out.append(text.substr(scan.entry->valueEnd));
        return out;
    }
    // A new key goes after the section's last entry, so a comment or blank line that leads into the next
    // section stays where it is.
    const Line& anchor = scan.lastEntry;
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
    const fileio::UniqueFd fd = fileio::OpenForReading(path, &r.st);
    if (!fd) return std::nullopt;
    r.exists = true;
    if (!fileio::ReadToEnd(fd.Get(), r.text, kMaxFileSize, &r.complete)) return std::nullopt;
    return r;
}

// Rewrites the file where it is, for a file we may write in a folder we may not (or a file someone else
// owns, which a rename would take over). Space for the new content is reserved first, so a full disk fails
// before a byte changes.
bool RewriteInPlace(const std::string& path, const struct stat& old, std::string_view text) {
    struct stat now {};
    fileio::UniqueFd fd = fileio::OpenExistingForWriting(path, &now);
    if (!fd || now.st_ino != old.st_ino || now.st_dev != old.st_dev) return false;
    const auto size = static_cast<off_t>(text.size());
    if (size > now.st_size) {
        const int rc = posix_fallocate(fd.Get(), 0, size);
        if (rc != 0 && rc != EOPNOTSUPP && rc != EINVAL) return false;
    }
    return fileio::WriteAll(fd.Get(), text) && ftruncate(fd.Get(), size) == 0 && fsync(fd.Get()) == 0 &&
           fd.Close();
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
    const SectionScan scan = ScanSection(text, section, key);
    if (!scan.entry) return std::nullopt;
    std::string_view value =
        text.substr(scan.entry->valueBegin, scan.entry->valueEnd - scan.entry->valueBegin);
    // The profile functions hand values out as C strings: a value ends at its first NUL.
    if (const std::size_t nul = value.find('\0'); nul != std::string_view::npos) {
        value = value.substr(0, nul);
        while (!value.empty() && IsBlank(value.back())) value.remove_suffix(1);
    }
    return std::string(Unquote(value));
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
    if (old->exists) {
        // A settings file the user made read-only stays as it is, even for root (who could rename over it).
        if ((old->st.st_mode & S_IWUSR) == 0) return false;
        // Whether we may write it is the file's own permission (owner, group, others, ACLs), not its
        // folder's.
        if (faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0) return false;
    }
    const std::optional<std::string> text = SetValues(old->text, section, entries);
    if (!text) return false;
    if (old->exists && *text == old->text) return true;

    // Replaced through a temporary file beside it, so a crash leaves the old file or the new one, when the
    // folder takes one and the result stays ours: a file of someone else's keeps its owner only when it is
    // written in place (root hands it back below).
    const bool ours = !old->exists || old->st.st_uid == geteuid() || geteuid() == 0;
    if (ours) {
        fileio::AtomicFile file(*target);
        if (file.IsOpen()) {
            bool ok = file.Write(*text);
            if (ok && old->exists) {
                ok = fchmod(file.Fd(), old->st.st_mode & 07777) == 0;
                if (ok && geteuid() == 0) (void)fchown(file.Fd(), old->st.st_uid, old->st.st_gid);
            }
            if (!ok) file.MarkFailed();
            return file.Commit();
        }
        if (!old->exists) return false;
    }
    return RewriteInPlace(*target, old->st, *text);
}
