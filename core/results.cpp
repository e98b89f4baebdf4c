#include "core/results.h"

#include "core/calibration.h"

namespace lumitrak {

std::string resultsLine(const PhotometrySheet& sheet) {
    std::string line;
    for (std::size_t i = 0; i < kResultCaptions.size(); ++i) {
        const ResultCaption& result = kResultCaptions[i];
        const std::string_view caption = sheet.*result.caption;
        if (i > 0) line += '\t';
        line += result.fitLine ? captionNumberText(caption) : caption;
    }
    return line;
}

}  // namespace lumitrak
