#pragma once

#include <QList>
#include <QString>

#include <cstdlib>

// A broken property ends the run as a sanitizer report does, so that the
// fuzzer keeps the input that broke it.
inline void check(bool condition)
{
    if (!condition)
        abort();
}

// Whether `wanted` appears in `list` in order, other entries allowed between.
template <typename T> bool isSubsequence(const QList<T> &wanted, const QList<T> &list)
{
    qsizetype found = 0;
    for (const T &entry : list) {
        if (found < wanted.size() && entry == wanted[found])
            ++found;
    }
    return found == wanted.size();
}

// The program logs every byte it reads; written out, that would drown the
// fuzzer's own output and slow it to a crawl.
inline void ignoreMessages(QtMsgType, const QMessageLogContext &, const QString &) {}
