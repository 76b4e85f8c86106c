#include "card.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "drive.h"
#include "recording.h"
#include "video.h"

namespace fs = std::filesystem;

namespace samplecard {

namespace {

// Bump when the card's content changes, so that older cards are made again.
constexpr const char* kStampText = "orvan-sample-card 1\n";
constexpr int kRecordingSeconds = 60;
constexpr int kTrip1Minutes = 6;
constexpr int kTrip2Minutes = 4;
constexpr int kHardBrakeSecond = 2 * 60 + 20;  // inside the third recording, the locked one

// Trip 1, 09:00: a loop round the Tiergarten from the Brandenburg Gate: Straße des 17. Juni west to the
// Großer Stern, Hofjägerallee south, Tiergartenstraße east, Ebertstraße north back to the gate.
std::vector<Waypoint> TiergartenLoop() {
    return {
        {{52.51620, 13.37640}, 30, 6}, {{52.51625, 13.37400}, 55, 0}, {{52.51610, 13.36500}, 65, 14},
        {{52.51560, 13.35800}, 75, 0}, {{52.51480, 13.35250}, 30, 0}, {{52.51400, 13.35020}, 25, 0},
        {{52.51340, 13.34960}, 50, 0}, {{52.51120, 13.34850}, 55, 0}, {{52.50960, 13.34800}, 40, 10},
        {{52.50930, 13.35400}, 55, 0}, {{52.50900, 13.36100}, 55, 0}, {{52.50950, 13.36900}, 45, 8},
        {{52.51100, 13.37450}, 45, 0}, {{52.51120, 13.37640}, 50, 0}, {{52.51400, 13.37720}, 50, 8},
        {{52.51580, 13.37760}, 30, 0}, {{52.51620, 13.37700}, 20, 0},
    };
}

// Trip 2, 09:35: from the Marienkirche along Karl-Liebknecht-Straße under the railway viaduct to the
// Alexanderplatz, then out along the wide Karl-Marx-Allee to the Frankfurter Tor and beyond.
std::vector<Waypoint> EastWard() {
    return {
        {{52.51980, 13.40420}, 30, 5}, {{52.52150, 13.40950}, 50, 0},  {{52.52250, 13.41250}, 40, 15},
        {{52.52050, 13.41850}, 60, 0}, {{52.51810, 13.42700}, 80, 10}, {{52.51700, 13.43600}, 85, 0},
        {{52.51570, 13.45400}, 50, 0}, {{52.51520, 13.46000}, 50, 0},  {{52.51460, 13.46900}, 30, 0},
    };
}

struct Series {
    const char* frontFolder;
    const char* rearFolder;  // the same folder, or its sibling with the last letter made 'R'
    const char* prefix;      // four characters; the fourth becomes 'G' on a locked recording
    const char* extension;
    const char* format;  // ffmpeg muxer of the clip
};

constexpr Series kMp4{"DCIM/Movie", "DCIM/Movie", "FILE", ".mp4", "mp4"};
constexpr Series kAvi{"DCIM/MovieF", "DCIM/MovieR", "MOVI", ".AVI", "avi"};
constexpr Series kMov{"DCIM/Clip", "DCIM/Clip", "CLIP", ".MOV", "mov"};

struct Slot {
    const Series* series;
    int trip;
    int minute;
};

// Recording n (1-based) of the card, in time order.
constexpr Slot kSlots[] = {
    {&kMp4, 1, 0}, {&kMp4, 1, 1}, {&kMp4, 1, 2}, {&kMp4, 1, 3}, {&kAvi, 1, 4},
    {&kAvi, 1, 5}, {&kMov, 2, 0}, {&kMov, 2, 1}, {&kMov, 2, 2}, {&kMov, 2, 3},
};
constexpr int kLockedNumber = 3;
constexpr int kReadOnlyNumber = 9;

std::string Name(const Series& s, int number, bool front) {
    std::string prefix = s.prefix;
    if (number == kLockedNumber) prefix[3] = 'G';
    char digits[8];
    std::snprintf(digits, sizeof(digits), "%04d", number);
    return prefix + digits + (front ? "F" : "R") + s.extension;
}

fs::path StampOf(const fs::path& dir) {
    return dir.parent_path() / (dir.filename().string() + ".complete");
}

bool IsCompleteCard(const fs::path& dir) {
    std::ifstream in(StampOf(dir));
    std::stringstream text;
    text << in.rdbuf();
    return fs::is_directory(dir) && text.str() == kStampText;
}

// Only a folder that holds nothing but a DCIM folder may be replaced: never someone's own data.
bool IsOurs(const fs::path& dir) {
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(dir, ec)) {
        if (e.path().filename() != "DCIM") return false;
    }
    return !ec;
}

fixtures::Telemetry Slice(const LoggedDrive& drive, int minute) {
    fixtures::Telemetry t;
    const auto gpsFrom = drive.gps.begin() + minute * kRecordingSeconds;
    t.gps.assign(gpsFrom, gpsFrom + kRecordingSeconds);
    const auto gsenFrom = drive.gsen.begin() + minute * kRecordingSeconds * kGsenPerSecond;
    t.gsen.assign(gsenFrom, gsenFrom + kRecordingSeconds * kGsenPerSecond);
    t.gpsPerSecond = 1;
    t.gsenPerSecond = kGsenPerSecond;
    t.rangeG = kRangeG;
    return t;
}

bool Build(const fs::path& root, const fs::path& clips, std::string& error) {
    // One clip per channel and container, reused by every recording: the picture shows the channel's name
    // and the time into the recording.
    fs::create_directories(clips);
    for (const bool front : {true, false}) {
        fixtures::VideoOptions v;
        v.width = 640, v.height = 360, v.fps = 15, v.seconds = kRecordingSeconds;
        v.kbps = 600;  // about 4.5 MB a minute: twenty recordings stay a small card
        v.label = front ? "FRONT" : "REAR";
        v.audio = front;  // the microphone sits in the front camera
        const fs::path mp4 = clips / (v.label + ".mp4");
        if (!fixtures::MakeVideo(mp4.string(), v)) {
            error = "ffmpeg could not make the " + v.label + " clip";
            return false;
        }
        for (const Series* s : {&kAvi, &kMov}) {
            if (!fixtures::CopyVideo(mp4.string(), (clips / (v.label + s->extension)).string(), s->format)) {
                error = std::string("ffmpeg could not copy the clip to ") + s->format;
                return false;
            }
        }
    }

    const LoggedDrive trip1 =
        Simulate(TiergartenLoop(), {kHardBrakeSecond, 0, 4}, kTrip1Minutes * 60, 2024, 6, 14, 9, 0);
    const LoggedDrive trip2 = Simulate(EastWard(), {-1, 30, 6}, kTrip2Minutes * 60, 2024, 6, 14, 9, 35);
    int number = 0;
    for (const Slot& slot : kSlots) {
        ++number;
        const fixtures::Telemetry t = Slice(slot.trip == 1 ? trip1 : trip2, slot.minute);
        for (const bool front : {true, false}) {
            const fs::path folder = root / (front ? slot.series->frontFolder : slot.series->rearFolder);
            fs::create_directories(folder);
            const fs::path out = folder / Name(*slot.series, number, front);
            const fs::path clip = clips / (std::string(front ? "FRONT" : "REAR") + slot.series->extension);
            if (!fixtures::WriteRecording(clip.string(), out.string(), t, &error)) return false;
            if (number == kReadOnlyNumber && front) ::chmod(out.c_str(), 0444);
        }
    }
    return true;
}

}  // namespace

