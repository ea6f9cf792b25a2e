#ifndef Q5XCHECK_ANIMATIONFILE_H
#define Q5XCHECK_ANIMATIONFILE_H

#include "Report.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

// Reads and checks a companion animation file: the format word, then per character its clips,
// per clip its tracks and per track its keyframes. Track node ids must be among `nodeIds`
// (0, a transform the node table lacked, is a warning).
void checkAnimationFile(const std::vector<std::uint8_t>& bytes, const std::string& file,
                        const std::set<std::uint32_t>& nodeIds, Report& report);

#endif
