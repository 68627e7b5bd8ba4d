#pragma once

#include <QString>

namespace zor {

// One word for /bin/sh, taken literally: the text in single quotes, each single quote written
// as '\''. Blanks, quotes, `$` and `;` in paths and names cannot change the command.
QString quoteForShell(const QString &text);

} // namespace zor
