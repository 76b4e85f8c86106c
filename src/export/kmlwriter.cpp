#include "export/kmlwriter.h"

#include "export/xmltext.h"

int KmlWriter::OpenForWrite(const std::string& path) {
    file_.reset(std::fopen(path.c_str(), "wb"));
    failed_ = false;
    return file_ ? 1 : 0;
}

int KmlWriter::Put(const std::string& text) {
    if (!file_) return 0;
    if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size()) failed_ = true;
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
    if (std::fflush(file_.get()) != 0) failed_ = true;
    if (std::fclose(file_.release()) != 0) failed_ = true;
    return failed_ ? 0 : 1;
}
