#include "platform/counter.h"

#include <QLocale>
#include <cmath>

namespace platform {

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto digitAt = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    for (; digitAt(i); ++i)
        ++digits;
    if (i < n && text[i] == u'.') {
        ++i;
        for (; digitAt(i); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype k = i + 1;
        if (k < n && (text[k] == u'+' || text[k] == u'-'))
            ++k;
        if (digitAt(k)) {
            while (digitAt(k))
                ++k;
            end = k;
        }
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(text.mid(start, end - start), &ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

QString decimalText(double value) {
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

QString counterPlusOne(const QString& caption) {
    return decimalText(leadingNumber(caption) + 1.0);
}

} // namespace platform
