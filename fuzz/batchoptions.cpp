// tallivo-run's command line, one argument per NUL-separated piece.
#include "FuzzSupport.h"

#include "core/batch/BatchOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList arguments{QStringLiteral("tallivo-run")};
    for (const QByteArray& argument : fuzz::input(data, size).split('\0'))
        arguments.append(QString::fromUtf8(argument));
    core::parseBatchOptions(arguments);
    return 0;
}
