#include "export/kmlwriter.h"

#include "export/xmltext.h"

namespace {

constexpr std::size_t kFlushAt = 64 * 1024;

}  // namespace

int KmlWriter::OpenForWrite(const std::string& path) {
    file_ = std::make_unique<fileio::AtomicFile>(path);
    pending_.clear();
    failed_ = false;
    if (!file_->IsOpen()) file_.reset();
    return file_ ? 1 : 0;
}

bool KmlWriter::Flush() {
    if (!failed_ && !file_->Write(pending_)) failed_ = true;
    pending_.clear();
    return !failed_;
}

int KmlWriter::Put(const std::string& text) {
    if (!file_) return 0;
    pending_ += text;
    if (pending_.size() >= kFlushAt) Flush();
    return failed_ ? 0 : 1;
}

int KmlWriter::WriteHeader(const std::string& name, const std::string& description,
                           const std::string& carDescription) {
    if (!file_) return 0;
    return Put(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<kml xmlns=\"http://www.opengis.net/kml/2.2\">\n"
        "  <Document>\n"
        "    <name>" +
        XmlText(name) +
        "</name>\n"
        "\t<description>" +
        XmlText(description) +
        "</description>\n"
        "    <Style id=\"blueLine\">\n"
        "      <LineStyle>\n"
        "        <color>ffff0000</color>\n"
        "        <width>4</width>\n"
        "      </LineStyle>\n"
        "    </Style>\n"
        "    <Placemark>\n"
        "      <name>CAR PATH</name>\n"
        "      <description>GPS Path of Car DV " +
        XmlText(carDescription) +
        "</description>\n"
        "      <styleUrl>#blueLine</styleUrl>\n"
        "      <LineString>\n"
        "        <altitudeMode>relative</altitudeMode>\n"
        "        <coordinates>\n");
}

int KmlWriter::WritePoint(double latitude, double longitude, int altitude) {
    if (!file_) return 0;
    return Put(FixedSix(longitude) + "," + FixedSix(latitude) + "," + std::to_string(altitude) + "\n");
}

int KmlWriter::WriteFooter() {
    if (!file_) return 0;
    Put("\n        </coordinates>\n      </LineString>\n    </Placemark>\n  </Document>\n</kml>\n");
    Flush();
    const std::unique_ptr<fileio::AtomicFile> file = std::move(file_);
    if (failed_ || !file->Commit()) failed_ = true;
    return failed_ ? 0 : 1;
}
