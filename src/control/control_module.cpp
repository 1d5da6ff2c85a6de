// The module's start and exit.
#include "control/control_module.h"

#include "properties/property_registry.h"

namespace ramulo {

namespace control_module {

void start() {
    nx::initPropertySystem();
}

void exit() {
    CPropertyRegistry::destroyInstance();
}

}

}  // namespace ramulo  // namespace control_module
