// The settings file: the main window's stored choices as tallivo-run reads them, and a section written back and
// read again the same.
#include "FuzzSupport.h"

#include "core/settings/MainWindowChoices.h"
#include "core/settings/SettingsKeys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = fuzz::scratchFile(QStringLiteral("Tallivo.conf"), fuzz::input(data, size));
    core::SettingsStore store(path);
    core::loadMainWindowChoices(store);
    const core::SettingsStore::Pairs pairs = store.GetAllSettings(core::keys::Report);
    if (store.ReplaceSection(core::keys::Report, pairs))
        fuzz::require(store.GetAllSettings(core::keys::Report) == pairs, "a section reads back as it was written");
    return 0;
}
