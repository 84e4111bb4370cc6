#include "TextBoxHelpers.h"

#include "TextBoxValidator.h"

#include <QLineEdit>

namespace gui {

namespace {

// The box's styles, made on first use. Any other validator the box had is replaced.
TextBoxValidator* stylesOf(QLineEdit* box) {
    auto* styles = box->findChild<TextBoxValidator*>(QString(), Qt::FindDirectChildrenOnly);
    if (!styles)
        styles = new TextBoxValidator(box);
    box->setValidator(styles);
    return styles;
}

} // namespace

void ForceTextBoxNumeric(QLineEdit* box, bool numeric) {
    stylesOf(box)->setDigitsOnly(numeric);
}

void ForceTextBoxLetters(QLineEdit* box, int maxLetters) {
    stylesOf(box)->setMaxLetters(maxLetters);
}

void ForceTextBoxCase(QLineEdit* box, int mode) {
    switch (mode) {
    case LeaveCase: {
        TextBoxValidator* styles = stylesOf(box);
        styles->setUpperCase(false);
        styles->setLowerCase(false);
        break;
    }
    case UpperCase:
        stylesOf(box)->setUpperCase(true);
        break;
    case LowerCase:
        stylesOf(box)->setLowerCase(true);
        break;
    default:
        break;
    }
}

void GiveFocus(QLineEdit* box) {
    box->setFocus();
    box->selectAll();
}

} // namespace gui
