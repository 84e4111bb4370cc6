#pragma once

#include <QValidator>

namespace gui {

// The input styles of a text box: digits only, at most a few letters, and letters forced to upper or to lower case.
// Case acts on every change, typed, pasted or set by the program. An edit that would bring a character other than a
// digit into a digits-only box, or a character other than A to Z or one too many into a letters box, is refused as a
// whole; text the program sets is kept as it is, and while it holds such characters Qt lets every edit through. Both
// case styles may be set at once; upper case then wins.
class TextBoxValidator : public QValidator {
    Q_OBJECT

public:
    explicit TextBoxValidator(QObject* parent = nullptr);

    bool digitsOnly() const { return m_digitsOnly; }
    void setDigitsOnly(bool on) { m_digitsOnly = on; }
    // 0: any text; n: at most n letters A to Z in either case.
    int maxLetters() const { return m_maxLetters; }
    void setMaxLetters(int count) { m_maxLetters = count; }
    bool upperCase() const { return m_upperCase; }
    void setUpperCase(bool on) { m_upperCase = on; }
    bool lowerCase() const { return m_lowerCase; }
    void setLowerCase(bool on) { m_lowerCase = on; }

    State validate(QString& input, int& pos) const override;

private:
    bool m_digitsOnly = false;
    int m_maxLetters = 0;
    bool m_upperCase = false;
    bool m_lowerCase = false;
};

} // namespace gui
