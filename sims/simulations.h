// Every simulation of the program: the catalogue the program's windows, the scripted mode
// and the tests start the core with.
#pragma once

#include "app/catalogue.h"

namespace viv {

// The full catalogue: the start picture and the rows of every subject. Built once; it
// never changes.
const Catalogue& AllSimulations();

}  // namespace viv
