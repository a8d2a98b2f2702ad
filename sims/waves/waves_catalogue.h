// The simulations of refraction, interference, slits, spectra and the Doppler effect, as catalogue rows.
#pragma once

namespace viv {

class Catalogue;

void AddWaveSimulations(Catalogue& catalogue);

}  // namespace viv
