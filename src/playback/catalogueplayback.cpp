#include "playback/catalogueplayback.h"

#include "library/rearpath.h"

std::string CataloguePlayback::RearPath(const std::string& frontPath) const {
    return DeriveRearPath(frontPath);
}
