#ifndef Q5X_CONTENT_USERATTRIBUTESSECTION_H
#define Q5X_CONTENT_USERATTRIBUTESSECTION_H

#include "model/NodeTable.h"
#include "saveutil/XmlWriter.h"


// The UserAttributes section: for every exported transform, its own extra attributes that are
// not "q5X_" steering attributes, as name, type ("boolean", "integer", "float", "string" or
// "scriptCallback" for a string named "onCreate") and value, so that the engine can read any
// per-node data. Attributes of other kinds, and empty values, are skipped with an error that
// names them.
void writeUserAttributes(const NodeTable& nodes, Q5XSaveUtil::XmlWriter& xml);

#endif
