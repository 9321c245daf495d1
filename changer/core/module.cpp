#include "changer/core/module.h"

namespace dek {

ModuleState& Module1() {
    static ModuleState state;
    return state;
}

}  // namespace dek
