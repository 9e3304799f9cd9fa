#include "common/ApplicationActivation.h"

ApplicationActivation &ApplicationActivation::shared() {
    // Never destroyed: observers may outlive static destruction order.
    static ApplicationActivation *instance = new ApplicationActivation;
    return *instance;
}
