// Makes the Excel templates of the program folder: the blank template of new reports, and the template of a
// sample report laid out from its definition file.
#include "ReportLayout.h"
#include "TemplateWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes an Excel report template, blank without a definition."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("template"), QStringLiteral("The template to write."));
    parser.addPositionalArgument(QStringLiteral("definition"),
                                 QStringLiteral("The definition file of the report to lay it out for."),
                                 QStringLiteral("[definition]"));
    parser.process(app);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty() || arguments.size() > 2)
        parser.showHelp(2);

    templates::ReportLayout layout;
    QString error;
    if (arguments.size() == 2 && !templates::readReportLayout(arguments.at(1), layout, error)) {
        QTextStream(stderr) << arguments.at(1) << ": " << error << Qt::endl;
        return 1;
    }
    if (!templates::writeTemplate(layout, arguments.at(0), error)) {
        QTextStream(stderr) << arguments.at(0) << ": " << error << Qt::endl;
        return 1;
    }
    return 0;
}
