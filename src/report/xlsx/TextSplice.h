#pragma once

#include <QString>

#include <vector>

namespace report::xlsx {

// A part's text with pieces replaced, removed or inserted, each by its offsets in the original text.
class TextSplice {
public:
    explicit TextSplice(const QString& text) : m_text(text) {}

    // Edits must not overlap; insertions at one offset come out in the order they were made.
    void replace(qsizetype from, qsizetype to, const QString& with);
    void insert(qsizetype at, const QString& text) { replace(at, at, text); }
    void remove(qsizetype from, qsizetype to) { replace(from, to, {}); }

    // The original text between two offsets with the edits inside them made.
    QString text(qsizetype from, qsizetype to) const;
    QString text() const { return text(0, m_text.size()); }

private:
    struct Edit {
        qsizetype from;
        qsizetype to;
        QString with;
    };

    const QString& m_text;
    std::vector<Edit> m_edits;
};

} // namespace report::xlsx
