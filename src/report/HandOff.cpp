#include "HandOff.h"

#include "core/definition/DefinitionKeys.h"
#include "core/library/ReportCatalogue.h"
#include "core/settings/SettingsKeys.h"

#include <QDir>

namespace report {

HandOff HandOff::read(const core::SettingsStore& store) {
    HandOff handOff;
    handOff.editTemplate = store.GetSetting(core::keys::Settings, core::keys::Template) == u"1";
    handOff.templateToEdit =
        QDir::fromNativeSeparators(store.GetSetting(core::keys::Settings, core::keys::TemplatePath));
    handOff.dataFile = QDir::fromNativeSeparators(store.GetSetting(core::keys::Settings, core::keys::DataFile));
    handOff.definition = core::ReportDefinition::load(store);
    handOff.reportTemplate = QDir::fromNativeSeparators(handOff.definition.value(core::keys::Path));
    return handOff;
}

QString HandOff::reportName() const {
    return core::NameOnly(reportTemplate);
}

} // namespace report
