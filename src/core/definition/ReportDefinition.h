#pragma once

#include "FontFormat.h"

#include "core/settings/SettingsStore.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace core {

// A line: style 0 thin, 1 medium, 2 thick, 3 double.
struct LineFormat {
    int style = 0;
    int colour = 0;

    bool operator==(const LineFormat&) const = default;
};

// Where a font is kept: the typeface's key, and its styles' keys made of a prefix, a style and the section, as
// TitleFontBold0; with the font every reader assumes for keys that are absent.
struct FontKeys {
    QString name;
    QString prefix;
    int section = 0;
    FontFormat defaults;

    QString style(const QString& styleName) const;
};

struct SortLevel {
    int field = 0; // 0: none
    QString type;  // "S" text, "N" number, "D" date; anything else: no sort
    bool descending = false;
};

struct TitleFormat {
    bool on = false;
    QString caption;
    bool emptyBefore = false;
    bool emptyAfter = false;
    bool borderBelow = true;
    bool noRepeat = true;
    FontFormat font;
    LineFormat border;
};

struct TotalFormat {
    bool on = false;
    bool below = true; // the summary: at the bottom
    QString caption;
    int captionColumn = 1; // counted from the data range's first column
    bool emptyBefore = false;
    bool emptyAfter = false;
    bool border = true;
    FontFormat font;
    LineFormat line;
};

// How one column of a sub-total row is calculated and shown.
struct ColumnTotal {
    enum Calculation { None = 0, Total = 1, Average = 2, Count = 3 };
    Calculation calculation = None;
    bool different = false; // the cell's own font and line instead of the row's
    bool lineAbove = false;
    FontFormat font; // an empty name means the row's typeface
};

// The report definition in the working copy, read with the defaults every reader of it shares. Keys it does not
// know, and keys of other readers, are kept as they are.
class ReportDefinition {
public:
    static constexpr int SectionCount = 3;
    static constexpr int Summary = 99;
    // The most columns a report may have: what a worksheet holds (A to XFD).
    static constexpr int MaxColumns = 16384;
    // The sheet's last row.
    static constexpr int MaxRow = 1048576;

    ReportDefinition() = default;
    explicit ReportDefinition(const SettingsStore::Pairs& pairs);

    // The working copy, in one read.
    static ReportDefinition load(const SettingsStore& store);
    // Replaces the working copy in one write.
    bool save(SettingsStore& store) const;

    QString value(const QString& key, const QString& defaultValue = QString()) const;
    void setValue(const QString& key, const QString& value);
    void remove(const QString& key);
    bool operator==(const ReportDefinition&) const = default;

    // Writers, in the forms the editor writes.
    // The columns' field ids and captions, in column order.
    void setFields(const QList<int>& ids, const QStringList& captions);
    // "1" on, "0" off.
    void setFlag(const QString& key, bool on);
    // Field ("0": none), type and direction ("2" descending, "1" ascending) of a sort level.
    void setSortLevel(int level, const SortLevel& sort);

    // 1-based sheet column (A is 1, ZZ is 702) and row of the data range's top-left cell.
    int topLeftColumn() const;
    int topLeftRow() const;
    bool header() const;
    // The field id of each column; nullopt when a piece is not a whole number. Empty pieces are skipped.
    std::optional<QList<int>> fields() const;
    QStringList captions() const;
    // The field of a sort level; nullopt when it is not a whole number; 0 when none.
    std::optional<int> sortField(int level) const;
    SortLevel sortLevel(int level) const;
    // The run's 1-based data-file column of a sort level; -1 when it groups nothing.
    int sortColumn(int level) const;
    // The field type code of each data-file column, as a run wrote them; nullopt when a piece is not a number.
    std::optional<QList<int>> fieldTypes() const;

    TitleFormat title(int section) const;
    // Sections 0 to 2, or Summary.
    TotalFormat total(int section) const;
    ColumnTotal columnTotal(int field, int section) const;

    // The keys of a section's title font, a sub-total row's font and the font of a column's sub-total cell.
    static FontKeys titleFontKeys(int section);
    static FontKeys totalFontKeys(int section);
    static FontKeys columnFontKeys(int field, int section);
    FontFormat font(const FontKeys& where) const;

private:
    bool flag(const QString& key, bool defaultValue) const;
    int whole(const QString& key, int defaultValue) const;
    LineFormat line(const QString& prefix, int section) const;

    QMap<QString, QString> m_values;
};

} // namespace core
