// Prints the user's manual from its HTML source to the PDF of the program folder. Needs a platform for fonts:
// the build runs it with QT_QPA_PLATFORM=offscreen.
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextStream>
#include <QUrl>

namespace {

int fail(const QString& file, const QString& reason) {
    QTextStream(stderr) << file << ": " << reason << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Prints the user's manual to PDF."));
    parser.addHelpOption();
    const QCommandLineOption imageOption(QStringLiteral("image"),
                                         QStringLiteral("An image that the manual shows, named by its file name."),
                                         QStringLiteral("file"));
    parser.addOption(imageOption);
    parser.addPositionalArgument(QStringLiteral("source"), QStringLiteral("The manual's HTML source."));
    parser.addPositionalArgument(QStringLiteral("pdf"), QStringLiteral("The PDF file to write."));
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 2)
        parser.showHelp(2);

    QFile source(arguments.at(0));
    if (!source.open(QIODevice::ReadOnly))
        return fail(source.fileName(), source.errorString());
    QTextDocument manual;
    manual.setUseDesignMetrics(true);
    // Added as resources rather than found through a base URL: printing lays out a copy of the document, which
    // keeps the resources but not the base URL.
    for (const QString& file : parser.values(imageOption)) {
        const QImage image(file);
        if (image.isNull())
            return fail(file, QStringLiteral("not an image"));
        manual.addResource(QTextDocument::ImageResource, QUrl(QFileInfo(file).fileName()), image);
    }
    manual.setHtml(QString::fromUtf8(source.readAll()));

    QSaveFile pdf(arguments.at(1));
    if (!pdf.open(QIODevice::WriteOnly))
        return fail(pdf.fileName(), pdf.errorString());
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        writer.setTitle(manual.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("Tallivo"));
        // An unpaginated document is laid out for the writer's pages and numbered at their foot.
        manual.print(&writer);
    }
    // QSaveFile::commit() can report success after a failed last flush.
    if (!pdf.flush() || pdf.error() != QFileDevice::NoError) {
        pdf.cancelWriting();
        return fail(pdf.fileName(), pdf.errorString());
    }
    if (!pdf.commit())
        return fail(pdf.fileName(), pdf.errorString());
    return 0;
}
