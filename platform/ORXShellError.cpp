#include "ORXShellError.h"

QString ORXShellError::description() const
{
    if (isEmpty())
        return QStringLiteral("(null)");
    return QStringLiteral("{number = %1; message = \"%2\"}").arg(number).arg(message);
}
