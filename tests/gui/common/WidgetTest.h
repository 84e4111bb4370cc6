#pragma once

#include "support/TempEnvironment.h"
#include "support/gui/ListTexts.h"
#include "support/gui/ScriptedPlatformService.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <ostream>

// Failure messages show texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace testing_support {

// A widget test in a temporary world of its own, with a fresh scripted platform service: every box and dialog it
// expected must have been asked for by its end, and no modal dialog outlives it.
class WidgetTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(platform.pending(), 0u);
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    }

    TempEnvironment env;
    ScriptedPlatformService& platform = ScriptedPlatformService::install();
};

} // namespace testing_support
