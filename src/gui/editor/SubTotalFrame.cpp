#include "SubTotalFrame.h"

#include "EditorControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace gui {

SubTotalFrame::SubTotalFrame(const QString& frameCaption, int frameIndex, int index, const Captions& captions)
    : fraSubTotal(named(new QGroupBox(frameCaption), "fraSubTotal", frameIndex)),
      chkTotals(named(new QCheckBox(QString::fromLatin1(captions.totals)), "chkTotals", index)),
      optAbove(named(new QRadioButton(QString::fromLatin1(captions.above)), "optAbove", index)),
      optBelow(named(new QRadioButton(QString::fromLatin1(captions.below)), "optBelow", index)),
      cmdOptions(named(new QPushButton(QStringLiteral("Options...")), "cmdOptions", index)) {
    optAbove->setChecked(true);
    enable(false);
    auto* layout = new QGridLayout(fraSubTotal);
    layout->addWidget(chkTotals, 0, 0, 1, 2);
    layout->addWidget(optAbove, 1, 0);
    layout->addWidget(optBelow, 2, 0);
    layout->addWidget(cmdOptions, 2, 1, Qt::AlignRight);
    layout->setColumnStretch(0, 1);
}

void SubTotalFrame::setValues(bool on, bool below) {
    chkTotals->setChecked(on);
    choose(optBelow, optAbove, below);
}

bool SubTotalFrame::on() const {
    return chkTotals->isChecked();
}

bool SubTotalFrame::below() const {
    return optBelow->isChecked();
}

void SubTotalFrame::enable(bool title) {
    const bool on = chkTotals->isChecked();
    optBelow->setEnabled(on);
    cmdOptions->setEnabled(on);
    optAbove->setEnabled(on && !title);
}

} // namespace gui
