// The simulations of the bow, the drop and the instruments, as catalogue rows.
#pragma once

namespace viv {

class Catalogue;

void AddRainbowSimulations(Catalogue& catalogue);

}  // namespace viv
