#include "EditorDialogs.h"

#include "core/editor/EditorTexts.h"
#include "core/editor/ValueReader.h"
#include "gui/common/Notice.h"

namespace gui {

void reportUnread(const core::editor::ValueReader& reader, QWidget* owner) {
    if (const QString text = core::texts::unreadInDialog(reader.unread()); !text.isEmpty())
        showNotice(owner, text, MessageIcon::Exclamation);
}

void editFont(core::ReportDefinition& definition, const core::FontKeys& keys, QWidget* owner) {
    core::editor::ValueReader reader(definition);
    const core::FontFormat preset = reader.font(keys);
    reportUnread(reader, owner);
    const std::optional<core::FontFormat> chosen = PlatformService::instance().chooseFont(owner, preset);
    core::editor::writeFont(definition, keys, chosen.value_or(preset));
}

} // namespace gui
