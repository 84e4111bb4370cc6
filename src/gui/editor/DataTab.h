#pragma once

#include "core/editor/EditorValues.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace gui {

// The editor's "Data" tab: the header option and where the data range starts in the sheet.
class DataTab : public QWidget {
public:
    explicit DataTab(QWidget* parent = nullptr);

    void setValues(const core::editor::EditorValues& values);
    void readValues(core::editor::EditorValues& values) const;
    // After setValues: a CSV export always has its header line, and no sheet to place the data in.
    void showForCsv();

    QGroupBox* fraHeader;
    QCheckBox* chkHeader;
    QGroupBox* fraTopLeft;
    QLabel* lblColumn;
    QLineEdit* txtTopLeftCol;
    QLabel* lblRow;
    QLineEdit* txtTopLeftRow;
};

} // namespace gui
