#include "FontDialog.h"

#include "ColourBox.h"
#include "ControlNames.h"
#include "WindowsColour.h"

#include "core/editor/ValueReader.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

namespace {

constexpr double OfferedSizes[] = {8, 9, 10, 10.5, 11, 12, 14, 16, 18, 20, 24, 28, 36, 48, 72};

QCheckBox* styleBox(const char* caption, const char* name, bool on) {
    auto* box = named(new QCheckBox(QString::fromLatin1(caption)), QLatin1String(name));
    box->setChecked(on);
    return box;
}

} // namespace

FontDialog::FontDialog(const core::FontFormat& preset, QWidget* parent)
    : QDialog(parent), m_preset(preset), cboFontName(named(new QComboBox, QStringLiteral("cboFontName"))),
      cboFontSize(named(new QComboBox, QStringLiteral("cboFontSize"))),
      chkBold(styleBox("&Bold", "chkBold", preset.bold)), chkItalic(styleBox("&Italic", "chkItalic", preset.italic)),
      chkUnderline(styleBox("&Underline", "chkUnderline", preset.underline)),
      chkStrikeThru(styleBox("Stri&keout", "chkStrikeThru", preset.strikeThru)),
      picColor(named(new ColourBox, QStringLiteral("picColor"))),
      cmdColor(named(new QPushButton(QStringLiteral("&Color...")), QStringLiteral("cmdColor"))),
      lblSample(named(new QLabel(QStringLiteral("AaBbYyZz")), QStringLiteral("lblSample"))),
      cmdOK(named(new QPushButton(QStringLiteral("OK")), QStringLiteral("cmdOK"))),
      cmdCancel(named(new QPushButton(QStringLiteral("Cancel")), QStringLiteral("cmdCancel"))) {
    setObjectName(QStringLiteral("dlgFont"));
    setWindowTitle(QStringLiteral("Font"));
    // Both boxes keep what is typed: a typeface this machine lacks is still the report's, and Qt's own dialog
    // would put another in its place and round the size to whole points.
    for (QComboBox* box : {cboFontName, cboFontSize}) {
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
    }
    cboFontName->addItems(QFontDatabase::families());
    cboFontName->setCurrentText(preset.name);
    for (const double size : OfferedSizes)
        cboFontSize->addItem(core::editor::fontSizeText(size));
    cboFontSize->setCurrentText(core::editor::fontSizeText(preset.size));
    picColor->setColour(preset.colour);
    lblSample->setAlignment(Qt::AlignCenter);
    lblSample->setMinimumSize(220, 60);
    lblSample->setFrameShape(QFrame::StyledPanel);
    lblSample->setAutoFillBackground(true);

    connect(cboFontName, &QComboBox::currentTextChanged, this, &FontDialog::showSample);
    connect(cboFontSize, &QComboBox::currentTextChanged, this, &FontDialog::showSample);
    for (QCheckBox* box : {chkBold, chkItalic, chkUnderline, chkStrikeThru})
        connect(box, &QCheckBox::toggled, this, &FontDialog::showSample);
    connect(picColor, &ColourBox::colourChanged, this, &FontDialog::showSample);
    connect(cmdColor, &QPushButton::clicked, picColor, &ColourBox::chooseColour);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    cmdOK->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Font:"), cboFontName);
    form->addRow(QStringLiteral("&Size:"), cboFontSize);
    auto* colour = new QHBoxLayout;
    colour->addWidget(picColor);
    colour->addWidget(cmdColor);
    colour->addStretch();
    form->addRow(QStringLiteral("Color:"), colour);
    auto* styles = new QHBoxLayout;
    for (QCheckBox* box : {chkBold, chkItalic, chkUnderline, chkStrikeThru})
        styles->addWidget(box);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(styles);
    layout->addWidget(lblSample, 1);
    layout->addLayout(buttons);
    showSample();
}

core::FontFormat FontDialog::font() const {
    core::FontFormat font;
    font.name = cboFontName->currentText();
    font.bold = chkBold->isChecked();
    font.italic = chkItalic->isChecked();
    font.underline = chkUnderline->isChecked();
    font.strikeThru = chkStrikeThru->isChecked();
    font.colour = picColor->colour();
    font.size = core::editor::readFontSize(cboFontSize->currentText()).value_or(m_preset.size);
    return font;
}

void FontDialog::showSample() {
    const core::FontFormat chosen = font();
    QFont sample(chosen.name);
    sample.setPointSizeF(chosen.size);
    sample.setBold(chosen.bold);
    sample.setItalic(chosen.italic);
    sample.setUnderline(chosen.underline);
    sample.setStrikeOut(chosen.strikeThru);
    lblSample->setFont(sample);
    QPalette text = lblSample->palette();
    text.setColor(QPalette::WindowText, fromWindowsColour(chosen.colour));
    lblSample->setPalette(text);
    // A size that is none, or outside what a cell takes, cannot be saved.
    cmdOK->setEnabled(core::editor::readFontSize(cboFontSize->currentText()).has_value());
}

} // namespace gui
