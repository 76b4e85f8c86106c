#pragma once

#include <string>
#include <vector>

// The rear camera's file that belongs to a front recording. Two-camera recorders write it beside the front
// file with the base name's last character replaced by 'R' (FILE0001F.mp4, FILE0001R.mp4), or in a sibling
// folder whose name ends in 'R' as well (MovieF/MOVI0005F.AVI, MovieR/MOVI0005R.AVI); the same folder is
// tried first. '/' separates the path's levels; doubled separators (as in VideoFileInfo::FullPath) are
// passed over when the parent folder is looked for.
//
// Empty when no regular file exists at either place, when the base name has no extension, and whenever
// the place found is the front file itself (a rear file given alone, or a case-insensitive file system
// answering for the front's own name): a rear file then plays alone.
std::string DeriveRearPath(const std::string& frontPath);

struct VideoFileInfo;

// Gives every recording whose rear file exists (DeriveRearPath of its path) that file as its rear, and
// takes a rear file that was listed on its own out of the list. Each file belongs to one recording at most:
// when several could claim the same rear (a third camera's file ends in another letter), a name whose base
// ends in 'F' comes first, then the list's order. A rear whose front is missing stays listed.
void PairRearFiles(std::vector<VideoFileInfo>& recordings);
