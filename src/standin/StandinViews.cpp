#include "StandinViews.h"

#include "StandinError.h"

#include "core/text/EightBitText.h"

namespace standin {

namespace {
constexpr int ContactViewType = 1;
}

StandinViews::StandinViews(StateFile state) : m_state(std::move(state)) {}

act::Result<std::shared_ptr<act::ContactView>> StandinViews::Create(int viewType, const std::string&) {
    if (viewType != ContactViewType)
        return makeError(ErrorCode::OutOfRange, "there is no view of type " + std::to_string(viewType));
    return std::shared_ptr<act::ContactView>(std::make_shared<StandinContactView>(m_state));
}

StandinContactView::StandinContactView(StateFile state) : m_state(std::move(state)) {}

act::Result<std::string> StandinContactView::GetCurrentId() {
    act::Result<StateData> state = m_state.read();
    if (!state)
        return state.error();
    return core::eightbit::validUtf8(state.value().current());
}

} // namespace standin
