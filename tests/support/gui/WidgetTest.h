#pragma once

#include "support/TempEnvironment.h"
#include "support/gui/ScriptedPlatformService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Failure messages show texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace testing_support {

// The texts of a list's items, or of its selected items, in row order.
inline QStringList texts(const QListWidget* list, bool selectedOnly = false) {
    QStringList result;
    for (int row = 0; row < list->count(); ++row)
        if (!selectedOnly || list->item(row)->isSelected())
            result.append(list->item(row)->text());
    return result;
}

// Clicks a button on its indicator: check boxes and options laid out wide take clicks on their caption only.
inline void press(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Pastes text into a box as the user does, through the clipboard.
inline void paste(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// Acts on the next modal dialog once it is up.
inline void onDialog(std::function<void(QDialog*)> act) {
    QTimer::singleShot(0, qApp, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

// A widget test in a temporary world of its own, with a fresh scripted platform service: every box and dialog it
// expected must have been asked for by its end, and no modal dialog outlives it.
class WidgetTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        EXPECT_EQ(platform.pending(), 0u) << "expected boxes or dialogs that never came";
    }

    TempEnvironment env;
    ScriptedPlatformService& platform = ScriptedPlatformService::install();
};

} // namespace testing_support
