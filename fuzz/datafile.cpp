// Any bytes as the content of a settings file: what restoring would hand to
// the record reader.
//
// Input: the file's bytes.

#include "fuzzcheck.h"
#include "mainwindow.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("settings.txt"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QFile file(fileName);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    check(file.write(bytes) == bytes.size());
    file.close();

    const std::optional<QString> record = MainWindow::recordInFile(fileName);
    const qsizetype nul = bytes.indexOf('\0');
    // Whatever stands before a NUL counts, less one line end; a file with no
    // NUL early on that is too long to be a record gives nothing at all.
    QByteArray expected = nul >= 0 ? bytes.left(nul) : bytes;
    if (expected.endsWith("\r\n"))
        expected.chop(2);
    else if (expected.endsWith('\n'))
        expected.chop(1);
    if (nul >= 0 && nul <= 4096)
        check(record && *record == QString::fromLatin1(expected));
    else if (bytes.size() > 4096)
        check(!record);
    else
        check(record && *record == QString::fromLatin1(expected));
    return 0;
}
