#include "telemetry/readrecording.h"

#include "telemetry/recordername.h"

SingleRead ReadSingleRecording(const std::string& folder, const std::string& fileName) {
    SingleRead r;
    r.info.rootFolder = folder;
    r.info.name = fileName;
    r.reader = ChooseReaderKind(fileName);
    // The path the catalogue will give the recording for playback, Unlock and Save as: the facts must come
    // from the same file. An empty folder is the root (a file picked as "/NAME"), never the working folder.
    const std::string path = r.info.FullPath();
    FileStatus status;
    auto reader = ChooseReader(fileName);
    reader->SetTarget(&r.info);
    reader->SetFileStatus(&status);
    if (HasGMark(fileName)) r.info.flags |= recording_flags::kMarkedG;
    r.parseResult = reader->Parse(path);
    if (status.attributes & 1) r.info.flags |= recording_flags::kReadOnly;
    return r;
}
