// The simulations of the spring, waves on a string, standing waves, sonar and water waves, as catalogue rows.
#pragma once

namespace viv {

class Catalogue;

void AddMechanicsSimulations(Catalogue& catalogue);

}  // namespace viv
