#pragma once

#include <QFrame>

namespace gui {

// A box filled with a colour, given and kept as a Windows colour value; a double-click asks for another.
class ColourBox : public QFrame {
    Q_OBJECT

public:
    explicit ColourBox(QWidget* parent = nullptr);

    int colour() const { return m_colour; }
    void setColour(int windowsColour);
    // Offers the colour dialog on the box's colour and takes its answer; a cancelled dialog changes nothing.
    void chooseColour();

Q_SIGNALS:
    void colourChanged();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int m_colour = 0;
};

} // namespace gui
