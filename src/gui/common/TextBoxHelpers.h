#pragma once

class QLineEdit;

namespace gui {

// Case modes of ForceTextBoxCase.
enum TextBoxCase : int { LeaveCase = 0, UpperCase = 1, LowerCase = 2 };

// True: the box accepts only the digits 0 to 9, typed or pasted; false: any character. Text the program sets is
// not checked.
void ForceTextBoxNumeric(QLineEdit* box, bool numeric);

// 0: any text; n: the box takes at most n letters A to Z in either case, typed or pasted. Text the program sets is
// not checked.
void ForceTextBoxLetters(QLineEdit* box, int maxLetters);

// 0 (LeaveCase): letters stay as typed, clearing both case styles; 1 (UpperCase): letters turn to upper case,
// typed, pasted or set; 2 (LowerCase): to lower case; any other value changes nothing. Forcing one case leaves the
// other as it was, so a box can hold both; upper case then wins.
void ForceTextBoxCase(QLineEdit* box, int mode);

// Gives the box the focus and selects its whole text.
void GiveFocus(QLineEdit* box);

} // namespace gui
