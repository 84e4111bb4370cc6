// Draws Tallivo's icon into an image file of the program folder; the file's suffix chooses its format (ico, png).
#include "IconPainter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QImageWriter>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes Tallivo's icon at one size."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("size"), QStringLiteral("Width and height in pixels."));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The image file to write."));
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    bool sizeIsNumber = false;
    const int size = arguments.value(0).toInt(&sizeIsNumber);
    if (arguments.size() != 2 || !sizeIsNumber || size < 1)
        parser.showHelp(2);

    QImageWriter writer(arguments.at(1));
    if (!writer.write(icons::paintIcon(size))) {
        QTextStream(stderr) << arguments.at(1) << ": " << writer.errorString() << Qt::endl;
        return 1;
    }
    return 0;
}
