// The settings file: read whole, written back and read again the same; and the main window's stored choices as
// tallivo-run reads them from it.
#include "FuzzSupport.h"

#include "core/settings/IniFormat.h"
#include "core/settings/MainWindowChoices.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace core;
    const QByteArray bytes = fuzz::input(data, size);
    const ini::Parsed parsed = ini::parse(bytes);
    if (parsed.problem.isEmpty()) {
        QString why;
        const QByteArray written =
            ini::format(parsed.sections, fuzz::scratchPath(QStringLiteral("written.conf")), &why);
        const ini::Parsed again = ini::parse(written);
        fuzz::require(why.isEmpty() && again.problem.isEmpty() && again.sections == parsed.sections,
                      "settings read are written so that they read back the same");
    }
    SettingsStore store(fuzz::scratchFile(QStringLiteral("Tallivo.conf"), bytes));
    loadMainWindowChoices(store);
    return 0;
}
