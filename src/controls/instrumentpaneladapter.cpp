#include "controls/instrumentpaneladapter.h"

#include "controls/pngcompassstatic.h"
#include "controls/pngstatic.h"
#include "controls/speedlabelstatic.h"
#include "controls/statusboardstatic.h"

namespace {
constexpr int kCompassPictures[] = {167, 168, 169, 170, 171, 172, 173, 174};  // N, NW, W, SW, S, SE, E, NE
constexpr int kGpsDish = 150;
constexpr int kProgressPattern = 189;
}  // namespace

InstrumentPanelAdapter::InstrumentPanelAdapter(CPngCompassStatic& compass, CSpeedLabelStatic& speed,
                                               CPngStatic& gpsLamp, CStatusBoardStatic& statusBoard)
    : compass_(compass), speed_(speed), gpsLamp_(gpsLamp), statusBoard_(statusBoard) {}

void InstrumentPanelAdapter::SetUp() {
    compass_.resize(32, 32);
    for (const int id : kCompassPictures) compass_.AddImage(id);
    compass_.SetImageIndex(0);
    speed_.SetSpeed(0, true);
    gpsLamp_.setAccessibleName(QStringLiteral("GPS"));
    gpsLamp_.LoadPng(kGpsDish);
    SetGpsLit(false);
    statusBoard_.SetPatternBitmap(kProgressPattern);
    statusBoard_.hide();
}

void InstrumentPanelAdapter::SetImageIndex(unsigned n) {
    compass_.SetImageIndex(n);
}

void InstrumentPanelAdapter::SetHeading(int degrees) {
    compass_.SetHeading(degrees);
}

void InstrumentPanelAdapter::SetSpeed(std::uint16_t kmh, bool valid) {
    speed_.SetSpeed(kmh, valid);
}

void InstrumentPanelAdapter::ShowProgress(int percent, bool show) {
    if (show)
        statusBoard_.SetProgress(percent);
    else
        statusBoard_.hide();
}

void InstrumentPanelAdapter::SetGpsLit(bool lit) {
    gpsLamp_.SetLit(lit);
    gpsLamp_.setAccessibleDescription(lit ? QStringLiteral("Fix") : QStringLiteral("No fix"));
}
