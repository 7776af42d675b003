#include "ORXPageText.h"

#include "ORXLocalizedString.h"

QString ORXPageText(const char* key)
{
    const QString text = ORXLocalizedString(key);
    return text.isEmpty() ? QString::fromUtf8(key) : text;
}
