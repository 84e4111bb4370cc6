#pragma once

#include "core/definition/FontFormat.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace gui {

class ColourBox;

// The font dialog: a typeface kept as typed, whether this machine has it or not, a size with decimals, the four
// styles and a colour. OK without a change gives the preset back exactly.
class FontDialog : public QDialog {
public:
    explicit FontDialog(const core::FontFormat& preset, QWidget* parent = nullptr);

    // What the dialog shows; the preset's size while the size typed is none.
    core::FontFormat font() const;

private:
    void showSample();

    const core::FontFormat m_preset;
    QComboBox* cboFontName;
    QComboBox* cboFontSize;
    QCheckBox* chkBold;
    QCheckBox* chkItalic;
    QCheckBox* chkUnderline;
    QCheckBox* chkStrikeThru;
    ColourBox* picColor;
    QPushButton* cmdColor;
    QLabel* lblSample;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

} // namespace gui
