// The own state of each subject's simulations, kept while other simulations are shown.
#pragma once

#include "sims/rainbow/rainbow_state.h"

namespace viv {

struct SimStates {
    RainbowState Rainbow;
};

}  // namespace viv
