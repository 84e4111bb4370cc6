#pragma once

#include "SheetExtent.h"
#include "TextSplice.h"
#include "TopLevelElements.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace report::xlsx {

// The template's data sheet, read for where the report's rows go in and what they make wrong.
class TemplateSheet {
public:
    // The sheet as the report has it, in two pieces: the report's rows go between them.
    struct Splice {
        QByteArray head; // up to and including the template rows above the report
        QByteArray tail; // from the end of the rows on
    };

    explicit TemplateSheet(const QString& text);

    // Why the sheet cannot be used; "" when it can.
    const QString& error() const { return m_error; }
    // The cell format index of a 1-based column's style in the template; 0 when it has none.
    int columnFormat(int column) const;
    // The qualified name of an element of the sheet's namespace: "row", or "x:row" when the sheet uses a prefix.
    QString qualified(QStringView name) const { return m_elements.qualified(name); }
    // "" or the prefix ("x:") of the sheet's namespace.
    QString elementPrefix() const { return m_elements.qualified({}); }

    // The template's text with its rows from extent.firstRow down dropped, the dimension and the outline width
    // made to fit the report, and merged cells and hyperlinks of the dropped rows gone.
    Splice splice(const SheetExtent& extent) const;

private:
    struct Column {
        int first;
        int last;
        int format;
    };
    struct Row {
        int number;
        int lastColumn;
        ElementSpan span;
    };
    // A merged range or a hyperlink, and the last row it reaches.
    struct Ranged {
        QString container;
        int lastRow;
        ElementSpan span;
    };

    void readChild(const XmlScanner& scanner, const QString& section);
    void dropRanged(TextSplice& splice, int firstRow) const;
    QString dimension(const SheetExtent& extent) const;
    void setOutlineLevel(TextSplice& splice, int level) const;

    const QString& m_text;
    TopLevelElements m_elements;
    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    std::vector<Ranged> m_ranged;
    Row m_row{};
    int m_column = 0;
    int m_rangedLastRow = 0;
    QString m_error;
};

} // namespace report::xlsx
