#ifndef Q5X_ANIMATION_ANIMATIONSECTION_H
#define Q5X_ANIMATION_ANIMATIONSECTION_H

#include "model/ExportOptions.h"
#include "model/NodeTable.h"
#include "saveutil/XmlWriter.h"

#include <cstdint>
#include <vector>

// The Animation section from the scene's character sets: each character with source clips an
// animation set, each source clip a clip, each transform its curves animate a track of keyframes
// addressed by node id (0 for a transform the Scene section does not hold, with a warning). With
// "-binaryfiles" the same clips go into `block` (the ".anim" companion's body) instead of `xml`;
// no character set leaves `block` empty. False only when the scene's character sets cannot be
// listed.
bool writeAnimation(const ExportContext& context, const NodeTable& nodes, Q5XSaveUtil::XmlWriter& xml,
                    std::vector<std::uint8_t>& block);

#endif
