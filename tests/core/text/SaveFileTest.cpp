#include "core/text/SaveFile.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

// Every file we save goes through these: what they refuse, and that a failure leaves the previous file whole.
TEST(SaveFile, ReplacesRegularFilesThroughLinksRefusesAnythingElseAndKeepsThePreviousFileOnFailure) {
    testing_support::TempEnvironment env;
    const auto at = [&](const char* name) { return env.path(QString::fromLatin1(name)); };
    ASSERT_TRUE(testing_support::writeBytes(at("file"), "old") && QFile::link(at("file"), at("link")) &&
                QFile::link(at("missing"), at("dangling")) && QFile::link(u"/dev/null"_s, at("device")) &&
                QDir().mkpath(at("folder")) && mkfifo(QFile::encodeName(at("pipe")).constData(), 0600) == 0);
    const std::pair<const char*, const char*> cases[] = {
        {"new", ""},
        {"link", ""}, // saved in the file it leads to
        {"pipe", "it is not a regular file"},
        {"device", "it is a link to something that is not a regular file"},
        {"dangling", "it is a link to something that is not a regular file"},
        {"folder", "Filename refers to a directory"},
    };
    for (const auto& [target, refusal] : cases)
        EXPECT_EQ(core::saveFile(at(target), "new").toStdString(), refusal) << target;
    EXPECT_EQ(std::tuple(testing_support::readBytes(at("file")), QFileInfo(at("link")).isSymLink(),
                         QFileInfo(at("pipe")).isFile(), QFileInfo::exists(at("missing"))),
              std::tuple(QByteArray("new"), true, false, false));

    // A disk that fills half way through the copy or the write.
    const QByteArray big(64 << 10, 'x');
    ASSERT_TRUE(testing_support::writeBytes(at("big"), big));
    {
        const testing_support::FileSizeLimit full(1000);
        EXPECT_EQ(core::copyFile(at("big"), at("file")) + core::saveFile(at("file"), big),
                  u"File too largeFile too large"_s);
    }
    EXPECT_EQ(testing_support::readBytes(at("file")), "new");
    EXPECT_EQ(core::copyFile(at("big"), at("link")), QString());
    EXPECT_EQ(testing_support::readBytes(at("file")), big);
    EXPECT_EQ(QDir(env.root()).entryList(QDir::Files | QDir::System).size(), 7); // no temporary files left
}
