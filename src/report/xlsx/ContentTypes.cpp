#include "ContentTypes.h"

#include "StartTag.h"
#include "TextSplice.h"
#include "XmlScanner.h"

namespace report::xlsx {

using namespace Qt::StringLiterals;

namespace {

constexpr auto TemplateType = u"application/vnd.openxmlformats-officedocument.spreadsheetml.template.main+xml";
constexpr auto WorkbookType = u"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml";

} // namespace

QString reportContentTypes(const QString& text, const QString& calcChain, QString& error) {
    TextSplice splice(text);
    XmlScanner scanner(text);
    bool dropped = false;
    bool retyped = false;
    while (scanner.next()) {
        if (scanner.depth() != 2)
            continue;
        if (scanner.isStart()) {
            const QXmlStreamAttributes attributes = scanner.attributes();
            dropped = scanner.name() == u"Override"_s && !calcChain.isEmpty() &&
                      attributes.value(u"PartName"_s).compare(u'/' + calcChain, Qt::CaseInsensitive) == 0;
            retyped = attributes.value(u"ContentType"_s).compare(TemplateType, Qt::CaseInsensitive) == 0;
            continue;
        }
        const ElementSpan& span = scanner.span();
        if (dropped) {
            splice.remove(span.start, span.end);
        } else if (retyped) {
            const QStringView tag = span.startTag(text);
            splice.replace(span.start, span.contentStart,
                           starttag::withAttribute(tag, u"ContentType"_s, QString::fromUtf16(WorkbookType)));
        }
    }
    error = scanner.error();
    return splice.text();
}

} // namespace report::xlsx
