#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "bytes.h"
#include "telemetry/records.h"
#include "telemetry/zovvideoparser.h"

// A fresh folder per test, removed afterwards.
class TempDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmpl[] = "/tmp/orvan-test-XXXXXX";
        dir_ = mkdtemp(tmpl);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = dir_ + "/" + name;
        fixtures::WriteFile(path, bytes);
        return path;
    }
    struct Result {
        int rc = 0;
        VideoFileInfo info;
    };
    // Reads the file with the reader its name selects, as the folder walk does.
    Result Parse(const std::string& name, const std::string& bytes) {
        const std::string path = Write(name, bytes);
        Result r;
        auto reader = ChooseReader(name);
        reader->SetTarget(&r.info);
        r.rc = reader->Parse(path);
        return r;
    }
    std::string dir_;
};
