#include "gui/common/WidgetTest.h"

#include "core/ErrorReport.h"
#include "gui/app/frmAbout.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {

class AboutTest : public testing_support::WidgetTest {};

TEST_F(AboutTest, ShowsTheProductVersionAndSupportAddressModallyUntilOk) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    const QIcon icon(pixmap);
    gui::frmAbout about(QStringLiteral("Tallivo"), icon);
    QStringList shown;
    QTimer::singleShot(0, &about, [&] {
        ASSERT_EQ(QApplication::activeModalWidget(), &about);
        for (const QLabel* label : about.findChildren<QLabel*>())
            shown.append(label->text());
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_EQ(about.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Tallivo"));
    EXPECT_EQ(about.windowIcon().cacheKey(), icon.cacheKey());
    const QString all = shown.join(QLatin1Char('\n'));
    EXPECT_TRUE(all.contains(QStringLiteral("Tallivo"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QRegularExpression(QStringLiteral("Version \\d+\\.\\d+\\.\\d+")))) << all.toStdString();
    EXPECT_TRUE(all.contains(core::supportAddress())) << all.toStdString();
}

} // namespace
