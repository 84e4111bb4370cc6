// The launcher's build from the hand-off a run leaves: the settings file, then NUL, then the data file. The
// template is a sample's; the workbook goes to a scratch file.
#include "FuzzSupport.h"
#include "ReportSupport.h"

#include "report/WorkbookBuild.h"

namespace {

class Quiet : public core::RunFrontEnd {
public:
    void message(const core::RunMessage&) override {}
    void errorBox(const core::ErrorReport&) override {}
    std::optional<QString> chooseCsvFile(const QString&) override { return std::nullopt; }
    void setBusy(bool) override {}
    bool step(const QString&, qint64, qint64) override { return true; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayList parts = fuzz::pieces(fuzz::input(data, size), 2);
    const QString settings = fuzz::scratchFile(QStringLiteral("Tallivo.conf"), parts[0]);
    report::HandOff handOff = report::HandOff::read(core::SettingsStore(settings));
    handOff.reportTemplate = QStringLiteral(TALLIVO_FUZZ_TEMPLATE);
    handOff.dataFile = fuzz::scratchFile(QStringLiteral("data.CSV"), parts[1]);
    const QString target = fuzz::scratchPath(QStringLiteral("report.xlsx"));
    Quiet front;
    if (report::buildWorkbook(handOff, target, true, front, QLocale::c()) == core::RunStatus::Done)
        fuzz::requireReadable(target);
    return 0;
}
