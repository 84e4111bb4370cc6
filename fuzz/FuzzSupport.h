#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace fuzz {

// The harness's input, not copied.
QByteArray input(const std::uint8_t* data, std::size_t size);
// Inputs that carry several texts separate them with NUL, which none of them may hold.
QByteArrayList pieces(const QByteArray& input, qsizetype count);
// A file of that name in a scratch folder kept for the process.
QString scratchPath(const QString& name);
// Writes that file; its path.
QString scratchFile(const QString& name, const QByteArray& bytes);
// A broken contract is a finding: say which and stop, so libFuzzer keeps the input.
void require(bool holds, const char* contract);

} // namespace fuzz
