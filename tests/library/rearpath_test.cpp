#include "library/rearpath.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "testrecordings.h"

namespace fs = std::filesystem;

class RearPath : public TempDirTest {};

TEST_F(RearPath, SameFolderFirstThenSiblingFolderNeverTheFrontItself) {
    for (const char* f :
         {"same/FILE0001F.mp4", "same/FILE0001R.mp4", "both/F/X0001F.MP4", "both/F/X0001R.MP4",
          "both/R/X0001R.MP4", "MovieF/MOVI0005F.AVI", "MovieR/MOVI0005R.AVI", "MovieF/LONE0001F.AVI",
          "rearonly/MOVI0009R.AVI", "MovieR/ALONE001R.AVI", "noext/FILE0001F", "case/FILE0001F.MP4",
          "case/FILE0001R.mp4", "lnk/FILE0001F.mp4", "dotfolder.d/FILE0001F", "dotfoldeR.d/FILE0001F",
          "folder/FILE0002F.mp4"}) {
        Write(f, "x");
    }
    fs::create_directories(dir_ + "/folder/FILE0002R.mp4");            // a folder, not a file
    fs::create_symlink("FILE0001F.mp4", dir_ + "/lnk/FILE0001R.mp4");  // a link to the front itself
    ASSERT_EQ(::mkfifo((dir_ + "/same/FIFO0001F.mp4").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((dir_ + "/same/FIFO0001R.mp4").c_str(), 0600), 0);

    const std::string d = dir_;
    struct Case {
        std::string front, rear;
    } cases[] = {
        {d + "/same/FILE0001F.mp4", d + "/same/FILE0001R.mp4"},
        // The same folder wins over the sibling folder.
        {d + "/both/F/X0001F.MP4", d + "/both/F/X0001R.MP4"},
        {d + "/MovieF/MOVI0005F.AVI", d + "/MovieR/MOVI0005R.AVI"},
        // Doubled separators, as a walk root ending in '/' with an empty sub-folder gives.
        {d + "/MovieF///MOVI0005F.AVI", d + "/MovieR///MOVI0005R.AVI"},
        {d + "/MovieF//MOVI0005F.AVI", d + "/MovieR//MOVI0005R.AVI"},
        {d + "/MovieF/LONE0001F.AVI", ""},
        // A rear file alone is never its own rear.
        {d + "/same/FILE0001R.mp4", ""},
        {d + "/MovieR/MOVI0005R.AVI", ""},
        {d + "/rearonly/MOVI0009R.AVI", ""},
        {d + "/MovieR/ALONE001R.AVI", ""},
        // One character differs, nothing more: another extension case is another file.
        {d + "/case/FILE0001F.MP4", ""},
        // No extension in the base name (the dot of a folder does not count).
        {d + "/noext/FILE0001F", ""},
        {d + "/dotfolder.d/FILE0001F", ""},
        {d + "/lnk/FILE0001F.mp4", ""},
        {d + "/folder/FILE0002F.mp4", ""},
        {d + "/same/FIFO0001F.mp4", ""},
        {d + "/missing/FILE0001F.mp4", ""},
        {"FILE0001F.mp4", ""},
        {"/.mp4", ""},
        {"/", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(DeriveRearPath(c.front), c.rear) << c.front;
}
