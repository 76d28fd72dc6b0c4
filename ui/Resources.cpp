#include "ui/Resources.h"

#include <QtGlobal>

static void RegisterFerrolabResources() {
    Q_INIT_RESOURCE(ferrolab);
}

namespace ferrolab {

void InitResources() {
    static const bool registered = [] {
        RegisterFerrolabResources();
        return true;
    }();
    (void)registered;
}

} // namespace ferrolab
