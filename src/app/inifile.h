#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

// One INI file, read and written by the rules of the Windows profile functions the settings were designed
// around: section and key names match without regard to (ASCII) case; a value is the rest of its line, with
// the blanks around it and one pair of enclosing double quotes taken off; where a section or a key appears
// twice, the first one counts. Nothing is cached: every read opens the file again and every write rewrites
// it at once. The file is UTF-8; a UTF-8 byte order mark is skipped.
//
// A write keeps everything else in the file as it was (other sections and keys, comments, blank lines,
// the line-ending style) and replaces the value of the key in place, or adds the key at the end of its
// section, or adds the section at the end of the file. The new content goes to a temporary file in the same
// folder that is renamed over the old one, so a crash leaves either the old file or the new one.
class IniFile {
  public:
    struct Entry {
        std::string_view key;
        std::string_view value;
    };

    explicit IniFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    // nullopt when the file, the section or the key is missing.
    std::optional<std::string> Read(std::string_view section, std::string_view key) const;
    // defaultValue when the key is missing; otherwise its value cut to at most maxChars characters
    // (code points, never in the middle of one).
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue,
                           std::size_t maxChars) const;
    // ParseInt of the value; defaultValue when the key is missing.
    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const;

    // False when nothing was written: no permission to write the file or its folder, the file is not a
    // regular file, a value holds a line break or a NUL, or the disk is full. The entries are applied in
    // order and written together.
    bool Write(std::string_view section, std::span<const Entry> entries) const;
    bool Write(std::string_view section, std::string_view key, std::string_view value) const;

    // The text halves of the above, on a file's whole content.
    static std::optional<std::string> FindValue(std::string_view text, std::string_view section,
                                                std::string_view key);
    // nullopt when a value cannot be stored on one line.
    static std::optional<std::string> SetValues(std::string_view text, std::string_view section,
                                                std::span<const Entry> entries);
    // The profile functions' integer rule: defaultValue for an empty value, else an optional sign and the
    // decimal digits that follow it ("12abc" is 12, "abc" and "0x10" are 0), held to the range of int.
    static int ParseInt(std::string_view value, int defaultValue);

  private:
    std::string path_;
};
