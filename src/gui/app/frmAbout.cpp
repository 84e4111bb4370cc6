#include "frmAbout.h"

#include "core/ErrorReport.h"
#include "core/ProductName.h"

#include <QDialogButtonBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace gui {

frmAbout::frmAbout(const QString& title, const QIcon& icon, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(title);
    setWindowIcon(icon);
    setModal(true);

    auto* product = new QLabel(QStringLiteral("<b>%1</b>").arg(core::ProductName), this);
    product->setObjectName(QStringLiteral("lblProduct"));
    auto* version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(TALLIVO_VERSION)), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* description =
        new QLabel(QStringLiteral("Builds Excel reports and CSV files from the contacts of your ACT! database."), this);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setWordWrap(true);
    auto* support = new QLabel(QStringLiteral("Support: %1").arg(core::supportAddress()), this);
    support->setObjectName(QStringLiteral("lblSupport"));
    support->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {product, version, description, support})
        layout->addWidget(label);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace gui
