#include "content/pictures.h"

#include "content/catalogue.h"

namespace content {

QString flagPicture(int index) {
    return QStringLiteral(":/flags/%1.jpg").arg(index, 3, 10, QLatin1Char('0'));
}

QStringList flagPictures() {
    QStringList all;
    all.reserve(kCountryCount);
    for (int index = 1; index <= kCountryCount; ++index)
        all.append(flagPicture(index));
    return all;
}

} // namespace content
