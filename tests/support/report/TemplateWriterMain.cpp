// Writes a template package with libxlsxwriter from a design in JSON (TemplateMaker.cpp writes it). A process of its
// own: libxlsxwriter's zip functions share their names with QuaZip's, and in one process one set replaces the other.
#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <xlsxwriter.h>

#include <cstdio>
#include <string>

namespace {

QByteArray smallPicture() {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

std::string text(const QJsonValue& value) {
    return value.toString().toStdString();
}

void layOut(lxw_workbook* workbook, lxw_worksheet* sheet, const QJsonObject& design) {
    for (const QJsonValue value : design[u"columns"].toArray()) {
        const QJsonObject column = value.toObject();
        lxw_format* format = workbook_add_format(workbook);
        if (!column[u"numberFormat"].toString().isEmpty())
            format_set_num_format(format, text(column[u"numberFormat"]).c_str());
        if (column[u"bold"].toBool())
            format_set_bold(format);
        const auto index = static_cast<lxw_col_t>(column[u"column"].toInt() - 1);
        worksheet_set_column(sheet, index, index, 14, format);
    }
    for (const QJsonValue value : design[u"cells"].toArray()) {
        const QJsonObject cell = value.toObject();
        const auto row = static_cast<lxw_row_t>(cell[u"row"].toInt() - 1);
        const auto column = static_cast<lxw_col_t>(cell[u"column"].toInt() - 1);
        if (cell[u"formula"].toString().isEmpty())
            worksheet_write_string(sheet, row, column, text(cell[u"text"]).c_str(), nullptr);
        else
            worksheet_write_formula(sheet, row, column, text(cell[u"formula"]).c_str(), nullptr);
    }
    for (const QJsonValue range : design[u"merges"].toArray())
        worksheet_merge_range(sheet, RANGE(text(range).c_str()), "", nullptr);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage: tallivo_test_template_writer TEMPLATE DESIGN-JSON\n", stderr);
        return 2;
    }
    const QJsonObject design = QJsonDocument::fromJson(argv[2]).object();
    lxw_workbook* workbook = workbook_new(argv[1]);
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Report");
    layOut(workbook, sheet, design);
    const QByteArray picture = smallPicture();
    if (design[u"picture"].toBool())
        worksheet_insert_image_buffer(sheet, 0, 0, reinterpret_cast<const unsigned char*>(picture.constData()),
                                      static_cast<size_t>(picture.size()));
    const lxw_error result = workbook_close(workbook);
    if (result != LXW_NO_ERROR) {
        std::fprintf(stderr, "%s\n", lxw_strerror(result));
        return 1;
    }
    return 0;
}
