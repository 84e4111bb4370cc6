#include "ReportDefinition.h"

#include "DefinitionKeys.h"
#include "DefinitionValues.h"

#include "core/settings/SettingsKeys.h"
#include "core/text/FormFeedList.h"

namespace core {

namespace {

const QString DefaultTypeface = QStringLiteral("Arial");
const QString ValuePlaceholder = QStringLiteral("<value>");

std::optional<QList<int>> wholeNumbers(const QString& list) {
    QList<int> numbers;
    for (const QString& piece : readList(list)) {
        if (piece.isEmpty())
            continue;
        const std::optional<int> number = definition::readWhole(piece);
        if (!number)
            return std::nullopt;
        numbers.append(*number);
    }
    return numbers;
}

} // namespace

ReportDefinition::ReportDefinition(const SettingsStore::Pairs& pairs) {
    // Pairs come sorted from the store: each goes at the end.
    for (const auto& [key, value] : pairs)
        m_values.insert(m_values.cend(), key, value);
}

ReportDefinition ReportDefinition::load(const SettingsStore& store) {
    return ReportDefinition(store.GetAllSettings(keys::Report));
}

bool ReportDefinition::save(SettingsStore& store) const {
    SettingsStore::Pairs pairs;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        pairs.append({it.key(), it.value()});
    return store.ReplaceSection(keys::Report, pairs);
}

QString ReportDefinition::value(const QString& key, const QString& defaultValue) const {
    return m_values.value(key, defaultValue);
}

void ReportDefinition::setValue(const QString& key, const QString& value) {
    m_values.insert(key, value);
}

void ReportDefinition::remove(const QString& key) {
    m_values.remove(key);
}

void ReportDefinition::setFields(const QList<int>& ids, const QStringList& captions) {
    QStringList numbers;
    for (const int id : ids)
        numbers.append(QString::number(id));
    setValue(keys::FieldsIncluded, writeList(numbers));
    setValue(keys::FieldNamesIncluded, writeList(captions));
}

void ReportDefinition::setFlag(const QString& key, bool on) {
    setValue(key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

void ReportDefinition::setSortLevel(int level, const SortLevel& sort) {
    setValue(keys::sectionKey(keys::Sort, level), QString::number(sort.field));
    setValue(keys::sectionKey(keys::SortType, level), sort.type);
    setValue(keys::sectionKey(keys::SortOrder, level), sort.descending ? QStringLiteral("2") : QStringLiteral("1"));
}

bool ReportDefinition::flag(const QString& key, bool defaultValue) const {
    return definition::readFlag(value(key)).value_or(defaultValue);
}

int ReportDefinition::whole(const QString& key, int defaultValue) const {
    return definition::readWhole(value(key)).value_or(defaultValue);
}

int ReportDefinition::topLeftColumn() const {
    return definition::readColumnLetters(value(keys::TopLeftCol)).value_or(1);
}

int ReportDefinition::topLeftRow() const {
    const int row = whole(keys::TopLeftRow, 1);
    return row >= 1 && row <= MaxRow ? row : 1;
}

bool ReportDefinition::header() const {
    return flag(keys::Header, false);
}

std::optional<QList<int>> ReportDefinition::fields() const {
    return wholeNumbers(value(keys::FieldsIncluded));
}

QStringList ReportDefinition::captions() const {
    return readList(value(keys::FieldNamesIncluded));
}

std::optional<int> ReportDefinition::sortField(int level) const {
    const QString text = value(keys::sectionKey(keys::Sort, level));
    // An empty value means no sort, as an absent one does.
    return text.isEmpty() ? 0 : definition::readWhole(text);
}

SortLevel ReportDefinition::sortLevel(int level) const {
    return {sortField(level).value_or(0), value(keys::sectionKey(keys::SortType, level)),
            value(keys::sectionKey(keys::SortOrder, level)) == QStringLiteral("2")};
}

int ReportDefinition::sortColumn(int level) const {
    const int column = whole(keys::sectionKey(keys::SortCol, level), -1);
    return column >= 1 ? column : -1;
}

std::optional<QList<int>> ReportDefinition::fieldTypes() const {
    return wholeNumbers(value(keys::FieldTypes));
}

QString FontKeys::style(const QString& styleName) const {
    return keys::sectionKey(prefix + styleName, section);
}

FontKeys ReportDefinition::titleFontKeys(int section) {
    return {keys::sectionKey(keys::TitleFont, section), keys::TitleFont, section, {DefaultTypeface, true}};
}

FontKeys ReportDefinition::totalFontKeys(int section) {
    return {
        keys::sectionKey(keys::TotalFont + keys::FontName, section), keys::TotalFont, section, {DefaultTypeface, true}};
}

FontKeys ReportDefinition::columnFontKeys(int field, int section) {
    const QString prefix = QString::number(field) + keys::Font;
    FontFormat defaults;
    defaults.size = 11;
    return {keys::sectionKey(prefix + keys::FontName, section), prefix, section, defaults};
}

FontFormat ReportDefinition::font(const FontKeys& where) const {
    const FontFormat& defaults = where.defaults;
    FontFormat font;
    font.name = value(where.name, defaults.name);
    font.bold = flag(where.style(keys::FontBold), defaults.bold);
    font.italic = flag(where.style(keys::FontItalic), defaults.italic);
    font.underline = flag(where.style(keys::FontUnderline), defaults.underline);
    font.strikeThru = flag(where.style(keys::FontStrikeThru), defaults.strikeThru);
    font.colour = definition::readColour(value(where.style(keys::FontColor))).value_or(defaults.colour);
    font.size = definition::readSize(value(where.style(keys::FontSize))).value_or(defaults.size);
    return font;
}

LineFormat ReportDefinition::line(const QString& prefix, int section) const {
    const int style = whole(keys::sectionKey(prefix + keys::BorderStyle, section), 0);
    return {style >= 0 && style <= 3 ? style : 0,
            definition::readColour(value(keys::sectionKey(prefix + keys::BorderColor, section))).value_or(0)};
}

TitleFormat ReportDefinition::title(int section) const {
    const auto key = [section](const QString& name) { return keys::sectionKey(name, section); };
    TitleFormat title;
    title.on = flag(key(keys::Title), false);
    title.caption = value(key(keys::TitleCaption), ValuePlaceholder);
    title.emptyBefore = flag(key(keys::TitleEmptyBefore), false);
    title.emptyAfter = flag(key(keys::TitleEmptyAfter), false);
    title.borderBelow = flag(key(keys::TitleBorderBelow), true);
    title.noRepeat = flag(key(keys::NoRepeat), true);
    title.font = font(titleFontKeys(section));
    title.border = line(keys::TitlePrefix, section);
    return title;
}

TotalFormat ReportDefinition::total(int section) const {
    const auto key = [section](const QString& name) { return keys::sectionKey(name, section); };
    const bool summary = section == Summary;
    TotalFormat total;
    total.on = flag(key(keys::Totals), summary);
    total.below = flag(key(keys::TotalPos), true);
    total.caption = value(key(keys::TotalCaption),
                          summary ? QStringLiteral("Total Sales :") : QStringLiteral("Total for <value> :"));
    total.captionColumn = std::max(1, whole(key(keys::TotalCaptionCol), 1));
    total.emptyBefore = flag(key(keys::TotalEmptyBefore), false);
    total.emptyAfter = flag(key(keys::TotalEmptyAfter), false);
    total.border = flag(key(keys::TotalBorder), true);
    total.font = font(totalFontKeys(section));
    total.line = line(keys::TotalPrefix, section);
    return total;
}

ColumnTotal ReportDefinition::columnTotal(int field, int section) const {
    const int calculation = whole(keys::columnKey(field, keys::CalcType, section), ColumnTotal::None);
    ColumnTotal column;
    column.calculation = calculation >= ColumnTotal::None && calculation <= ColumnTotal::Count
                             ? static_cast<ColumnTotal::Calculation>(calculation)
                             : ColumnTotal::None;
    column.different = flag(keys::columnKey(field, keys::Different, section), false);
    column.lineAbove = flag(keys::columnKey(field, keys::LineAbove, section), false);
    column.font = font(columnFontKeys(field, section));
    return column;
}

} // namespace core
