#pragma once

#include "library/recordingcatalogue.h"
#include "playback/dualplayback.h"

// The recording catalogue as the playback controller sees it, with the recorder's rear-file rule.
class CataloguePlayback : public PlaybackCatalogue {
  public:
    explicit CataloguePlayback(RecordingCatalogue& catalogue) : catalogue_(catalogue) {}

    int GetCount() const override { return catalogue_.GetCount(); }
    int GetCurrentIndex() const override { return catalogue_.GetCurrentIndex(); }
    int GetNextIndex() const override { return catalogue_.GetNextIndex(); }
    int Select(int index) override { return catalogue_.Select(index); }
    int SelectGroupEntry(int group, int offset) override {
        return catalogue_.SelectGroupEntry(group, offset);
    }
    std::string GetPath(int index) const override { return catalogue_.GetPath(index); }
    std::string GetCurrentPath() const override { return catalogue_.GetCurrentPath(); }
    VideoSize GetCurrentVideoSize() const override { return catalogue_.GetCurrentVideoSize(); }
    int LoadTelemetry(int index) override { return catalogue_.LoadTelemetry(index); }
    int SyncToTime(std::int64_t timeMs, bool graphShown, bool mapShown) override {
        return catalogue_.SyncToTime(timeMs, graphShown, mapShown);
    }
    void DrawDrivenPath(std::uint32_t timeMs) override { catalogue_.DrawDrivenPath(timeMs); }
    std::string RearPath(const std::string& frontPath) const override;

  private:
    RecordingCatalogue& catalogue_;
};
