#include "TemplateSheet.h"

#include "CellReference.h"
#include "StartTag.h"

#include <algorithm>
#include <array>
#include <string>

namespace report::xlsx {

using namespace Qt::StringLiterals;

TemplateSheet::TemplateSheet(const QString& text) : m_text(text) {
    m_error = m_elements.read(
        text, [this](const XmlScanner& scanner, const QString& section) { readChild(scanner, section); });
    if (m_error.isEmpty() && !m_elements.find(u"sheetData"_s))
        m_error = QStringLiteral("the sheet has no rows element");
}

void TemplateSheet::readChild(const XmlScanner& scanner, const QString& section) {
    const QStringView name = scanner.name();
    if (scanner.depth() == 4) {
        if (section == u"sheetData"_s && name == u"c"_s && scanner.isStart()) {
            const int column = parseCellReference(scanner.attributes().value(u"r"_s)).column;
            m_column = column > 0 ? column : m_column + 1;
            m_row.lastColumn = std::max(m_row.lastColumn, m_column);
        }
        return;
    }
    if (scanner.depth() != 3)
        return;
    const bool ranged = (section == u"mergeCells"_s && name == u"mergeCell"_s) ||
                        (section == u"hyperlinks"_s && name == u"hyperlink"_s);
    if (scanner.isStart()) {
        const QXmlStreamAttributes attributes = scanner.attributes();
        if (section == u"cols"_s && name == u"col"_s) {
            m_columns.push_back({attributes.value(u"min"_s).toInt(), attributes.value(u"max"_s).toInt(),
                                 attributes.value(u"style"_s).toInt()});
        } else if (section == u"sheetData"_s && name == u"row"_s) {
            // Rows without a number follow the one before.
            const int number = attributes.value(u"r"_s).toInt();
            m_row = {number > 0 ? number : (m_rows.empty() ? 0 : m_rows.back().number) + 1, 0, {}};
            m_column = 0;
        } else if (ranged) {
            m_rangedLastRow = lastRowOf(attributes.value(u"ref"_s));
        }
        return;
    }
    if (section == u"sheetData"_s && name == u"row"_s) {
        m_row.span = scanner.span();
        m_rows.push_back(m_row);
    } else if (ranged) {
        m_ranged.push_back({section, m_rangedLastRow, scanner.span()});
    }
}

int TemplateSheet::columnFormat(int column) const {
    for (const Column& range : m_columns) {
        if (column >= range.first && column <= range.last)
            return range.format;
    }
    return 0;
}

TemplateSheet::Splice TemplateSheet::splice(const SheetExtent& extent) const {
    TextSplice edits(m_text);
    const QString dimensionElement = u'<' + qualified(u"dimension"_s) + u" ref=\""_s + dimension(extent) + u"\"/>"_s;
    if (const ElementSpan* existing = m_elements.find(u"dimension"_s))
        edits.replace(existing->start, existing->end, dimensionElement);
    else
        edits.insert(m_elements.insertionPoint({u"sheetPr"_s}), dimensionElement);
    setOutlineLevel(edits, extent.maxOutlineLevel);
    dropRanged(edits, extent.firstRow);

    const ElementSpan& rows = *m_elements.find(u"sheetData"_s);
    QString head = edits.text(0, rows.start) + starttag::opened(rows.startTag(m_text));
    for (const Row& row : m_rows) {
        if (row.number < extent.firstRow)
            head += row.span.whole(m_text);
    }
    const QString tail = u"</"_s + rows.qualifiedName + u'>' + edits.text(rows.end, m_text.size());
    return {head.toUtf8(), tail.toUtf8()};
}

QString TemplateSheet::dimension(const SheetExtent& extent) const {
    int lastRow = 1;
    int lastColumn = 1;
    for (const Row& row : m_rows) {
        if (row.number < extent.firstRow) {
            lastRow = std::max(lastRow, row.number);
            lastColumn = std::max(lastColumn, row.lastColumn);
        }
    }
    if (extent.lastRow >= extent.firstRow) {
        lastRow = std::max(lastRow, extent.lastRow);
        lastColumn = std::max(lastColumn, extent.lastColumn);
    }
    if (lastRow == 1 && lastColumn == 1)
        return QStringLiteral("A1");
    std::string corner;
    appendColumnName(corner, lastColumn);
    return u"A1:"_s + QString::fromStdString(corner) + QString::number(lastRow);
}

void TemplateSheet::setOutlineLevel(TextSplice& edits, int level) const {
    const QString levelText = QString::number(level);
    if (const ElementSpan* format = m_elements.find(u"sheetFormatPr"_s)) {
        const QStringView tag = format->startTag(m_text);
        edits.replace(format->start, format->contentStart,
                      level > 0 ? starttag::withAttribute(tag, u"outlineLevelRow"_s, levelText)
                                : starttag::withoutAttribute(tag, u"outlineLevelRow"_s));
    } else if (level > 0) {
        edits.insert(m_elements.insertionPoint({u"sheetPr"_s, u"dimension"_s, u"sheetViews"_s}),
                     u'<' + qualified(u"sheetFormatPr"_s) + u" defaultRowHeight=\"15\" outlineLevelRow=\""_s +
                         levelText + u"\"/>"_s);
    }
}

// Merged ranges over the report's rows would hide its cells, and hyperlinks there would lead from its data.
void TemplateSheet::dropRanged(TextSplice& edits, int firstRow) const {
    for (const QStringView container : std::array<QStringView, 2>{u"mergeCells", u"hyperlinks"}) {
        const ElementSpan* span = m_elements.find(container);
        if (!span)
            continue;
        const auto inContainer = [&](const Ranged& item) { return item.container == container; };
        const auto dropped = [&](const Ranged& item) { return inContainer(item) && item.lastRow >= firstRow; };
        const auto droppedCount = std::count_if(m_ranged.begin(), m_ranged.end(), dropped);
        const auto keptCount = std::count_if(m_ranged.begin(), m_ranged.end(), inContainer) - droppedCount;
        if (droppedCount == 0)
            continue;
        // The schema wants at least one item in each.
        if (keptCount == 0) {
            edits.remove(span->start, span->end);
            continue;
        }
        for (const Ranged& item : m_ranged) {
            if (dropped(item))
                edits.remove(item.span.start, item.span.end);
        }
        if (container == u"mergeCells"_s) {
            const QStringView tag = span->startTag(m_text);
            edits.replace(span->start, span->contentStart,
                          starttag::withAttribute(tag, u"count"_s, QString::number(keptCount)));
        }
    }
}

} // namespace report::xlsx
