#include "shellquote.h"

namespace zor {

QString quoteForShell(const QString &text)
{
    QString quoted = text;
    quoted.replace('\'', "'\\''");
    return '\'' + quoted + '\'';
}

} // namespace zor
