// The simulations of the prism, lenses and mirrors and the ice crystal, as catalogue rows.
#pragma once

namespace viv {

class Catalogue;

void AddOpticsSimulations(Catalogue& catalogue);

}  // namespace viv
