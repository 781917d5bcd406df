#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace kw::fuzz {

// Starts the offscreen application the controllers need (fonts, pictures) and silences Qt's
// warnings, which crafted files provoke by the thousand. Call once, from LLVMFuzzerInitialize.
void startFuzzing(int* argc, char*** argv);

// A folder of the fuzzing run's own, removed when the process ends.
QString scratchFolder();

QByteArray bytesOf(const std::uint8_t* data, std::size_t size);

// A broken property is a finding: say what broke and stop, so the fuzzer keeps the input.
void failOn(const std::optional<QString>& problem);

} // namespace kw::fuzz
