#ifndef MAYAHOST_DECIMALNUMBER_H
#define MAYAHOST_DECIMALNUMBER_H

#include <string_view>

namespace mayahost {

// Reads a whole word as a double ("-1.25", "3", "1e-05"), exactly as std::from_chars does; false
// when the word is not one number.
bool parseDecimal(std::string_view text, double& value);

}  // namespace mayahost

#endif
