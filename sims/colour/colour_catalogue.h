// The simulations of colour mixing, contrast, colour circles and the afterimage, as catalogue rows.
#pragma once

namespace viv {

class Catalogue;

void AddColourSimulations(Catalogue& catalogue);

}  // namespace viv
