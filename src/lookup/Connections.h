#ifndef Q5X_LOOKUP_CONNECTIONS_H
#define Q5X_LOOKUP_CONNECTIONS_H

#include <maya/MFn.h>
#include <maya/MObject.h>

// The first node, over a node's connected plugs in plug order, that is connected into them
// (`Direction::Into`: a source) or that they connect to (`Direction::From`: a destination), and
// that is exactly of `type` (or has its function set, with `FnMatch::HasFn`). A null object when
// none is.
enum class Direction { Into, From };
enum class FnMatch { Exactly, HasFn };
MObject firstConnectedNode(const MObject& node, Direction direction, MFn::Type type, FnMatch match = FnMatch::Exactly);

#endif
