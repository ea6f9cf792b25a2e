#ifndef Q5X_CONTENT_DYNAMICSSECTION_H
#define Q5X_CONTENT_DYNAMICSSECTION_H

#include "saveutil/XmlWriter.h"

#include <cstdint>
#include <map>
#include <string>

// The Dynamics section: every sprite particle shape of the scene as a ParticleSystem that names
// the Dynamic node of its emitter (by the emitter's partial path name in `dynamicIds`), with the
// emission and particle settings in the document's units and milliseconds, and the gravity and
// air fields acting on it. Other render types are passed over with a warning; particles whose
// emitter is no Dynamic node are passed over.
void writeDynamics(double unitScale, const std::map<std::string, std::uint32_t>& dynamicIds, Q5XSaveUtil::XmlWriter& out);

#endif
