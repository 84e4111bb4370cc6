#include "support/gui/WidgetTest.h"

#include "core/ErrorReport.h"
#include "gui/app/frmAbout.h"

#include <QLabel>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

class AboutTest : public testing_support::WidgetTest {};

TEST_F(AboutTest, ShowsTheProductItsVersionAndTheSupportAddress) {
    const gui::frmAbout about(u"Tallivo"_s, QIcon());
    QString shown;
    for (const QLabel* label : about.findChildren<QLabel*>())
        shown += label->text() + u'\n';
    EXPECT_TRUE(shown.contains(u"Tallivo"_s)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QRegularExpression(u"Version \\d+\\.\\d+\\.\\d+"_s))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(core::supportAddress())) << shown.toStdString();
}
