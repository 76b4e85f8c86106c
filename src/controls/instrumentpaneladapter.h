#pragma once

#include "library/views.h"

class CPngCompassStatic;
class CPngStatic;
class CSpeedLabelStatic;
class CStatusBoardStatic;

// The instruments of the top bar as the one InstrumentPanel the catalogue drives: compass, speed display and
// status board, plus the GPS lamp the playback clock lights. The main window owns it beside the widgets,
// which stay owned by their Qt parent and must outlive it.
class InstrumentPanelAdapter : public InstrumentPanel {
  public:
    InstrumentPanelAdapter(CPngCompassStatic& compass, CSpeedLabelStatic& speed, CPngStatic& gpsLamp,
                           CStatusBoardStatic& statusBoard);

    // The start-up state: the compass at 32 x 32 with its eight points, grey north; 0 Km/h; the lamp grey;
    // the status board's blue pattern, hidden.
    void SetUp();

    void SetImageIndex(unsigned n) override;
    void SetHeading(int degrees) override;
    void SetSpeed(std::uint16_t kmh, bool valid) override;
    void ShowProgress(int percent, bool show) override;
    void SetGpsLit(bool lit);

  private:
    CPngCompassStatic& compass_;
    CSpeedLabelStatic& speed_;
    CPngStatic& gpsLamp_;
    CStatusBoardStatic& statusBoard_;
};
