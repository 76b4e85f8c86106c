#include "telemetry/readrecording.h"

#include "fileio/fileio.h"
#include "telemetry/recordername.h"

SingleRead ReadSingleRecording(const std::string& folder, const std::string& fileName) {
    SingleRead r;
    r.info.rootFolder = folder;
    r.info.name = fileName;
    r.reader = ChooseReaderKind(fileName);
    const std::string path = fileio::JoinPath(folder, fileName);
    FileStatus status;
    auto reader = ChooseReader(fileName);
    reader->SetTarget(&r.info);
    reader->SetFileStatus(&status);
    if (HasGMark(fileName)) r.info.flags |= recording_flags::kMarkedG;
    r.parseResult = reader->Parse(path);
    if (status.attributes & 1) r.info.flags |= recording_flags::kReadOnly;
    return r;
}