std::vector<CardFile> CardLayout() {
    std::vector<CardFile> files;
    int number = 0;
    for (const Slot& slot : kSlots) {
        ++number;
        for (const bool front : {true, false}) {
            CardFile f;
            f.path = std::string(front ? slot.series->frontFolder : slot.series->rearFolder) + "/" +
                     Name(*slot.series, number, front);
            f.front = front;
            f.locked = number == kLockedNumber;
            f.readOnly = number == kReadOnlyNumber && front;
            f.trip = slot.trip;
            f.minute = slot.minute;
            files.push_back(f);
        }
    }
    return files;
}

bool MakeCard(const std::string& outDir, bool& madeNew, std::string& error) {
    madeNew = false;
    fs::path dir = fs::absolute(outDir).lexically_normal();
    if (dir.filename().empty()) dir = dir.parent_path();  // a trailing '/'
    if (IsCompleteCard(dir)) return true;
    std::error_code ec;
    if (fs::exists(dir) && !IsOurs(dir)) {
        error = dir.string() + " exists and is not a sample card";
        return false;
    }
    const fs::path partial = dir.parent_path() / (dir.filename().string() + ".partial");
    fs::remove_all(partial, ec);
    fs::remove(StampOf(dir), ec);
    try {
        if (!Build(partial, partial / "clips", error)) return false;
        fs::remove_all(partial / "clips");
        fs::remove_all(dir);
        fs::rename(partial, dir);
        std::ofstream(StampOf(dir)) << kStampText;
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    madeNew = true;
    return true;
}

}  // namespace samplecard
