// The module-wide model profile.
#include "devmode/model_profile.h"

namespace kx {

ModelProfile& ActiveModelProfile() {
    static ModelProfile profile;
    return profile;
}

} // namespace kx
