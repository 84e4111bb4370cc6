#pragma once

#include <QString>

// The keys of a report definition in the working copy, section "Report". A section key carries its section (0, 1, 2,
// or 99 for the summary) behind the name, as Title0; a column key the field id in front as well, as 25CalcType1.
namespace core::keys {

inline const QString FieldsIncluded = QStringLiteral("FieldsIncluded");
inline const QString FieldNamesIncluded = QStringLiteral("FieldNamesIncluded");
inline const QString TopLeftCol = QStringLiteral("TopLeftCol");
inline const QString TopLeftRow = QStringLiteral("TopLeftRow");
inline const QString Header = QStringLiteral("Header");

// Sort levels.
inline const QString Sort = QStringLiteral("Sort");
inline const QString SortType = QStringLiteral("SortType");
inline const QString SortOrder = QStringLiteral("SortOrder");

// Section titles.
inline const QString Title = QStringLiteral("Title");
inline const QString TitleCaption = QStringLiteral("TitleCaption");
inline const QString TitleEmptyBefore = QStringLiteral("TitleEmptyBefore");
inline const QString TitleEmptyAfter = QStringLiteral("TitleEmptyAfter");
inline const QString TitleBorderBelow = QStringLiteral("TitleBorderBelow");
inline const QString NoRepeat = QStringLiteral("NoRepeat");
inline const QString TitleFont = QStringLiteral("TitleFont"); // the typeface; its styles add Bold, Italic, ...

// Sub-totals and the summary.
inline const QString Totals = QStringLiteral("Totals");
inline const QString TotalPos = QStringLiteral("TotalPos");
inline const QString TotalCaption = QStringLiteral("TotalCaption");
inline const QString TotalCaptionCol = QStringLiteral("TotalCaptionCol");
inline const QString TotalEmptyBefore = QStringLiteral("TotalEmptyBefore");
inline const QString TotalEmptyAfter = QStringLiteral("TotalEmptyAfter");
inline const QString TotalBorder = QStringLiteral("TotalBorder");
inline const QString TotalFont = QStringLiteral("TotalFont"); // styles as TitleFont, the typeface is TotalFontName

// A column of a sub-total.
inline const QString CalcType = QStringLiteral("CalcType");
inline const QString Different = QStringLiteral("Different");
inline const QString LineAbove = QStringLiteral("LineAbove");
inline const QString Font = QStringLiteral("Font"); // styles as TitleFont, the typeface is FontName

// What follows a font prefix (TitleFont, TotalFont, Font).
inline const QString FontName = QStringLiteral("Name");
inline const QString FontBold = QStringLiteral("Bold");
inline const QString FontItalic = QStringLiteral("Italic");
inline const QString FontUnderline = QStringLiteral("Underline");
inline const QString FontStrikeThru = QStringLiteral("StrikeThru");
inline const QString FontColor = QStringLiteral("Color");
inline const QString FontSize = QStringLiteral("Size");

// Lines; their prefix is Title or Total.
inline const QString BorderStyle = QStringLiteral("BorderStyle");
inline const QString BorderColor = QStringLiteral("BorderColor");
inline const QString TitlePrefix = QStringLiteral("Title");
inline const QString TotalPrefix = QStringLiteral("Total");

// Written by a run for the launcher.
inline const QString SortCol = QStringLiteral("SortCol");
inline const QString Path = QStringLiteral("Path");
inline const QString FieldTypes = QStringLiteral("FieldTypes");

// Title0, SortCol2, TotalPos99.
inline QString sectionKey(const QString& name, int section) {
    return name + QString::number(section);
}
// 25CalcType1.
inline QString columnKey(int field, const QString& name, int section) {
    return QString::number(field) + name + QString::number(section);
}

} // namespace core::keys
