#include "DispatchApplication.h"

#include "DispatchViews.h"

namespace act::dispatch {

Result<std::shared_ptr<act::Views>> DispatchApplication::Views() {
    return wrapped<act::Views, DispatchViews>(m_application.object("Views"));
}

} // namespace act::dispatch
