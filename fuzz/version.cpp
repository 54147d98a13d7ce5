// Any firmware version text, as a unit's detection reply may carry it, packed
// into the version number that picks the record length.
//
// Input: the text's bytes, read as UTF-8 so that letters and digits of other
// scripts reach the packing as well.

#include "fuzzcheck.h"
#include "mainwindow.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    // Letters carry no part of the number, wherever they stand.
    const unsigned int version = MainWindow::generateVersion(text);
    check(MainWindow::generateVersion(QLatin1String("V") + text + QLatin1String("x")) == version);
    return 0;
}
