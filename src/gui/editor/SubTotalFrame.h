#pragma once

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QString;

namespace gui {

// The sub-total controls of a section, or the summary's (index 99, in frame 3).
struct SubTotalFrame {
    struct Captions {
        const char* totals;
        const char* above;
        const char* below;
    };
    SubTotalFrame(const QString& frameCaption, int frameIndex, int index, const Captions& captions);

    // The box first, then the position, as the window's opening sets them.
    void setValues(bool on, bool below);
    bool on() const;
    bool below() const;
    // The position and the options are available while the box is ticked; "above" only without a title.
    void enable(bool title);

    QGroupBox* fraSubTotal;
    QCheckBox* chkTotals;
    QRadioButton* optAbove;
    QRadioButton* optBelow;
    QPushButton* cmdOptions;
};

} // namespace gui
