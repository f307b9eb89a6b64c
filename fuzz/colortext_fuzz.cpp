// Colour texts as chat lines and the settings file carry them. Promise: a
// colour read from a text is written and read back as the same colour.
#include "colortext.h"
#include "fuzzing.h"
#include "qtapplication.h"

#include <QCoreApplication>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    (void)argc;
    (void)argv;
    startApplication<QCoreApplication>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    colortext::ColorValue value = 0;
    if (colortext::fromText(text, value)) {
        colortext::ColorValue again = 1;
        require(colortext::fromText(colortext::toText(value), again));
        require(again == value);
    }
    return 0;
}
